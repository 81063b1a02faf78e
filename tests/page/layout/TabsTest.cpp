// Tab stops: tenths, percent and pixels of the column, indented
// continuation lines, tabs inside justified text.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using Tabs = LayoutTest;

struct TTabCase {
  const char* markup;
  int32_t x;  // of the word "b"
};
std::ostream& operator<<(std::ostream& out, const TTabCase& c) { return out << c.markup; }

class TabStop : public LayoutTest, public ::testing::WithParamInterface<TTabCase> {};

TEST_P(TabStop, IsMeasuredFromTheColumnsLeftEdge) {
  Lay(GetParam().markup);
  EXPECT_EQ(W("b").X, GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(Cases, TabStop,
                         ::testing::Values(TTabCase{"a<X5>b", 8 + 100}, TTabCase{"a<X105>b", 8 + 100},
                                           TTabCase{"a<X50>b", 8 + 100}, TTabCase{"a<X25>b", 8 + 50},
                                           TTabCase{"a<X-40>b", 8 + 40}, TTabCase{"a<X0>b", 16},
                                           // a tab never moves text back to the left
                                           TTabCase{"aaaaaaaaaaaaaaaa<X-40>b", 8 + 128},
                                           TTabCase{"<box coords=20,40,100>a<X5>b", 20 + 50}));

TEST(TabPositionTest, ConvertsEveryKindOfValue) {
  EXPECT_EQ(TabPosition(105, 200), 100);
  EXPECT_EQ(TabPosition(109, 200), 180);
  EXPECT_EQ(TabPosition(100, 200), 200);  // percent
  EXPECT_EQ(TabPosition(110, 200), 220);  // percent
  EXPECT_EQ(TabPosition(-7, 200), 7);
  EXPECT_EQ(TabPosition(0, 200), 0);
  EXPECT_EQ(TabPosition(2147483647, 2147483647), 1'000'000'000);  // clamped, no overflow
  EXPECT_EQ(TabPosition(-2147483647 - 1, 10), 1'000'000'000);
}

TEST_F(Tabs, ContinuationLinesKeepTheIndentUntilTheNextBreak) {
  Lay("a<X5>bbbb cccc dddd eeee<br>ffff");
  EXPECT_EQ(Lines(), "a bbbb cccc|dddd eeee|ffff");
  EXPECT_EQ(W("bbbb").X, 108);
  EXPECT_EQ(W("dddd").X, 108);
  EXPECT_EQ(W("eeee").X, 148);
  EXPECT_EQ(W("ffff").X, 8);

  Lay("a<X5>bbbb cccc dddd<p>eeee");
  EXPECT_EQ(W("eeee").X, 8);
  Lay("a<X5>bbbb cccc dddd<box coords=8,300,200>eeee");
  EXPECT_EQ(W("eeee").X, 8);
}

TEST_F(Tabs, InJustifiedTextBothSidesOfATabShareTheBaseline) {
  Lay("<block>aaaa bbbb<X!5>cccc dddd eeee ffff");
  EXPECT_EQ(W("cccc").BaseY, W("aaaa").BaseY);
  EXPECT_EQ(W("cccc").X, 108);
  EXPECT_EQ(W("bbbb").X, 48) << "the text before the tab is not stretched";
  EXPECT_EQ(W("eeee").BaseY, W("aaaa").BaseY + kLineStep);
  EXPECT_EQ(W("eeee").X, 108) << "the line after keeps the indent";
  ExpectLinesCoverElements();
}

TEST_F(Tabs, ATabAtTheStartOfAJustifiedLineDoesNotClimbOntoTheLineBefore) {
  Lay("<block>aaaa<br><X!5>bbbb");
  EXPECT_EQ(W("bbbb").BaseY, W("aaaa").BaseY + kLineStep);
  EXPECT_EQ(W("bbbb").X, 108);
}

}  // namespace
}  // namespace vyr::test
