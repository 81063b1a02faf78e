#include "superlearning/sound/SamplePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/core/Files.h"
#include "platform/desktop/Sound.h"
#include "superlearning/sound/SampleThread.h"

namespace vyr {

TSamplePlayer::TSamplePlayer() = default;

TSamplePlayer::~TSamplePlayer() {
  TSampleThread* thread = thread_;
  if (!thread) return;
  StopSample();
  thread_ = nullptr;  // from here on the thread is this destructor's to free
  // The thread's commands run on this (the application's) thread, so it is
  // waited for with the event loop turning, never with a plain join.
  QElapsedTimer clock;
  clock.start();
  while (!thread->isFinished() && clock.elapsed() < kDestroyWaitMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  disconnect(thread, nullptr, this, nullptr);
  if (thread->wait(0)) {
    delete thread;
  } else {
    // Still busy after all: it frees itself when it ends.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  }
}

void TSamplePlayer::PlaySample(std::string_view file, bool playNow) {
  if (running_ > 0 || file.empty() || !FileExists(file)) return;
  ++running_;
  file_ = std::string(file);
  thread_ = new TSampleThread(file_, !playNow);
  TSampleThread* thread = thread_;
  // The end is handled on this object's (the application's) thread.
  connect(
      thread, &QThread::finished, this, [this, thread] { ThreadEnded(thread); }, Qt::QueuedConnection);
  thread->start(QThread::HighPriority);
}

void TSamplePlayer::ReleaseSample() {
  if (thread_) thread_->Release();
}

void TSamplePlayer::StopSample() {
  if (!thread_) return;
  // The thread closes a recording it has not begun; one that plays (or
  // whose "play" is on its way) ends when its device is closed here.
  thread_->Cancel();
  SendSoundCommand("close " + std::string(kAlias));
}

void TSamplePlayer::ThreadEnded(TSampleThread* thread) {
  if (thread != thread_) return;  // the destructor frees it
  thread->wait();
  thread_ = nullptr;
  running_ = 0;
  delete thread;
}

}  // namespace vyr
