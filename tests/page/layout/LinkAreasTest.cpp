// The link areas layout builds: words of links, check boxes, pictures at the
// place they are drawn, image maps, the areas of boxes.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using LinkAreas = LayoutTest;

std::string NameOf(const TPageModel& m, const TLinkArea& a) {
  return m.LinkNames.Names.at(static_cast<size_t>(a.NameIndex));
}

TEST_F(LinkAreas, EveryElementOfALinkGetsItsRectangle) {
  Lay("vor <a href=\"ziel.htx\">eins zwei</a> nach");
  const auto& areas = m.LinkNames.Areas;
  ASSERT_EQ(areas.size(), 3u);  // "eins", the blank, "zwei"
  EXPECT_EQ(areas[0].Element, Index("eins"));
  EXPECT_EQ(areas[2].Element, Index("zwei"));
  for (const TLinkArea& a : areas) EXPECT_EQ(NameOf(m, a), "ziel.htx");
  const TLayoutElement& e = W("eins");
  EXPECT_EQ(areas[0].Rect, (TPageRect{e.X, e.BaseY - 16, e.X + 32, e.BaseY + 4}));
  EXPECT_EQ(areas[1].Rect.Left, areas[0].Rect.Right) << "the blank closes the gap between the words";
  EXPECT_FALSE(areas[0].Flashing);

  Lay("<a href=\"ziel.htx\" flash=#ff0000>eins</a>");
  ASSERT_EQ(m.LinkNames.Areas.size(), 1u);
  EXPECT_TRUE(m.LinkNames.Areas[0].Flashing);
}

TEST_F(LinkAreas, NotesCheckBoxesAndEmptyNames) {
  Lay("<a hot=\"Hinweis\">Wort</a> <checkbox coords=13,4 name=\"gelesen\"> "
      "<edit coords=10,200,100,20 lsg=\"x\">danach");
  ASSERT_EQ(m.LinkNames.Areas.size(), 2u) << "the text after an input field leads nowhere";
  EXPECT_EQ(NameOf(m, m.LinkNames.Areas[0]), "@Hinweis");
  EXPECT_EQ(NameOf(m, m.LinkNames.Areas[1]), "+gelesen");
  const TLayoutElement& c = K(ekCheckBox);
  EXPECT_EQ(m.LinkNames.Areas[1].Rect, (TPageRect{c.X, c.BaseY - 13, c.X + 17, c.BaseY}));
}

struct TPictureCase {
  const char* align;
  int32_t left;  // where the 40-pixel picture is drawn in the 200-pixel column at 8
};
std::ostream& operator<<(std::ostream& out, const TPictureCase& c) { return out << c.align; }

class PictureArea : public LayoutTest, public ::testing::WithParamInterface<TPictureCase> {};

TEST_P(PictureArea, LiesWhereThePictureIsDrawn) {
  Lay(std::string("ab <a href=\"ziel.htx\"><img src=\"%40x20=bild\" align=") + GetParam().align + "></a>");
  ASSERT_EQ(m.LinkNames.Areas.size(), 1u);
  const TLayoutElement& p = K(ekPicture);
  EXPECT_EQ(m.LinkNames.Areas[0].Rect, (TPageRect{GetParam().left, p.BaseY - 20, GetParam().left + 40, p.BaseY}));
  EXPECT_EQ(PictureLeft(m.Elements[static_cast<size_t>(IndexOf(ekPicture))], p, 200), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureArea,
                         ::testing::Values(TPictureCase{"b", 32}, TPictureCase{"l", 8}, TPictureCase{"c", 8 + 80},
                                           TPictureCase{"r", 8 + 160}));

TEST_F(LinkAreas, APictureThatChangesUnderTheMouseFlashes) {
  Lay("<a href=\"ziel.htx\"><img src=\"%40x20=bild\" fcolor=#ff0000></a>");
  ASSERT_EQ(m.LinkNames.Areas.size(), 1u);
  EXPECT_TRUE(m.LinkNames.Areas[0].Flashing);
}

TEST_F(LinkAreas, AnImageMapGivesOneAreaPerMapAreaScaledWithThePicture) {
  Lay("<map name=\"karte\"><area shape=rect coords=\"0,0,10,10\" href=\"a.htx\">"
      "<area shape=rect coords=\"10,5,10,10\" href=\"b.htx\"></map>"
      "<img src=\"%40x20=bild\" usemap=\"karte\" scale=200%>");
  const TLayoutElement& p = K(ekPicture);
  ASSERT_EQ(p.Width, 80);
  const int32_t top = p.BaseY - 40;
  ASSERT_EQ(m.LinkNames.Areas.size(), 2u);
  EXPECT_EQ(NameOf(m, m.LinkNames.Areas[0]), "a.htx");
  EXPECT_EQ(NameOf(m, m.LinkNames.Areas[1]), "b.htx");
  EXPECT_EQ(m.LinkNames.Areas[0].Rect, (TPageRect{8, top, 28, top + 20}));
  EXPECT_EQ(m.LinkNames.Areas[1].Rect, (TPageRect{28, top + 10, 48, top + 30}));

  // Laying out again does not add the map's names a second time.
  const size_t names = m.LinkNames.Names.size();
  Relayout();
  EXPECT_EQ(m.LinkNames.Names.size(), names);
  EXPECT_EQ(m.LinkNames.Areas.size(), 2u);
}

TEST_F(LinkAreas, AreasFixedByThePageComeFirst) {
  Lay("<box coords=10,50,100,40 href=\"box.htx\"><a href=\"wort.htx\">wort</a>");
  ASSERT_EQ(m.LinkNames.Areas.size(), 2u);
  EXPECT_EQ(m.LinkNames.Areas[0].Element, -1);
  EXPECT_EQ(m.LinkNames.Areas[0].Rect, (TPageRect{10, 50, 110, 90}));
  EXPECT_EQ(NameOf(m, m.LinkNames.Areas[1]), "wort.htx");
}

}  // namespace
}  // namespace vyr::test
