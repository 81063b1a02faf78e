#include "page/draw/BoxShapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "page/draw/Blend.h"
#include "page/model/PageTables.h"
#include "platform/core/Random.h"

namespace vyr {

TBoxPaint BoxPaintOf(const TBox& box) {
  TBoxPaint p;
  p.Left = box.Left;
  p.Top = box.Top;
  p.Width = box.Width;
  p.Height = box.Height;
  p.Filled = box.Filled;
  p.FillColor = box.FillColor;
  p.BorderColor = box.BorderColor;
  p.BorderWidth = box.BorderWidth;
  p.Shape = box.Shape;
  p.Radius = box.Radius;
  p.Offset = box.Offset;
  p.Opacity = box.Opacity;
  p.Mode = box.Mode;
  return p;
}

bool BoxIsDrawn(const TBoxPaint& box) { return box.Filled || box.BorderWidth > 0; }

namespace {

// Coordinates far outside any page are held here, so sums cannot overflow.
constexpr double kFar = 1 << 28;

struct TArea {
  double left, top, right, bottom;
  TArea Inset(double by) const { return {left + by, top + by, right - by, bottom - by}; }
  bool Empty() const { return left >= right || top >= bottom; }
  QRect Pixels() const {
    auto c = [](double v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
    return QRect(QPoint(c(std::floor(left)), c(std::floor(top))),
                 QPoint(c(std::ceil(right)) - 1, c(std::ceil(bottom)) - 1));
  }
};

void EllipseSpans(const TArea& a, double y, TSpans& spans) {
  const double rx = (a.right - a.left) / 2, ry = (a.bottom - a.top) / 2;
  if (rx <= 0 || ry <= 0) return;
  const double t = (y - (a.top + ry)) / ry;
  if (t <= -1 || t >= 1) return;
  const double dx = rx * std::sqrt(1 - t * t);
  const double cx = a.left + rx;
  spans.emplace_back(cx - dx, cx + dx);
}

// Even-odd filling, as polygons are filled.
void PolygonSpans(const std::vector<std::pair<double, double>>& points, double y, TSpans& spans) {
  std::vector<double> xs;
  for (size_t i = 0; i < points.size(); ++i) {
    const auto [x1, y1] = points[i];
    const auto [x2, y2] = points[(i + 1) % points.size()];
    if ((y1 <= y && y < y2) || (y2 <= y && y < y1)) xs.push_back(x1 + (y - y1) * (x2 - x1) / (y2 - y1));
  }
  std::sort(xs.begin(), xs.end());
  for (size_t i = 0; i + 1 < xs.size(); i += 2) spans.emplace_back(xs[i], xs[i + 1]);
}

// What a convex outer shape covers and an inner one does not: the border.
TSpanFunction RingSpans(TSpanFunction outer, TSpanFunction inner) {
  return [outer = std::move(outer), inner = std::move(inner)](double y, TSpans& spans) {
    TSpans o, i;
    outer(y, o);
    inner(y, i);
    for (const auto& [x0, x1] : o) {
      if (i.empty() || i[0].first >= i[0].second) {
        spans.emplace_back(x0, x1);
        continue;
      }
      if (i[0].first > x0) spans.emplace_back(x0, std::min(x1, i[0].first));
      if (i[0].second < x1) spans.emplace_back(std::max(x0, i[0].second), x1);
    }
  };
}

class TBoxPainter {
 public:
  TBoxPainter(QImage& target, const TBoxPaint& box)
      : target_(target),
        box_(box),
        pen_(std::clamp(box.BorderWidth, 0, 500)),
        opaque_(box.Opacity >= 255 && box.Mode == 0),
        fill_(ColorToRgb(box.FillColor)),
        border_(ColorToRgb(box.BorderColor)) {}

  void Draw() {
    const double x = box_.Left, y = box_.Top, w = box_.Width, h = box_.Height, o = box_.Offset;
    const TArea gdi{x - o, y - o, x + w + o + 1, y + h + o + 1};
    switch (box_.Shape) {
      case 1: Shape(Drawn(gdi), std::max(box_.Radius, 0), RoundRectOf); break;
      case 2: Shape(Drawn(gdi), 0, EllipseOf); break;
      case 3: Bands(gdi); break;
      case 4: Shadowed(x, y, w, h, o); break;
      default: Shape(Drawn(gdi), 0, RectangleOf); break;
    }
  }

 private:
  using TShapeOf = void (*)(const TArea& area, double radius, double y, TSpans& spans);

  static void RectangleOf(const TArea& a, double, double y, TSpans& s) {
    if (y >= a.top && y < a.bottom) s.emplace_back(a.left, a.right);
  }
  static void RoundRectOf(const TArea& a, double r, double y, TSpans& s) {
    RoundRectSpans(a.left, a.top, a.right, a.bottom, r, y, s);
  }
  static void EllipseOf(const TArea& a, double, double y, TSpans& s) { EllipseSpans(a, y, s); }

  // A shape "from (left, top) to (right, bottom)" covers [left, right) x
  // [top, bottom) with a border, which lies inside it; without a border the
  // fill stops one pixel before the right and bottom ends.
  TArea Drawn(const TArea& gdi) const {
    return pen_ > 0 ? gdi : TArea{gdi.left, gdi.top, gdi.right - 1, gdi.bottom - 1};
  }

  void Paint(const TCoverage& cov, TRgb color) {
    if (cov.IsEmpty()) return;
    if (opaque_) PaintCoverage(target_, cov, color);
    else BlendColor(target_, cov, color, TBlend{box_.Mode, box_.Opacity, color});
  }

  TCoverage Cover(const TArea& bounds, const TSpanFunction& spans) {
    if (bounds.Empty()) return {};
    return Rasterise(bounds.Pixels() & target_.rect(), spans);
  }

  // The fill inside the border, then the border: what the shape covers and
  // the same shape drawn the border width further in does not. The inner
  // edge of a rounded border keeps the centres of its corners.
  void Shape(const TArea& area, double radius, TShapeOf shape) {
    if (area.Empty()) return;
    const TArea inside = area.Inset(pen_);
    const double innerRadius = std::max(radius - pen_, 0.0);
    if (box_.Filled && !inside.Empty())
      Paint(Cover(inside, [&](double y, TSpans& s) { shape(inside, innerRadius, y, s); }), fill_);
    if (pen_ > 0) {
      TSpanFunction outer = [&](double y, TSpans& s) { shape(area, radius, y, s); };
      TSpanFunction hole = [&](double y, TSpans& s) {
        if (!inside.Empty()) shape(inside, innerRadius, y, s);
      };
      Paint(Cover(area, RingSpans(outer, hole)), border_);
    }
  }

  // Bands of random height with random gaps from the top of the box down to
  // its bottom. With heights that could never grow (radius 0 or 1) the box
  // is a plain rectangle.
  void Bands(const TArea& gdi) {
    const int r = box_.Radius;
    if (r <= 1) {
      Shape(Drawn(gdi), 0, RectangleOf);
      return;
    }
    // Bands wholly above the picture are not drawn; they start just above it.
    double cy = std::max(gdi.top, -static_cast<double>(r));
    const double bottom = std::min(gdi.bottom, static_cast<double>(target_.height()));
    while (cy < bottom) {
      const int height = RandomInt(r);
      const TArea band = Drawn({gdi.left, cy, gdi.right, std::min(cy + height, gdi.bottom)});
      if (!band.Empty()) Shape(band, 0, RectangleOf);
      cy += height + RandomInt(r);
    }
  }

  // A shadow polygon in the border colour, offset down and right, and the
  // face inside the border on top of it.
  void Shadowed(double x, double y, double w, double h, double o) {
    const std::vector<std::pair<double, double>> points = {
        {x, y + h}, {x + o, y + h + o}, {x + w + o, y + h + o}, {x + w + o, y + o}, {x + w, y}, {x, y}};
    double l = x, t = y, r = x, b = y;
    for (const auto& [px, py] : points) {
      l = std::min(l, px), t = std::min(t, py), r = std::max(r, px), b = std::max(b, py);
    }
    Paint(Cover({l, t, r, b}, [&](double yy, TSpans& s) { PolygonSpans(points, yy, s); }), border_);
    if (box_.Filled) {
      const TArea face{x + pen_, y + pen_, x + w - pen_, y + h - pen_};
      Paint(Cover(face, [&](double yy, TSpans& s) { RectangleOf(face, 0, yy, s); }), fill_);
    }
  }

  QImage& target_;
  const TBoxPaint& box_;
  const int pen_;
  const bool opaque_;
  const TRgb fill_, border_;
};

}  // namespace

void DrawBox(QImage& target, const TBoxPaint& box) {
  if (!BoxIsDrawn(box) || target.isNull() || target.format() != QImage::Format_RGB888) return;
  TBoxPainter(target, box).Draw();
}

}  // namespace vyr
