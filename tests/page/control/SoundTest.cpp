#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "page/control/PageSound.h"
#include "platform/core/MessageRecorder.h"
#include "platform/desktop/Sound.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

std::string Wave() { return test::TinyWave(); }
std::string Mp3() { return test::TinyMp3(); }

class SoundFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseAllSounds();
    ClearSilentSoundEvents();
    wav = dir.file("Ton\\Hallo.wav", Wave());
    mp3 = dir.file("Ton\\Lied.mp3", Mp3());
    text = dir.file("Ton\\Kaputt.wav", "kein Klang");
  }
  void TearDown() override { CloseAllSounds(); }
  test::TTempDir dir;
  std::string wav, mp3, text;
};

TEST_F(SoundFixture, TestsRunSilently) { EXPECT_TRUE(SoundIsSilent()); }

TEST_F(SoundFixture, OpenPlayCloseIsRecorded) {
  EXPECT_TRUE(SendSoundCommand("open \"" + wav + "\" alias Welle").ok());
  EXPECT_TRUE(SendSoundCommand("play welle from 0").ok());
  EXPECT_EQ(SendSoundCommand("status WELLE mode").text, "stopped");
  EXPECT_TRUE(SendSoundCommand("close welle").ok());
  const auto events = SilentSoundEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].verb, "open");
  EXPECT_EQ(events[0].alias, "welle");
  EXPECT_EQ(events[0].file, wav);
  EXPECT_EQ(events[1].verb, "play");
  EXPECT_EQ(events[1].from, 0);
  EXPECT_EQ(events[2].verb, "close");
}

TEST_F(SoundFixture, CommandErrors) {
  ASSERT_TRUE(SendSoundCommand("open \"" + mp3 + "\" type mpegvideo alias klang wait").ok());
  struct Case {
    std::string command;
    int error;
  };
  const Case cases[] = {
      {"play welle", snd::NotOpen},
      {"close welle", snd::NotOpen},
      {"open \"" + dir.path() + "fehlt.wav\" alias x", snd::FileNotFound},
      {"open \"" + dir.path() + "Ton\" alias x", snd::FileNotFound},  // a directory
      {"open \"" + text + "\" alias x", snd::CannotPlay},
      {"open \"" + wav + "\" alias KLANG", snd::AliasInUse},
      {"open", snd::MissingParameter},
      {"open \"" + wav + "\" alias", snd::MissingParameter},
      {"play klang from zwei", snd::MissingParameter},
      {"status klang", snd::MissingParameter},
      {"status klang farbe", snd::UnknownCommand},
      {"seek klang to mitte", snd::MissingParameter},
      {"spiele klang", snd::UnknownCommand},
      {"", snd::UnknownCommand},
  };
  for (const Case& c : cases) EXPECT_EQ(SendSoundCommand(c.command).error, c.error) << c.command;
  EXPECT_TRUE(SendSoundCommand("seek klang to start").ok());
  EXPECT_TRUE(SendSoundCommand("play klang from 250 wait").ok());  // returns at once when silent
  EXPECT_EQ(SilentSoundEvents().back().from, 250);
  EXPECT_TRUE(SendSoundCommand("close all").ok());
  EXPECT_EQ(SendSoundCommand("stop klang").error, snd::NotOpen);
  for (int e : {snd::NotOpen, snd::FileNotFound, snd::CannotPlay, 999}) EXPECT_FALSE(SoundErrorText(e).empty());
}

TEST_F(SoundFixture, WaitOnADeviceThatNeverReportsTheEndIsBounded) {
  // The length is known: the wait gives the sound its length and some slack.
  SetSilentSoundsNeverEnd(300);
  ASSERT_TRUE(SendSoundCommand("open \"" + wav + "\" alias klang").ok());
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(SendSoundCommand("play klang from 0 wait").ok());
  EXPECT_GE(clock.elapsed(), 300 + kPlayWaitSlackMs - 50);
  EXPECT_LT(clock.elapsed(), 300 + kPlayWaitSlackMs + 3000);
  EXPECT_EQ(SendSoundCommand("status klang mode").text, "playing");  // still, as far as the device says
  ASSERT_TRUE(SendSoundCommand("close klang").ok());
  // Closed from elsewhere while waiting: the wait ends at once.
  QTimer::singleShot(100, [] { SendSoundCommand("close klang"); });
  ASSERT_TRUE(SendSoundCommand("open \"" + wav + "\" alias klang").ok());
  clock.restart();
  EXPECT_TRUE(SendSoundCommand("play klang wait").ok());
  EXPECT_LT(clock.elapsed(), 1500);
  SetSilentSoundsNeverEnd(-1);
}

TEST_F(SoundFixture, EmptyWaveDeviceOpens) {
  EXPECT_TRUE(SendSoundCommand("open new type waveaudio alias test").ok());
  EXPECT_TRUE(SendSoundCommand("close test").ok());
}

TEST_F(SoundFixture, HoverSoundsNeedAnExistingWaveFile) {
  EXPECT_TRUE(PlaySoundFile(wav));
  EXPECT_FALSE(PlaySoundFile(mp3));
  EXPECT_FALSE(PlaySoundFile(text));
  EXPECT_FALSE(PlaySoundFile(dir.path() + "fehlt.wav"));
  const auto events = SilentSoundEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].verb, "playsound");
  EXPECT_EQ(events[0].file, wav);
}

TEST_F(SoundFixture, CommandsFromAnotherThreadRunOnTheApplicationThread) {
  std::atomic<bool> done = false;
  std::atomic<int> error = -1;
  QThread* worker = QThread::create([&] {
    SendSoundCommand("open \"" + wav + "\" alias klang wait");
    error = SendSoundCommand("play klang from 0 wait").error;
    SendSoundCommand("close klang");
    done = true;
  });
  worker->start();
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker->wait();
  delete worker;
  EXPECT_EQ(error, snd::Ok);
  EXPECT_EQ(SilentSoundEvents().size(), 3u);
}

// ---------------------------------------------------------------------------
// The page's sounds

TEST_F(SoundFixture, PageSoundClosesOpensAndPlaysFromTheStart) {
  TMessageRecorder messages;
  EXPECT_TRUE(PlayPageSound(wav));
  EXPECT_TRUE(PlayPageSound(mp3));
  EXPECT_TRUE(messages.shown().empty());
  const auto e = SilentSoundEvents();
  ASSERT_EQ(e.size(), 5u);  // nothing to close at first
  EXPECT_EQ(e[0].verb, "open");
  EXPECT_EQ(e[0].alias, "welle");
  EXPECT_EQ(e[1].verb, "play");
  EXPECT_EQ(e[1].from, 0);
  EXPECT_EQ(e[2].verb, "close");
  EXPECT_EQ(e[3].file, mp3);
  EXPECT_EQ(e[4].verb, "play");
}

TEST_F(SoundFixture, PageSoundThatCannotOpenShowsTheErrorOnceAndPlaysNothing) {
  for (const std::string& file : {text, dir.path() + "fehlt.wav"}) {
    ClearSilentSoundEvents();
    TMessageRecorder messages;
    EXPECT_FALSE(PlayPageSound(file));
    ASSERT_EQ(messages.shown().size(), 1u) << file;
    EXPECT_EQ(messages.shown()[0].flags, msg::Ok | msg::IconInformation);
    EXPECT_EQ(messages.shown()[0].text, SoundErrorText(file == text ? snd::CannotPlay : snd::FileNotFound));
    EXPECT_TRUE(SilentSoundEvents().empty());
  }
}

TEST_F(SoundFixture, PageSoundCommandAnswersErrorAndNumber) {
  TMessageRecorder messages;
  EXPECT_EQ(PageSoundCommand("play welle from 0", true), "Error263");
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(PageSoundCommand("play welle from 0", false), "Error263");
  EXPECT_EQ(messages.shown().size(), 1u);
  messages.clear();
  ClosePageSound();  // nothing open: no message
  ASSERT_TRUE(PlayPageSound(wav));
  ClosePageSound();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(SilentSoundEvents().back().verb, "close");
  EXPECT_EQ(PageSoundCommand("status welle mode", true), "Error263");
}

TEST_F(SoundFixture, HoverSoundOfALinkNote) {
  TMessageRecorder messages;
  const std::string page = dir.path() + "Ton";
  EXPECT_TRUE(PlayHoverSound(page, "hallo.WAV"));
  EXPECT_FALSE(PlayHoverSound(page, "Lied.mp3"));
  EXPECT_FALSE(PlayHoverSound(page, "fehlt.wav"));
  EXPECT_FALSE(PlayHoverSound(page, ""));
  EXPECT_TRUE(messages.shown().empty());
  const auto e = SilentSoundEvents();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].verb, "playsound");
}

}  // namespace
}  // namespace vyr
