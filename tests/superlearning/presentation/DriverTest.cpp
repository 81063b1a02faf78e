// The driver: stopping, one presentation at a time, the modes that do not
// run here, closing during a run, the music keys and the screen saver.
#include "tests/superlearning/presentation/PresentationFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

using DriverTest = PresentationTest;

TEST_F(DriverTest, AClickInTheFirstStepDoesNotStopALaterClickAKeyAndStopDo) {
  struct Case {
    const char* what;
    std::function<void(TSuperFade&, TMain&)> act;
  };
  const std::vector<Case> cases = {
      {"click", [](TSuperFade& f, TMain&) { QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(5, 5)); }},
      {"key", [](TSuperFade& f, TMain&) { QTest::keyClick(&f, Qt::Key_Space); }},
      {"stop", [](TSuperFade&, TMain& m) { m.PageCommand("stop"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const uint32_t t0 = TickCount();
    bool stoppedEarly = false;
    uint32_t ended = 0;
    clock.clock.At(t0 + 50, [&] {
      QTest::mouseClick(fade, Qt::LeftButton, {}, QPoint(5, 5));
      QCoreApplication::processEvents();
      stoppedEarly = fade->StopRequested();
    });
    clock.clock.At(t0 + 700, [&] { c.act(*fade, *main); });
    main->PageCommand("gosuper");
    ended = TickCount();
    EXPECT_FALSE(stoppedEarly);
    EXPECT_LE(ended - (t0 + 700), 100u);
    EXPECT_EQ(Shown(), "vokabeln.htx");
    EXPECT_FALSE(music->IsPlaying());
  }
  const size_t messagesBefore = shown().size();
  main->PageCommand("stop");  // nothing runs: nothing happens
  EXPECT_EQ(shown().size(), messagesBefore);
  EXPECT_EQ(Shown(), "vokabeln.htx");
}

TEST_F(DriverTest, AfterAStopMidPairTheNextPresentationStartsWithAWordAndPairsMatch) {
  RunUntil(100 + 5 * 1600 + 50);  // stopped after the meaning was taken
  options->alternation = true;    // as a stop after a word would leave it
  std::vector<std::string> texts;
  clock.clock.At(TickCount() + 11400 + 150, [&] {
    texts = fade->Texts();
    driver->StopPresentation();
  });
  main->PageCommand("gosuper");
  EXPECT_EQ(texts, (std::vector<std::string>{"dog", "Hund", "cat"}));
}

TEST_F(DriverTest, ASecondStartInsideARunIsIgnored) {
  int fades = 0;
  driver->onFade = [&](TSuperFade& f) {
    fade = &f;
    ++fades;
  };
  clock.clock.At(TickCount() + 500, [&] { main->PageCommand("gosuper"); });
  RunUntil(1000);
  EXPECT_EQ(fades, 1);
  EXPECT_FALSE(main->PresentationRunning());
}

TEST_F(DriverTest, NoActiveEntryShowsTheVocabularyPageAtOnce) {
  settings->SetDifficulty(0, false);
  ASSERT_EQ(settings->ActiveCount(), 0);
  main->PageCommand("gosuper");
  EXPECT_EQ(Shown(), "vokabeln.htx");
  EXPECT_LT(clock.clock.waits, 5u);
}

TEST_F(DriverTest, GamesShowTheirIntroWithTheMusicPlayingOtherModesSayTheyAreMissing) {
  settings->SetModus(6);
  main->PageCommand("gosuper");
  EXPECT_EQ(Shown(), "intro.htx");
  EXPECT_TRUE(music->IsPlaying());
  EXPECT_TRUE(main->XPage()->XPath().find("freefall") != std::string::npos);
  music->Stop();
  settings->SetModus(3);
  const size_t messagesBefore = shown().size();
  main->PageCommand("gosuper");
  EXPECT_EQ(Shown(), "vokabeln.htx");
  ASSERT_EQ(shown().size(), messagesBefore + 1);
  EXPECT_EQ(shown().back(), kFeatureMissingMessage);
  EXPECT_FALSE(music->IsPlaying());
}

TEST_F(DriverTest, AStopBetweenOpenAndReleaseClosesTheRecordingUnplayedAndTheNextPlays) {
  RunUntil(300);  // inside step 0: the word's recording is open and paused
  const std::vector<std::string> first = Recordings();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.front(), "open dog.wav");
  EXPECT_EQ(std::count(first.begin(), first.end(), "play"), 0);
  EXPECT_FALSE(samples.Running());
  ClearSilentSoundEvents();
  RunUntil(2 * 1600 + 50);
  const std::vector<std::string> next = Recordings();
  EXPECT_EQ(std::count(next.begin(), next.end(), "play"), 1);
}

TEST_F(DriverTest, AClosingDuringARunShowsTheFarewellPageAfterTheLoop) {
  clock.clock.At(TickCount() + 700, [&] { main->close(); });
  main->PageCommand("gosuper");
  EXPECT_EQ(Shown(), "bye.htx");
  EXPECT_FALSE(main->ShuttingDown());
}

TEST_F(DriverTest, RightSkipsToAnotherPieceAndTheRunGoesOn) {
  std::string before, after;
  QString caption;
  bool playing = false, stopped = true;
  clock.clock.At(TickCount() + 300, [&] {
    before = music->CurrentPiece();
    QTest::keyClick(fade, Qt::Key_Right);
    after = music->CurrentPiece();
    playing = music->IsPlaying();
    caption = main->windowTitle();
    stopped = fade->StopRequested();
  });
  RunUntil(600);
  ASSERT_FALSE(before.empty());
  EXPECT_NE(after, before);  // two pieces: the other one
  EXPECT_TRUE(playing);
  EXPECT_EQ(caption, ToUnicode(after));
  EXPECT_FALSE(stopped);
}

TEST_F(DriverTest, MusicKeysStopAtTheirLimitsMarkTheOptionsAndTheScreenSaverRestsDuringTheRun) {
  ASSERT_TRUE(saver.calls.empty());
  bool blockedDuring = false;
  std::vector<std::string> during;
  QString caption;
  int loudest = 1, quietest = 1;
  clock.clock.At(TickCount() + 300, [&] {
    during = saver.calls;
    blockedDuring = ScreenSaverBlocked();
    for (int i = 0; i < 20; ++i) QTest::keyClick(fade, Qt::Key_Up);
    loudest = music->VolumeDb();
    for (int i = 0; i < 20; ++i) QTest::keyClick(fade, Qt::Key_Down);
    quietest = music->VolumeDb();
    caption = main->windowTitle();
  });
  RunUntil(600);
  EXPECT_EQ(loudest, 0);
  EXPECT_EQ(quietest, -24);
  EXPECT_EQ(caption, u"Volume: -24"_qs);
  EXPECT_TRUE(options->Modified());
  EXPECT_EQ(during, (std::vector<std::string>{"inhibit"}));
  EXPECT_TRUE(blockedDuring);
  EXPECT_EQ(saver.calls, (std::vector<std::string>{"inhibit", "uninhibit 7"}));
  EXPECT_FALSE(ScreenSaverBlocked());
}

TEST_F(DriverTest, WithoutMusicAnArrowKeyStopsLikeAnyKey) {
  options->Set(&TSuperSettings::Musik, false);
  uint32_t t1 = 0;
  clock.clock.At(TickCount() + 500, [&] {
    t1 = TickCount();
    QTest::keyClick(fade, Qt::Key_Up);
  });
  main->PageCommand("gosuper");
  EXPECT_LE(TickCount() - t1, 100u);
  EXPECT_EQ(Shown(), "vokabeln.htx");
}

}  // namespace
}  // namespace vyr::test
