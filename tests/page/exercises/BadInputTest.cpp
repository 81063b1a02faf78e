#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "platform/core/Random.h"
#include "tests/page/exercises/ExerciseFixture.h"

namespace vyr::test {
namespace {

std::string Repeated(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

struct BadPage {
  const char* name;
  std::string body;
  size_t messages;  // what the page may report when it is read
};

// Broken exercise pages: each is read with at most one message, the learner
// can press, drag and release anywhere, and showing all solutions ends with
// every exercise done.
class BadInputTest : public ExerciseFixture, public ::testing::WithParamInterface<BadPage> {
 protected:
  void SetUp() override {
    ExerciseFixture::SetUp();
    SetRandomSeed(9);
  }
  void Press(QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(held ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, QPointF(at),
                  page.mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&page, &e);
  }
};

TEST_P(BadInputTest, PageWorksAndEveryExerciseCanBeShownSolved) {
  const BadPage& c = GetParam();
  Page("bad.html", c.body);
  ASSERT_TRUE(Open("bad.html"));
  EXPECT_LE(messages.shown().size(), c.messages);
  // Grab whatever lies in the tray and on the sentence rows, drag it across the page.
  for (const QPoint from : {QPoint(100, 355), QPoint(350, 355), QPoint(30, 105), QPoint(400, 300)}) {
    Press(from, Qt::LeftButton);
    for (const QPoint to : {QPoint(10, 10), QPoint(799, 571), QPoint(-50, 900), QPoint(120, 40)})
      MoveMouse(to, Qt::LeftButton);
    Press(QPoint(120, 40), Qt::NoButton);
    EXPECT_FALSE(page.Dragging());
  }
  page.SolveAll();
  EXPECT_LE(solved, 1);
  for (const TXRichEdit* f : page.TypingFields()) EXPECT_FALSE(f->isVisible());
  for (const auto& p : page.DragPlaceStates()) EXPECT_FALSE(p.Open);
  EXPECT_TRUE(page.SentenceTasks().empty());
  EXPECT_FALSE(page.ReactionRunning);
  EXPECT_LE(messages.shown().size(), c.messages);
}

const BadPage kBadPages[] = {
    {"ExtraBlocksWithoutPlaces", "<klotz falsch=\"cow / pig\"><p>Keine Stellen zum Ablegen.</p>", 0},
    {"EmptyDragWords", "<p>A <a drag></a> and <a drag> </a> and <a drag>cat</a>.</p>", 0},
    {"TrayBelowThePageAndNoBlockWidth", "<p>A <a drag>cat</a> <a drag>dog</a></p><klotz y=1000 nr=0 width=0>", 0},
    {"HundredBlocksPerRow", "<p>" + Repeated("<a drag>w</a> ", 12) + "</p><klotz nr=100 left=700 right=10>", 0},
    {"SameWordInEveryPlace", "<p>" + Repeated("<a drag>the</a> x ", 6) + "</p><klotz falsch=\"the\">", 0},
    {"ThousandsOfDragWords", "<p>" + Repeated("<a drag>word</a> ", 2000) + "</p>", 0},
    {"ThousandsOfGaps", Repeated("<a gap lsg=\"\">w</a> ", 2000), 1},
    {"GapsWithoutSolutionOrHelp",
     "<a gap>x</a> <a gap lsg=\";\" help=\"*\">y</a> <edit help=\"*\" coords=10,100,80,20>", 0},
    {"SentenceOfOneWord", "<satz teile=\"Hello\" coords=20,100,300,24>", 0},
    {"SentenceWithEmptyParts", "<satz teile=\"a // b / \" coords=20,100,300,24>", 0},
    {"SentenceOfNothing", "<satz teile=\" / / \" coords=20,100,300,24><satz teile=\"\" coords=20,150,300,24>", 0},
    {"SentenceWithoutRoom", "<satz teile=\"a / b / c\" coords=20,100,0,0><satz teile=\"a / b\" coords=0,0,10,10>", 0},
    {"SentenceWiderThanThePage", "<satz teile=\"" + Repeated("longword / ", 80) + "end\" coords=20,100,700,24>", 0},
    {"ChoiceWithoutAnswers",
     "<multiple coords=10,10,100,20 dim=5,5 txt=\"\"><multiple coords=10,10,100,20 dim=0,0 txt=\"a|b\">", 0},
    {"ChoiceWithMoreAnswersThanCells", "<multiple coords=10,10,100,20 dim=1,1 txt=\"a|b|c|a\">", 0},
};

INSTANTIATE_TEST_SUITE_P(Pages, BadInputTest, ::testing::ValuesIn(kBadPages),
                         [](const ::testing::TestParamInfo<BadPage>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vyr::test
