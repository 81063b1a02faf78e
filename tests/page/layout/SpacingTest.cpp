// Line spacing (also negative), paragraphs and breaks, the page height and
// the scroll range.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using Spacing = LayoutTest;

struct TSpacingCase {
  const char* font;
  int32_t step;  // from one baseline to the next
};
std::ostream& operator<<(std::ostream& out, const TSpacingCase& c) { return out << c.font; }

class LineStep : public LayoutTest, public ::testing::WithParamInterface<TSpacingCase> {};

TEST_P(LineStep, FollowsTheLineSpacing) {
  Lay(std::string(GetParam().font) + "aaaa<br>bbbb<br>cccc");
  EXPECT_EQ(W("bbbb").BaseY - W("aaaa").BaseY, GetParam().step);
  EXPECT_EQ(W("cccc").BaseY - W("bbbb").BaseY, GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineStep,
    ::testing::Values(TSpacingCase{"", 4 + 1 + 16}, TSpacingCase{"<font linespace=10>", 4 + 10 + 16},
                      TSpacingCase{"<font linespace=0>", 4 + 16},
                      // negative: that many pixels whatever the font size
                      TSpacingCase{"<font linespace=-30>", 30}, TSpacingCase{"<font size=1 linespace=-30>", 30},
                      TSpacingCase{"<font size=7 linespace=-30>", 30}, TSpacingCase{"<font linespace=-500>", 333 + 166},
                      TSpacingCase{"<font size=7>", 12 + 1 + 48}));

TEST_F(Spacing, NegativeSpacingSplitsTwoThirdsAboveAndOneThirdBelow) {
  Lay("<font linespace=-30>aaaa");
  EXPECT_EQ(W("aaaa").BaseY, 16 + 20);
}

TEST_F(Spacing, AParagraphAddsOneMoreLineOfTheLineBefore) {
  for (const char* size : {"1", "3", "4", "20"}) {
    SCOPED_TRACE(size);
    const std::string font = std::string("<font size=") + size + ">";
    Lay(font + "aaaa<br>bbbb");
    const int32_t br = W("bbbb").BaseY - W("aaaa").BaseY;
    Lay(font + "aaaa<p>bbbb");
    const int32_t p = W("bbbb").BaseY - W("aaaa").BaseY;
    EXPECT_EQ(p - br, W("aaaa").Height);
  }
}

TEST_F(Spacing, TwoBreaksInARowAddThePreviousLineOnce) {
  Lay("aaaa<br>bbbb");
  const int32_t one = W("bbbb").BaseY - W("aaaa").BaseY;
  Lay("aaaa<br><br>bbbb");
  EXPECT_EQ(W("bbbb").BaseY - W("aaaa").BaseY, one + 20);
  Lay("aaaa<br><br><br>bbbb");
  EXPECT_EQ(W("bbbb").BaseY - W("aaaa").BaseY, one + 40);
}

TEST_F(Spacing, ThePageIsAsHighAsItsLastBaselineOrParagraph) {
  Lay("");
  EXPECT_EQ(l.ContentHeight, 16);
  Lay("aaaa");
  EXPECT_EQ(l.ContentHeight, kFirstBaseline);
  Lay("aaaa<p>");
  EXPECT_EQ(l.ContentHeight, kFirstBaseline + 4 + 1 + 20);
  Lay("<box coords=10,250,100>aaaa");
  EXPECT_EQ(l.ContentHeight, 266);
}

TEST_F(Spacing, TheScrollBarAppearsWhenThePageIsTallerThanTheControl) {
  Lay("aaaa<br>bbbb");
  EXPECT_FALSE(l.ScrollBar.Visible);
  EXPECT_EQ(l.ScrollPos, 0);

  std::string tall;
  for (int i = 0; i < 20; ++i) tall += "zeile<br>";
  Lay(tall);
  ASSERT_GT(l.ContentHeight, 300);
  EXPECT_TRUE(l.ScrollBar.Visible);
  EXPECT_EQ(l.ScrollBar.Max, l.ContentHeight - 300 + 16);
  EXPECT_EQ(l.ScrollBar.SmallStep, 5);
  EXPECT_EQ(l.ScrollBar.PageStep, 300 - 16);

  SetScrollPosition(l, m.ClientHeight, 50);
  EXPECT_EQ(l.ScrollPos, 50);
  SetScrollPosition(l, m.ClientHeight, 100000);
  EXPECT_EQ(l.ScrollPos, l.ScrollBar.Max);
  SetScrollPosition(l, m.ClientHeight, -5);
  EXPECT_EQ(l.ScrollPos, 0);

  // Setting a position shows the bar even on a short page.
  Lay("aaaa");
  SetScrollPosition(l, m.ClientHeight, 10);
  EXPECT_TRUE(l.ScrollBar.Visible);
  EXPECT_EQ(l.ScrollPos, 0);
}

}  // namespace
}  // namespace vyr::test
