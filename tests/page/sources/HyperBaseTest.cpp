#include <gtest/gtest.h>

#include "page/sources/HyperBase.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

TEST(HyperLinksTest, WordsBecomeLookUpLinks) {
  struct Case {
    const char* text;
    const char* expected;
  };
  for (const Case& c : {
           Case{"siehe {Haus}", "siehe <a href=\"?Haus\" flash=#ffffff>Haus</a>"},
           Case{"{a} und {b}.", "<a href=\"?a\" flash=#ffffff>a</a> und <a href=\"?b\" flash=#ffffff>b</a>."},
           Case{"offen {Haus und Rest", "offen {Haus und Rest"},
           Case{"{a} dann {offen", "<a href=\"?a\" flash=#ffffff>a</a> dann {offen"},
           Case{"zu } und {", "zu } und {"},
           Case{"ohne", "ohne"},
       })
    EXPECT_EQ(HyperLinks(c.text), c.expected) << c.text;
}

class HyperBaseTest : public ::testing::Test {
 protected:
  test::TTempDir dir;
  TMessageRecorder messages;
  TXHyperBase base;
};

TEST_F(HyperBaseTest, AddPutsStarsAroundKeysAndFindMatchesSubstrings) {
  base.Add("Haus", "  ein Gebäude, siehe {home}  ", "x");
  base.Add("*home*", "Zuhause", "");
  base.Add("Hausboot", "Boot", "");
  EXPECT_EQ(base.entries()[0].key, "*Haus*");
  EXPECT_EQ(base.entries()[1].key, "*home*");
  std::string text, extra;
  EXPECT_EQ(base.Find("*Haus*", text, extra), 0);
  EXPECT_EQ(text, "ein Gebäude, siehe <a href=\"?home\" flash=#ffffff>home</a>");
  EXPECT_EQ(extra, "x");
  EXPECT_EQ(base.Find("*Hausboot*", text, extra), 2);
  EXPECT_EQ(base.Find("*haus*", text, extra), -1);  // case counts
  EXPECT_EQ(text, "");
  EXPECT_EQ(extra, "");
}

TEST_F(HyperBaseTest, TextFormHoldsThreeLinesPerEntry) {
  const std::string path =
      dir.file("hyper.txt", "Haus\r\nein {Gebäude}\r\nextra\r\nBaum\r\nwächst\r\n\r\nRest\r\n\r\n");
  base.Load(path);
  EXPECT_EQ(base.fileName(), path);
  ASSERT_EQ(base.entries().size(), 3u);
  EXPECT_EQ(base.entries()[1].key, "*Baum*");
  EXPECT_EQ(base.entries()[1].text, "wächst");
  EXPECT_EQ(base.entries()[2].key, "*Rest*");  // incomplete last entry
  std::string text, extra;
  EXPECT_EQ(base.Find("*Haus*", text, extra), 0);
  EXPECT_EQ(text, "ein <a href=\"?Gebäude\" flash=#ffffff>Gebäude</a>");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(HyperBaseTest, CompressedFormHoldsNulStringTriples) {
  for (const char* name : {"hyper.vyr", "hyper.xtm"}) {
    TXHyperBase b;
    b.Load(dir.file(name, WriteZStrings({"Haus", "ein Haus", "e1", "*Tür*", "eine {Tür}", ""})));
    ASSERT_EQ(b.entries().size(), 2u) << name;
    EXPECT_EQ(b.entries()[1].key, "*Tür*");
    EXPECT_EQ(b.entries()[1].text, "eine {Tür}");
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(HyperBaseTest, BrokenCompressedFileIsReportedAndKeepsEarlierEntries) {
  base.Add("alt", "bleibt", "");
  const std::string packed = WriteZStrings({"a", "b", "c"});
  const std::string path = dir.file("hyper.vyr", packed.substr(0, packed.size() - 2));
  base.Load(path);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Fehler beim Laden von " + path + "!"});
  ASSERT_EQ(base.entries().size(), 1u);

  // a last entry cut short: the whole ones stay, the fault is shown
  messages.clear();
  base.Load(dir.file("kurz.vyr", WriteZStrings({"a", "b", "c", "d"})));
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(base.entries().size(), 2u);
}

TEST_F(HyperBaseTest, MissingFileForgetsTheNameAndKeepsEntries) {
  base.Load(dir.file("hyper.txt", "a\r\nb\r\nc\r\n"));
  base.Load(dir.path() + "fehlt.txt");
  EXPECT_EQ(base.fileName(), "");
  EXPECT_EQ(base.entries().size(), 1u);
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace vyr
