#include "shell/lab/XRecorder.h"

#include <QPainter>
#include <algorithm>

#include "page/control/PageControl.h"
#include "page/model/ExerciseTables.h"
#include "page/sources/PictureDecode.h"
#include "platform/core/Files.h"

namespace vyr {

TXRecorder::TXRecorder(TXPage& page) : page_(page) {
  page_.RecorderCommand = [this](const std::string& command) { ButtonCommand(command); };
  page_.OnRecorderShow = [this] { ShowFor(page_.Model().Recorder, page_.XPath()); };
  page_.OnRecorderHide = [this] { Hide(); };
}

TXRecorder::~TXRecorder() {
  page_.RecorderCommand = nullptr;
  page_.OnRecorderShow = nullptr;
  page_.OnRecorderHide = nullptr;
}

void TXRecorder::SetActive(bool active) {
  active_ = active;
  if (active_) Paint();
}

void TXRecorder::SetPictures(const std::string& prefix) {
  if (picturesLoaded_ && prefix == prefix_) return;
  prefix_ = prefix;
  picturesLoaded_ = true;
  rec0_ = DecodePictureFile(prefix + "rec0.bmp");
  rec1_ = DecodePictureFile(prefix + "rec1.bmp");
  play0_ = DecodePictureFile(prefix + "play0.bmp");
  play1_ = DecodePictureFile(prefix + "play1.bmp");
}

void TXRecorder::Paint() {
  if (!active_) return;
  const auto button = [this](const QRect& r, const QImage& picture) {
    page_.PaintOnPage(r, [&](QPainter& p) {
      p.fillRect(r, colour_);
      if (picture.isNull()) return;
      // Centred: (left + right - width) div 2, likewise vertically.
      const int x = (r.left() + r.left() + r.width() - picture.width()) / 2;
      const int y = (r.top() + r.top() + r.height() - picture.height()) / 2;
      p.drawImage(x, y, picture);
    });
  };
  button(rec_, State() == Recording ? rec1_ : rec0_);
  button(play_, State() == Playing ? play1_ : play0_);
}

void TXRecorder::StateChanged() {
  Paint();
  TBaseRec::StateChanged();
}

void TXRecorder::ButtonCommand(const std::string& command) {
  if (command == "rec") {
    if (State() == Recording) StopRecorder();
    else StartRecording();
  } else if (command == "play") {
    if (State() == Playing) StopRecorder();
    else PlayRecording();
  }
}

void TXRecorder::ShowFor(const TRecorderBinding& binding, const std::string& pageDirectory) {
  SetButtons(ToQRect(binding.Rec), ToQRect(binding.Play));
  const int32_t c = binding.Color;
  SetColor(c < 0 ? QColor(Qt::white) : QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  SetMaxSeconds(std::min(binding.Max, 19));
  std::string dir = binding.Pictures;
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  SetPictures(HasDrive(dir) ? dir : pageDirectory + dir);
  SetActive(true);
}

void TXRecorder::Hide() {
  if (State() == Recording || State() == Playing) StopRecorder();
  active_ = false;
}

}  // namespace vyr
