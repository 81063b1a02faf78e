#include <gtest/gtest.h>

#include <QFile>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "tests/common/TempDir.h"
#include "text/Cp1252.h"
#include "vocabulary/library/LibraryFormat.h"
#include "vocabulary/library/VocLib.h"

namespace vyr {
namespace {

using test::TTempDir;

std::string Entry(const std::string& word, const std::string& meaning, bool deutsch = false) {
  return word + "\r\n" + meaning + "\r\n\r\n\r\n0\r\n\r\n0\r\n0\r\n" + (deutsch ? "1" : "0") + "\r\n0\r\n";
}

std::vector<std::string> Words(const TVocLib& lib) {
  std::vector<std::string> words;
  for (const auto& e : lib.Entries()) words.push_back(e.Vokabel);
  return words;
}

TEST(VocLib, NewAndClearedLibrariesHoldOneBlankEntry) {
  TVocLib lib;
  EXPECT_EQ(lib.EntryCount(true), 1);
  EXPECT_EQ(lib.EntryCount(false), 0);
  EXPECT_TRUE(lib.IsIncomplete(0));
  EXPECT_FALSE(lib.Modified());
  lib.Clear(false);
  EXPECT_EQ(lib.EntryCount(true), 0);
  // Indexes -1, -2, -3 and past the end on an empty list read as blank and write nothing.
  for (int index : {-1, -2, -3, 0, 5}) {
    EXPECT_EQ(lib.Vokabel(index), "") << index;
    lib.SetVokabel(index, "x");
    EXPECT_TRUE(lib.IsIncomplete(index));
  }
  EXPECT_FALSE(lib.Modified());
}

TEST(VocLib, EditingMarksModifiedOnlyOnChangeAndKeepsLinesWhole) {
  TVocLib lib;
  lib.SetVokabel(0, "pray");
  lib.SetBedeutung(0, 0, "beten");
  EXPECT_TRUE(lib.Modified());
  lib.SetModified(false);
  lib.SetVokabel(0, "pray");
  lib.SetBedeutung(0, 3, "nirgends");  // no such meaning
  EXPECT_FALSE(lib.Modified());
  lib.SetSchwierigkeit(0, 7);
  EXPECT_EQ(lib.Entry(0).Schwierigkeit, 4);
  lib.SetWortart(0, 300);  // not a word class: ignored
  EXPECT_EQ(lib.Entry(0).Wortart, 0);
  lib.SetDeutsch(0, true);
  EXPECT_EQ(lib.AddBlankEntry(), 1);
  EXPECT_TRUE(lib.Entry(1).Deutsch);  // the blank entry takes the direction of the one before
  // A line break in a field would shift every later line: it becomes a blank.
  lib.SetKontext(0, 1, "a\r\nb");
  EXPECT_EQ(lib.Entry(0).Kontext[1], "a  b");
  TVokabel e;
  e.Vokabel = "x\ty";
  e.Bedeutung[0] = "z\n";
  lib.AddEntry(e);
  EXPECT_EQ(lib.Entry(2).Vokabel, "x y");
  EXPECT_EQ(lib.Entry(2).Bedeutung[0], "z ");
}

TEST(VocLib, CurrentIndexNeighboursAreClamped) {
  TVocLib lib;
  lib.SetVokabel(0, "a");
  lib.AddBlankEntry();
  lib.SetVokabel(1, "b");
  lib.AddBlankEntry();
  lib.SetCurrentIndex(0);
  EXPECT_EQ(lib.Vokabel(-1), "a");
  EXPECT_EQ(lib.Vokabel(-2), "a");  // nothing before the first
  EXPECT_EQ(lib.Vokabel(-3), "b");
  lib.SetCurrentIndex(2);
  EXPECT_EQ(lib.Vokabel(-3), "");  // the blank row, the last one
  EXPECT_EQ(lib.Vokabel(-2), "b");
}

TEST(VocLib, DeletingTheTrailingBlankEntryBringsANewOne) {
  TVocLib lib;
  lib.SetVokabel(0, "a");
  lib.SetBedeutung(0, 0, "b");
  lib.AddBlankEntry();
  lib.DeleteEntry(1);
  EXPECT_EQ(lib.EntryCount(true), 2);
  EXPECT_TRUE(lib.IsIncomplete(1));
  lib.DeleteEntry(0);
  lib.DeleteEntry(0);
  EXPECT_EQ(lib.EntryCount(true), 1);
  EXPECT_EQ(lib.EntryCount(false), 0);
  lib.DeleteEntry(7);  // outside: nothing happens
  EXPECT_EQ(lib.EntryCount(true), 1);
}

TEST(VocLib, LoadReplacesOrAppends) {
  TTempDir dir;
  const std::string a = dir.file("a.asc", "// von A\r\n" + Entry("pray", "beten"));
  const std::string b = dir.file("b.asc", "// von B\r\n" + Entry("Haus", "house", true) + Entry("", "unfertig"));
  TVocLib lib;
  EXPECT_EQ(lib.LoadFile(a), 1);
  EXPECT_EQ(Words(lib), (std::vector<std::string>{"pray", ""}));
  EXPECT_FALSE(lib.Modified());
  EXPECT_EQ(lib.LoadFile(b, true), 2);
  // the blank entry only once, at the end; the first file's name stays
  EXPECT_EQ(Words(lib), (std::vector<std::string>{"pray", "Haus", ""}));
  EXPECT_EQ(lib.EntryCount(false), 2);
  EXPECT_EQ(lib.Comments(), (std::vector<std::string>{"von A", "von B"}));
  EXPECT_EQ(lib.FileName(), a);
  EXPECT_TRUE(lib.Modified());
  EXPECT_EQ(lib.LoadFile(dir.path() + "fehlt.asc"), 0);  // missing: nothing changes
  EXPECT_EQ(lib.EntryCount(true), 3);
}

TEST(VocLib, NamesAreFoundInAnyCaseButDirectoriesAreNoLibraries) {
  TTempDir dir;
  dir.file("X.ASC", Entry("pray", "beten"));
  dir.file("Wörter\\Grüße.asc", Entry("hello", "hallo"));
  dir.dir("y.asc");
  TVocLib lib;
  EXPECT_EQ(lib.LoadFile(dir.path() + "x.asc"), 1);
  EXPECT_EQ(lib.LoadFile(dir.path() + "WÖRTER\\grüße.asc"), 1);
  EXPECT_EQ(lib.Vokabel(0), "hello");
  EXPECT_EQ(lib.LoadFile(dir.path() + "y.asc"), 0);
  EXPECT_EQ(lib.Vokabel(0), "hello");
}

TEST(VocLib, OverlargeFileIsNotRead) {
  TTempDir dir;
  const std::string path = dir.file("gross.asc", Entry("pray", "beten"));
  QFile f(NativePath(path));
  ASSERT_TRUE(f.resize(qint64(kMaxLibraryFileSize) + 1));  // sparse: nothing is written
  TVocLib lib;
  EXPECT_EQ(lib.LoadFile(path), kLoadFailed);
  EXPECT_EQ(lib.EntryCount(true), 1);
  EXPECT_EQ(lib.FileName(), "");
}

TEST(VocLib, SaveThenLoadGivesTheSameLibrary) {
  TTempDir dir;
  TVocLib lib;
  lib.Comments() = {"", "Autor: wir", "  eingerückt"};
  lib.SetVokabel(0, "Straße");
  lib.SetBedeutung(0, 0, "street; road [Br.]");
  lib.SetKontext(0, 0, "in der [*]\nstehen");  // a line break inside a field
  lib.SetBedeutungAnzeigen(0, 0, true);
  lib.SetWortart(0, 7);
  lib.SetDeutsch(0, true);
  lib.SetSchwierigkeit(0, 3);
  lib.AddBlankEntry();
  lib.SetBedeutung(1, 0, "ohne Wort");  // incomplete, but not the last: kept
  lib.AddBlankEntry();
  lib.SetVokabel(2, "//x");
  lib.SetBedeutung(2, 0, "y");
  lib.AddBlankEntry();
  const std::string path = dir.path() + "neu.asc";
  ASSERT_TRUE(lib.SaveFile(path));
  EXPECT_FALSE(lib.Modified());
  EXPECT_EQ(lib.FileName(), path);

  TVocLib back;
  ASSERT_EQ(back.LoadFile(path), 3);
  EXPECT_EQ(back.Comments(), lib.Comments());
  EXPECT_EQ(back.Entries(), lib.Entries());
  EXPECT_EQ(back.Entry(0).Kontext[0], "in der [*] stehen");
  // and the file itself: CR LF after every line, no trailing blank entry
  const std::string bytes = ReadWholeFile(path).value_or("");
  EXPECT_TRUE(bytes.starts_with("// \r\n// Autor: wir\r\n//   eingerückt\r\nStraße\r\n"));
  EXPECT_TRUE(bytes.ends_with("//x\r\ny\r\n\r\n\r\n0\r\n\r\n0\r\n0\r\n1\r\n0\r\n"));
}

TEST(VocLib, EveryDemoLibraryLoadsAndSavesByteIdentical) {
  TTempDir dir;
  std::vector<std::string> files;
  FindFiles(CoursePath(QStringLiteral(VYR_INSTALL_DIR)) + "\\Vokabeln (E)\\", &files, ".asc");
  ASSERT_GE(files.size(), 10u);
  for (const std::string& file : files) {
    TVocLib lib;
    EXPECT_GT(lib.LoadFile(file), 0) << file;
    ASSERT_TRUE(lib.SaveFile(dir.path() + "kopie.asc")) << file;
    EXPECT_EQ(ReadWholeFile(dir.path() + "kopie.asc"), ReadWholeFile(file)) << file;
  }
}

TEST(VocLib, AWordThatReadsAsACommentIsNotSaved) {
  TTempDir dir;
  const std::string path = dir.file("alt.asc", "alt");
  for (const std::string word : {"// x", "  //", "//\tx", "//"}) {
    TVocLib lib;
    lib.SetVokabel(0, "gut");
    lib.SetBedeutung(0, 0, "good");
    lib.AddEntry(TVokabel{});
    lib.SetVokabel(1, word);
    lib.SetBedeutung(1, 0, "Kommentar?");
    TMessageRecorder messages;
    EXPECT_FALSE(lib.SaveFile(path)) << word;
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("Eintrag 2"), std::string::npos) << messages.texts()[0];
    EXPECT_EQ(ReadWholeFile(path).value_or(""), "alt");
    EXPECT_TRUE(lib.Modified());
  }
}

TEST(VocLib, FailedWriteIsReported) {
  TTempDir dir;
  TVocLib lib;
  TMessageRecorder messages;
  EXPECT_FALSE(lib.SaveFile(dir.file("datei") + "\\unter.asc"));  // below a file
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(lib.FileName(), "");
}

TEST(VocLib, LoadFilesPicksInRandomOrderUpToTheLimit) {
  TTempDir dir;
  std::vector<std::string> files;
  for (const char* name : {"a", "b", "c", "d"})
    files.push_back(dir.file(std::string(name) + ".asc", "// " + std::string(name) + "\r\n" + Entry(name, "1") +
                                                             Entry(std::string(name) + "2", "2")));
  auto order = [&](int limit) {
    SetRandomSeed(42);
    TVocLib lib;
    lib.LoadFiles(files, limit);
    EXPECT_FALSE(lib.Modified());
    EXPECT_TRUE(lib.IsIncomplete(lib.EntryCount(true) - 1));
    EXPECT_EQ(lib.FileName(), "");
    return lib.Comments();
  };
  const std::vector<std::string> all = order(0);
  EXPECT_EQ(all.size(), 4u);
  EXPECT_EQ(order(0), all);  // the same seed, the same order
  EXPECT_NE(all, (std::vector<std::string>{"a", "b", "c", "d"}));
  // limit 3: stop once more than 3 entries are in, after the second file
  EXPECT_EQ(order(3), std::vector<std::string>(all.begin(), all.begin() + 2));
  EXPECT_EQ(order(4), std::vector<std::string>(all.begin(), all.begin() + 3));

  TVocLib one;
  one.LoadFiles({files[2]}, 1);
  EXPECT_EQ(one.FileName(), files[2]);  // one file is read as itself
  EXPECT_EQ(one.EntryCount(false), 2);
  TVocLib none;
  none.LoadFiles({}, 0);
  EXPECT_EQ(none.EntryCount(true), 1);
}

}  // namespace
}  // namespace vyr
