// Typing gaps and drag words: their widths, the gap fields over them and
// the drag places they register.
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using ExercisePlaces = LayoutTest;

TEST_F(ExercisePlaces, AGapLeavesRoomForTyping) {
  // Place holder 40 pixels, "abc" 24: 64 + 6 + 8.
  Lay("Das <a gap lsg=\"house\" help=\"*\">.....</a> ist gro\xDF.");
  EXPECT_EQ(W(".....").Width, 78);
  ASSERT_EQ(l.GapFields.size(), 1u);
  const TGapField& g = l.GapFields[0];
  EXPECT_EQ(g.Task, 0);
  EXPECT_EQ(g.Element, Index("....."));
  // A field with a border stands 2 pixels higher and is 4 pixels taller.
  EXPECT_EQ(g.Left, W(".....").X);
  EXPECT_EQ(g.Top, W(".....").BaseY - 16 - 2);
  EXPECT_EQ(g.Width, 78);
  EXPECT_EQ(g.Height, 20 + 4);
  // The text after the gap makes room for it.
  EXPECT_EQ(W("ist").X, W(".....").X + 78 + 8);

  Lay("<a gap lsg=\"house\" help=\"\" noborder>.....</a>");
  ASSERT_EQ(l.GapFields.size(), 1u);
  EXPECT_EQ(l.GapFields[0].Top, kFirstBaseline - 16);
  EXPECT_EQ(l.GapFields[0].Height, 20);
}

TEST_F(ExercisePlaces, GapsAndDragWordsHaveNoLinkAreas) {
  Lay("<a gap lsg=\"a\" help=\"\">...</a> <a drag>tree</a> <a href=\"x.htx\">link</a>");
  ASSERT_EQ(m.LinkNames.Areas.size(), 1u);
  EXPECT_EQ(m.LinkNames.Areas[0].Element, Index("link"));
}

TEST_F(ExercisePlaces, DragWordsAreAsWideAsABlockAndRegisterTheirPlaces) {
  Lay("The <a drag>house</a> is next to the <a drag>tree</a>.");
  EXPECT_EQ(W("house").Width, 120);
  ASSERT_EQ(l.DragPlaces.size(), 2u);
  const TDragPlace& p = l.DragPlaces[0];
  EXPECT_EQ(p.Item, 0);
  EXPECT_EQ(p.Text, "house");
  EXPECT_EQ(p.Element, Index("house"));
  EXPECT_EQ(p.Rect, (TPageRect{W("house").X, W("house").BaseY - 16, W("house").X + 120, W("house").BaseY + 4}));
  EXPECT_EQ(l.DragPlaces[1].Item, 1);
  EXPECT_EQ(l.DragPlaces[1].Text, "tree");
  EXPECT_EQ(l.DragBlockHeight, 20);

  // Laying the page out again registers each place once.
  Relayout();
  EXPECT_EQ(l.DragPlaces.size(), 2u);

  Lay("<klotz nr=5><a drag>house</a>");
  EXPECT_EQ(W("house").Width, 100);
}

TEST_F(ExercisePlaces, ASolvedGapIsAPlainWordAgain) {
  Lay("<a gap lsg=\"house\" help=\"\">house</a> x");
  const int32_t word = Index("house");
  ASSERT_EQ(l.GapFields.size(), 1u);
  m.Elements[static_cast<size_t>(word)].Format.TaskIndex = -1;
  m.Elements[static_cast<size_t>(word)].Format.LinkIndex = -1;
  Relayout();
  EXPECT_TRUE(l.GapFields.empty());
  EXPECT_EQ(W("house").Width, 40);
}

TEST_F(ExercisePlaces, TrackingAddsPixelsAfterEveryCharacter) {
  Lay("<font tracking=2>abc</font> <font tracking=-20>abc");
  EXPECT_EQ(W("abc").Width, 24 + 3 * 2);
  EXPECT_EQ(W("abc", 1).Width, 0) << "never below nothing";
  Lay("<pre><font tracking=2>abc</font></pre>");
  EXPECT_EQ(W("abc").Width, 3 * 6) << "preformatted text ignores tracking";
}

}  // namespace
}  // namespace vyr::test
