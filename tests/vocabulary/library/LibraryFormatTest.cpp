#include <gtest/gtest.h>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "vocabulary/library/LibraryFormat.h"
#include "vocabulary/library/VocLib.h"

namespace vyr {
namespace {

using test::TTempDir;

// Ten lines of an entry, joined with CR LF.
std::string Entry(std::string word, std::string meaning, std::string wortart = "1", std::string deutsch = "0",
                  std::string level = "0", std::string flag1 = "0", std::string flag2 = "0") {
  return word + "\r\n" + meaning + "\r\n\r\n\r\n" + flag1 + "\r\n\r\n" + flag2 + "\r\n" + wortart + "\r\n" + deutsch +
         "\r\n" + level + "\r\n";
}

struct FormatCase {
  const char* what;
  std::string bytes;
  int result;
  std::vector<std::string> comments;
  std::vector<std::string> words;  // the Vokabel of every entry read
};

TEST(LibraryFormat, BytesGiveResultCommentsAndEntries) {
  const std::string pray = Entry("pray", "beten");
  const std::string sleep = Entry("sleep", "schlafen");
  for (const FormatCase& c : {
           FormatCase{"the pray example", pray, 1, {}, {"pray"}},
           FormatCase{"empty file", "", 0, {}, {}},
           FormatCase{"comments only", "// Autor: Kurs\r\n// zweite Zeile\r\n", 0, {"Autor: Kurs", "zweite Zeile"}, {}},
           FormatCase{"empty comment", "//\r\n// \r\n" + pray, 1, {"", ""}, {"pray"}},
           FormatCase{"comment between entries", pray + "// mitten\r\n" + sleep, 2, {"mitten"}, {"pray", "sleep"}},
           FormatCase{"blanks kept inside a comment", "//   x\r\n", 0, {"  x"}, {}},
           FormatCase{"\"//x\" is a word", Entry("//x", "y"), 1, {}, {"//x"}},
           FormatCase{"trailing empty lines", pray + "\r\n\r\n  \r\n\n", 1, {}, {"pray"}},
           FormatCase{"without the last line end", pray.substr(0, pray.size() - 2), 1, {}, {"pray"}},
           // a UTF-8 byte-order mark is text like any other: here it shifts the lines
           FormatCase{"byte-order mark",
                      "\xEF\xBB\xBF"
                      "// a\r\n" +
                          pray,
                      kLoadFailed,
                      {},
                      {"\xEF\xBB\xBF// a"}},
           FormatCase{"blanks around a line", " \t" + pray, 1, {}, {"pray"}},
           FormatCase{"cut after line 7", pray.substr(0, pray.find("1\r\n0\r\n0")), kLoadFailed, {}, {}},
           FormatCase{"second entry cut", pray + "sleep\r\nschlafen\r\n", kLoadFailed, {}, {"pray"}},
           FormatCase{"word class 300", Entry("a", "b", "300"), kLoadFailed, {}, {}},
           FormatCase{"word class -1", Entry("a", "b", "-1"), kLoadFailed, {}, {}},
           FormatCase{"word class 1a", Entry("a", "b", "1a"), kLoadFailed, {}, {}},
           FormatCase{"word class empty", Entry("a", "b", ""), kLoadFailed, {}, {}},
           FormatCase{"word class 999999999999", Entry("a", "b", "999999999999"), kLoadFailed, {}, {}},
           FormatCase{"difficulty x", Entry("a", "b", "0", "0", "x"), kLoadFailed, {}, {}},
           FormatCase{"junk", std::string("\x01\xFF\x00\x80zz", 6), kLoadFailed, {}, {}},
       }) {
    const TLibraryText t = ParseLibrary(c.bytes);
    EXPECT_EQ(t.result, c.result) << c.what;
    EXPECT_EQ(t.comments, c.comments) << c.what;
    std::vector<std::string> words;
    for (const auto& e : t.entries) words.push_back(e.Vokabel);
    EXPECT_EQ(words, c.words) << c.what;
  }
}

TEST(LibraryFormat, FieldsFlagsAndNumbers) {
  // Every field in its place; flags true unless exactly "0"; numbers with a sign and blanks.
  const TLibraryText t = ParseLibrary(
      "house\r\nHaus; Gebäude\r\nHeim [gehoben]\r\nThe [*] is big.\r\n-1\r\nA (*)!\r\n\r\n +0 \r\n0 \r\n 4 \r\n"
      "x\r\ny\r\n\r\n\r\n1\r\n\r\n0\r\n+7\r\n\r\n255\r\n");
  ASSERT_EQ(t.result, 2);
  const TVokabel& a = t.entries[0];
  EXPECT_EQ(a.Bedeutung[0], "Haus; Gebäude");
  EXPECT_EQ(a.Bedeutung[1], "Heim [gehoben]");
  EXPECT_EQ(a.Kontext[0], "The [*] is big.");
  EXPECT_EQ(a.Kontext[1], "A (*)!");
  EXPECT_TRUE(a.BedeutungAnzeigen[0]);  // "-1"
  EXPECT_TRUE(a.BedeutungAnzeigen[1]);  // ""
  EXPECT_EQ(a.Wortart, 0);
  EXPECT_FALSE(a.Deutsch);  // "0 " trimmed
  EXPECT_EQ(a.Schwierigkeit, 4);
  const TVokabel& b = t.entries[1];
  EXPECT_TRUE(b.BedeutungAnzeigen[0]);
  EXPECT_FALSE(b.BedeutungAnzeigen[1]);
  EXPECT_EQ(b.Wortart, 7);
  EXPECT_TRUE(b.Deutsch);  // an empty flag line
  EXPECT_EQ(b.Schwierigkeit, 255);
}

TEST(LibraryFormat, LfCrAndCrLfGiveTheSameLibrary) {
  const std::string crlf = "// Autor\r\n" + Entry("Straße", "street", "0", "1", "2", "1") + Entry("go", "gehen");
  std::string lf = crlf, cr = crlf;
  for (size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.replace(p, 2, "\n");
  for (size_t p; (p = cr.find("\r\n")) != std::string::npos;) cr.replace(p, 2, "\r");
  const TLibraryText a = ParseLibrary(crlf), b = ParseLibrary(lf), c = ParseLibrary(cr);
  ASSERT_EQ(a.result, 2);
  EXPECT_EQ(b.result, 2);
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(a.entries, b.entries);
  EXPECT_EQ(a.entries, c.entries);
  EXPECT_EQ(a.comments, c.comments);
  // and writing always gives CR LF
  EXPECT_EQ(RenderLibrary(b.comments, b.entries), crlf);
}

TEST(LibraryFormat, BytesAbove127AndLongLinesSurvive) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  const std::string longLine(1 << 20, 'w');
  const TLibraryText t = ParseLibrary(Entry(high, longLine));
  ASSERT_EQ(t.result, 1);
  EXPECT_EQ(t.entries[0].Vokabel, high);
  EXPECT_EQ(t.entries[0].Bedeutung[0], longLine);
  EXPECT_EQ(RenderLibrary({}, t.entries), Entry(high, longLine));
}

// Entries not made through the setters (read from a file, say) may hold
// control bytes inside a field: written, each is a blank, wherever it stands.
TEST(LibraryFormat, ControlBytesAreWrittenAsBlanks) {
  std::string text(40, 'x');
  text[1] = ' ';
  text[2] = '\x7F';
  text[3] = '\x80';
  text[4] = '\xFF';
  std::string blanked = text;
  for (const size_t at : {0, 7, 8, 23, 38, 39}) {
    text[at] = static_cast<char>(at % 32);  // 0 (NUL), 7, 8, 23, 6, 7
    blanked[at] = ' ';
  }
  TVokabel e;
  e.Vokabel = text;
  e.Bedeutung[0] = "\r\n";  // short: only the tail loop sees it
  e.Kontext[1] = text.substr(3, 9);
  EXPECT_EQ(RenderLibrary({text}, std::span(&e, 1)), "// " + blanked + "\r\n" + blanked + "\r\n  \r\n\r\n\r\n0\r\n" +
                                                         blanked.substr(3, 9) + "\r\n0\r\n0\r\n0\r\n0\r\n");
}

// A failed load leaves everything as it was: entries, comments, file name, modified flag.
TEST(LibraryFormat, FailedLoadLeavesTheLibraryAsItWas) {
  TTempDir dir;
  const std::string good = dir.file("gut.asc", "// alt\r\n" + Entry("pray", "beten"));
  const std::string pray = Entry("a", "b");
  for (const std::string& broken : {
           "// neu\r\n" + pray + "cut\r\nshort\r\n",      // the second entry cut short
           pray.substr(0, pray.find("1\r\n0\r\n0")),      // cut after line 7
           "// neu\r\n" + pray + Entry("c", "d", "300"),  // word class out of range
           Entry("c", "d", "1", "0", "-1"),               // difficulty below 0
       }) {
    const std::string bad = dir.file("kaputt.asc", broken);
    // Replace mode would clear the modified flag, append mode set it: both must not.
    for (const bool append : {false, true}) {
      TVocLib lib;
      ASSERT_EQ(lib.LoadFile(good), 1);
      if (!append) lib.SetBedeutung(0, 1, "anbeten");
      const auto entries = lib.Entries();
      EXPECT_EQ(lib.LoadFile(bad, append), kLoadFailed) << broken;
      EXPECT_EQ(lib.Entries(), entries) << broken;
      EXPECT_EQ(lib.Comments(), std::vector<std::string>{"alt"}) << broken;
      EXPECT_EQ(lib.FileName(), good) << broken;
      EXPECT_EQ(lib.Modified(), !append) << broken;
    }
  }
}

// Comments read between entries are written first, in their order.
TEST(LibraryFormat, CommentsAreWrittenFirst) {
  const TLibraryText t = ParseLibrary(Entry("pray", "beten") + "// mitten\r\n" + Entry("go", "gehen") + "//\r\n");
  ASSERT_EQ(t.result, 2);
  EXPECT_EQ(RenderLibrary(t.comments, t.entries),
            "// mitten\r\n// \r\n" + Entry("pray", "beten") + Entry("go", "gehen"));
}

TEST(LibraryFormat, TooBigFilesAreNotRead) {
  std::string big = Entry("a", "b");
  big.resize(kMaxLibraryFileSize + 1, ' ');
  EXPECT_EQ(ParseLibrary(big).result, kLoadFailed);
}

}  // namespace
}  // namespace vyr
