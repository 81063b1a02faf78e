#pragma once
// Per-pixel drawing on 24-bit pictures (QImage::Format_RGB888): the blend
// modes 0..9 with an opacity and a blend colour, coverage masks sampled at
// 4 x 4 points per pixel (anti-aliased shapes, rounded picture corners), and
// clipped copying and stretching. All blending is integer arithmetic on scan
// lines; divisions by 256 and 16 are arithmetic shifts, so negative
// differences round down.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vyr {

struct TRgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const TRgb&) const = default;
};

// A colour value (0x00BBGGRR, red in the low byte) as bytes. Palette entries
// ("i<n>") give the entries of the standard 20-colour palette (0..9 the dark
// and pastel colours, 10..19 the bright ones), black beyond it.
TRgb ColorToRgb(int32_t color);
int32_t RgbToColor(TRgb rgb);
QColor ToQColor(int32_t color);

// How much of each pixel a shape covers: 0..16 samples of its 4 x 4 grid.
// The mask has a place (Left, Top) in the picture it belongs to.
class TCoverage {
 public:
  TCoverage() = default;
  TCoverage(int left, int top, int width, int height);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  QRect Rect() const { return QRect(left_, top_, width_, height_); }
  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  // x and y relative to the mask's place.
  uint8_t At(int x, int y) const { return cells_[static_cast<size_t>(y) * width_ + x]; }
  const uint8_t* Row(int y) const { return cells_.data() + static_cast<size_t>(y) * width_; }
  // Counts the samples [sample0, sample1) of sample row `sampleRow`, both
  // in quarter pixels relative to the mask's place, clipped to the mask.
  void AddSamples(int sampleRow, int sample0, int sample1);

 private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::vector<uint8_t> cells_;
};

// The spans [x0, x1) in pixel coordinates a shape covers at height y.
using TSpans = std::vector<std::pair<double, double>>;
using TSpanFunction = std::function<void(double y, TSpans& spans)>;
// Samples a shape at the centres of the 4 x 4 grid of every pixel of `area`.
TCoverage Rasterise(const QRect& area, const TSpanFunction& spans);
// The spans of a rectangle [left, right) x [top, bottom) with corners rounded
// by `radius` (at most half the shorter side).
void RoundRectSpans(double left, double top, double right, double bottom, double radius, double y, TSpans& spans);
// The rounded-corner mask of a picture of the given size; none for radius 0.
std::optional<TCoverage> RadiusMask(int width, int height, int radius);

// One blend: mode 0..9 (other values blend as 0), opacity `xAlpha` 0..255
// and blend colour `xColor`.
struct TBlend {
  int mode = 0;
  int xAlpha = 255;
  TRgb xColor;
};
// Blends `count` pixels of `source` (3 bytes apart, or one colour when
// `sourceStep` is 0) into `target`; `coverage` (one byte per pixel, 0..16)
// may be null for full coverage.
void BlendLine(uint8_t* target, const uint8_t* source, int sourceStep, const uint8_t* coverage, int count,
               const TBlend& blend);
// Blends a picture with its top-left corner at (x, y), clipped to the
// target. `mask`, when given, lies over the picture (its place relative to
// the picture's corner). Mode 0 at full opacity without a mask copies.
void BlendPicture(QImage& target, int x, int y, const QImage& source, const TBlend& blend,
                  const TCoverage* mask = nullptr);
// Blends one colour through a coverage mask placed in the target.
void BlendColor(QImage& target, const TCoverage& area, TRgb color, const TBlend& blend);
// Moves every covered pixel toward the colour by its coverage: a fully
// covered pixel takes the colour.
void PaintCoverage(QImage& target, const TCoverage& area, TRgb color);

// Plain drawing, clipped to the target.
void FillRect(QImage& target, const QRect& rect, TRgb color);
void CopyPicture(QImage& target, int x, int y, const QImage& source);
// The picture scaled smoothly into `rect`.
void StretchPicture(QImage& target, const QRect& rect, const QImage& source);

// A 24-bit picture with the opacity and colour its blends use.
class TXBitmap {
 public:
  TXBitmap() = default;
  TXBitmap(int width, int height);         // filled black
  explicit TXBitmap(const QImage& image);  // converted to 24 bits

  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

  int XAlpha() const { return xAlpha_; }
  void SetXAlpha(int alpha);  // clamped to 0..255
  TRgb XColor() const { return xColor_; }
  void SetXColor(int32_t color) { xColor_ = ColorToRgb(color); }

  void Blend(const QImage& source, int x, int y, int mode, const TCoverage* mask = nullptr);
  void BlendColor(const TCoverage& area, TRgb color, int mode);

 private:
  QImage image_;
  int xAlpha_ = 255;
  TRgb xColor_;
};

// The look of a mouse-over box: `area` (drawn black with white text) tinted
// by mode 7 with `tint` over a field of `field`, so the background takes the
// tint colour, the text the field colour and the edges what lies between.
QImage RecolorArea(const QImage& area, int32_t tint, int32_t field);

}  // namespace vyr
