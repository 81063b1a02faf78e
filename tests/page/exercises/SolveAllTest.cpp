#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTimer>
#include <algorithm>

#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "platform/core/Random.h"
#include "tests/page/exercises/ExerciseFixture.h"

namespace vyr::test {
namespace {

// Counts the paintings of the page that touch a rectangle (window coordinates).
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QRect watched) : watched_(watched) {}
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && static_cast<QPaintEvent*>(e)->rect().intersects(watched_)) ++count;
    return false;
  }

 private:
  QRect watched_;
};

class SolveAllTest : public ExerciseFixture {
 protected:
  // The words of the solved sentences, left to right as they stand on the row at y.
  std::string WordsOnRow(int y) const {
    std::vector<std::pair<int, std::string>> found;
    const TWordList& words = page.WordList();
    for (const TWordRect& r : words.Rects())
      if (r.Rect.Top <= y && y <= r.Rect.Bottom)
        found.emplace_back(r.Rect.Left, words.Texts()[static_cast<size_t>(r.Text)]);
    std::sort(found.begin(), found.end());
    std::string out;
    for (const auto& [x, w] : found) out += (out.empty() ? "" : " ") + w;
    return out;
  }
};

TEST_F(SolveAllTest, BlocksFlyFromTheTrayOntoTheirPlaces) {
  SetRandomSeed(4);
  Page("a.html", "<p>The <a drag>cat</a> and the <a drag>dog</a>.</p><klotz falsch=\"cow\">");
  ASSERT_TRUE(Open("a.html"));
  const QRect last = page.DragPlaceStates()[1].Rect;
  PaintCounter paints(last);
  page.installEventFilter(&paints);
  page.SolveAll();
  page.removeEventFilter(&paints);
  EXPECT_EQ(solved, 1);
  EXPECT_FALSE(reactOffered);
  EXPECT_TRUE(page.DragBlocks().empty());  // the extra block left the tray too
  for (const auto& p : page.DragPlaceStates()) EXPECT_FALSE(p.Open);
  // The last flight ended on the last place, moving the block there step by step.
  EXPECT_TRUE(page.LastDragUpdate().contains(last));
  EXPECT_LT(page.LastDragUpdate().width(), last.width() + 10);
  EXPECT_GT(paints.count, 1);
  EXPECT_FALSE(page.Dragging());
  EXPECT_FALSE(page.ReactionRunning);
}

TEST_F(SolveAllTest, SentencesArePutInOrderPartByPartThenStandAsWords) {
  struct Case {
    const char* teile;
    const char* sentence;
  };
  const Case cases[] = {
      {"Hello", "Hello"},                                                    // one part: nothing to exchange
      {"Good / morning", "Good morning"},                                    // two parts
      {"I / am / very / glad", "I am very glad"},                            // four: random pairs until right
      {"the / cat / saw / the / dog / today", "the cat saw the dog today"},  // six, a word twice
      {"My brother / has got / a new bike / and / I / too", "My brother has got a new bike and I too"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.teile);
    SetRandomSeed(11);
    solved = 0;
    Page("s.html", std::string("<satz teile=\"") + c.teile + "\" coords=20,100,700,24>");
    ASSERT_TRUE(Open("s.html"));
    PaintCounter paints(QRect(20, 100, 700, 24));
    page.installEventFilter(&paints);
    page.SolveAll();
    page.removeEventFilter(&paints);
    EXPECT_EQ(solved, 1);
    EXPECT_TRUE(page.SentenceTasks().empty());
    EXPECT_EQ(WordsOnRow(110), c.sentence);
    EXPECT_GE(paints.count, 1);
  }
}

TEST_F(SolveAllTest, AnExchangeIsShownForEveryStepOfALongerSentence) {
  SetRandomSeed(2);
  Page("s.html", "<satz teile=\"one / two / three / four / five / six\" coords=20,100,700,24>");
  ASSERT_TRUE(Open("s.html"));
  PaintCounter paints(QRect(20, 100, 700, 24));
  page.installEventFilter(&paints);
  page.SolveAll();
  page.removeEventFilter(&paints);
  // 51 exchanges at random before the parts are put in order, each painted.
  EXPECT_GE(paints.count, 51);
  EXPECT_EQ(WordsOnRow(110), "one two three four five six");
}

TEST_F(SolveAllTest, AVeryLongRowIsPutInOrderAtOnce) {
  std::string teile, sentence;
  for (int i = 0; i < 60; ++i) {
    const std::string w = std::to_string(i);
    teile += (i ? " / " : "") + w;
    sentence += (i ? " " : "") + w;
  }
  SetRandomSeed(3);
  Page("s.html", "<satz teile=\"" + teile + "\" coords=5,100,790,24>");
  ASSERT_TRUE(Open("s.html"));
  page.SolveAll();
  EXPECT_EQ(solved, 1);
  EXPECT_EQ(WordsOnRow(110), sentence);
}

TEST_F(SolveAllTest, APageReadWhileSolvingStopsItQuietly) {
  Page("b.html", "<p>B</p>");
  Page("a.html", "<satz teile=\"a / b / c / d / e / f\" coords=20,100,400,24>");
  ASSERT_TRUE(Open("a.html"));
  // Another page is read at the first processing of messages, as a timed jump would.
  QTimer::singleShot(0, &page, [this] { Open("b.html"); });
  page.SolveAll();
  EXPECT_NE(page.XFile().find("b.html"), std::string::npos);
  EXPECT_EQ(solved, 0);
  EXPECT_FALSE(page.ReactionRunning);
}

}  // namespace
}  // namespace vyr::test
