#pragma once
// The thread that plays one recording for the sample player: "open", then
// (after the release of a paused start) "play … from 0 wait" and "close",
// all under the alias "klang". A cancelled thread closes the recording
// without playing it.
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <string>

namespace vyr {

class TSampleThread : public QThread {
  Q_OBJECT
 public:
  TSampleThread(std::string file, bool paused);

  // Ends a paused start; counts even before the thread waits for it.
  void Release() {
    waiting_ = false;
    release_.release();
  }
  // The recording closes without playing (if it has not begun) and the
  // thread ends soon.
  void Cancel();
  // True while it waits for the release of a paused start.
  bool Waiting() const { return waiting_; }

 signals:
  // It has opened a paused start and now waits for its release.
  void WaitsForRelease();

 protected:
  void run() override;

 private:
  const std::string file_;
  const bool paused_;
  QSemaphore release_;
  std::atomic<bool> cancelled_ = false;
  std::atomic<bool> waiting_ = false;
};

}  // namespace vyr
