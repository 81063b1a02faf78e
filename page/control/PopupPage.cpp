// The pop-up page: a second page control shown inside this one, created
// once and hidden until it is asked for.
#include "page/control/PageControl.h"

namespace vyr {

void TXPage::ShowPopupPage(const std::string& key, int x, int y, int w, int h, const std::string& markup) {
  if (!popup_) {
    popup_ = new TXPage(this);
    popup_->hide();
    popup_->outer_ = this;
    popup_->model_.OuterVariables = &model_.Variables;
    popup_->loader_.SetXPath(XPath());
    // What the pop-up asks for and sends goes to the owner of this page.
    popup_->OnCommand = [this](TXPage*, const std::string& command) {
      if (OnCommand) OnCommand(this, command);
    };
    popup_->OnSpecialCode = [this](TXPage*, std::string& code) {
      if (OnSpecialCode) OnSpecialCode(this, code);
    };
    popup_->OnPictureRequest = [this](TXPage*, const std::string& code, QImage& picture) {
      if (OnPictureRequest) OnPictureRequest(this, code, picture);
    };
  }
  // Negative places are beside the last right click: right of it and below
  // it when the pop-up fits there, else at the right edge or above it.
  const int clientWidth = width(), clientHeight = height();
  if (x < 0) {
    const int right = lastRightClick_.x() + -x - 1;
    x = right + w < clientWidth ? right : clientWidth - w;
  }
  if (y < 0) {
    const int below = lastRightClick_.y() + -y - 1;
    y = below + h <= clientHeight ? below : lastRightClick_.y() - -y - h;
  }
  if (popup_->isHidden()) {
    popupKey_ = key;
    popup_->setGeometry(x, y, std::max(1, w), std::max(1, h));
    popup_->loader_.SetXPath(XPath());
    popup_->ShowText(markup);
    popup_->show();
    popup_->raise();
  } else if (popupKey_ != key) {
    popupKey_ = key;
    popup_->ShowText(markup);
  } else {
    popup_->hide();
  }
}

void TXPage::HidePopup() {
  if (popup_ && popup_->isVisible()) popup_->hide();
}

}  // namespace vyr
