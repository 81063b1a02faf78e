// Line breaking: wrapping at the column edge, words too long for any line,
// runs of words that move as a whole, elements that never wrap.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using LineBreak = LayoutTest;

TEST_F(LineBreak, WrapsWhereTheNextWordNoLongerFits) {
  // Five words of 32 pixels with blanks take 192 of the 200 pixels.
  Lay("aaaa bbbb cccc dddd eeee ffff gggg");
  EXPECT_EQ(Lines(), "aaaa bbbb cccc dddd eeee|ffff gggg");
  EXPECT_EQ(W("aaaa").X, 8);
  EXPECT_EQ(W("bbbb").X, 48);
  EXPECT_EQ(W("eeee").X, 168);
  EXPECT_EQ(W("ffff").X, 8);
  EXPECT_EQ(W("aaaa").BaseY, kFirstBaseline);
  EXPECT_EQ(W("eeee").BaseY, kFirstBaseline);
  EXPECT_EQ(W("ffff").BaseY, kFirstBaseline + kLineStep);
  EXPECT_EQ(W("gggg").BaseY, W("ffff").BaseY);
  ExpectLinesCoverElements();
}

TEST_F(LineBreak, TheBlankAtTheEndOfALineIsNotDrawn) {
  Lay("aaaa bbbb cccc dddd eeee ffff");
  const int32_t blank = Index("ffff") - 1;
  ASSERT_EQ(m.Elements[static_cast<size_t>(blank)].Kind, ekSpace);
  EXPECT_EQ(l.Text(m, static_cast<size_t>(blank)), "");
  EXPECT_EQ(m.Elements[static_cast<size_t>(blank)].Text, " ");  // the page itself keeps it
  EXPECT_EQ(l.Text(m, static_cast<size_t>(blank) - 2), " ");    // blanks inside the line stay
}

TEST_F(LineBreak, ABlankWrittenBeforeABreakDoesNotIndentTheNextLine) {
  for (const char* page : {"aaaa\r\n<br>\r\nbbbb", "aaaa <p> bbbb", "aaaa\r\n<box coords=8,100,200>\r\nbbbb",
                           "<center>aaaa <br>bbbb</center>"}) {
    SCOPED_TRACE(page);
    Lay(page);
    const int32_t x = std::string_view(page).substr(0, 8) == "<center>" ? 8 + 84 : 8;
    EXPECT_EQ(W("bbbb").X, x);
    EXPECT_EQ(W("aaaa").X, x);
  }
  // ... and a word too long for the line still does not leave one empty.
  Lay("aaaa\r\n<br>\r\nxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
  EXPECT_EQ(Lines(), "aaaa|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
}

// A word wider than the column stands alone on its line and never leaves an
// empty line behind, wherever the line starts.
struct TLongWordCase {
  const char* markup;
  int32_t baseline;  // of the long word
  const char* lines;
};
std::ostream& operator<<(std::ostream& out, const TLongWordCase& c) { return out << c.markup; }

class LongWord : public LayoutTest, public ::testing::WithParamInterface<TLongWordCase> {};

TEST_P(LongWord, StandsAloneWithoutAnEmptyLine) {
  Lay(GetParam().markup);
  const std::string longWord(30, 'x');
  EXPECT_EQ(W(longWord).BaseY, GetParam().baseline);
  EXPECT_EQ(Lines(), GetParam().lines);
  ExpectLinesCoverElements();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongWord,
    ::testing::Values(TLongWordCase{"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 32, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
                      TLongWordCase{"a xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx b", 53, "a|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx|b"},
                      TLongWordCase{"a<br>xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 53, "a|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
                      // after a paragraph: 37 + one line of 20, then the ascent
                      TLongWordCase{"a<p>xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 73, "a|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
                      TLongWordCase{"a<box coords=10,100,100>xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 116,
                                    "a|xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}));

TEST_F(LineBreak, ARunOfWordsMovesAsAWhole) {
  // 22 characters, a blank, then "a", bold "b" (9 pixels) and "c" with no
  // blank between them: "a" alone would still fit, the run does not.
  for (const char* tail : {"", " d"}) {
    SCOPED_TRACE(tail);
    Lay(std::string("xxxxxxxxxxxxxxxxxxxxxx a<b>b</b>c") + tail);
    EXPECT_EQ(W("a").RunWidth, 25);
    EXPECT_EQ(W("b").RunWidth, 0);
    EXPECT_EQ(W("a").X, 8);
    EXPECT_EQ(W("b").X, 16);
    EXPECT_EQ(W("c").X, 25);
    EXPECT_EQ(W("a").BaseY, kFirstBaseline + kLineStep);
    EXPECT_EQ(W("c").BaseY, W("a").BaseY);
  }
}

TEST_F(LineBreak, PicturesAndPreformattedTextNeverWrap) {
  Lay("xxxxxxxxxxxxxxxxxxxxxx <img src=\"%40x20=bild\">");
  EXPECT_EQ(K(ekPicture).X, 8 + 176 + 8);
  EXPECT_EQ(K(ekPicture).BaseY, W(std::string(22, 'x')).BaseY);
  EXPECT_EQ(l.Lines.size(), 1u);

  Lay("<pre>aaaaaaaa bbbbbbbb cccccccc dddddddd eeeeeeee</pre>");
  EXPECT_EQ(l.Lines.size(), 1u);
  EXPECT_GT(W("eeeeeeee").X + W("eeeeeeee").Width, 8 + 200);
  EXPECT_EQ(W("eeeeeeee").BaseY, W("aaaaaaaa").BaseY);
}

TEST_F(LineBreak, ACheckBoxDoesNotReachPastItsColumn) {
  Lay("xxxxxxxxxxxxxxxxxxxxxxxx<checkbox coords=13,4 name=\"ja\">");
  EXPECT_EQ(K(ekCheckBox).X, 8);
  EXPECT_GT(K(ekCheckBox).BaseY, W(std::string(24, 'x')).BaseY);
}

TEST_F(LineBreak, AColumnNarrowerThanOneCharacterStillEnds) {
  Lay("<box coords=10,40,1>aa bb cc<box coords=10,200,0>dd");
  EXPECT_EQ(Lines(), "aa|bb|cc|dd");
  EXPECT_EQ(W("aa").X, 10);
  EXPECT_EQ(W("bb").X, 10);
  EXPECT_EQ(W("bb").BaseY - W("aa").BaseY, kLineStep);
  ExpectLinesCoverElements();
}

}  // namespace
}  // namespace vyr::test
