#include <gtest/gtest.h>

#include <QTest>

#include "page/control/PageControl.h"
#include "platform/core/Random.h"
#include "tests/page/exercises/ExerciseFixture.h"

namespace vyr::test {
namespace {

class SentenceTest : public ExerciseFixture {
 protected:
  std::string Order(size_t task = 0) const {
    std::string out;
    for (const auto& p : page.SentenceTasks()[task].Parts) out += (out.empty() ? "" : " ") + p.Text;
    return out;
  }
  // Drags part `from` onto the place of part `to` and lets it go there.
  void Exchange(size_t from, size_t to) {
    const auto& parts = page.SentenceTasks()[0].Parts;
    const QRect a = parts[from].Rect, b = parts[to].Rect;
    ASSERT_TRUE(page.StartDrag(a.left() + 1, a.top() + 1));
    page.DragMove(QPoint(b.left() + 3, b.top() + 1));
    page.DragDrop();
  }
};

TEST_F(SentenceTest, PartsPutInOrderBecomePlainWords) {
  for (uint32_t seed = 1; seed < 40; ++seed) {  // a seed whose shuffle is not already right
    SetRandomSeed(seed);
    Page("s.html", "<p>Bauen Sie den Satz:</p><satz teile=\"I / am / here\" coords=20,100,400,24>");
    ASSERT_TRUE(Open("s.html"));
    if (Order() != "I am here") break;
  }
  ASSERT_EQ(page.SentenceTasks().size(), 1u);
  EXPECT_EQ(page.SentenceTasks()[0].Correct, "I am here");
  ASSERT_NE(Order(), "I am here");
  const std::vector<std::string> order{"I", "am", "here"};
  for (size_t i = 0; i < 2 && !page.SentenceTasks().empty(); ++i) {
    const auto& parts = page.SentenceTasks()[0].Parts;
    size_t k = i;
    while (parts[k].Text != order[i]) ++k;
    if (k != i) Exchange(k, i);
  }
  EXPECT_TRUE(page.SentenceTasks().empty());
  EXPECT_EQ(solved, 1);
  EXPECT_FALSE(page.Dragging());
  page.DrawAgain();  // the solved sentence stays on the page and in the word list
  TWordList words = page.WordList();
  const std::string* word = words.Find(25, 110);
  ASSERT_TRUE(word);
  EXPECT_EQ(*word, "I");
  // the words are still drawn: the row holds more than the background
  const QImage& buffer = page.Buffer();
  int inked = 0;
  for (int y = 100; y < 124; ++y)
    for (int x = 20; x < 120; ++x) inked += buffer.pixel(x, y) != buffer.pixel(700, 110);
  EXPECT_GT(inked, 20);
}

TEST_F(SentenceTest, NoSentenceIsDealtInItsWrittenOrder) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SetRandomSeed(seed);
    Page("s.html",
         "<satz teile=\"My brother / has got / a new bike\" coords=20,100,500,24>"
         "<satz teile=\"so / so\" coords=20,200,500,24>");  // no other order: dealt as it is
    ASSERT_TRUE(Open("s.html"));
    ASSERT_EQ(page.SentenceTasks().size(), 2u);
    EXPECT_NE(Order(0), "My brother has got a new bike") << "seed " << seed;
    EXPECT_EQ(Order(1), "so so");
  }
}

TEST_F(SentenceTest, ADropOutsideTheRowFliesBackAndChangesNothing) {
  SetRandomSeed(5);
  Page("s.html", "<satz teile=\"one / two / three / four\" coords=20,100,500,24>");
  ASSERT_TRUE(Open("s.html"));
  const std::string before = Order();
  const QRect a = page.SentenceTasks()[0].Parts[0].Rect;
  ASSERT_TRUE(page.StartDrag(a.left() + 2, a.top() + 2));
  page.DragMove(QPoint(300, 300));
  EXPECT_EQ(page.DragTopLeft(), QPoint(298, 298));
  page.DragDrop();
  EXPECT_FALSE(page.Dragging());
  EXPECT_EQ(Order(), before);
  EXPECT_EQ(page.SentenceTasks()[0].Parts[0].Rect, a);
  EXPECT_EQ(solved, 0);
}

TEST_F(SentenceTest, OnePartSentenceIsSolvedByDroppingIt) {
  Page("s.html", "<satz teile=\"Hello\" coords=20,100,200,24>");
  ASSERT_TRUE(Open("s.html"));
  const QRect a = page.SentenceTasks()[0].Parts[0].Rect;
  QTest::mousePress(&page, Qt::LeftButton, {}, a.center());
  QTest::mouseRelease(&page, Qt::LeftButton, {}, a.center());
  EXPECT_TRUE(page.SentenceTasks().empty());
  EXPECT_EQ(solved, 1);
}

}  // namespace
}  // namespace vyr::test
