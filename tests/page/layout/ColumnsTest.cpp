// Boxes as text columns, boxes that grow with their text, ellipses.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using Columns = LayoutTest;

TEST_F(Columns, TextInABoxStartsAtTheBoxTop) {
  Lay("<box coords=10,300,200>erste Zeile");
  EXPECT_EQ(W("erste").X, 10);
  EXPECT_EQ(W("erste").BaseY, 300 + 16);

  Lay("<box coords=10,300,200 yo=10>erste Zeile");
  EXPECT_EQ(W("erste").BaseY, 310 + 16);
}

TEST_F(Columns, TwoBoxesSideBySideShareTheirFirstBaseline) {
  Lay("<box coords=10,50,100>links steht etwas Text hier"
      "<box coords=120,50,90>rechts steht anderer Text");
  EXPECT_EQ(W("links").BaseY, W("rechts").BaseY);
  EXPECT_EQ(W("links").X, 10);
  EXPECT_EQ(W("rechts").X, 120);
  // Every word starts at its column's edge or stays inside its column.
  for (size_t i = 0; i < m.Elements.size(); ++i) {
    const TXText& e = m.Elements[i];
    if (e.Kind != ekWord) continue;
    const TLayoutElement& w = l.Elements[i];
    EXPECT_GE(w.X, e.Format.ColumnLeft) << e.Text;
    EXPECT_LE(w.X + w.Width, e.Format.ColumnLeft + e.Format.ColumnWidth) << e.Text;
  }
  EXPECT_GT(l.Lines.size(), 4u);
}

TEST_F(Columns, ABoxWithoutHeightGrowsDownToItsLastLine) {
  // Three lines in a 100-pixel column: baselines 66, 87 and 108.
  Lay("<box coords=10,50,100 color=#ffff00>aaaa bbbb cccc dddd eeee");
  EXPECT_EQ(Lines(), "aaaa bbbb|cccc dddd|eeee");
  ASSERT_EQ(m.Boxes.size(), 1u);
  EXPECT_EQ(m.Boxes[0].Height, 108 - 50 + 4);

  // Laying the page out again gives the same height.
  Relayout();
  EXPECT_EQ(m.Boxes[0].Height, 108 - 50 + 4);

  Lay("<box coords=10,50,100,30>aaaa bbbb cccc dddd eeee");
  EXPECT_EQ(m.Boxes[0].Height, 30) << "a fixed height stays";
}

TEST_F(Columns, TheNextBoxEndsTheGrowthOfTheLastOne) {
  Lay("<box coords=10,50,100>aaaa<box coords=10,200,100>bbbb cccc dddd");
  EXPECT_EQ(m.Boxes[0].Height, 66 - 50 + 4);
  EXPECT_EQ(m.Boxes[1].Height, 237 - 200 + 4);
}

TEST_F(Columns, AnEllipseMovesTheTextWithoutChangingTheColumn) {
  Lay("a<ellipse coords=100,200,50,50>b");
  EXPECT_EQ(W("b").BaseY, 200 + 16);
  EXPECT_EQ(W("b").X, 8);

  // Without height an ellipse reaches down to the last element after it.
  Lay("<ellipse coords=100,200,50><img src=\"%20x30=bild\">");
  ASSERT_EQ(m.Boxes.size(), 1u);
  EXPECT_EQ(m.Boxes[0].Height, 30);
}

TEST_F(Columns, TheLinkAreaOfAGrowingBoxGrowsWithIt) {
  Lay("<box coords=10,50,100 href=\"ziel.htx\">aaaa bbbb cccc dddd eeee");
  ASSERT_FALSE(m.LinkNames.Areas.empty());
  const TLinkArea& a = m.LinkNames.Areas[0];
  EXPECT_EQ(a.Element, -1);
  EXPECT_EQ(a.Rect, (TPageRect{10, 50, 110, 50 + m.Boxes[0].Height}));
}

}  // namespace
}  // namespace vyr::test
