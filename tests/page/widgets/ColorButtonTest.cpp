#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "page/draw/Blend.h"
#include "page/widgets/ColorButton.h"
#include "tests/common/Pixels.h"

namespace vyr {
namespace {

using test::ColorAt;
using test::PixelOf;
QImage Solid(int w, int h, int32_t color) { return test::SolidPicture(w, h, color); }

class ColorButtonFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.resize(300, 300);
    button = new tXColorButton(&parent);
    button->move(10, 10);
    button->resize(40, 30);
    QFont font = button->font();
    font.setPixelSize(20);
    font.setBold(true);
    button->setFont(font);
    parent.show();
    // The pointer starts away from the button (a move to where it already
    // is would not be delivered).
    QTest::mouseMove(&parent, QPoint(290, 290));
  }
  QWidget parent;
  tXColorButton* button = nullptr;
};

TEST_F(ColorButtonFixture, Defaults) {
  tXColorButton fresh;
  EXPECT_EQ(fresh.size(), QSize(105, 105));
  EXPECT_EQ(fresh.FlashColor(), 255);
  EXPECT_TRUE(fresh.ShowCaption());
  EXPECT_EQ(fresh.Mode(), tmNormal);
  fresh.SetRGB(0x112233);
  EXPECT_EQ(fresh.Color(), 0x332211);
  EXPECT_EQ(fresh.RGB(), 0x112233);
}

struct BevelCase {
  int32_t face, light, dark;
};

class Bevels : public ColorButtonFixture, public ::testing::WithParamInterface<BevelCase> {};

TEST_P(Bevels, RaisedAndSunkenEdgesTakeTheirColoursFromTheFace) {
  const auto [face, light, dark] = GetParam();
  button->SetColor(face);
  button->SetDDD(true);
  const int W = 40, H = 30;
  QImage f = button->RenderFace();
  EXPECT_EQ(ColorAt(f, 0, 10), light);
  EXPECT_EQ(ColorAt(f, 1, 10), light);
  EXPECT_EQ(ColorAt(f, 20, 0), light);
  EXPECT_EQ(ColorAt(f, W - 1, 10), dark);  // the outline
  EXPECT_EQ(ColorAt(f, W - 2, 10), dark);
  EXPECT_EQ(ColorAt(f, 20, H - 2), dark);
  EXPECT_EQ(ColorAt(f, 20, 15), face);
  // pressed: sunken
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(button->Pressed());
  f = button->RenderFace();
  EXPECT_EQ(ColorAt(f, 0, 10), dark);
  EXPECT_EQ(ColorAt(f, 1, 10), dark);
  EXPECT_EQ(ColorAt(f, W - 1, 10), light);  // the pen is light now
  EXPECT_EQ(ColorAt(f, W - 2, 10), light);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

INSTANTIATE_TEST_SUITE_P(Faces, Bevels,
                         ::testing::Values(BevelCase{0xFFFFFF, 0xC0C0C0, 0x808080},
                                           BevelCase{0x808080, 0xFFFFFF, 0x000000},
                                           BevelCase{0x00C0FF, 0xFFFFFF, 0x808080}));

TEST_F(ColorButtonFixture, SwitchClickedTwiceTurnsOnThenOffAndClicksBothTimes) {
  button->SetOnOff(true);
  std::vector<std::string> seen;
  QObject::connect(button, &tXColorButton::OnTurnOn, [&] { seen.push_back("on"); });
  QObject::connect(button, &tXColorButton::OnTurnOff, [&] { seen.push_back("off"); });
  QObject::connect(button, &tXColorButton::OnClick, [&] { seen.push_back("click"); });
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(button->IsOn());
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button->IsOn());
  EXPECT_EQ(seen, (std::vector<std::string>{"on", "click", "off", "click"}));
}

TEST_F(ColorButtonFixture, ReleaseOutsideRaisesNothing) {
  button->SetOnOff(true);
  QSignalSpy clicks(button, &tXColorButton::OnClick), ons(button, &tXColorButton::OnTurnOn);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(41, 5));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(ons.count(), 0);
  EXPECT_FALSE(button->IsOn());
  EXPECT_FALSE(button->Pressed());
  // The right and bottom ends themselves still count as inside.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 30));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ColorButtonFixture, RightButtonReleaseClicksAndLinkedActionTakesOverTheClick) {
  QSignalSpy clicks(button, &tXColorButton::OnClick);
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.count(), 1);
  QAction action;
  QSignalSpy triggered(&action, &QAction::triggered);
  button->SetAction(&action);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(triggered.count(), 1);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ColorButtonFixture, SwitchStateChangesOnlyWhileItIsASwitch) {
  button->SetIsOn(true);
  EXPECT_FALSE(button->IsOn());
  button->SetOnOff(true);
  button->SetIsOn(true);
  EXPECT_TRUE(button->IsOn());
}

TEST_F(ColorButtonFixture, KeysClickOnceTheOwnerGivesFocus) {
  QSignalSpy clicks(button, &tXColorButton::OnClick);
  EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  button->setFocusPolicy(Qt::StrongFocus);
  QTest::keyClick(button, Qt::Key_Space);
  QTest::keyClick(button, Qt::Key_Return);
  QTest::keyClick(button, Qt::Key_A);
  EXPECT_EQ(clicks.count(), 2);
}

// A picture of two pixels, black and white, tinted red.
class TintFixture : public ColorButtonFixture {
 protected:
  void SetUp() override {
    ColorButtonFixture::SetUp();
    QImage pic(2, 1, QImage::Format_RGB888);
    FillRect(pic, QRect(0, 0, 1, 1), {0, 0, 0});
    FillRect(pic, QRect(1, 0, 1, 1), {255, 255, 255});
    button->SetColor(0xFFFFFF);  // the picture recolours the face
    button->SetPicture1(pic);
    button->SetFontColor(0x0000FF);
    button->SetFlashColor(0x0000FF);
    button->SetMouseOver(true);
  }
};

TEST_F(TintFixture, ColourModeSwapsUnderTheMouseWhenFontAndFlashAgree) {
  button->SetMode(tmColor);
  QImage f = button->RenderFace();
  // at rest the dark parts are tinted red: 255 + (-255 * 254 >> 8) = 1
  EXPECT_EQ(PixelOf(f, 0, 0), (TRgb{255, 1, 1}));
  EXPECT_EQ(PixelOf(f, 1, 0), (TRgb{255, 255, 255}));
  QTest::mouseMove(button, QPoint(20, 20));
  ASSERT_TRUE(button->Hovered());
  f = button->RenderFace();
  // under the mouse the bright parts
  EXPECT_EQ(PixelOf(f, 0, 0), (TRgb{255, 255, 255}));
  EXPECT_EQ(PixelOf(f, 1, 0), (TRgb{255, 1, 1}));
}

TEST_F(TintFixture, SecondColourModeSwapsTheOtherWay) {
  button->SetMode(tmColor2);
  EXPECT_EQ(PixelOf(button->RenderFace(), 0, 0), (TRgb{255, 255, 255}));
  EXPECT_EQ(PixelOf(button->RenderFace(), 1, 0), (TRgb{255, 1, 1}));
  QTest::mouseMove(button, QPoint(20, 20));
  EXPECT_EQ(PixelOf(button->RenderFace(), 0, 0), (TRgb{255, 1, 1}));
  EXPECT_EQ(PixelOf(button->RenderFace(), 1, 0), (TRgb{255, 255, 255}));
}

TEST_F(TintFixture, DifferentFlashColourTintsWithItUnderTheMouse) {
  button->SetMode(tmColor);
  button->SetFlashColor(0xFF0000);  // blue
  QTest::mouseMove(button, QPoint(20, 20));
  EXPECT_EQ(PixelOf(button->RenderFace(), 0, 0), (TRgb{1, 1, 255}));
}

TEST_F(TintFixture, DisabledButtonDrawsNoPicture) {
  button->SetMode(tmColor);
  EXPECT_NE(ColorAt(button->RenderFace(), 0, 0), 0xFFFFFF);
  button->setEnabled(false);
  EXPECT_EQ(ColorAt(button->RenderFace(), 0, 0), 0xFFFFFF);
}

TEST_F(ColorButtonFixture, PictureWithRadiusIsMaskedAtItsCorners) {
  button->SetColor(0xFFFFFF);
  button->SetPicture1(Solid(20, 20, 0));
  button->SetRadius(10);
  const QImage f = button->RenderFace();
  EXPECT_EQ(ColorAt(f, 0, 0), 0xFFFFFF);
  EXPECT_EQ(ColorAt(f, 10, 10), 0);
}

TEST_F(ColorButtonFixture, SecondPictureWhilePressedOrWhileSwitchedOn) {
  button->SetPicture1(Solid(40, 30, 0x0000FF));
  button->SetPicture2(Solid(40, 30, 0x00FF00));
  EXPECT_EQ(ColorAt(button->RenderFace(), 5, 5), 0x0000FF);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(ColorAt(button->RenderFace(), 5, 5), 0x00FF00);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  button->SetOnOff(true);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(button->IsOn());
  QTest::mouseMove(button, QPoint(100, 100));
  EXPECT_EQ(ColorAt(button->RenderFace(), 5, 5), 0x00FF00);
}

TEST_F(ColorButtonFixture, AutoSizeTakesThePictureSizeAndKeepsThePlace) {
  button->SetAutoSize(true);
  button->SetPicture1(Solid(33, 21, 0));
  EXPECT_EQ(button->size(), QSize(33, 21));
  EXPECT_EQ(button->pos(), QPoint(10, 10));
  EXPECT_FALSE(button->ShowCaption());  // a picture that is no icon hides the caption
  button->SetCaption("Öffnen");
  button->SetShowCaption(true);
  button->SetPicture1(Solid(8, 8, 0), true);
  EXPECT_TRUE(button->ShowCaption());
}

TEST_F(ColorButtonFixture, ImageFaceMovesByOnePixelWhenPressed) {
  // The red byte of the image tells its column.
  QImage image(40, 30, QImage::Format_RGB888);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      uint8_t* p = image.scanLine(y) + 3 * x;
      p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 0;
    }
  button->SetImage(image);
  EXPECT_EQ(PixelOf(button->RenderFace(), 0, 0), (TRgb{1, 1, 0}));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(PixelOf(button->RenderFace(), 0, 0), (TRgb{0, 0, 0}));
  EXPECT_EQ(PixelOf(button->RenderFace(), 7, 3), (TRgb{7, 3, 0}));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

int CountOf(const QImage& img, int32_t color) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += ColorAt(img, x, y) == color;
  return n;
}

TEST_F(ColorButtonFixture, CaptionTakesTheFlashColourUnderTheMouse) {
  button->resize(100, 40);
  button->SetColor(0xFFFFFF);
  button->SetFontColor(0);
  button->SetFlashColor(0x0000FF);
  button->SetCaption("Weiter");
  button->SetMouseOver(true);
  EXPECT_GT(CountOf(button->RenderFace(), 0), 5);
  EXPECT_EQ(CountOf(button->RenderFace(), 0x0000FF), 0);
  QTest::mouseMove(button, QPoint(50, 20));
  EXPECT_GT(CountOf(button->RenderFace(), 0x0000FF), 5);
  // Leaving takes the highlight away.
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(button, &leave);
  EXPECT_FALSE(button->Hovered());
  EXPECT_EQ(CountOf(button->RenderFace(), 0x0000FF), 0);
}

TEST_F(ColorButtonFixture, CentredPictureSitsAboveTheCaption) {
  button->resize(100, 100);
  button->SetColor(0xFFFFFF);
  button->SetFontColor(0);
  button->SetPicture1(Solid(20, 20, 0x00FF00), true);  // an icon keeps the caption
  button->SetCaption("Text");
  button->SetCenter(true);
  button->SetAbstand(6);
  const QImage f = button->RenderFace();
  // The picture's rows and the caption's rows.
  int picTop = -1, picBottom = -1, textTop = -1;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const int32_t v = ColorAt(f, x, y);
      if (v == 0x00FF00) {
        if (picTop < 0) picTop = y;
        picBottom = y;
        EXPECT_GE(x, 40);
        EXPECT_LT(x, 60);
      } else if (v == 0 && textTop < 0 && y > 1 && y < 98 && x > 1 && x < 98) {
        textTop = y;
      }
    }
  ASSERT_GE(picTop, 0);
  ASSERT_GE(textTop, 0);
  EXPECT_EQ(picBottom - picTop, 19);
  EXPECT_GT(textTop, picBottom + 6);  // Abstand pixels apart, then the caption
}

}  // namespace
}  // namespace vyr
