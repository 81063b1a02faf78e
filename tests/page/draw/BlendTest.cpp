#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "page/draw/Blend.h"
#include "page/model/PageFormat.h"
#include "tests/common/Pixels.h"

namespace vyr {
namespace {

using test::PixelOf;
QImage Solid(int w, int h, TRgb c) { return test::SolidPicture(w, h, RgbToColor(c)); }

// One pixel blended: every expected value below is worked out by hand from
// the mode's formula with divisions as arithmetic shifts (negative
// differences round down: -127.5 becomes -128, not -127).
struct PixelCase {
  const char* what;
  int mode, xAlpha;
  TRgb xColor, source, target;
  int coverage;  // -1: no mask
  TRgb expected;
};

class BlendModes : public ::testing::TestWithParam<PixelCase> {};

TEST_P(BlendModes, MatchHandComputedPixels) {
  const PixelCase& c = GetParam();
  uint8_t d[3] = {c.target.r, c.target.g, c.target.b};
  const uint8_t s[3] = {c.source.r, c.source.g, c.source.b};
  const uint8_t cover = static_cast<uint8_t>(c.coverage);
  BlendLine(d, s, 3, c.coverage < 0 ? nullptr : &cover, 1, TBlend{c.mode, c.xAlpha, c.xColor});
  EXPECT_EQ((TRgb{d[0], d[1], d[2]}), c.expected)
      << c.what << ": got " << int(d[0]) << "," << int(d[1]) << "," << int(d[2]);
}

constexpr TRgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, BlendModes,
    ::testing::Values(
        // 255 + (128 * -255) >> 8 = 255 + (-32640 >> 8) = 255 - 128
        PixelCase{"0 half", 0, 128, kBlack, kBlack, kWhite, -1, {127, 127, 127}},
        PixelCase{"0 full copies", 0, 255, kBlack, {1, 2, 3}, kWhite, -1, {1, 2, 3}},
        // with a mask of full coverage the weight is 255, so no copy: 255 + (-65025 >> 8) = 0, 254
        PixelCase{"0 full masked", 0, 255, kBlack, {0, 255, 0}, {255, 0, 0}, 16, {0, 254, 0}},
        PixelCase{"0 half coverage", 0, 255, kBlack, kBlack, kWhite, 8, {128, 128, 128}},
        PixelCase{"0 none", 0, 0, kBlack, kBlack, kWhite, -1, kWhite},
        // l = 100, a = 25500 >> 8 = 99: 19800 >> 8 = 77, 9900 >> 8 = 38
        PixelCase{"1 bright shows", 1, 255, kBlack, {200, 100, 0}, kBlack, -1, {77, 38, 0}},
        // a = 99, quarter coverage: 99 * 4 >> 4 = 24: 4800 >> 8 = 18, 2400 >> 8 = 9
        PixelCase{"1 masked", 1, 255, kBlack, {200, 100, 0}, kBlack, 4, {18, 9, 0}},
        // a = 155 * 255 >> 8 = 154: 255 + (-8470 >> 8) = 221, 255 + (-23870 >> 8) = 161, 255 + (-39270 >> 8) = 101
        PixelCase{"2 dark shows", 2, 255, kBlack, {200, 100, 0}, kWhite, -1, {221, 161, 101}},
        // a = 255 * 128 >> 8 = 127: 100 + 19685 >> 8, 0 + 32385 >> 8, 200 + 6985 >> 8
        PixelCase{"3 lighten", 3, 128, kBlack, kWhite, {100, 0, 200}, -1, {176, 126, 227}},
        PixelCase{"3 black source", 3, 255, kBlack, kBlack, {100, 0, 200}, -1, {100, 0, 200}},
        // a = 254: 100 - 25400 >> 8 = 1, 200 - 50800 >> 8 = 2, 255 - 64770 >> 8 = 2
        PixelCase{"4 darken", 4, 255, kBlack, kBlack, {100, 200, 255}, -1, {1, 2, 2}},
        PixelCase{"5 lighten by dark", 5, 255, kBlack, kBlack, {0, 128, 255}, -1, {253, 254, 255}},
        PixelCase{"6 darken by bright", 6, 255, kBlack, kWhite, {0, 128, 255}, -1, {0, 1, 2}},
        // tint toward red: 0 + 64770 >> 8 = 253, 255 + (-64770 >> 8) = 255 - 254 = 1
        PixelCase{"7 dark parts tinted", 7, 255, kRed, kBlack, {0, 255, 255}, -1, {253, 1, 1}},
        PixelCase{"7 white parts kept", 7, 255, kRed, kWhite, {0, 255, 255}, -1, {0, 255, 255}},
        PixelCase{"8 bright parts tinted", 8, 255, kRed, kWhite, {0, 255, 255}, -1, {253, 1, 1}},
        PixelCase{"8 dark parts kept", 8, 255, kRed, kBlack, {0, 255, 255}, -1, {0, 255, 255}},
        // per byte: a = 254, 0, 126: 200 + (-36830 >> 8) = 56, 200, 10 + 29610 >> 8 = 125
        PixelCase{"9 invert", 9, 255, kBlack, {0, 255, 128}, {200, 200, 10}, -1, {56, 200, 125}},
        // a = 254 * 8 >> 4 = 127: 200 + (-18415 >> 8) = 200 - 72
        PixelCase{"9 masked", 9, 255, kBlack, {0, 255, 255}, {200, 0, 0}, 8, {128, 0, 0}},
        PixelCase{"unknown mode blends as 0", 42, 128, kBlack, kBlack, kWhite, -1, {127, 127, 127}}));

TEST(Blend, UniformSourceThroughCoverageRow) {
  uint8_t row[9] = {255, 255, 255, 255, 255, 255, 255, 255, 255};
  const uint8_t black[3] = {0, 0, 0};
  const uint8_t cover[3] = {0, 8, 16};
  BlendLine(row, black, 0, cover, 3, TBlend{0, 255, {}});
  EXPECT_EQ(row[0], 255);  // not covered: untouched
  EXPECT_EQ(row[3], 128);
  EXPECT_EQ(row[6], 0);
}

TEST(Blend, TintModeOnAPictureOverWhite) {
  // A picture with MODE 7 and COLOR red turns its dark parts red and leaves
  // its white parts white.
  TXBitmap work(2, 1);
  FillRect(work.Image(), work.Image().rect(), kWhite);
  QImage pic(2, 1, QImage::Format_RGB888);
  FillRect(pic, QRect(0, 0, 1, 1), kBlack);
  FillRect(pic, QRect(1, 0, 1, 1), kWhite);
  work.SetXColor(0x0000FF);
  work.Blend(pic, 0, 0, 7);
  EXPECT_EQ(PixelOf(work.Image(), 0, 0), (TRgb{255, 1, 1}));
  EXPECT_EQ(PixelOf(work.Image(), 1, 0), kWhite);
}

TEST(Blend, PictureIsClippedAtEveryEdge) {
  QImage target = Solid(4, 4, kWhite);
  const QImage pic = Solid(3, 3, kBlack);
  for (const QPoint at : {QPoint(-2, -2), QPoint(3, 3), QPoint(-1, 2), QPoint(100, 0), QPoint(-100, -100)}) {
    QImage t = target.copy();
    BlendPicture(t, at.x(), at.y(), pic, TBlend{});
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) {
        const bool covered = QRect(at, QSize(3, 3)).contains(x, y);
        EXPECT_EQ(PixelOf(t, x, y), covered ? kBlack : kWhite) << at.x() << "," << at.y() << " pixel " << x << "," << y;
      }
  }
}

TEST(Blend, OpacityIsClampedAndColourTakesItsBytes) {
  TXBitmap b(1, 1);
  b.SetXAlpha(300);
  EXPECT_EQ(b.XAlpha(), 255);
  b.SetXAlpha(-5);
  EXPECT_EQ(b.XAlpha(), 0);
  b.SetXColor(0x332211);
  EXPECT_EQ(b.XColor(), (TRgb{0x11, 0x22, 0x33}));
}

TEST(Blend, ColourValues) {
  EXPECT_EQ(ColorToRgb(0x0000FF), kRed);
  EXPECT_EQ(ColorToRgb(0xFF0000), (TRgb{0, 0, 255}));
  EXPECT_EQ(ColorToRgb(kPaletteColor + 13), kRed);  // "i13"
  EXPECT_EQ(ColorToRgb(kPaletteColor + 7), (TRgb{192, 192, 192}));
  EXPECT_EQ(ColorToRgb(kPaletteColor + 128), kBlack);  // not a number: i128
  EXPECT_EQ(RgbToColor(TRgb{0x11, 0x22, 0x33}), 0x332211);
}

double CoverageSum(const TCoverage& c) {
  double sum = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) sum += c.At(x, y);
  return sum / 16.0;
}

TEST(RadiusMask, RoundsTheCornersOnly) {
  EXPECT_FALSE(RadiusMask(20, 10, 0).has_value());
  const TCoverage m = *RadiusMask(40, 30, 8);
  ASSERT_EQ(m.Width(), 40);
  ASSERT_EQ(m.Height(), 30);
  EXPECT_EQ(m.At(0, 0), 0);
  EXPECT_EQ(m.At(20, 0), 16);  // the straight edges are whole
  EXPECT_EQ(m.At(0, 15), 16);
  EXPECT_EQ(m.At(20, 15), 16);
  int partial = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(m.At(x, y), m.At(39 - x, y));
      ASSERT_EQ(m.At(x, y), m.At(x, 29 - y));
      partial += m.At(x, y) > 0 && m.At(x, y) < 16;
    }
  EXPECT_GT(partial, 8);  // anti-aliased corners
  // area: the rectangle less four corners of (4 - pi) r^2 / 4
  EXPECT_NEAR(CoverageSum(m), 40 * 30 - (4 - M_PI) * 64, 3.0);
}

TEST(RadiusMask, TooLargeARadiusGivesAnEllipse) {
  const TCoverage a = *RadiusMask(20, 20, 10), b = *RadiusMask(20, 20, 500);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(a.At(x, y), b.At(x, y));
  EXPECT_NEAR(CoverageSum(a), M_PI * 100, 2.0);
}

TEST(RadiusMask, MaskedPictureKeepsTheTargetInItsCorners) {
  QImage target = Solid(20, 20, kWhite);
  const TCoverage mask = *RadiusMask(20, 20, 10);
  BlendPicture(target, 0, 0, Solid(20, 20, kBlack), TBlend{0, 255, {}}, &mask);
  EXPECT_EQ(PixelOf(target, 0, 0), kWhite);
  EXPECT_EQ(PixelOf(target, 10, 10), kBlack);  // 255 + (255 * -255 >> 8) = 0
  const TRgb edge = PixelOf(target, 0, 8);
  EXPECT_GT(edge.r, 0);
  EXPECT_LT(edge.r, 255);
}

TEST(Stretch, ScalesIntoTheRectangleAndClips) {
  QImage pic(2, 2, QImage::Format_RGB888);
  FillRect(pic, QRect(0, 0, 1, 2), kRed);
  FillRect(pic, QRect(1, 0, 1, 2), {0, 0, 255});
  QImage target = Solid(30, 10, kWhite);
  StretchPicture(target, QRect(2, 1, 20, 8), pic);
  EXPECT_EQ(PixelOf(target, 2, 4), kRed);
  EXPECT_EQ(PixelOf(target, 21, 4), (TRgb{0, 0, 255}));
  EXPECT_EQ(PixelOf(target, 1, 4), kWhite);
  EXPECT_EQ(PixelOf(target, 22, 4), kWhite);
  EXPECT_EQ(PixelOf(target, 10, 0), kWhite);
  // A rectangle far larger than the target scales only what shows.
  QImage small = Solid(8, 8, kWhite);
  StretchPicture(small, QRect(-1000000, -1000000, 2000000, 2000000), pic);
  EXPECT_EQ(PixelOf(small, 0, 0), (TRgb{0, 0, 255}));
}

TEST(Recolor, BoxButtonTakesTintBehindAndFieldInTheText) {
  // A box drawn black with white text: ONCOLOR blue, ONCOL2 yellow.
  QImage area = Solid(3, 1, kBlack);
  FillRect(area, QRect(1, 0, 1, 1), kWhite);
  const QImage face = RecolorArea(area, 0xFF0000, 0x00FFFF);
  EXPECT_EQ(PixelOf(face, 0, 0), (TRgb{1, 1, 253}));    // 255 + (-255 * 254 >> 8) etc.
  EXPECT_EQ(PixelOf(face, 1, 0), (TRgb{255, 255, 0}));  // untouched field
}

}  // namespace
}  // namespace vyr
