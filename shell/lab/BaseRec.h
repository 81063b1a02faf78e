#pragma once
// The sound recorder: one take of the microphone (16-bit mono, 44,100 Hz),
// kept by the sound layer's wave device "test", replayed on request and, in
// the editor, saved as a wave file. No widget code, so both programs link it.
//
// States: 3 device just opened, 0 idle, 1 recording, 2 playing. A timer
// (100 ms while recording, 50 ms while playing) watches the device: it stops
// a take at the limit and notices the end of a playback.
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>

namespace vyr {

class TBaseRec : public QObject {
 public:
  enum TState { Idle = 0, Recording = 1, Playing = 2, Opened = 3 };
  static constexpr int kBitsPerSample = 16, kChannels = 1, kSamplesPerSecond = 44100;
  static constexpr int kDefaultMaxSeconds = 4;

  TBaseRec();
  ~TBaseRec() override;
  TBaseRec(const TBaseRec&) = delete;
  TBaseRec& operator=(const TBaseRec&) = delete;

  // A new take replaces the old one. A device that will not record shows
  // one message and leaves the recorder idle.
  void StartRecording();
  // Replays the take; a take still being recorded ends first.
  void PlayRecording();
  void StopRecorder();
  // The limit of a take in seconds; a value outside 1..19 means 4.
  void SetMaxSeconds(int seconds);
  int MaxSeconds() const { return maxSeconds_; }
  int State() const { return state_; }

  // The take as a wave file, written safely (a failure keeps the old file
  // and shows one message). False, with nothing written, when there is no take.
  bool SaveRecording(const std::string& path);
  // The take's length in milliseconds (0 without one).
  int RecordingLength();

  // Fired on every change of state.
  std::function<void()> OnStateChange;

  // The watching timer; TimerTick is what it runs.
  bool TimerActive() const { return timer_.isActive(); }
  int TimerInterval() const { return timer_.interval(); }
  void TimerTick();

 protected:
  // A state change: the page recorder paints first, then fires the event.
  virtual void StateChanged();

 private:
  // Sends a command string: the answer, or "Error" and the number, after a
  // message unless silent.
  std::string SendCommand(std::string_view command, bool silent = false);
  void SetState(int state);
  void StopTimer() { timer_.stop(); }

  int state_ = Opened;
  int maxSeconds_ = kDefaultMaxSeconds;
  QTimer timer_;
};

}  // namespace vyr
