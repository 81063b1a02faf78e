// The drawing mode of the page control: a style draws into the buffer, the
// screen shows what it drew, the page's own life rests, input still arrives.
#include <QImage>
#include <QPainter>

#include "tests/page/control/ControlFixture.h"

namespace vyr::test {
namespace {

class DrawingModeTest : public ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    for (const char* name : {"k1.bmp", "k2.bmp"}) {
      QImage tile(60, 40, QImage::Format_RGB888);
      tile.fill(name[1] == '1' ? Qt::red : Qt::blue);
      ASSERT_TRUE(tile.save(dir.native() + u"/"_qs + QString::fromLatin1(name), "BMP"));
    }
  }
};

TEST_F(DrawingModeTest, TheScreenShowsTheDrawnBufferAndThePageRestsWhileInputStillArrives) {
  Page("a.html",
       "<body wait=\"30,b.html\"><onclick href=\"\xA7klick\"><a href=\"b.html\" flash=#ff0000>blinkt hier</a>");
  ASSERT_TRUE(Open("a.html"));
  const QPoint link = At("b.html");
  page.SetDrawingMode(true);

  // One band drawn and handed over: the screen shows exactly the buffer.
  QImage& buffer = page.DrawingBuffer();
  ASSERT_GE(buffer.width(), page.width());
  buffer.fill(Qt::black);
  QPainter(&buffer).fillRect(QRect(0, 100, page.width(), 50), QColor(0, 0, 200));
  page.UpdateRect(QRect(0, 100, page.width(), 50));
  QImage shown = page.grab().toImage();
  EXPECT_EQ(shown.pixelColor(10, 120), QColor(0, 0, 200));
  EXPECT_EQ(shown.pixelColor(link), QColor(Qt::black));  // the link's text is not laid over it

  // The mouse over the hidden link: no hover look, no report.
  std::vector<std::string> anchors;
  page.OnAnkerChange = [&](TXPage*, const std::string& a) { anchors.push_back(a); };
  QTest::mouseMove(&page, link);
  EXPECT_EQ(page.HoverFirst(), -1);
  EXPECT_TRUE(anchors.empty());
  shown = page.grab().toImage();
  EXPECT_EQ(shown.pixelColor(link), QColor(Qt::black));

  // A click reaches the owner and the click link, but not the hidden link;
  // a key reaches the owner.
  int clicks = 0, keys = 0;
  page.OnClick = [&](TXPage*) { ++clicks; };
  page.OnKeyDown = [&](TXPage*, int, Qt::KeyboardModifiers) { ++keys; };
  QTest::mouseClick(&page, Qt::LeftButton, {}, link);
  QTest::keyClick(&page, Qt::Key_A);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(page.XFile(), "a.html");
  EXPECT_EQ(commands, (std::vector<std::string>{"klick"}));

  // The timed jump does not fire under the drawing.
  QTest::qWait(120);
  EXPECT_EQ(page.XFile(), "a.html");

  // Off again: the page is drawn again.
  page.SetDrawingMode(false);
  QTest::mouseMove(&page, QPoint(1, 1));  // the next test starts with the mouse elsewhere
  shown = page.grab().toImage();
  EXPECT_NE(shown.pixelColor(10, 120), QColor(0, 0, 200));
}

TEST_F(DrawingModeTest, TheTileAnimationRestsUnderTheDrawingAndGoesOnAfterIt) {
  dir.file("mosaik.html", "<box coords=20,20,120,80 lomo=\"k1.bmp|k2.bmp\" speed=50><p>Mosaik");
  ASSERT_TRUE(Open("mosaik.html"));
  ASSERT_TRUE(page.Animation().IsRunning());
  page.SetDrawingMode(true);
  EXPECT_FALSE(page.Animation().IsRunning());
  page.SetDrawingMode(false);
  EXPECT_TRUE(page.Animation().IsRunning());
}

}  // namespace
}  // namespace vyr::test
