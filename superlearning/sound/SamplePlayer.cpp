#include "superlearning/sound/SamplePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/core/Files.h"
#include "platform/desktop/Sound.h"
#include "superlearning/sound/SampleThread.h"

namespace vyr {

TSamplePlayer::TSamplePlayer() = default;

TSamplePlayer::~TSamplePlayer() {
  if (!thread_) return;
  StopSample();
  TSampleThread* thread = thread_;
  if (!thread) return;  // a settling stop has seen it end and freed it
  thread_ = nullptr;    // from here on the thread is this destructor's to free
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
  connect(
      thread, &TSampleThread::WaitsForRelease, this,
      [this] {
        if (settleLoop_) settleLoop_->quit();
      },
      Qt::QueuedConnection);
  thread->start(QThread::HighPriority);
  if (settling_) Settle();
}

void TSamplePlayer::Settle() {
  // The thread's sound commands run on this thread, so the loop turns
  // until the thread's own signal (or its end) says it has come to rest.
  while (thread_ && !thread_->Waiting() && !settleLoop_) {
    QEventLoop loop;
    settleLoop_ = &loop;
    if (thread_ && !thread_->Waiting()) loop.exec();
    settleLoop_ = nullptr;
  }
}

void TSamplePlayer::ReleaseSample() {
  if (!thread_) return;
  thread_->Release();
  if (settling_) Settle();
}

void TSamplePlayer::StopSample() {
  if (!thread_) return;
  // The thread closes a recording it has not begun; one that plays (or
  // whose "play" is on its way) ends when its device is closed here.
  thread_->Cancel();
  SendSoundCommand("close " + std::string(kAlias));
  if (settling_) Settle();
}

void TSamplePlayer::ThreadEnded(TSampleThread* thread) {
  if (thread != thread_) return;  // the destructor frees it
  thread->wait();
  thread_ = nullptr;
  running_ = 0;
  delete thread;
  if (settleLoop_) settleLoop_->quit();
}

}  // namespace vyr
