#include "shell/lab/BaseRec.h"

#include "platform/core/Messages.h"
#include "platform/desktop/Sound.h"

namespace vyr {
namespace {

bool IsError(const std::string& answer) { return answer.starts_with("Error"); }

}  // namespace

TBaseRec::TBaseRec() {
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { TimerTick(); });
  SendCommand("close test", true);
  SendCommand("open new type waveaudio alias test", true);
}

TBaseRec::~TBaseRec() {
  timer_.stop();
  SendCommand("close test", true);
}

std::string TBaseRec::SendCommand(std::string_view command, bool silent) {
  const TSoundReply reply = SendSoundCommand(command);
  if (reply.ok()) return reply.text;
  if (!silent) ShowCourseMessage(SoundErrorText(reply.error), msg::IconError);
  return "Error" + std::to_string(reply.error);
}

void TBaseRec::SetState(int state) {
  if (state == state_) return;
  state_ = state;
  StateChanged();
}

void TBaseRec::StateChanged() {
  if (OnStateChange) OnStateChange();
}

void TBaseRec::SetMaxSeconds(int seconds) {
  maxSeconds_ = seconds >= 1 && seconds <= 19 ? seconds : kDefaultMaxSeconds;
}

void TBaseRec::StartRecording() {
  StopTimer();
  SendCommand("close test", true);
  constexpr int align = kBitsPerSample * kChannels / 8;
  constexpr int bytesPerSecond = kBitsPerSample * kChannels * kSamplesPerSecond / 8;
  const std::string commands[] = {
      "open new type waveaudio alias test",
      "set test bitspersample " + std::to_string(kBitsPerSample) + " channels " + std::to_string(kChannels) +
          " alignment " + std::to_string(align) + " samplespersec " + std::to_string(kSamplesPerSecond) +
          " bytespersec " + std::to_string(bytesPerSecond),
      "seek test to start",
      // The limit also caps the take itself: a device that hands over its
      // samples late or in bursts still gives a take of at most the limit.
      "record test to " + std::to_string(maxSeconds_ * 1000),
  };
  // The first failure is the one message; the recorder stays idle.
  for (const std::string& c : commands) {
    if (IsError(SendCommand(c))) {
      SetState(Idle);
      return;
    }
  }
  timer_.start(100);
  SetState(Recording);
}

void TBaseRec::PlayRecording() {
  if (state_ == Recording) StopRecorder();  // never play on a device that still records
  StopTimer();
  if (IsError(SendCommand("seek test to start")) || IsError(SendCommand("play test"))) {
    SetState(Idle);
    return;
  }
  // Without a take nothing plays: back to idle at once.
  const std::string mode = SendCommand("status test mode", true);
  if (IsError(mode) || mode.starts_with("stop")) {
    SetState(Idle);
    return;
  }
  timer_.start(50);
  SetState(Playing);
}

void TBaseRec::StopRecorder() {
  SendCommand("stop test");
  StopTimer();  // nothing left to watch
  SetState(Idle);
}

void TBaseRec::TimerTick() {
  const std::string position = SendCommand("status test position", true);
  if (IsError(position)) {
    StopTimer();
    SetState(Idle);
    return;
  }
  if (std::atoll(position.c_str()) >= int64_t(maxSeconds_) * 1000) {
    StopRecorder();
    StopTimer();
  }
  const std::string mode = SendCommand("status test mode", true);
  if (mode.starts_with("been") || mode.starts_with("stop")) {
    StopTimer();
    SetState(Idle);
  }
}

bool TBaseRec::SaveRecording(const std::string& path) {
  if (state_ == Recording) StopRecorder();
  if (RecordingLength() <= 0) return false;
  return !IsError(SendCommand("save test \"" + path + "\""));
}

int TBaseRec::RecordingLength() {
  const std::string answer = SendCommand("status test length", true);
  if (answer.empty() || answer.find_first_not_of("0123456789") != std::string::npos || answer.size() > 9) return 0;
  return std::stoi(answer);
}

}  // namespace vyr
