#pragma once
// The player of single recordings (a word, a sentence): each recording is
// opened, played to its end and closed under the device alias "klang" on a
// thread of its own, one at a time. With a paused start the recording is
// opened ahead and plays when ReleaseSample comes; a release that comes
// before the thread is ready still counts.
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
  const std::string& LastFile() const { return file_; }

  static constexpr int kDestroyWaitMs = 5000;

 private:
  void ThreadEnded(TSampleThread* thread);

  int running_ = 0;
  TSampleThread* thread_ = nullptr;
  std::string file_;
};

}  // namespace vyr
