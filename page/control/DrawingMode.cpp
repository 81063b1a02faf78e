#include "page/control/PageControl.h"

namespace vyr {

void TXPage::SetDrawingMode(bool on) {
  if (on == drawingMode_) return;
  drawingMode_ = on;
  if (on) {
    ClearHover();
    tips_.CloseHint();
    tips_.ForgetHint();
    lomo_.Stop();
    jumpTimer_->stop();
    if (buffer_.width() < width() || buffer_.height() < height()) {
      buffer_ = QImage(size(), QImage::Format_RGB32);
      buffer_.fill(Qt::black);
    }
  } else {
    // The style drew over the page: the page is laid out and drawn again.
    if (!model_.Elements.empty()) layoutAndDraw();
  }
  update();
}

void TXPage::UpdateRect(const QRect& r) { update(r.intersected(rect())); }

}  // namespace vyr
