#include "superlearning/sound/SampleThread.h"

#include "platform/desktop/Sound.h"

namespace vyr {
namespace {
constexpr const char* kAlias = "klang";
}

TSampleThread::TSampleThread(std::string file, bool paused) : file_(std::move(file)), paused_(paused) {}

void TSampleThread::Cancel() {
  cancelled_ = true;
  waiting_ = false;
  release_.release();
}

void TSampleThread::run() {
  const std::string alias(kAlias);
  if (!SendSoundCommand("open \"" + file_ + "\" alias " + alias + " wait").ok()) return;
  if (paused_) {
    waiting_ = true;
    emit WaitsForRelease();
    release_.acquire();
    waiting_ = false;
  }
  if (!cancelled_) SendSoundCommand("play " + alias + " from 0 wait");
  SendSoundCommand("close " + alias);
}

}  // namespace vyr
