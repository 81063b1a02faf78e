#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "page/draw/Blend.h"
#include "page/draw/BoxShapes.h"
#include "page/model/PageTables.h"
#include "platform/core/Random.h"
#include "tests/common/Pixels.h"

namespace vyr {
namespace {

constexpr TRgb kWhite{255, 255, 255}, kRed{255, 0, 0}, kBlue{0, 0, 255}, kBlack{0, 0, 0};
constexpr int32_t kRedValue = 0x0000FF, kBlueValue = 0xFF0000;

using test::PixelOf;
QImage White(int w, int h) { return test::SolidPicture(w, h, 0xFFFFFF); }

// The pixels that changed, as a set of points.
std::set<std::pair<int, int>> Changed(const QImage& img) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!(PixelOf(img, x, y) == kWhite)) out.insert({x, y});
  return out;
}

std::set<std::pair<int, int>> Rect(int l, int t, int r, int b) {
  std::set<std::pair<int, int>> out;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) out.insert({x, y});
  return out;
}

TBoxPaint Box(int x, int y, int w, int h) {
  TBoxPaint b;
  b.Left = x, b.Top = y, b.Width = w, b.Height = h;
  return b;
}

// How much darker than white the picture is, in whole pixels.
double Ink(const QImage& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sum += (255 - PixelOf(img, x, y).r) / 255.0;
  return sum;
}

TEST(Boxes, FilledRectangleCoversItsWidthAndOffset) {
  QImage img = White(12, 12);
  TBoxPaint b = Box(2, 2, 4, 3);
  b.Filled = true, b.FillColor = kRedValue;
  DrawBox(img, b);
  EXPECT_EQ(Changed(img), Rect(2, 2, 6, 5));
  EXPECT_EQ(PixelOf(img, 2, 2), kRed);

  img = White(12, 12);
  b.Offset = 1;
  DrawBox(img, b);
  EXPECT_EQ(Changed(img), Rect(1, 1, 7, 6));
}

TEST(Boxes, BorderLiesInsideOnePixelMore) {
  QImage img = White(12, 12);
  TBoxPaint b = Box(2, 2, 5, 4);
  b.Filled = true, b.FillColor = kRedValue, b.BorderWidth = 1, b.BorderColor = kBlueValue;
  DrawBox(img, b);
  EXPECT_EQ(Changed(img), Rect(2, 2, 8, 7));
  for (int x = 2; x < 8; ++x) {
    EXPECT_EQ(PixelOf(img, x, 2), kBlue);
    EXPECT_EQ(PixelOf(img, x, 6), kBlue);
  }
  EXPECT_EQ(PixelOf(img, 2, 4), kBlue);
  EXPECT_EQ(PixelOf(img, 7, 4), kBlue);
  for (int y = 3; y < 6; ++y)
    for (int x = 3; x < 7; ++x) EXPECT_EQ(PixelOf(img, x, y), kRed);
}

TEST(Boxes, NeitherFilledNorBorderedDrawsNothing) {
  QImage img = White(10, 10);
  for (uint8_t shape = 0; shape <= 4; ++shape) {
    TBoxPaint b = Box(1, 1, 6, 6);
    b.Shape = shape, b.Offset = 2;
    EXPECT_FALSE(BoxIsDrawn(b));
    DrawBox(img, b);
  }
  EXPECT_TRUE(Changed(img).empty());
}

TEST(Boxes, TranslucentBoxBlendsFillAndBorder) {
  QImage img = White(10, 10);
  TBoxPaint b = Box(1, 1, 6, 6);
  b.Filled = true, b.FillColor = 0, b.Opacity = 128, b.BorderWidth = 1, b.BorderColor = kBlueValue;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 3, 3), (TRgb{127, 127, 127}));  // 255 + (128 * -255 >> 8)
  EXPECT_EQ(PixelOf(img, 1, 3), (TRgb{127, 127, 255}));  // the border, blended as well
  EXPECT_EQ(PixelOf(img, 8, 8), kWhite);
}

TEST(Boxes, ModeTintsWhatLiesBelow) {
  // Mode 7 with a black brush: the weight is (255 - 0) * opacity, the target
  // moves toward the box colour (black) almost fully.
  QImage img = White(4, 4);
  TBoxPaint b = Box(0, 0, 4, 4);
  b.Filled = true, b.FillColor = 0, b.Mode = 7;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 2, 2), (TRgb{1, 1, 1}));
}

TEST(Boxes, RoundedRectangleIsAntiAliasedAndSymmetric) {
  QImage img = White(24, 24);
  TBoxPaint b = Box(2, 2, 20, 20);
  b.Filled = true, b.FillColor = 0, b.Shape = 1, b.Radius = 6;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 2, 2), kWhite);
  EXPECT_EQ(PixelOf(img, 12, 12), kBlack);
  EXPECT_EQ(PixelOf(img, 12, 2), kBlack);  // straight edges are crisp
  EXPECT_EQ(PixelOf(img, 22, 12), kWhite);
  // coverage blending toward black: 255 + (-255 * c >> 4) for c = 0..16
  std::set<int> levels;
  for (int c = 0; c <= 16; ++c) levels.insert(255 + ((-255 * c) >> 4));
  int grey = 0;
  for (int y = 2; y < 22; ++y)
    for (int x = 2; x < 22; ++x) {
      ASSERT_EQ(PixelOf(img, x, y), PixelOf(img, 23 - x, y));
      ASSERT_EQ(PixelOf(img, x, y), PixelOf(img, x, 23 - y));
      const int v = PixelOf(img, x, y).r;
      ASSERT_TRUE(levels.count(v)) << v;
      grey += v > 0 && v < 255;
    }
  EXPECT_GT(grey, 8);
  EXPECT_NEAR(Ink(img), 400 - (4 - M_PI) * 36, 3.0);
}

TEST(Boxes, EllipseCoversItsArea) {
  QImage img = White(44, 24);
  TBoxPaint b = Box(2, 2, 40, 20);
  b.Filled = true, b.FillColor = 0, b.Shape = 2;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 22, 12), kBlack);
  EXPECT_EQ(PixelOf(img, 2, 2), kWhite);
  EXPECT_EQ(PixelOf(img, 41, 21), kWhite);
  EXPECT_NEAR(Ink(img), M_PI * 20 * 10, 3.0);
}

TEST(Boxes, EllipseBorderRingsTheFill) {
  QImage img = White(44, 24);
  TBoxPaint b = Box(2, 2, 40, 20);
  b.Filled = true, b.FillColor = kRedValue, b.Shape = 2, b.BorderWidth = 3, b.BorderColor = kBlueValue;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 3, 12), kBlue);  // left end of the ring
  EXPECT_EQ(PixelOf(img, 22, 3), kBlue);  // top of the ring
  EXPECT_EQ(PixelOf(img, 22, 12), kRed);  // middle
  EXPECT_EQ(PixelOf(img, 0, 12), kWhite);
}

TEST(Boxes, RandomBandsAreWholeRowsInsideTheBox) {
  SetRandomSeed(7);
  QImage img = White(20, 60);
  TBoxPaint b = Box(2, 5, 10, 40);
  b.Filled = true, b.FillColor = 0, b.Shape = 3, b.Radius = 6;
  DrawBox(img, b);
  int bands = 0, gaps = 0;
  for (int y = 0; y < 60; ++y) {
    const bool inked = PixelOf(img, 2, y) == kBlack;
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 2 && x < 12;
      ASSERT_EQ(PixelOf(img, x, y) == kBlack, inked && inside) << x << "," << y;
    }
    if (y < 5 || y >= 45) EXPECT_FALSE(inked) << y;
    else bands += inked, gaps += !inked;
  }
  EXPECT_GT(bands, 0);
  EXPECT_GT(gaps, 0);
}

TEST(Boxes, RandomBandsWithoutHeightAreAPlainRectangle) {
  for (int radius : {0, 1}) {
    QImage img = White(10, 10);
    TBoxPaint b = Box(1, 1, 5, 5);
    b.Filled = true, b.FillColor = 0, b.Shape = 3, b.Radius = radius;
    DrawBox(img, b);
    EXPECT_EQ(Changed(img), Rect(1, 1, 6, 6)) << radius;
  }
}

TEST(Boxes, ShadowedBoxHasItsFaceOverAShadowInTheBorderColour) {
  QImage img = White(20, 16);
  TBoxPaint b = Box(2, 2, 10, 6);
  b.Filled = true, b.FillColor = kRedValue, b.BorderColor = 0, b.Shape = 4, b.Offset = 3;
  DrawBox(img, b);
  EXPECT_EQ(PixelOf(img, 2, 2), kRed);
  EXPECT_EQ(PixelOf(img, 11, 7), kRed);
  EXPECT_EQ(PixelOf(img, 13, 9), kBlack);  // shadow below right
  EXPECT_EQ(PixelOf(img, 8, 10), kBlack);
  EXPECT_EQ(PixelOf(img, 2, 10), kWhite);  // left of the slanted edge
  EXPECT_EQ(PixelOf(img, 14, 3), kWhite);  // above the slanted edge
  EXPECT_EQ(PixelOf(img, 15, 6), kWhite);  // right of the shadow
  EXPECT_EQ(PixelOf(img, 7, 11), kWhite);  // below the shadow
  // the slanted edges are anti-aliased
  const TRgb edge = PixelOf(img, 3, 9);
  EXPECT_GT(edge.r, 0);
  EXPECT_LT(edge.r, 255);
}

TEST(Boxes, FarAwayOrHugeBoxesAreClippedQuickly) {
  SetRandomSeed(1);
  QImage img = White(16, 16);
  for (uint8_t shape = 0; shape <= 4; ++shape) {
    TBoxPaint b = Box(-1000000, -1000000, 3000000, 3000000);
    b.Filled = true, b.FillColor = 0, b.Shape = shape, b.Radius = 3, b.Offset = 500;
    DrawBox(img, b);
    b = Box(5000, 5000, 10, 10);
    b.Filled = true, b.Shape = shape;
    DrawBox(img, b);
  }
  EXPECT_EQ(PixelOf(img, 8, 8), kBlack);
}

TEST(Boxes, FromThePageBoxRecord) {
  TBox box;
  box.Left = 1, box.Top = 2, box.Width = 3, box.Height = 4;
  box.Filled = true, box.FillColor = kRedValue, box.Shape = bsEllipse, box.Radius = 9, box.Offset = 2;
  box.Opacity = 100, box.Mode = 5, box.BorderWidth = 1, box.BorderColor = 7;
  const TBoxPaint p = BoxPaintOf(box);
  EXPECT_EQ(p.Left, 1);
  EXPECT_EQ(p.Height, 4);
  EXPECT_EQ(p.Shape, 2);
  EXPECT_EQ(p.Radius, 9);
  EXPECT_EQ(p.Offset, 2);
  EXPECT_EQ(p.Opacity, 100);
  EXPECT_EQ(p.Mode, 5);
  EXPECT_EQ(p.BorderColor, 7);
  EXPECT_TRUE(p.Filled);
}

}  // namespace
}  // namespace vyr
