// Text style tags, <FONT>, styles, save slots, tabs and <BODY>.
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

struct SizeCase {
  const char* markup;
  int32_t size;
};

class FontSizes : public ReaderTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FontSizes, FollowTheSizeRules) {
  Read(GetParam().markup);
  EXPECT_EQ(Word("x").Format.FontSize, GetParam().size) << GetParam().markup;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontSizes,
    ::testing::Values(SizeCase{"<font size=+2>x", 5}, SizeCase{"<font size=-2>x", 3}, SizeCase{"<font size=9>x", 9},
                      SizeCase{"<font size=abc>x", 3}, SizeCase{"<font size=99999999999>x", 3},
                      SizeCase{"<font size=5000>x", 720}, SizeCase{"<font size=700><font size=+700>x", 720},
                      SizeCase{"<font size=\"6\">x", 6}, SizeCase{"<font size>x", 3}, SizeCase{"<h1>x", 6},
                      SizeCase{"<h6>x", 1}, SizeCase{"<h7>x", 3}, SizeCase{"<tt>x", 2}, SizeCase{"<tt></tt>x", 3},
                      SizeCase{"<font size=6><pre>x", 2}, SizeCase{"<font size=6><pre></pre>x", 6}));

TEST_F(ReaderTest, FontAttributesActInOrderAndEndAtTheFirstUnknownOne) {
  Read(
      "<font color=#ff0000 face=\"Wingdings, arial ,Verdana\" linespace=-30 tracking=2 bcolor=#00ff00 "
      "flash=#0000ff link=#010203 charset=greek>x</font>y"
      "<font colorz=#00ff00 size=6>z<font bcolor=off>w<font size=2 bogus=1 size=7>v");
  const tHTML_format& x = Word("x").Format;
  EXPECT_EQ(x.Color, 0x0000FF);
  EXPECT_EQ(x.FontName, "arial");  // the first installed one, as written
  EXPECT_EQ(x.LineSpace, 1970);
  EXPECT_EQ(x.Tracking, 2);
  EXPECT_EQ(x.BackColor, 0x00FF00);
  EXPECT_FALSE(x.ClearBack);
  EXPECT_EQ(x.FlashColor, 0xFF0000);
  EXPECT_EQ(x.LinkColor, 0x030201);
  EXPECT_EQ(x.Charset, 161);
  // </FONT> restores size, colour and face from the slot saved before the last change
  const tHTML_format& y = Word("y").Format;
  EXPECT_EQ(y.Color, 0x0000FF);
  EXPECT_EQ(y.FontName, "arial");
  EXPECT_EQ(y.LinkColor, 0x030201);  // not restored
  // "COLORZ" is read as COLOR; without "=" its value is the rest of the tag
  EXPECT_EQ(Word("z").Format.Color, 0xFFFFFF);
  EXPECT_EQ(Word("z").Format.FontSize, 3);
  EXPECT_TRUE(Word("w").Format.ClearBack);
  EXPECT_EQ(Word("v").Format.FontSize, 2);  // reading ended at "bogus"
}

TEST_F(ReaderTest, SaveSlotsHoldOneLevel) {
  Read(
      "<font size=5><font size=6>a</font>b</font>c <h1>d<h2>e</h2>f "
      "<a href=\"x.htx\"><a href=\"y.htx\">g</a>h</a>i");
  EXPECT_EQ(Word("a").Format.FontSize, 6);
  EXPECT_EQ(Word("b").Format.FontSize, 5);
  EXPECT_EQ(Word("c").Format.FontSize, 5);  // the outer state is lost
  EXPECT_EQ(Word("e").Format.FontSize, 5);
  EXPECT_EQ(Word("f").Format.FontSize, 6);  // back to <h1>'s size, not the page's
  EXPECT_EQ(Word("f").Format.Style, kBold);
  EXPECT_EQ(Word("h").Format.Color, kPageLinkColor);  // the slot holds the first link's colour
  EXPECT_EQ(Word("h").Format.LinkIndex, -1);
  EXPECT_EQ(Word("i").Format.Color, kPageLinkColor);
}

TEST_F(ReaderTest, StyleBitsAndOtherSimpleTags) {
  Read(
      "<b><i><u>a</b></i> <strong><cite>b</strong></cite></u> <em>c</em> <w>d</w> <center>e</center>"
      "<right>f<block>g<inv>h</inv><clear>i");
  EXPECT_EQ(Word("a").Format.Style, kBold | kItalic | kUnderline);
  EXPECT_EQ(Word("b").Format.Style, kBold | kItalic | kUnderline);
  EXPECT_EQ(Word("c").Format.Style, kBold | kItalic);
  EXPECT_GE(Word("d").Format.PhraseId, 0);
  EXPECT_LT(Word("d").Format.PhraseId, 100);
  EXPECT_EQ(Word("e").Format.PhraseId, -1);
  EXPECT_EQ(Word("e").Format.Align, 1);
  EXPECT_EQ(Word("f").Format.Align, 2);
  EXPECT_EQ(Word("g").Format.Align, 3);
  EXPECT_EQ(Word("h").Format.Color, 0);  // text colour and background exchanged
  EXPECT_EQ(Word("h").Format.BackColor, kPageTextColor);
  EXPECT_FALSE(Word("h").Format.ClearBack);
  EXPECT_EQ(Word("i").Format.Color, kPageTextColor);
  EXPECT_TRUE(Word("i").Format.ClearBack);
}

TEST_F(ReaderTest, InverseOfEqualColoursGivesBlackOnWhiteOrWhiteOnBlack) {
  Read("<font color=#ffffff bcolor=#ffffff><inv>a</inv><font color=#000000 bcolor=#000000><inv>b");
  EXPECT_EQ(Word("a").Format.Color, 0);
  EXPECT_EQ(Word("a").Format.BackColor, 0xFFFFFF);
  EXPECT_EQ(Word("b").Format.Color, 0xFFFFFF);
  EXPECT_EQ(Word("b").Format.BackColor, 0);
}

struct TabCase {
  const char* tag;
  int32_t tab;
  uint8_t align;
};

class Tabs : public ReaderTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(Tabs, SetTheTabOfTheNextWord) {
  Read(std::string("<center>a ") + GetParam().tag + "x y");
  EXPECT_EQ(Word("x").Format.TabPos, GetParam().tab) << GetParam().tag;
  EXPECT_EQ(Word("x").Format.Align, GetParam().align);
  EXPECT_EQ(Word("y").Format.TabPos, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, Tabs,
                         ::testing::Values(TabCase{"<X5>", 105, 0}, TabCase{"<x105>", 105, 0}, TabCase{"<X30>", 30, 0},
                                           TabCase{"<X05>", 5, 0}, TabCase{"<X-40>", -40, 0}, TabCase{"<X!5>", 105, 3},
                                           TabCase{"<X0>", 0, 0}, TabCase{"<Xabc>", 0, 1}, TabCase{"<X5a>", 0, 1},
                                           TabCase{"<X99999999999>", 0, 1}));

TEST_F(ReaderTest, APendingTabUnderBlockAlignmentKeepsTheBlankFromBecomingASpace) {
  Read("a<X!5> b");
  EXPECT_EQ(Elements(), "a|b");
  EXPECT_EQ(Word("b").Format.TabPos, 105);
}

TEST_F(ReaderTest, StylesAreFoundByTheirExactUpperCaseName) {
  Read("<font size=6 color=#ff0000 tracking=3 id=GOOD size=2>a<font size=5 id=klein><+klein>b<+good>c");
  ASSERT_EQ(m.Styles.size(), 2u);
  EXPECT_EQ(m.Styles[0].Font.FontSize, 6);
  EXPECT_EQ(m.Styles[0].Tracking, 3);
  // after ID the format is back to the tag's start; later attributes act on it
  EXPECT_EQ(Word("a").Format.FontSize, 2);
  EXPECT_EQ(Word("a").Format.Tracking, 0);
  EXPECT_EQ(Word("a").Format.Color, kPageTextColor);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"KEIN + gefunden! +KLEIN"}));
  EXPECT_EQ(Word("b").Format.FontSize, 2);
  EXPECT_EQ(Word("c").Format.FontSize, 6);
  EXPECT_EQ(Word("c").Format.Color, 0x0000FF);
  EXPECT_EQ(Word("c").Format.Tracking, 3);
}

TEST_F(ReaderTest, TheLastDefinitionOfAStyleWins) {
  Read("<font size=4 id=S><font size=7 id=S><+s>x");
  EXPECT_EQ(Word("x").Format.FontSize, 7);
}

TEST_F(ReaderTest, AStyleWithoutBackgroundKeepsTheCurrentBackColourAndAnExplicitLineSpace) {
  Read("<font linespace=7 id=S><font bcolor=#00ff00 linespace=12><+S>x");
  const tHTML_format& x = Word("x").Format;
  EXPECT_TRUE(x.ClearBack);
  EXPECT_EQ(x.BackColor, 0x00FF00);
  EXPECT_EQ(x.LineSpace, 2012);  // an explicit LINESPACE is not replaced by the style's
  Read("<+S>y");
  EXPECT_EQ(Word("y").Format.LineSpace, 2007);  // styles stay from page to page
}

TEST_F(ReaderTest, BodySetsThePageSettings) {
  m.Variables.Set("ziel", "weiter.htx");
  Read(
      "<body bgcolor=#000080 text=#ffffff link=#ffff00 gap=#010101 klotz=#020202 kbgr=#030303 mchan=#fff "
      "wait=\"1500,$ziel\" onshow=\"hallo\" form>");
  const TPageSettings& s = m.Settings;
  EXPECT_EQ(s.ColorBGR, 0x800000);
  EXPECT_EQ(s.ColorTXT, 0xFFFFFF);
  EXPECT_EQ(s.LinkColor, 0x00FFFF);
  EXPECT_EQ(s.GapColor, 0x010101);
  EXPECT_EQ(s.BlockColor, 0x020202);
  EXPECT_EQ(s.HoleColor, 0x030303);
  EXPECT_EQ(s.WaitInterval, 1500);
  EXPECT_EQ(s.WaitTarget, "weiter.htx");
  EXPECT_EQ(s.ShowAction, "hallo");
  EXPECT_TRUE(s.FormColor);
  Read("<body form bgcolor=#ff0000>");  // FORM without "=" ends the tag
  EXPECT_TRUE(m.Settings.FormColor);
  EXPECT_EQ(m.Settings.ColorBGR, 0xFFFFFF);
}

TEST_F(ReaderTest, DefineAndColorsFillTheirTables) {
  Read(
      "<define $a=\"eins\" $ b = \"{b}fett{/b} 'x'\" $c=kaputt><colors Rot=#ff0000  hell=ROT>"
      "<font color=hell>x");
  EXPECT_EQ(m.Variables.Get("a"), "eins");
  EXPECT_EQ(m.Variables.Get("b"), "<b>fett</b> \"x\"");
  EXPECT_FALSE(m.Variables.Has("c"));
  EXPECT_EQ(m.ColorNames.Get("rot"), "#ff0000");
  EXPECT_EQ(Word("x").Format.Color, 0x0000FF);
}

}  // namespace
}  // namespace vyr::test
