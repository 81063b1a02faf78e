#pragma once
// The player of single recordings (a word, a sentence): each recording is
// opened, played to its end and closed under the device alias "klang" on a
// thread of its own, one at a time. With a paused start the recording is
// opened ahead and plays when ReleaseSample comes; a release that comes
// before the thread is ready still counts.
#include <QEventLoop>
#include <QObject>
#include <memory>
#include <string>
#include <string_view>

namespace vyr {

class TSampleThread;

class TSamplePlayer : public QObject {
  Q_OBJECT
 public:
  static constexpr std::string_view kAlias = "klang";

  TSamplePlayer();
  // Stops a live recording and waits for its thread, handling events
  // meanwhile, a few seconds at most.
  ~TSamplePlayer() override;

  // Plays an existing file, at once or (playNow false) after ReleaseSample.
  // Ignored while a recording is live.
  void PlaySample(std::string_view file, bool playNow);
  // Lets a paused recording play; nothing when none is live.
  void ReleaseSample();
  // Ends a live recording: a paused one is closed without playing, a
  // playing one stops and is closed (a presentation that stops).
  void StopSample();

  bool Running() const { return running_ > 0; }

  // With settling on, PlaySample, ReleaseSample and StopSample return only
  // once the thread waits for its release or has ended, handling events
  // meanwhile: the sound commands then come in a fixed order with the
  // caller's own (tests on a fake clock). Off by default: a playing
  // recording must not hold up the window.
  void SetSettling(bool on) { settling_ = on; }
  // Handles events until the thread waits for its release or has ended.
  void Settle();
  const std::string& LastFile() const { return file_; }

  static constexpr int kDestroyWaitMs = 5000;

 private:
  void ThreadEnded(TSampleThread* thread);

  int running_ = 0;
  bool settling_ = false;
  QEventLoop* settleLoop_ = nullptr;
  TSampleThread* thread_ = nullptr;
  std::string file_;
};

}  // namespace vyr
