// The recorder on the silent back end (its clock moved by hand, so no test
// waits): the button sequences, the limit, saving, a missing microphone, and
// the page recorder's buttons on an offscreen page.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QFile>

#include "page/control/PageControl.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/desktop/Sound.h"
#include "shell/lab/BaseRec.h"
#include "shell/lab/XRecorder.h"
#include "tests/common/Pixels.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

using S = TBaseRec::TState;

// One step of a button sequence: a button ("rec", "play"), a clock move
// ("+ms", then a timer tick) and the state and timer expected after it.
struct TStep {
  std::string Action;
  int State;
  int Timer;  // 0 off, else its interval
};

struct TSequence {
  const char* Name;
  std::vector<TStep> Steps;
};

void Press(TXRecorder& rec, const TStep& step) {
  if (step.Action.front() == '+') {
    AdvanceSilentSoundClock(std::stoi(step.Action.substr(1)));
    if (rec.TimerActive()) rec.TimerTick();
  } else {
    rec.ButtonCommand(step.Action);
  }
}

TEST(Recorder, ButtonSequencesOnTheSilentBackEnd) {
  const TSequence sequences[] = {
      {"record, stop by hand, play to its end",
       {{"rec", S::Recording, 100},
        {"+300", S::Recording, 100},
        {"rec", S::Idle, 0},
        {"play", S::Playing, 50},
        {"+200", S::Playing, 50},
        {"+200", S::Idle, 0}}},
      {"the limit of one second stops the take",
       {{"rec", S::Recording, 100}, {"+600", S::Recording, 100}, {"+500", S::Idle, 0}, {"play", S::Playing, 50}}},
      {"rec twice stops, a third starts anew",
       {{"rec", S::Recording, 100}, {"rec", S::Idle, 0}, {"rec", S::Recording, 100}}},
      {"play while recording ends the take and plays it",
       {{"rec", S::Recording, 100}, {"+400", S::Recording, 100}, {"play", S::Playing, 50}, {"play", S::Idle, 0}}},
      {"play on a device just opened plays nothing", {{"play", S::Idle, 0}, {"+100", S::Idle, 0}}},
  };
  TXPage page;
  for (const TSequence& seq : sequences) {
    TMessageRecorder messages;
    TXRecorder rec(page);
    rec.SetMaxSeconds(1);
    EXPECT_EQ(rec.State(), S::Opened);
    int changes = 0;
    rec.OnStateChange = [&changes] { ++changes; };
    for (size_t i = 0; i < seq.Steps.size(); ++i) {
      const TStep& step = seq.Steps[i];
      Press(rec, step);
      EXPECT_EQ(rec.State(), step.State) << seq.Name << ", step " << i << " " << step.Action;
      EXPECT_EQ(rec.TimerActive() ? rec.TimerInterval() : 0, step.Timer) << seq.Name << ", step " << i;
    }
    EXPECT_GT(changes, 0) << seq.Name;
    EXPECT_TRUE(messages.texts().empty()) << seq.Name;
  }
}

TEST(Recorder, TheLimitKeepsTheRangeOneToNineteen) {
  TBaseRec rec;
  const int cases[][2] = {{0, 4}, {1, 1}, {4, 4}, {19, 19}, {20, 4}, {-3, 4}};
  for (const auto& c : cases) {
    rec.SetMaxSeconds(c[0]);
    EXPECT_EQ(rec.MaxSeconds(), c[1]) << c[0];
  }
}

TEST(Recorder, WithoutAMicrophoneOneMessageAndIdle) {
  qunsetenv("VYR_SILENT");  // the silent back end then has no microphone
  TMessageRecorder messages;
  TXPage page;
  TXRecorder rec(page);
  rec.ButtonCommand("rec");
  qputenv("VYR_SILENT", "1");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Kein Aufnahmegerät gefunden."});
  EXPECT_EQ(rec.State(), S::Idle);
  EXPECT_FALSE(rec.TimerActive());
}

TEST(Recorder, SavesATakeAsWaveAndKeepsTheOldFileOnFailure) {
  test::TTempDir dir;
  TMessageRecorder messages;
  TBaseRec rec;
  const std::string target = dir.file("alt.wav", "old contents");
  // Nothing recorded: nothing written.
  EXPECT_FALSE(rec.SaveRecording(target));
  EXPECT_EQ(*ReadWholeFile(target), "old contents");
  rec.StartRecording();
  AdvanceSilentSoundClock(500);
  rec.StopRecorder();
  EXPECT_NEAR(rec.RecordingLength(), 500, 50);
  ASSERT_TRUE(rec.SaveRecording(target));
  const std::string wave = *ReadWholeFile(target);
  ASSERT_GE(wave.size(), 44u);
  EXPECT_EQ(wave.substr(0, 4), "RIFF");
  EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(static_cast<int>((wave.size() - 44) * 1000 / 88200), rec.RecordingLength());
  EXPECT_EQ(wave.size() % 2, 0u);
  EXPECT_TRUE(messages.texts().empty());
  // A place that cannot be written (a file where the folder should be, so
  // even root fails): one message, the old file whole.
  const std::string old = dir.file("alt.txt", "the old take");
  EXPECT_FALSE(rec.SaveRecording(old + "\\take.wav"));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Die Aufnahme konnte nicht gespeichert werden."});
  EXPECT_EQ(*ReadWholeFile(old), "the old take");
  if (geteuid() != 0) {  // a folder without write permission
    messages.clear();
    const std::string locked = dir.dir("gesperrt");
    const std::string kept = dir.file("gesperrt\\take.wav", "the old take");
    QFile::setPermissions(NativePath(locked), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(rec.SaveRecording(kept));
    QFile::setPermissions(NativePath(locked), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(*ReadWholeFile(kept), "the old take");
  }
}

// An offscreen page with a recorder whose pictures are solid colours.
class PageRecorderTest : public testing::Test {
 protected:
  void SetUp() override {
    const struct {
      const char* Name;
      int32_t Colour;
    } pictures[] = {{"rec0", 0x0000C0}, {"rec1", 0x0000FF}, {"play0", 0x00C000}, {"play1", 0x00FF00}};
    for (const auto& p : pictures)
      test::SolidPicture(20, 20, p.Colour).save(NativePath(dir.dir("knoepfe") + p.Name + ".bmp"), "BMP");
    page.resize(800, 572);
    dir.file("labor.htx", Deflate("<body bgcolor=#ffffff>Aufnahme <RECORDER C-REC=10,100,40,40 C-PLAY=60,100,40,40 "
                                  "PICTURES=\"knoepfe\" COLOR=#808080 MAX=1>"));
    dir.file("andere.htx", Deflate("<body bgcolor=#ffffff>Eine andere Seite"));
  }
  int32_t At(int x, int y) { return test::ColorAt(page.Buffer(), x, y); }
  test::TTempDir dir;
  TXPage page;
  TXRecorder rec{page};
};

TEST_F(PageRecorderTest, ButtonPixelsFollowTheState) {
  ASSERT_TRUE(page.SetXFile(dir.path() + "labor.htx"));
  EXPECT_TRUE(rec.Active());
  EXPECT_EQ(rec.MaxSeconds(), 2);    // the element takes 2..20
  EXPECT_EQ(At(30, 120), 0x0000C0);  // rec0, centred
  EXPECT_EQ(At(80, 120), 0x00C000);  // play0
  EXPECT_EQ(At(12, 102), 0x808080);  // the recorder's colour around the picture
  page.FollowLink("\xA7rec", QRect());
  EXPECT_EQ(rec.State(), S::Recording);
  EXPECT_EQ(At(30, 120), 0x0000FF);  // rec1
  AdvanceSilentSoundClock(300);
  page.FollowLink("\xA7play", QRect());
  EXPECT_EQ(rec.State(), S::Playing);
  EXPECT_EQ(At(30, 120), 0x0000C0);
  EXPECT_EQ(At(80, 120), 0x00FF00);  // play1
  AdvanceSilentSoundClock(400);
  rec.TimerTick();
  EXPECT_EQ(rec.State(), S::Idle);
  EXPECT_EQ(At(80, 120), 0x00C000);
}

TEST_F(PageRecorderTest, ReadingAnotherPageStopsTheTakeAndHidesTheRecorder) {
  ASSERT_TRUE(page.SetXFile(dir.path() + "labor.htx"));
  page.FollowLink("\xA7rec", QRect());
  ASSERT_EQ(rec.State(), S::Recording);
  ASSERT_TRUE(page.SetXFile(dir.path() + "andere.htx"));
  EXPECT_EQ(rec.State(), S::Idle);
  EXPECT_FALSE(rec.Active());
  EXPECT_EQ(At(30, 120), 0xFFFFFF);      // nothing painted on the new page
  page.FollowLink("\xA7play", QRect());  // no recorder on this page
  EXPECT_EQ(rec.State(), S::Idle);
}

TEST_F(PageRecorderTest, TheElementsLimitIsHandedOverUpToNineteen) {
  const struct {
    const char* Max;
    int Seconds;
  } cases[] = {{"1", 2}, {"4", 4}, {"19", 19}, {"20", 19}};  // the element itself takes 2..20
  for (const auto& c : cases) {
    dir.file("max.htx", Deflate(std::string("<RECORDER C-REC=10,100,40,40 C-PLAY=60,100,40,40 MAX=") + c.Max + ">"));
    ASSERT_TRUE(page.SetXFile(dir.path() + "max.htx"));
    EXPECT_EQ(rec.MaxSeconds(), c.Seconds) << c.Max;
  }
}

}  // namespace
}  // namespace vyr
