#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"

using namespace vyr;
using vyr::test::TTempDir;

TEST(Files, CoursePathsMapToLinuxPaths) {
  EXPECT_EQ(CoursePath(u"/home/anna/vyr/"_qs), "C:\\home\\anna\\vyr\\");
  EXPECT_EQ(CoursePath(u"/"_qs), "C:\\");
  EXPECT_EQ(NativePath("c:\\tmp\\.\\x\\..\\y.txt"), u"/tmp/y.txt"_qs);
  EXPECT_TRUE(NativePath("D:\\x.htx").isEmpty());             // no such drive
  EXPECT_TRUE(NativePath("\\\\server\\share\\x").isEmpty());  // no network shares
  EXPECT_TRUE(IsNetworkPath("\\\\server\\x"));
  EXPECT_TRUE(HasDrive("c:\\x"));
}

TEST(Files, NamesAreFoundInAnyLetterCaseWithUmlauts) {
  TTempDir t;
  t.file("Vokabeln (E)\\Grundwortschatz\\Wörterbuch.htx", "x");
  // Written in any case, in either slash, the file is found and spelt as on disk.
  for (const char* name :
       {"vokabeln (e)\\GRUNDWORTSCHATZ\\wÖrterbuch.HTX", "VOKABELN (E)/grundwortschatz/WÖRTERBUCH.htx"}) {
    const std::string p = t.path() + name;
    EXPECT_TRUE(FileExists(p)) << name;
    EXPECT_TRUE(NativePath(p).endsWith(u"/Vokabeln (E)/Grundwortschatz/Wörterbuch.htx"_qs)) << name;
  }
  EXPECT_TRUE(DirectoryExists(t.path() + "vokabeln (e)\\grundwortschatz\\"));
  EXPECT_FALSE(FileExists(t.path() + "vokabeln (e)"));  // a directory is no file
  // The name lands on disk as UTF-8.
  EXPECT_TRUE(QFile::exists(t.native() + u"/Vokabeln (E)/Grundwortschatz/W\u00f6rterbuch.htx"_qs));
}

TEST(Files, ListingCacheSeesNewFiles) {
  TTempDir t;
  t.file("a.txt", "1");
  EXPECT_FALSE(FileExists(t.path() + "B.TXT"));
  QFile f(t.native() + u"/b.txt"_qs);  // made behind the file layer's back
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  ForgetDirectoryCache();
  EXPECT_TRUE(FileExists(t.path() + "B.TXT"));
}

TEST(Files, ReadAndWriteReportFailures) {
  TTempDir t;
  std::string error;
  EXPECT_FALSE(ReadWholeFile(t.path() + "fehlt.txt", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ReadWholeFile(t.dir("ordner"), &error));  // a directory
  const std::string big = t.file("gross.bin", std::string(2000, 'x'));
  EXPECT_FALSE(ReadWholeFile(big, &error, 1000));

  ASSERT_TRUE(WriteWholeFile(t.path() + "neu.txt", "eins"));
  EXPECT_EQ(ReadWholeFile(t.path() + "NEU.TXT").value_or(""), "eins");

  // A read-only directory: the write fails, is reported, and the old file stays whole.
  const std::string ro = t.dir("nurlesen");
  WriteWholeFile(ro + "alt.txt", "alt");
  QFile::setPermissions(NativePath(ro), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (!QFileInfo(NativePath(ro)).isWritable()) {  // root may write anyway
    EXPECT_FALSE(WriteWholeFile(ro + "alt.txt", "neu", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(ro + "alt.txt").value_or(""), "alt");
  }
  QFile::setPermissions(NativePath(ro), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Files, PathPieces) {
  struct Row {
    const char* path;
    const char* dir;
    const char* name;
    const char* ext;
  };
  for (const Row& r :
       {Row{"C:\\kurs\\htx\\a.htx", "C:\\kurs\\htx\\", "a.htx", ".htx"}, Row{"a.b\\datei", "a.b\\", "datei", ""},
        Row{"C:x.txt", "C:", "x.txt", ".txt"}, Row{"ohne", "", "ohne", ""}}) {
    EXPECT_EQ(ExtractFilePath(r.path), r.dir) << r.path;
    EXPECT_EQ(ExtractFileName(r.path), r.name) << r.path;
    EXPECT_EQ(ExtractFileExt(r.path), r.ext) << r.path;
  }
  EXPECT_EQ(ChangeFileExt("a\\b.htx", ".txt"), "a\\b.txt");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
}
