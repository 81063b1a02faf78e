#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "platform/core/Random.h"
#include "tests/page/exercises/ExerciseFixture.h"

namespace vyr::test {
namespace {

class DragTest : public ExerciseFixture {
 protected:
  void SetUp() override {
    ExerciseFixture::SetUp();
    page.OnDrag = [this](TXPage*, const std::string& t) { dropped.push_back(t); };
    SetRandomSeed(3);
  }
  void OpenPage(const std::string& body) {
    Page("d.html", body);
    ASSERT_TRUE(Open("d.html"));
  }
  const TXPage::TDragBlock* Block(const std::string& text) const {
    for (const auto& b : page.DragBlocks())
      if (b.Text == text) return &b;
    ADD_FAILURE() << "no block " << text;
    return nullptr;
  }
  QRect Place(const std::string& text) const {
    for (const auto& p : page.DragPlaceStates())
      if (p.Text == text && p.Open) return p.Rect;
    ADD_FAILURE() << "no open place " << text;
    return {};
  }
  // Drags a block with the real mouse: press on it, move with the button held, release.
  void MouseDrag(const std::string& text, QPoint to) {
    const TXPage::TDragBlock* b = Block(text);
    if (!b) return;
    const QPoint from = b->Rect.center();
    QTest::mousePress(&page, Qt::LeftButton, {}, from);
    MoveMouse(to, Qt::LeftButton);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, to);
  }
  std::vector<std::string> dropped;
};

TEST_F(DragTest, BlocksInTheTrayOnePerPlaceAndTheExtraOnes) {
  OpenPage("<p>A <a drag>cat</a> and a <a drag>dog</a>.</p><klotz falsch=\"cow\">");
  ASSERT_EQ(page.DragBlocks().size(), 3u);
  ASSERT_EQ(page.DragPlaceStates().size(), 2u);
  for (const auto& b : page.DragBlocks()) {
    EXPECT_EQ(b.Rect.width(), 120);
    EXPECT_GE(b.Rect.top(), 350);
    EXPECT_FALSE(b.Face.isNull());
    EXPECT_EQ(b.Face.size(), b.Rect.size());
  }
  page.DrawAgain();  // drawing again adds no block
  EXPECT_EQ(page.DragBlocks().size(), 3u);
}

TEST_F(DragTest, BlockDroppedOnItsPlaceStaysAndTheLastOneSolves) {
  OpenPage("<p>A <a drag>cat</a> and a <a drag>dog</a>.</p><klotz falsch=\"cow\">");
  MouseDrag("cat", Place("cat").center());
  EXPECT_EQ(dropped, std::vector<std::string>{"cat"});
  EXPECT_FALSE(page.Dragging());
  EXPECT_EQ(page.DragBlocks().size(), 2u);
  EXPECT_EQ(solved, 0);
  MouseDrag("dog", Place("dog").center() + QPoint(0, 5));  // within 8 pixels: snaps
  EXPECT_EQ(dropped, (std::vector<std::string>{"cat", "dog"}));
  EXPECT_EQ(solved, 1);
  EXPECT_TRUE(page.DragBlocks().empty());  // the extra "cow" left the tray
}

TEST_F(DragTest, WrongPlaceOrNineOutsideFliesBack) {
  OpenPage("<p>A <a drag>cat</a> and a <a drag>dog</a>.</p>");
  const QRect tray = Block("cat")->Rect;
  MouseDrag("cat", Place("dog").center());
  EXPECT_TRUE(dropped.empty());
  EXPECT_EQ(Block("cat")->Rect, tray);
  EXPECT_FALSE(page.Dragging());
  const QRect place = Place("cat");
  // The pointer 9 pixels below the place, grabbing the block at its top edge.
  ASSERT_TRUE(page.StartDrag(tray.left() + 1, tray.top()));
  page.DragMove(QPoint(place.left() + 1, place.bottom() + 1 + 9));
  EXPECT_NE(page.DragTopLeft(), place.topLeft());
  page.DragDrop();
  EXPECT_TRUE(dropped.empty());
  EXPECT_EQ(page.DragBlocks().size(), 2u);
}

TEST_F(DragTest, TwoPlacesWithTheSameWordTakeEitherBlock) {
  OpenPage("<p><a drag>the</a> cat and <a drag>the</a> dog</p>");
  ASSERT_EQ(page.DragBlocks().size(), 2u);
  const QRect second = page.DragPlaceStates()[1].Rect;
  MouseDrag("the", second.center());
  MouseDrag("the", page.DragPlaceStates()[0].Rect.center());
  EXPECT_EQ(dropped.size(), 2u);
  EXPECT_EQ(solved, 1);
}

TEST_F(DragTest, AMoveRepaintsOnlyTheUnionOfOldAndNewRectangles) {
  OpenPage("<p>A <a drag>cat</a>.</p>");
  const QRect tray = Block("cat")->Rect;
  ASSERT_TRUE(page.StartDrag(tray.left(), tray.top()));
  page.DragMove(tray.topLeft() + QPoint(10, -6));
  EXPECT_EQ(page.LastDragUpdate(), tray.united(tray.translated(10, -6)));
  EXPECT_EQ(page.LastDragBytes(), int64_t(130) * (tray.height() + 6) * 4);
  page.DragDrop();
}

TEST_F(DragTest, PressBesideTheBlocksStartsNothing) {
  OpenPage("<p>A <a drag>cat</a>.</p>");
  EXPECT_FALSE(page.StartDrag(5, 5));
  OpenPage("<klotz falsch=\"cow\"><p>no places</p>");  // no place: no block height, nothing to drag
  EXPECT_FALSE(page.StartDrag(400, 360));
}

TEST_F(DragTest, DragCursorOverBlocksAndSentencePartsHandOverLinks) {
  OpenPage(
      "<p>A <a drag>cat</a> and <a href=\"b.html\">a link</a>.</p>"
      "<satz teile=\"I / am\" coords=20,200,300,24>");
  MoveMouse(Block("cat")->Rect.center());
  EXPECT_EQ(page.cursor().shape(), Qt::OpenHandCursor);
  MoveMouse(page.SentenceTasks()[0].Parts[1].Rect.center());
  EXPECT_EQ(page.cursor().shape(), Qt::OpenHandCursor);
  MoveMouse(At("b.html"));
  EXPECT_EQ(page.cursor().shape(), Qt::PointingHandCursor);
  MoveMouse(QPoint(790, 560));
  EXPECT_EQ(page.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DragTest, TheFieldThatHadTheKeysGetsThemBackAfterADrop) {
  OpenPage("<p>She <a gap lsg=\"lives\">lives</a>. We <a gap lsg=\"don't\">don't</a> sit on the <a drag>sofa</a>.</p>");
  TXRichEdit* first = page.TypingFields()[0];
  TXRichEdit* second = page.TypingFields()[1];
  QTest::keyClicks(QApplication::focusWidget(), u"liv"_qs);
  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, 4));
  QTest::keyClicks(QApplication::focusWidget(), u"do"_qs);
  MouseDrag("sofa", Place("sofa").center());
  ASSERT_EQ(dropped, std::vector<std::string>{"sofa"});
  QTest::keyClicks(QApplication::focusWidget(), u"n't"_qs);
  EXPECT_EQ(first->Text(), "liv");
  EXPECT_EQ(second->Text(), "don't");
  // The same for the input line after a sentence part flew back.
  OpenPage("<satz teile=\"one / two / three\" coords=20,100,400,24><input coords=10,200,150 name=\"name\">");
  QTest::keyClicks(QApplication::focusWidget(), u"An"_qs);
  const QPoint part = page.SentenceTasks()[0].Parts[0].Rect.center();
  QTest::mousePress(&page, Qt::LeftButton, {}, part);
  MoveMouse(QPoint(300, 400), Qt::LeftButton);
  QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(300, 400));
  QTest::keyClicks(QApplication::focusWidget(), u"na"_qs);
  EXPECT_EQ(page.GetVariable("name"), "Anna");
}

TEST_F(DragTest, AMovingBlockPassesOverTheTypingFields) {
  OpenPage("<p>The <a gap lsg=\"dog\">dog</a> sees a <a drag>cat</a>.</p>");
  ASSERT_EQ(page.TypingFields().size(), 1u);
  TXRichEdit* field = page.TypingFields()[0];
  field->SetText("do");
  ASSERT_TRUE(field->isVisible());
  ASSERT_TRUE(field->hasFocus());
  const QRect at = field->geometry();
  const QImage before = page.Buffer().copy(at);
  // Its look without the caret: the page has the keys while a block moves.
  field->clearFocus();
  const QImage look = field->grab().toImage().convertToFormat(page.Buffer().format());
  field->setFocus();

  const QRect tray = Block("cat")->Rect;
  ASSERT_TRUE(page.StartDrag(tray.left() + 1, tray.top() + 1));
  // The field stands in the buffer as it looks now, and the widget is out of the block's way.
  EXPECT_FALSE(field->isVisible());
  EXPECT_EQ(page.Buffer().copy(at), look);
  page.DragMove(at.topLeft() + QPoint(1, 1));
  EXPECT_TRUE(page.LastDragUpdate().intersects(at));
  page.DragDrop();  // not its place: back to the tray

  EXPECT_TRUE(field->isVisible());
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->Text(), "do");
  EXPECT_EQ(page.Buffer().copy(at), before);

  // A full drawing while a block moves ends the drag and brings the field back.
  ASSERT_TRUE(page.StartDrag(Block("cat")->Rect.left() + 1, Block("cat")->Rect.top() + 1));
  page.DrawAgain();
  EXPECT_FALSE(page.Dragging());
  EXPECT_TRUE(field->isVisible());
  EXPECT_EQ(page.Buffer().copy(at), before);
}

}  // namespace
}  // namespace vyr::test
