#include "page/widgets/ColorButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <cstdlib>
#include <optional>

#include "page/draw/Blend.h"
#include "text/Cp1252.h"

namespace vyr {

std::vector<QPoint> LinePixels(QPoint from, QPoint to) {
  std::vector<QPoint> out;
  const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
  int err = dx + dy, x = from.x(), y = from.y();
  while (x != to.x() || y != to.y()) {
    out.emplace_back(x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
  return out;
}

namespace {

QRect LTRB(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

int32_t ColorOf(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

void Polyline(QImage& img, std::initializer_list<QPoint> points, int32_t color) {
  const TRgb c = ColorToRgb(color);
  const QPoint* prev = nullptr;
  for (const QPoint& p : points) {
    if (prev)
      for (const QPoint& q : LinePixels(*prev, p))
        if (img.rect().contains(q)) {
          uint8_t* d = img.scanLine(q.y()) + 3 * q.x();
          d[0] = c.r, d[1] = c.g, d[2] = c.b;
        }
    prev = &p;
  }
}

// A one-pixel frame just inside the rectangle.
void Frame(QImage& img, const QRect& r, int32_t color) {
  Polyline(img, {r.topLeft(), QPoint(r.right() + 1, r.top())}, color);
  Polyline(img, {QPoint(r.left(), r.bottom()), QPoint(r.right() + 1, r.bottom())}, color);
  Polyline(img, {r.topLeft(), QPoint(r.left(), r.bottom() + 1)}, color);
  Polyline(img, {QPoint(r.right(), r.top()), QPoint(r.right(), r.bottom() + 1)}, color);
}

}  // namespace

tXColorButton::tXColorButton(QWidget* parent) : QWidget(parent) {
  const QPalette pal = parent ? parent->palette() : palette();
  color_ = ColorOf(pal.color(QPalette::Window));
  fontColor_ = ColorOf(pal.color(QPalette::WindowText));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  resize(105, 105);
}

tXColorButton::~tXColorButton() = default;

void tXColorButton::Changed(bool sizeStep) {
  if (sizeStep) SizeStep();
  update();
}

void tXColorButton::SizeStep() {
  if (autoSize_ && picture1_.width() > 0 && picture1_.height() > 0) resize(picture1_.size());
}

void tXColorButton::SetCaption(std::string_view caption) { Assign(caption_, std::string(caption)); }

void tXColorButton::SetShowCaption(bool on) { Assign(showCaption_, on); }

void tXColorButton::SetFontColor(int32_t color) { Assign(fontColor_, color); }

void tXColorButton::SetColor(int32_t color) { Assign(color_, color); }

int32_t tXColorButton::RGB() const {
  return ((color_ & 0xFF) << 16) | (color_ & 0xFF00) | ((color_ >> 16) & 0xFF) | (color_ & ~0xFFFFFF);
}

void tXColorButton::SetRGB(int32_t rgb) {
  SetColor(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF) | (rgb & ~0xFFFFFF));
}

void tXColorButton::SetFlashColor(int32_t color) { Assign(flashColor_, color); }

void tXColorButton::SetPicture1(const QImage& picture, bool isIcon) {
  picture1Icon_ = isIcon;
  picture1_ = (isIcon || picture.hasAlphaChannel() || picture.isNull())
                  ? picture
                  : picture.convertToFormat(QImage::Format_RGB888);
  if (!isIcon && !picture.isNull()) showCaption_ = false;
  Changed(true);
}

void tXColorButton::SetPicture2(const QImage& picture) {
  picture2_ = picture;
  Changed();
}

void tXColorButton::SetMode(TTransitionMode mode) { Assign(mode_, mode); }

void tXColorButton::SetRadius(int radius) { Assign(radius_, radius); }

void tXColorButton::SetStretch(bool on) { Assign(stretch_, on, true); }

void tXColorButton::SetCenter(bool on) { Assign(center_, on, true); }

void tXColorButton::SetAbstand(int pixels) { Assign(abstand_, pixels); }

void tXColorButton::SetAutoSize(bool on) { Assign(autoSize_, on, true); }

void tXColorButton::SetDDD(bool on) { Assign(ddd_, on); }

void tXColorButton::SetMouseOver(bool on) { Assign(mouseOver_, on); }

void tXColorButton::SetMouseOver3D(bool on) { Assign(mouseOver3D_, on); }

void tXColorButton::SetOnOff(bool on) { Assign(onOff_, on); }

void tXColorButton::SetIsOn(bool on) {
  if (onOff_) Assign(isOn_, on, true);
}

void tXColorButton::SetImage(const QImage& image) { Assign(image_, image); }

void tXColorButton::SetHintergrund(const QImage& image) { Assign(hintergrund_, image); }

bool tXColorButton::PictureIs24Bit() const {
  return !picture1Icon_ && !picture1_.isNull() && picture1_.format() == QImage::Format_RGB888;
}

QImage tXColorButton::RenderFace() const {
  const int W = std::max(width(), 1), H = std::max(height(), 1);
  QImage face(W, H, QImage::Format_RGB888);
  face.fill(ToQColor(color_));
  const bool enabled = isEnabled();
  const bool hot = hovered_ && enabled;

  // 1. Where the picture goes and which part of the face image shows.
  const QRect area = ddd_ ? LTRB(2, 2, W - 2, H - 2) : LTRB(0, 0, W, H);
  const QRect source = ddd_ ? (pressed_ ? LTRB(2, 2, W - 2, H - 2) : LTRB(3, 3, W - 1, H - 1))
                            : (pressed_ ? LTRB(0, 0, W, H) : LTRB(1, 1, W, H));
  // 2. Caption colour.
  const int32_t captionColor = (mouseOver_ && hot) ? flashColor_ : fontColor_;
  // 3. Bevel colours.
  const int32_t faceRgb = color_ & 0xFFFFFF;
  int32_t light = 0xFFFFFF, dark = 0x808080;
  if (faceRgb == 0x808080) light = 0xFFFFFF, dark = 0x000000;
  else if (faceRgb == 0xFFFFFF) light = 0xC0C0C0, dark = 0x808080;
  const int32_t pen = !ddd_ ? color_ : (pressed_ ? light : dark);

  // 4. The face.
  if (!image_.isNull()) {
    if (ddd_) Frame(face, LTRB(0, 0, W, H), pen);
    QPainter p(&face);
    p.drawImage(area, image_, source);
  } else {
    Frame(face, LTRB(0, 0, W, H), pen);
  }
  // 5. Bevel.
  if (ddd_) {
    if (pressed_) {
      Polyline(face, {{2, H - 2}, {W - 2, H - 2}, {W - 2, 2}}, light);
      Polyline(face, {{0, H}, {0, 0}, {W, 0}}, dark);
      Polyline(face, {{1, H - 2}, {1, 1}, {W - 1, 1}}, dark);
    } else {
      Polyline(face, {{0, H}, {0, 0}, {W, 0}}, light);
      Polyline(face, {{1, H - 2}, {1, 1}, {W - 1, 1}}, light);
      Polyline(face, {{2, H - 2}, {W - 2, H - 2}, {W - 2, 1}}, dark);
    }
  }
  // 6. The edge under the mouse.
  if (mouseOver3D_ && mouseOver_ && hot) {
    if (pressed_) {
      Polyline(face, {{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}}, light);
      Polyline(face, {{0, H}, {0, 0}, {W, 0}}, dark);
    } else {
      Polyline(face, {{0, H - 1}, {0, 0}, {W, 0}}, light);
      Polyline(face, {{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}}, dark);
    }
  }
  const bool shift = pressed_ && hovered_;
  // 7. Caption.
  const bool captionShown = showCaption_ && !caption_.empty();
  int textHeight = 0;
  if (captionShown) {
    QPainter p(&face);
    p.setFont(font());
    const QString text = ToUnicode(caption_);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect extent = p.fontMetrics().boundingRect(LTRB(4, 4, W - 4, H - 4), flags, text);
    textHeight = extent.height();
    const int picHeight = picture1_.height();
    int top = (H - textHeight) / 2;
    if (center_ && !picture1_.isNull() && picHeight < H)
      top = (H - textHeight - picHeight - abstand_) / 2 + picHeight + abstand_;
    int left = (W - extent.width()) / 2;
    if (shift) ++left, ++top;
    p.setPen(ToQColor(captionColor));
    p.drawText(QRect(left, top, extent.width(), textHeight), flags, text);
  }
  // 8. The picture's rectangle.
  const QImage& pic1 = picture1_;
  QRect picRect(0, 0, pic1.width(), pic1.height());
  if (stretch_) {
    picRect = QRect(0, 0, W, H);
  } else if (center_) {
    const int top = captionShown ? (H - textHeight - pic1.height() - abstand_) / 2 : (H - pic1.height()) / 2;
    picRect.moveTo((W - pic1.width()) / 2, top);
    if (shift) picRect.translate(1, 1);
  }
  // 9. The picture, only while enabled.
  if (enabled) {
    auto stretched = [&](const QImage& pic) {
      if (pic.isNull() || picRect.isEmpty()) return;
      QPainter p(&face);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(picRect, pic);
    };
    if (picture2_.isNull()) {
      if (pic1.isNull()) {
      } else if (mode_ == tmNormal && radius_ <= 0) {
        stretched(pic1);
      } else if (PictureIs24Bit()) {
        const bool lit = hovered_ && (pressed_ || mouseOver_);
        TTransitionMode mode = mode_;
        if ((mode_ == tmColor || mode_ == tmColor2) && fontColor_ == flashColor_)
          mode = ((mode_ == tmColor && lit) || (mode_ == tmColor2 && !lit)) ? tmColor2 : tmColor;
        const std::optional<TCoverage> mask = RadiusMask(pic1.width(), pic1.height(), radius_);
        BlendPicture(face, picRect.left(), picRect.top(), pic1,
                     TBlend{mode, 255, ColorToRgb(lit ? flashColor_ : captionColor)}, mask ? &*mask : nullptr);
      } else {
        stretched(pic1);
      }
    } else if (onOff_) {
      stretched(isOn_ ? picture2_ : pic1);
    } else {
      stretched((pressed_ || (hovered_ && mouseOver_)) ? picture2_ : pic1);
    }
  }
  return face;
}

void tXColorButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, RenderFace());
}

void tXColorButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  Changed(true);
}

void tXColorButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() < height();
  if (inside == hovered_) return;
  hovered_ = inside;
  Changed(true);
}

void tXColorButton::leaveEvent(QEvent*) {
  hovered_ = false;
  if (mouseOver_) Changed(true);
}

void tXColorButton::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Release(p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height());
}

void tXColorButton::Release(bool inside) {
  // A handler may free the button (a page button whose click loads a page).
  QPointer<tXColorButton> self(this);
  pressed_ = false;
  if (onOff_ && inside) {
    isOn_ = !isOn_;
    if (isOn_) emit OnTurnOn();
    else emit OnTurnOff();
    if (!self) return;
  }
  SizeStep();
  repaint();
  QCoreApplication::processEvents();
  if (!self || !inside) return;
  if (action_) action_->trigger();
  else emit OnClick();
}

void tXColorButton::keyPressEvent(QKeyEvent* event) {
  const int k = event->key();
  if (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) {
    pressed_ = true;
    Changed(true);
  }
}

void tXColorButton::keyReleaseEvent(QKeyEvent* event) {
  const int k = event->key();
  if (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (!event->isAutoRepeat() && pressed_) Release(true);
}

void tXColorButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

}  // namespace vyr
