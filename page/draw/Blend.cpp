#include "page/draw/Blend.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vyr {

// ---------------------------------------------------------------------------
// Colours

TRgb ColorToRgb(int32_t color) {
  const auto c = static_cast<uint32_t>(color);
  if ((c >> 24) == 1) {
    static constexpr uint32_t kPalette[20] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
                                              0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF,
                                              0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    const uint32_t index = c & 0xFFFFFF;
    const uint32_t v = index < 20 ? kPalette[index] : 0;
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
  }
  return {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)};
}

int32_t RgbToColor(TRgb rgb) { return int32_t(rgb.r) | (int32_t(rgb.g) << 8) | (int32_t(rgb.b) << 16); }

// ---------------------------------------------------------------------------
// Coverage

TCoverage::TCoverage(int left, int top, int width, int height)
    : left_(left), top_(top), width_(std::max(width, 0)), height_(std::max(height, 0)) {
  cells_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

QColor ToQColor(int32_t color) {
  const TRgb c = ColorToRgb(color);
  return QColor(c.r, c.g, c.b);
}

void TCoverage::AddSamples(int sampleRow, int sample0, int sample1) {
  if (sampleRow < 0 || sampleRow >= 4 * height_) return;
  sample0 = std::max(sample0, 0);
  sample1 = std::min(sample1, 4 * width_);
  if (sample0 >= sample1) return;
  uint8_t* row = cells_.data() + static_cast<size_t>(sampleRow / 4) * width_;
  const int p0 = sample0 >> 2, p1 = (sample1 - 1) >> 2;
  auto add = [&](int p, int n) { row[p] = static_cast<uint8_t>(std::min(row[p] + n, 16)); };
  if (p0 == p1) {
    add(p0, sample1 - sample0);
    return;
  }
  add(p0, 4 - (sample0 & 3));
  for (int p = p0 + 1; p < p1; ++p) add(p, 4);
  add(p1, ((sample1 - 1) & 3) + 1);
}

TCoverage Rasterise(const QRect& area, const TSpanFunction& spans) {
  TCoverage cov(area.left(), area.top(), area.width(), area.height());
  if (cov.IsEmpty()) return cov;
  TSpans row;
  for (int s = 0; s < 4 * cov.Height(); ++s) {
    const double y = area.top() + (s + 0.5) / 4.0;
    row.clear();
    spans(y, row);
    for (const auto& [x0, x1] : row) {
      // Sample i lies at left + (i + 0.5) / 4; it is inside when x0 <= it < x1.
      const double first = std::ceil(4.0 * (x0 - area.left()) - 0.5);
      const double last = std::ceil(4.0 * (x1 - area.left()) - 0.5);
      const double limit = 4.0 * cov.Width();
      cov.AddSamples(s, static_cast<int>(std::clamp(first, 0.0, limit)),
                     static_cast<int>(std::clamp(last, 0.0, limit)));
    }
  }
  return cov;
}

void RoundRectSpans(double left, double top, double right, double bottom, double radius, double y, TSpans& spans) {
  if (y < top || y >= bottom || left >= right) return;
  radius = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2.0);
  double dy = 0;
  if (y < top + radius) dy = top + radius - y;
  else if (y > bottom - radius) dy = y - (bottom - radius);
  const double inset = dy > 0 ? radius - std::sqrt(std::max(radius * radius - dy * dy, 0.0)) : 0.0;
  if (left + inset < right - inset) spans.emplace_back(left + inset, right - inset);
}

std::optional<TCoverage> RadiusMask(int width, int height, int radius) {
  if (radius <= 0 || width <= 0 || height <= 0) return std::nullopt;
  return Rasterise(QRect(0, 0, width, height),
                   [&](double y, TSpans& spans) { RoundRectSpans(0, 0, width, height, radius, y, spans); });
}

// ---------------------------------------------------------------------------
// Blending

namespace {

// One pixel: s the source, d the target, c the coverage 0..16.
template <int Mode>
inline void BlendPixel(uint8_t* d, const uint8_t* s, int c, int xa, const TRgb& xc) {
  if constexpr (Mode == 9) {
    // The weight of each byte comes from that byte of the source.
    for (int k = 0; k < 3; ++k) {
      const int a = (((xa * (255 - s[k])) >> 8) * c) >> 4;
      d[k] = static_cast<uint8_t>(d[k] + (((255 - 2 * d[k]) * a) >> 8));
    }
  } else {
    int a;
    if constexpr (Mode == 0) {
      a = xa;
    } else {
      const int l = (s[0] + s[1] + s[2]) / 3;
      if constexpr (Mode == 1 || Mode == 3 || Mode == 6 || Mode == 8) a = (l * xa) >> 8;
      else a = ((255 - l) * xa) >> 8;
    }
    a = (a * c) >> 4;
    if constexpr (Mode <= 2) {
      for (int k = 0; k < 3; ++k) d[k] = static_cast<uint8_t>(d[k] + ((a * (s[k] - d[k])) >> 8));
    } else if constexpr (Mode == 3 || Mode == 5) {
      for (int k = 0; k < 3; ++k) d[k] = static_cast<uint8_t>(d[k] + (((255 - d[k]) * a) >> 8));
    } else if constexpr (Mode == 4 || Mode == 6) {
      for (int k = 0; k < 3; ++k) d[k] = static_cast<uint8_t>(d[k] - ((a * d[k]) >> 8));
    } else {
      const uint8_t tint[3] = {xc.r, xc.g, xc.b};
      for (int k = 0; k < 3; ++k) d[k] = static_cast<uint8_t>(d[k] + (((tint[k] - d[k]) * a) >> 8));
    }
  }
}

template <int Mode>
void BlendRun(uint8_t* d, const uint8_t* s, int step, const uint8_t* cover, int count, int xa, const TRgb& xc) {
  if (cover) {
    for (int i = 0; i < count; ++i, d += 3, s += step)
      if (cover[i]) BlendPixel<Mode>(d, s, cover[i], xa, xc);
  } else {
    for (int i = 0; i < count; ++i, d += 3, s += step) BlendPixel<Mode>(d, s, 16, xa, xc);
  }
}

QImage As24Bit(const QImage& image) {
  return image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
}

bool Usable(const QImage& target) { return !target.isNull() && target.format() == QImage::Format_RGB888; }

}  // namespace

void BlendLine(uint8_t* target, const uint8_t* source, int sourceStep, const uint8_t* coverage, int count,
               const TBlend& blend) {
  if (count <= 0) return;
  const int xa = std::clamp(blend.xAlpha, 0, 255);
  if (blend.mode < 1 || blend.mode > 9) {
    if (xa == 255 && !coverage && sourceStep == 3) {
      std::memcpy(target, source, static_cast<size_t>(count) * 3);
      return;
    }
  }
  // One instantiation per mode; modes outside 0..9 blend as mode 0.
  using TRun = void (*)(uint8_t*, const uint8_t*, int, const uint8_t*, int, int, const TRgb&);
  static constexpr TRun kRuns[] = {BlendRun<0>, BlendRun<1>, BlendRun<2>, BlendRun<3>, BlendRun<4>,
                                   BlendRun<5>, BlendRun<6>, BlendRun<7>, BlendRun<8>, BlendRun<9>};
  const TRun run = blend.mode >= 1 && blend.mode <= 9 ? kRuns[blend.mode] : kRuns[0];
  run(target, source, sourceStep, coverage, count, xa, blend.xColor);
}

void BlendPicture(QImage& target, int x, int y, const QImage& source, const TBlend& blend, const TCoverage* mask) {
  if (!Usable(target) || source.isNull()) return;
  const QImage src = As24Bit(source);
  const QRect place = QRect(x, y, src.width(), src.height()) & target.rect();
  if (place.isEmpty()) return;
  const int sx = place.left() - x, count = place.width();
  for (int row = place.top(); row <= place.bottom(); ++row) {
    const int sy = row - y;
    const uint8_t* s = src.constScanLine(sy) + 3 * sx;
    uint8_t* d = target.scanLine(row) + 3 * place.left();
    if (!mask) {
      BlendLine(d, s, 3, nullptr, count, blend);
      continue;
    }
    // The mask covers the picture only where it lies; outside it nothing shows.
    for (int i = 0; i < count; ++i) {
      const int mx = sx + i - mask->Left(), my = sy - mask->Top();
      if (mx < 0 || my < 0 || mx >= mask->Width() || my >= mask->Height()) continue;
      int run = 1;
      while (i + run < count && mx + run < mask->Width()) ++run;
      BlendLine(d + 3 * i, s + 3 * i, 3, mask->Row(my) + mx, run, blend);
      i += run - 1;
    }
  }
}

void BlendColor(QImage& target, const TCoverage& area, TRgb color, const TBlend& blend) {
  if (!Usable(target)) return;
  const QRect place = area.Rect() & target.rect();
  const uint8_t src[3] = {color.r, color.g, color.b};
  for (int row = place.top(); row <= place.bottom(); ++row)
    BlendLine(target.scanLine(row) + 3 * place.left(), src, 0,
              area.Row(row - area.Top()) + (place.left() - area.Left()), place.width(), blend);
}

void PaintCoverage(QImage& target, const TCoverage& area, TRgb color) {
  if (!Usable(target)) return;
  const QRect place = area.Rect() & target.rect();
  const int s[3] = {color.r, color.g, color.b};
  for (int row = place.top(); row <= place.bottom(); ++row) {
    uint8_t* d = target.scanLine(row) + 3 * place.left();
    const uint8_t* c = area.Row(row - area.Top()) + (place.left() - area.Left());
    for (int i = 0; i < place.width(); ++i, d += 3) {
      if (c[i] == 0) continue;
      for (int k = 0; k < 3; ++k) d[k] = static_cast<uint8_t>(d[k] + (((s[k] - d[k]) * c[i]) >> 4));
    }
  }
}

// ---------------------------------------------------------------------------
// Plain drawing

void FillRect(QImage& target, const QRect& rect, TRgb color) {
  if (!Usable(target)) return;
  const QRect place = rect & target.rect();
  if (place.isEmpty()) return;
  uint8_t* first = target.scanLine(place.top()) + 3 * place.left();
  for (int i = 0; i < place.width(); ++i) {
    first[3 * i] = color.r;
    first[3 * i + 1] = color.g;
    first[3 * i + 2] = color.b;
  }
  for (int row = place.top() + 1; row <= place.bottom(); ++row)
    std::memcpy(target.scanLine(row) + 3 * place.left(), first, static_cast<size_t>(place.width()) * 3);
}

void CopyPicture(QImage& target, int x, int y, const QImage& source) { BlendPicture(target, x, y, source, TBlend{}); }

void StretchPicture(QImage& target, const QRect& rect, const QImage& source) {
  if (!Usable(target) || source.isNull() || rect.isEmpty()) return;
  // Only the visible part is scaled, so a huge scale factor costs no memory.
  const QRect visible = rect & target.rect();
  if (visible.isEmpty()) return;
  if (rect.size() == source.size()) {
    CopyPicture(target, rect.left(), rect.top(), source);
    return;
  }
  if (static_cast<int64_t>(rect.width()) * rect.height() <=
      4 * static_cast<int64_t>(target.width()) * target.height()) {
    CopyPicture(target, rect.left(), rect.top(),
                source.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return;
  }
  // A picture blown up far beyond the target: sample the visible part.
  const QImage src = As24Bit(source);
  for (int row = visible.top(); row <= visible.bottom(); ++row) {
    const int sy = static_cast<int>(static_cast<int64_t>(row - rect.top()) * src.height() / rect.height());
    const uint8_t* s = src.constScanLine(sy);
    uint8_t* d = target.scanLine(row);
    for (int col = visible.left(); col <= visible.right(); ++col) {
      const int sx = static_cast<int>(static_cast<int64_t>(col - rect.left()) * src.width() / rect.width());
      std::memcpy(d + 3 * col, s + 3 * sx, 3);
    }
  }
}

// ---------------------------------------------------------------------------

TXBitmap::TXBitmap(int width, int height) : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB888) {
  image_.fill(Qt::black);
}

TXBitmap::TXBitmap(const QImage& image) : image_(As24Bit(image)) {}

void TXBitmap::SetXAlpha(int alpha) { xAlpha_ = std::clamp(alpha, 0, 255); }

void TXBitmap::Blend(const QImage& source, int x, int y, int mode, const TCoverage* mask) {
  BlendPicture(image_, x, y, source, TBlend{mode, xAlpha_, xColor_}, mask);
}

void TXBitmap::BlendColor(const TCoverage& area, TRgb color, int mode) {
  vyr::BlendColor(image_, area, color, TBlend{mode, xAlpha_, xColor_});
}

QImage RecolorArea(const QImage& area, int32_t tint, int32_t field) {
  TXBitmap face(area.width(), area.height());
  FillRect(face.Image(), face.Image().rect(), ColorToRgb(field));
  face.SetXColor(tint);
  face.Blend(area, 0, 0, 7);
  return face.Image();
}

}  // namespace vyr
