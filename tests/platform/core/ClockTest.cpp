#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <vector>

#include "platform/core/Tick.h"

namespace vyr {
namespace {

TEST(FakeClockTest, WaitsJumpToTheirDeadlineAndRunTheActionsDueOnTheWay) {
  TFakeClockScope scope;
  TFakeClock& clock = scope.clock;
  const uint32_t t0 = TickCount();
  std::vector<uint32_t> seen;
  clock.At(t0 + 50, [&] { seen.push_back(TickCount()); });
  clock.At(t0 + 100, [&] { seen.push_back(TickCount()); });
  clock.At(t0 + 250, [&] { seen.push_back(TickCount()); });
  EXPECT_TRUE(WaitFor(100));
  EXPECT_EQ(TickCount(), t0 + 100);
  EXPECT_EQ(seen, (std::vector<uint32_t>{t0 + 50, t0 + 100}));  // the one at the deadline too
  EXPECT_TRUE(WaitFor(200));
  EXPECT_EQ(seen.size(), 3u);
}

TEST(FakeClockTest, AStopMarkSetOnTheWayEndsTheWaitAtThatTime) {
  TFakeClockScope scope;
  const uint32_t t0 = TickCount();
  bool stop = false;
  scope.clock.At(t0 + 30, [&] { stop = true; });
  EXPECT_FALSE(WaitFor(1000, [&] { return stop; }));
  EXPECT_EQ(TickCount(), t0 + 30);
}

TEST(FakeClockTest, DrawnFramesCostTimeAndTheLimitEndsEveryWait) {
  TFakeClockScope scope;
  scope.clock.frameCost = 60;
  const uint32_t t0 = TickCount();
  Clock().FrameDrawn();
  EXPECT_EQ(TickCount(), t0 + 60);
  scope.clock.limit = t0 + 500;
  EXPECT_FALSE(WaitFor(10000));
}

TEST(RealClockTest, AWaitHandlesEventsAndEndsOnTheStopMarkBeforeItsDeadline) {
  bool stop = false;
  QTimer::singleShot(0, [&] { stop = true; });
  const uint32_t t0 = TickCount();
  EXPECT_FALSE(WaitFor(60000, [&] { return stop; }));
  EXPECT_LT(TickCount() - t0, 30000u);  // ended by the event, not by the deadline
  EXPECT_TRUE(WaitFor(0));
}

}  // namespace
}  // namespace vyr
