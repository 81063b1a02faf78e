#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "page/widgets/CheckBoxWidget.h"

namespace vyr {
namespace {

class CheckBoxFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.resize(200, 100);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));  // blue shows through
    parent.setPalette(pal);
    box = new tXCheckBox(&parent);
    box->move(5, 5);
    box->SetCaption("Groß");
    parent.show();
  }
  // The box as it shows on its parent.
  QImage Shown() { return parent.grab(QRect(box->pos(), box->size())).toImage().convertToFormat(QImage::Format_RGB32); }
  QWidget parent;
  tXCheckBox* box = nullptr;
};

TEST_F(CheckBoxFixture, Defaults) {
  tXCheckBox fresh;
  EXPECT_EQ(fresh.size(), QSize(65, 17));
  EXPECT_FALSE(fresh.Checked());
  EXPECT_EQ(fresh.BoxTop(), 2);
}

TEST_F(CheckBoxFixture, PressTogglesAtOnceAndReleaseInsideClicks) {
  QSignalSpy clicks(box, &tXCheckBox::OnClick);
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(3, 8));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(65, 17));  // the ends count as inside
  EXPECT_EQ(clicks.count(), 1);
  // inside, then released outside: toggled without a click
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(3, 8));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(66, 8));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks.count(), 1);
  // other buttons do not toggle, but their release inside clicks
  QTest::mouseClick(box, Qt::RightButton, {}, QPoint(3, 8));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(CheckBoxFixture, SpaceTogglesAndClicks) {
  QSignalSpy clicks(box, &tXCheckBox::OnClick);
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_TRUE(box->Checked());
  QTest::keyClick(box, Qt::Key_X);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(CheckBoxFixture, BoxFrameTickAndCaption) {
  const int top = box->BoxTop();
  QImage img = Shown();
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
  EXPECT_EQ(img.pixel(0, top), black);
  EXPECT_EQ(img.pixel(11, top + 11), black);
  EXPECT_EQ(img.pixel(12, top + 5), qRgb(0, 0, 255));  // beside the box the parent shows
  EXPECT_EQ(img.pixel(1, top + 1), white);
  // the tick: (2, top + 5) .. (4, top + 7) .. (10, top + 1), three times
  const QPoint tick[] = {{2, 5}, {3, 6}, {4, 7}, {7, 4}, {9, 2}, {2, 7}, {4, 9}, {9, 4}};
  for (const QPoint p : tick) EXPECT_EQ(img.pixel(p.x(), top + p.y()), white) << p.x() << "," << p.y();
  box->SetChecked(true);
  img = Shown();
  for (const QPoint p : tick) EXPECT_EQ(img.pixel(p.x(), top + p.y()), black) << p.x() << "," << p.y();
  EXPECT_EQ(img.pixel(10, top + 1), white);  // the end point is left out
  EXPECT_EQ(img.pixel(2, top + 4), white);
  // the caption is drawn right of x = 16 in the font colour
  int ink = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 16; x < img.width(); ++x) ink += img.pixel(x, y) != qRgb(0, 0, 255);
  EXPECT_GT(ink, 10);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 12; x < 16; ++x) ASSERT_EQ(img.pixel(x, y), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace vyr
