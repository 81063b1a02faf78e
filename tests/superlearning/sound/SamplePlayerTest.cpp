#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

#include "platform/desktop/Sound.h"
#include "superlearning/sound/SamplePlayer.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/SoundWait.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

class SamplePlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseAllSounds();
    ClearSilentSoundEvents();
    wav = dir.file("Aufnahmen\\hello.wav", test::TinyWave());
    other = dir.file("Aufnahmen\\world.wav", test::TinyWave());
  }
  void TearDown() override {
    SetSilentSoundsNeverEnd(-1);
    CloseAllSounds();
  }
  // The verbs sent for "klang", in order.
  static std::vector<std::string> Verbs() {
    std::vector<std::string> verbs;
    for (const TSoundEvent& e : SilentSoundEvents()) {
      EXPECT_EQ(e.alias, "klang");
      verbs.push_back(e.verb);
    }
    return verbs;
  }
  static bool Opened() {
    return test::WaitUntil([] { return !SilentSoundEvents().empty(); });
  }
  bool Ended() {
    return test::WaitUntil([this] { return !player.Running(); });
  }
  using V = std::vector<std::string>;

  test::TTempDir dir;
  std::string wav, other;
  TSamplePlayer player;
};

TEST_F(SamplePlayerTest, PlaysARecordingOnceAndClosesIt) {
  player.PlaySample(wav, true);
  EXPECT_TRUE(player.Running());
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
  const auto e = SilentSoundEvents();
  EXPECT_EQ(e[0].file, wav);
  EXPECT_TRUE(e[0].wait);
  EXPECT_EQ(e[1].from, 0);
  EXPECT_TRUE(e[1].wait);
  // The next one may come now.
  player.PlaySample(other, true);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(SilentSoundEvents().size(), 6u);
  EXPECT_EQ(player.LastFile(), other);
}

TEST_F(SamplePlayerTest, PausedStartWaitsForTheReleaseAndIgnoresOtherRequests) {
  player.PlaySample(wav, false);
  ASSERT_TRUE(Opened());
  player.PlaySample(other, true);  // ignored while the first is live
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(Verbs(), V{"open"});
  EXPECT_EQ(player.LastFile(), wav);
  player.ReleaseSample();
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
  EXPECT_EQ(SilentSoundEvents()[0].file, wav);
}

TEST_F(SamplePlayerTest, AReleaseBeforeTheThreadWaitsStillCounts) {
  // The thread's "open" runs on this thread, so it cannot have come yet.
  player.PlaySample(wav, false);
  player.ReleaseSample();
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
}

TEST_F(SamplePlayerTest, StoppingAPausedRecordingClosesItSoLaterOnesPlay) {
  player.PlaySample(wav, false);
  ASSERT_TRUE(Opened());
  player.StopSample();
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "close"}));
  ClearSilentSoundEvents();
  player.PlaySample(other, true);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
}

TEST_F(SamplePlayerTest, StoppingAPlayingRecordingEndsItsWait) {
  SetSilentSoundsNeverEnd(0);  // a device that never reports the end
  player.PlaySample(wav, true);
  ASSERT_TRUE(test::WaitUntil([] { return SilentSoundEvents().size() >= 2; }));
  QElapsedTimer t;
  t.start();
  player.StopSample();
  ASSERT_TRUE(Ended());
  EXPECT_LT(t.elapsed(), 3000);
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
}

TEST_F(SamplePlayerTest, SettlingCallsReturnWithTheThreadAtRest) {
  // No waiting here: each call has handled the thread's commands already.
  player.SetSettling(true);
  player.PlaySample(wav, false);
  EXPECT_EQ(Verbs(), V{"open"});
  EXPECT_TRUE(player.Running());
  player.ReleaseSample();
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
  EXPECT_FALSE(player.Running());

  ClearSilentSoundEvents();
  player.PlaySample(other, false);
  player.StopSample();
  const V stopped = Verbs();
  ASSERT_FALSE(stopped.empty());
  EXPECT_EQ(stopped.front(), "open");
  EXPECT_EQ(std::count(stopped.begin(), stopped.end(), "play"), 0);
  EXPECT_FALSE(player.Running());

  ClearSilentSoundEvents();
  player.PlaySample(wav, true);
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
  EXPECT_FALSE(player.Running());

  // A settling player that goes while a recording waits closes it.
  ClearSilentSoundEvents();
  auto p = std::make_unique<TSamplePlayer>();
  p->SetSettling(true);
  p->PlaySample(other, false);
  p.reset();
  EXPECT_EQ(Verbs().front(), "open");
  EXPECT_EQ(Verbs().back(), "close");
}

TEST_F(SamplePlayerTest, BadRequestsPlayNothing) {
  const std::string text = dir.file("Aufnahmen\\kaputt.wav", "keine Aufnahme");
  player.ReleaseSample();  // nothing live: nothing happens
  player.StopSample();
  for (const std::string& file : {std::string(), dir.path() + "fehlt.wav", dir.path() + "Aufnahmen", text}) {
    player.PlaySample(file, true);
    ASSERT_TRUE(Ended()) << file;
  }
  EXPECT_TRUE(SilentSoundEvents().empty());
  player.PlaySample(wav, true);  // still works afterwards
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Verbs(), (V{"open", "play", "close"}));
}

TEST_F(SamplePlayerTest, DestroyingThePlayerEndsALiveRecordingSoon) {
  struct Case {
    const char* what;
    bool neverEnds, playNow;
  };
  for (const Case& c : {Case{"paused", false, false}, Case{"playing", true, true}}) {
    SetUp();
    SetSilentSoundsNeverEnd(c.neverEnds ? 0 : -1);
    auto p = std::make_unique<TSamplePlayer>();
    p->PlaySample(wav, c.playNow);
    ASSERT_TRUE(test::WaitUntil([&] { return SilentSoundEvents().size() >= (c.playNow ? 2u : 1u); })) << c.what;
    QElapsedTimer t;
    t.start();
    p.reset();
    EXPECT_LT(t.elapsed(), 3000) << c.what;
    EXPECT_EQ(Verbs().back(), "close") << c.what;
    TearDown();
  }
}

}  // namespace
}  // namespace vyr
