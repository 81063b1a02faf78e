#include "platform/core/Tick.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>

namespace vyr {
namespace {

class TRealClock : public TClock {
 public:
  uint32_t Now() override {
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count());
  }

  bool WaitUntil(uint32_t deadline, const std::function<bool()>& stop) override {
    for (;;) {
      if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
      if (stop && stop()) return false;
      const uint32_t now = Now();
      if (Reached(now, deadline)) return true;
      const int remaining = static_cast<int>(deadline - now);
      if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(remaining));
        continue;
      }
      // Sleeps until the next event, at the latest until the deadline.
      QEventLoop loop;
      QTimer timer;
      timer.setSingleShot(true);
      timer.setTimerType(Qt::PreciseTimer);
      timer.start(remaining);
      loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
  }

 private:
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

TRealClock& RealClock() {
  static TRealClock clock;
  return clock;
}
TClock* installed = nullptr;

}  // namespace

TClock& Clock() { return installed ? *installed : RealClock(); }
void SetClock(TClock* clock) { installed = clock; }

uint32_t TickCount() { return Clock().Now(); }
bool WaitUntil(uint32_t deadline, const std::function<bool()>& stop) { return Clock().WaitUntil(deadline, stop); }
bool WaitFor(uint32_t milliseconds, const std::function<bool()>& stop) {
  return Clock().WaitUntil(Clock().Now() + milliseconds, stop);
}

bool TFakeClock::WaitUntil(uint32_t deadline, const std::function<bool()>& stop) {
  ++waits;
  for (;;) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (stop && stop()) return false;
    if (Reached(now_, limit)) return false;
    auto next = actions_.begin();
    if (next != actions_.end() && Reached(deadline, next->first)) {
      if (!Reached(now_, next->first)) now_ = next->first;
      auto action = std::move(next->second);
      actions_.erase(next);
      action();
      continue;
    }
    if (Reached(now_, deadline)) return true;
    now_ = deadline;
  }
}

}  // namespace vyr
