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
  void Release() { release_.release(); }
  // The recording closes without playing (if it has not begun) and the
  // thread ends soon.
  void Cancel();

 protected:
  void run() override;

 private:
  const std::string file_;
  const bool paused_;
  QSemaphore release_;
  std::atomic<bool> cancelled_ = false;
};

}  // namespace vyr
