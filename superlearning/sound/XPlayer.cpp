#include "superlearning/sound/XPlayer.h"

#include <QAudio>
#include <QMetaObject>

#include "platform/core/Files.h"

namespace vyr {

float LinearVolume(int hundredthsDb) {
  return QAudio::convertVolume(hundredthsDb / 100.0f, QAudio::DecibelVolumeScale, QAudio::LinearVolumeScale);
}

TXPlayer::TXPlayer() = default;
TXPlayer::~TXPlayer() = default;

bool TXPlayer::Play() {
  if (stream_) Release();
  if (!FileExists(FileName)) return false;
  // A back end may report a failure while the file is still being set,
  // so the player waits for the outcome before it opens the stream.
  playing_ = true;
  outcomePending_ = true;
  stream_ = TMusicStream::Open(FileName, [this](TMusicStream::TReport r) { Report(r); });
  if (!stream_) {
    playing_ = outcomePending_ = false;
    return false;
  }
  Apply();
  stream_->Play();
  return true;
}

void TXPlayer::Release() {
  stream_.reset();
  playing_ = false;
  outcomePending_ = false;
  events_.clear();
}

void TXPlayer::SetVolume(int volume) {
  if (volume == volume_) return;
  volume_ = volume;
  if (playing_) Apply();
}

void TXPlayer::Apply() {
  if (stream_) stream_->SetVolume(LinearVolume(volume_));
}

void TXPlayer::SetNotifyWindow(QObject* window, std::function<void()> onEvent) {
  window_ = window;
  onEvent_ = window ? std::move(onEvent) : nullptr;
}

void TXPlayer::Report(TMusicStream::TReport r) {
  if (outcomePending_ && (r == TMusicStream::TReport::Started || r == TMusicStream::TReport::Failed)) {
    outcomePending_ = false;
    if (onStartOutcome) onStartOutcome(r == TMusicStream::TReport::Started);
  }
  if (r == TMusicStream::TReport::Started) return;
  events_.push_back(r == TMusicStream::TReport::Completed ? kEventCompleted : kEventError);
  // The window handles the event on a later turn of the event loop, never
  // inside the stream's own report.
  if (window_ && onEvent_) QMetaObject::invokeMethod(window_, onEvent_, Qt::QueuedConnection);
}

int TXPlayer::HandleEvents() {
  int code = 0;
  while (!events_.empty()) {
    code = events_.front();
    events_.pop_front();
    if (code == kEventCompleted || code == kEventAborted) playing_ = false;
    if (code == kEventError) {
      playing_ = false;
      Release();  // also drops any later events of the broken piece
    }
  }
  return code;
}

}  // namespace vyr
