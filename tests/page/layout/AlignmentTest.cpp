// The four alignments: left, centred, right and block (justified).
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using Alignment = LayoutTest;

struct TAlignCase {
  const char* markup;
  int32_t x;  // of the word "abcd" (32 pixels) in the 200-pixel column
};
std::ostream& operator<<(std::ostream& out, const TAlignCase& c) { return out << c.markup; }

class LineStart : public LayoutTest, public ::testing::WithParamInterface<TAlignCase> {};

TEST_P(LineStart, FollowsTheAlignment) {
  Lay(GetParam().markup);
  EXPECT_EQ(W("abcd").X, GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineStart,
                         ::testing::Values(TAlignCase{"abcd", 8}, TAlignCase{"<center>abcd</center>", 8 + 84},
                                           TAlignCase{"<right>abcd", 8 + 168}, TAlignCase{"<block>abcd", 8},
                                           // a trailing blank does not count
                                           TAlignCase{"<right>abcd <br>", 8 + 168},
                                           TAlignCase{"<box coords=50,40,100 align=r>abcd", 50 + 68},
                                           TAlignCase{"<box coords=50,40,100 align=m>abcd", 50 + 34}));

TEST_F(Alignment, EveryLineIsCentredOnItsOwn) {
  Lay("<center>aaaa bbbb cccc dddd eeee ffff</center>");
  EXPECT_EQ(W("aaaa").X, 8 + 4);   // 192 pixels of text
  EXPECT_EQ(W("ffff").X, 8 + 84);  // 32 pixels
}

TEST_F(Alignment, BlockSpreadsTheFreeSpaceOverTheBlanksInsideTheLine) {
  // A 203-pixel column holds 192 pixels of text: 11 pixels for 4 blanks.
  Lay("<box coords=8,40,203><block>aaaa bbbb cccc dddd eeee ffff<p>");
  const int32_t xs[] = {W("aaaa").X, W("bbbb").X, W("cccc").X, W("dddd").X, W("eeee").X};
  EXPECT_EQ(xs[0], 8);
  EXPECT_EQ(xs[4] + 32, 8 + 203) << "the last word ends at the column's edge";
  for (int k = 1; k < 5; ++k) {
    const int32_t gap = xs[k] - xs[k - 1] - 32 - 8;
    EXPECT_GE(gap, 2);
    EXPECT_LE(gap, 3);
  }
  EXPECT_EQ(W("ffff").X, 8) << "the last line before a paragraph is flush left";

  // A blank written before the break that starts the line takes no share.
  Lay("x\r\n<p>\r\n<block>aaaa bbbb cccc dddd eeee ffff<p>");
  EXPECT_EQ(W("aaaa").X, 8);
  EXPECT_EQ(W("eeee").X + 32, 8 + 200);
}

TEST_F(Alignment, BlockLeavesTheLastLineBeforeABreakAndSingleWordsAlone) {
  Lay("<block>aaaa bbbb cccc dddd eeee ffff<br>gggg hhhh");
  EXPECT_EQ(W("ffff").X, 8);
  EXPECT_EQ(W("eeee").X + 32, 8 + 200);

  Lay("<block>xxxxxxxxxxxxxxxxxxxxx yyyyyyyyyyyyyyyyyyyyy z");
  EXPECT_EQ(W(std::string(21, 'x')).X, 8);
  EXPECT_EQ(W(std::string(21, 'y')).X, 8);
}

TEST_F(Alignment, AnOverfullLineIsNotSqueezed) {
  // Preformatted text never wraps; justifying it must not push words together.
  Lay("<block><pre>aaaaaaaa bbbbbbbb cccccccc dddddddd eeeeeeee</pre> x<p>");
  const TLayoutElement& a = W("aaaaaaaa");
  const TLayoutElement& b = W("bbbbbbbb");
  EXPECT_GE(b.X, a.X + a.Width);
}

}  // namespace
}  // namespace vyr::test
