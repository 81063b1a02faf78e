#pragma once
// Milliseconds since the program started, and every wait of the programs,
// through one clock. A wait handles events meanwhile, sleeps until its
// deadline or until a stop mark says so (it never spins), and holds no
// reference to a window, so the window may go away while it waits.
// Tests install a fake clock whose waits advance its time at once.
#include <cstdint>
#include <functional>
#include <map>

namespace vyr {

class TClock {
 public:
  virtual ~TClock() = default;
  virtual uint32_t Now() = 0;
  // Handles events until the tick count reaches `deadline` (true) or `stop`
  // answers true (false). Events are handled at least once.
  virtual bool WaitUntil(uint32_t deadline, const std::function<bool()>& stop) = 0;
  // Told when a frame has been drawn; a fake clock may charge time for it.
  virtual void FrameDrawn() {}
};

// The clock in use: the real one unless a test installed another.
TClock& Clock();
// Installs a clock (nullptr: the real one again); the caller keeps it alive.
void SetClock(TClock* clock);

uint32_t TickCount();
// Whether the tick count has reached `deadline` (safe across the wrap).
inline bool Reached(uint32_t now, uint32_t deadline) { return static_cast<int32_t>(now - deadline) >= 0; }
bool WaitUntil(uint32_t deadline, const std::function<bool()>& stop = {});
bool WaitFor(uint32_t milliseconds, const std::function<bool()>& stop = {});

// The clock of tests: time moves only through waits and drawn frames. A
// wait handles pending events, runs the actions due on the way and then
// jumps to its deadline.
class TFakeClock : public TClock {
 public:
  uint32_t Now() override { return now_; }
  bool WaitUntil(uint32_t deadline, const std::function<bool()>& stop) override;
  void FrameDrawn() override { now_ += frameCost; }

  // Runs `action` once the clock reaches `at` (within a wait).
  void At(uint32_t at, std::function<void()> action) { actions_.emplace(at, std::move(action)); }
  void Advance(uint32_t ms) { now_ += ms; }
  // Milliseconds each drawn frame costs.
  uint32_t frameCost = 0;
  // Waits so far (a wait that never ends would show as a huge count).
  uint64_t waits = 0;
  // Every wait past this tick count stops, so a loop that never ends fails a test instead of hanging it.
  uint32_t limit = 100u * 60u * 60u * 1000u;

 private:
  uint32_t now_ = 1000;
  std::multimap<uint32_t, std::function<void()>> actions_;
};

// Installs a fake clock for the lifetime of the object.
class TFakeClockScope {
 public:
  TFakeClockScope() { SetClock(&clock); }
  ~TFakeClockScope() { SetClock(nullptr); }
  TFakeClock clock;
};

}  // namespace vyr
