#include <QFile>
#include <QTest>

#include "page/control/PageControl.h"
#include "platform/desktop/Sound.h"
#include "shell/recordings/RecordingPlayer.h"
#include "shell/recordings/Recordings.h"
#include "shell/recordings/SyntheticVoice.h"
#include "shell/startup/SharedObjects.h"
#include "shell/window/MainWindow.h"
#include "superlearning/sound/SamplePlayer.h"
#include "superlearning/sound/SoundPlayers.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/SoundWait.h"
#include "tests/shell/startup/StartUpFixture.h"
#include "text/ZStream.h"

namespace vyr::test {
namespace {

std::string Pairs(std::initializer_list<std::pair<std::string, std::string>> pairs) {
  std::string data;
  for (const auto& [text, file] : pairs) data += text + '\0' + file + '\0';
  return data;
}

// The learner's start with the recordings and the sample player wired as
// the program entry wires them.
class RightClickTest : public StartUpTest {
 protected:
  void SetUp() override {
    StartUpTest::SetUp();
    CloseAllSounds();
    ClearSilentSoundEvents();
    t.file("vyr\\wave\\VYR_E");
    t.file("vyr\\wave\\house.wav", TinyWave());
    ini("[vyr englisch]\r\nWave-Verzeichnis=" + prog + "wave\\\r\n");
    t.file("vyr\\E_wx.vyr", Deflate(Pairs({{"house", "XE:\\house.wav"}, {"garden", "XE:\\fehlt.wav"}})));
    t.file("vyr\\hvyr\\E_gaps\\hyper.txt", "house\r\ndas Haus\r\n\r\n");
    t.file("vyr\\hvyr\\main.htx", Deflate("<P>house Haus"));
  }
  void TearDown() override {
    SetRecordingPlayer(nullptr);
    ReleaseRecordings();
    ReleaseSamplePlayer();
    CloseAllSounds();
    StartUpTest::TearDown();
  }
  bool Start() {
    TStartUpSteps steps;
    steps.createRecordingsDatabase = CreateRecordingsDatabase;
    steps.loadSupplementaryRecordings = LoadSupplementaryRecordings;
    steps.createSamplePlayer = [] {
      CreateSamplePlayer();
      SetRecordingPlayer(PlaySampleOnce);
    };
    steps.createHyperBase = CreateHyperBase;
    return start(steps);
  }
  static std::vector<std::string> Opened() {
    std::vector<std::string> files;
    for (const TSoundEvent& e : SilentSoundEvents())
      if (e.verb == "open") {
        EXPECT_EQ(e.alias, "klang");
        files.push_back(e.file);
      }
    return files;
  }
  static QPoint Word(TXPage* page, size_t i) {
    const TPageRect& r = page->WordList().Rects().at(i).Rect;
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(RightClickTest, ARightClickPlaysTheWordsRecordingThenExplains) {
  if (!SoundIsSilent()) GTEST_SKIP() << "needs the silent sound back end";
  ASSERT_TRUE(Start());
  TMain main;
  main.SetWordPlayer([](const std::string& text) { PlayWord(text); });
  main.show();
  ASSERT_GE(main.XPage()->WordList().Rects().size(), 2u);
  QTest::mouseClick(main.XPage(), Qt::RightButton, {}, Word(main.XPage(), 0));
  ASSERT_TRUE(WaitUntil([] { return !Opened().empty(); }));
  EXPECT_EQ(Opened(), std::vector<std::string>{prog + "wave\\house.wav"});
  EXPECT_NE(main.XPage()->findChild<TXPage*>(), nullptr);  // the explanation
  ASSERT_TRUE(WaitUntil([] { return !SamplePlayer()->Running(); }));
  // A German word without a record: silent, whatever the voice.
  ClearSilentSoundEvents();
  QTest::mouseClick(main.XPage(), Qt::RightButton, {}, Word(main.XPage(), 1));
  QCoreApplication::processEvents();
  EXPECT_TRUE(Opened().empty());
  EXPECT_TRUE(shown().empty());
}

class VoiceTest : public RightClickTest {
 protected:
  void SetUp() override {
    RightClickTest::SetUp();
    if (!SyntheticVoiceAvailable()) GTEST_SKIP() << "espeak-ng is not installed";
    ASSERT_TRUE(Start());
    SetRecordingPlayer([this](const std::string& f) { played.push_back(f); });
  }
  void TearDown() override {
    SetSyntheticVoiceProgram("");
    SetSyntheticVoiceTimeLimit(15000);
    RightClickTest::TearDown();
  }
  std::vector<std::string> played;
};

TEST_F(VoiceTest, AWordWithoutRecordingIsSpokenOnceIntoTheCache) {
  const int runs = SyntheticVoiceRuns();
  EXPECT_TRUE(PlayText("a quiet orchard", true));
  EXPECT_TRUE(PlayText("A quiet orchard ", true));  // from the cache
  EXPECT_EQ(SyntheticVoiceRuns(), runs + 1);
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0], played[1]);
  const auto wav = ReadWholeFile(played[0]);
  ASSERT_TRUE(wav);
  EXPECT_EQ(wav->substr(0, 4), "RIFF");
  EXPECT_GT(wav->size(), 1000u);

  // A real recording wins; a German text is not spoken; "garden" (its
  // record's file is missing) is spoken on a right-click.
  played.clear();
  EXPECT_TRUE(PlayText("house", true));
  EXPECT_FALSE(PlayText("ein Apfelbaum", false));
  EXPECT_FALSE(PlayWord("Apfelbaum"));
  EXPECT_TRUE(PlayWord("garden"));
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0], prog + "wave\\house.wav");
  EXPECT_NE(played[1], played[0]);

  // Switched off: nothing, no process.
  played.clear();
  SetSyntheticVoiceEnabled(false);
  const int before = SyntheticVoiceRuns();
  EXPECT_FALSE(PlayText("another orchard", true));
  EXPECT_TRUE(PlayText("house", true));
  EXPECT_EQ(SyntheticVoiceRuns(), before);
  EXPECT_EQ(played, std::vector<std::string>{prog + "wave\\house.wav"});
  SetSyntheticVoiceEnabled(true);
}

TEST_F(VoiceTest, OddTextsAndAHangingVoiceNeverHang) {
  // A text beginning with "-" is text, not an option; a very long one is cut.
  EXPECT_FALSE(SyntheticRecording("-w /tmp/x --version").empty());
  EXPECT_FALSE(SyntheticRecording(std::string(10000, 'a') + " end").empty());
  EXPECT_TRUE(SyntheticRecording("   ").empty());
  // A voice that never ends is stopped at its limit.
  const std::string script = t.file("haengt.sh", "#!/bin/sh\nexec sleep 30\n");
  QFile::setPermissions(NativePath(script), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  SetSyntheticVoiceProgram(NativePath(script).toStdString());
  SetSyntheticVoiceTimeLimit(300);
  EXPECT_TRUE(SyntheticRecording("never finished").empty());
  // A voice that fails leaves no file in the cache.
  const std::string fails = t.file("fehler.sh", "#!/bin/sh\necho kaputt; exit 3\n");
  QFile::setPermissions(NativePath(fails), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  SetSyntheticVoiceProgram(NativePath(fails).toStdString());
  EXPECT_TRUE(SyntheticRecording("never finished").empty());
}

}  // namespace
}  // namespace vyr::test
