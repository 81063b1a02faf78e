#include <gtest/gtest.h>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"
#include "tools/vyr-pack/Packer.h"

using namespace vyr;
using vyr::test::TTempDir;

TEST(Packer, PacksTextPagesAndSettingsForTheInstallation) {
  TTempDir src, dst;
  // Sources are UTF-8; narrow literals here are Windows-1252, so UTF-8 is spelt in bytes.
  const std::string page = "<P>Sch\xC3\xB6n";
  src.file("hvyr\\main.htx", page);
  src.file("hvyr\\LAUT.HTX", page);  // upper-case extension: a plain file
  src.file("hvyr\\hilfe.txt", page);
  src.file("vyr.ini", "[vyr englisch]\r\nWave-Verzeichnis=@INSTALL@wave\\\r\n");
  src.file("wave\\VYR_E");
  src.file("bilder\\x.bmp", std::string("BM\0\xC3\xB6", 5));
  src.file("resources\\sprachlabor.txt", "x");  // compiled in, not installed
  src.file("Wörter\\liste.asc", "");            // names are course paths: Windows-1252 here, UTF-8 on disk

  const TPackResult r = PackCourse(src.path(), dst.path());
  EXPECT_TRUE(r.errors.empty());
  EXPECT_EQ(r.written, 7);

  EXPECT_EQ(Inflate(ReadWholeFile(dst.path() + "hvyr\\main.htx").value_or("")).value_or("?"), "<P>Schön");
  EXPECT_EQ(ReadWholeFile(dst.path() + "hvyr\\LAUT.HTX").value_or(""), "<P>Schön");
  EXPECT_EQ(ReadWholeFile(dst.path() + "hvyr\\hilfe.txt").value_or(""), "<P>Schön");
  EXPECT_EQ(ReadWholeFile(dst.path() + "vyr.ini").value_or(""),
            "[vyr englisch]\r\nWave-Verzeichnis=" + dst.path() + "wave\\\r\n");
  EXPECT_TRUE(FileExists(dst.path() + "wave\\VYR_E"));
  EXPECT_EQ(ReadWholeFile(dst.path() + "bilder\\x.bmp").value_or(""),
            std::string("BM\0\xC3\xB6", 5));  // bytes as they are
  EXPECT_TRUE(FileExists(dst.path() + "wörter\\liste.asc"));
  EXPECT_FALSE(DirectoryExists(dst.path() + "resources"));

  const TPackResult again = PackCourse(src.path(), dst.path());
  EXPECT_EQ(again.written, 0);
  EXPECT_EQ(again.unchanged, 7);
}

TEST(Packer, MissingSourceIsReported) {
  TTempDir dst;
  const TPackResult r = PackCourse(dst.path() + "fehlt\\", dst.path() + "ziel\\");
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_NE(r.errors[0].find("wurde nicht gefunden"), std::string::npos);
}

TEST(Packer, LibrariesTemplatesAndTheLibraryListGetCrLfAfterEveryLine) {
  struct Case {
    std::string name, source, packed;
  };
  for (const Case& c : {
           Case{"a.asc", "house\nHaus\n\n", "house\r\nHaus\r\n\r\n"},
           Case{"b.ASC", "house\r\nHaus", "house\r\nHaus\r\n"},  // the last line too
           Case{"karte.xsl", "a\rb\n", "a\r\nb\r\n"},            // a lone CR ends a line
           Case{"e_bibliotheken.txt", "Gr\xC3\xBCn.asc", "Grün.asc\r\n"}, Case{"leer.asc", "", ""},
           Case{"hilfe.txt", "a\nb", "a\nb"},  // other text stays as written
       }) {
    EXPECT_EQ(PackedFile(c.name, c.source, "C:\\x\\"), c.packed) << c.name;
  }
}

TEST(Packer, FilesTheProgramsWriteSurviveUntilTheirSourceChanges) {
  TTempDir src, dst;
  src.file("vyr.ini", "[*vyr]\r\nBenutzer-Verzeichnis=\r\n");
  // A recordings list: UTF-8 lines "text<TAB>file", comments and blank lines left out.
  src.file("E_wx.wxt", "# Aufnahmen\nH\xC3\xA4user\tXE:\\haeuser.wav\n\n  house \t XE:\\house.wav \r\nkein Tab\n");
  ASSERT_TRUE(PackCourse(src.path(), dst.path()).errors.empty());
  EXPECT_FALSE(FileExists(dst.path() + "E_wx.wxt"));
  EXPECT_EQ(Inflate(ReadWholeFile(dst.path() + "E_wx.vyr").value_or("")).value_or("?"),
            std::string("Häuser\0XE:\\haeuser.wav\0  house \0XE:\\house.wav\0", 46));

  // The programs write both files; the next build leaves them.
  ASSERT_TRUE(WriteWholeFile(dst.path() + "vyr.ini", "[*vyr]\r\nBenutzer-Verzeichnis=C:\\tmp\\\r\n"));
  ASSERT_TRUE(WriteWholeFile(dst.path() + "E_wx.vyr", Deflate(std::string("neu\0XU:\\neu.wav\0", 16))));
  EXPECT_EQ(PackCourse(src.path(), dst.path()).written, 0);
  EXPECT_EQ(ReadWholeFile(dst.path() + "vyr.ini").value_or(""), "[*vyr]\r\nBenutzer-Verzeichnis=C:\\tmp\\\r\n");
  EXPECT_EQ(Inflate(ReadWholeFile(dst.path() + "E_wx.vyr").value_or("")).value_or("?"),
            std::string("neu\0XU:\\neu.wav\0", 16));

  // A changed source is packed again.
  src.file("E_wx.wxt", "mate\tXE:\\mate.wav\n");
  EXPECT_EQ(PackCourse(src.path(), dst.path()).written, 1);
  EXPECT_EQ(Inflate(ReadWholeFile(dst.path() + "E_wx.vyr").value_or("")).value_or("?"),
            std::string("mate\0XE:\\mate.wav\0", 18));
}
