#include "page/widgets/CheckBoxWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "page/widgets/ColorButton.h"
#include "text/Cp1252.h"

namespace vyr {

tXCheckBox::tXCheckBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(65, 17);
}

tXCheckBox::~tXCheckBox() = default;

void tXCheckBox::SetCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = std::string(caption);
  update();
}

void tXCheckBox::SetFontColor(int32_t color) {
  if (fontColor_ == color) return;
  fontColor_ = color;
  update();
}

void tXCheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  repaint();
}

void tXCheckBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The caption, beside the box, centred by the height of the font's tall
  // and deep letters; the parent shows through around it.
  p.setFont(font());
  // (the text height of "AXyg": the font's full cell height)
  const int textHeight = p.fontMetrics().height();
  const int textTop = (height() - textHeight) / 2;
  if (isEnabled()) p.setPen(QColor(fontColor_ & 0xFF, (fontColor_ >> 8) & 0xFF, (fontColor_ >> 16) & 0xFF));
  else p.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
  p.drawText(QRect(16, textTop, std::max(width() - 16, 0), textHeight),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ToUnicode(caption_));
  // The box: white inside a black frame, and the tick of three lines.
  const int top = BoxTop();
  p.fillRect(QRect(0, top, 12, 12), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(QRect(0, top, 11, 11));
  if (!checked_) return;
  for (int down = 0; down < 3; ++down) {
    for (const QPoint& px : LinePixels({2, top + 5 + down}, {4, top + 7 + down})) p.drawPoint(px);
    for (const QPoint& px : LinePixels({4, top + 7 + down}, {10, top + 1 + down})) p.drawPoint(px);
  }
}

void tXCheckBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  checked_ = !checked_;
  repaint();
}

void tXCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height()) emit OnClick();
}

void tXCheckBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
    QWidget::keyPressEvent(event);
    return;
  }
  checked_ = !checked_;
  repaint();
  emit OnClick();
}

void tXCheckBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}

}  // namespace vyr
