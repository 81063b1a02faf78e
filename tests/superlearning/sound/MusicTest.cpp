#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "platform/desktop/MusicStream.h"
#include "platform/desktop/Sound.h"
#include "superlearning/sound/Music.h"
#include "superlearning/sound/MusicCaption.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/SoundWait.h"
#include "tests/common/TempDir.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override { SetRandomSeed(16); }
  // A music directory with the given MP3 files.
  std::string Directory(std::initializer_list<const char*> names, const std::string& folder = "Musik") {
    for (const char* n : names) dir.file(folder + "\\" + n, test::TinyMp3());
    return dir.path() + folder + "\\";
  }
  // Lets a started piece report that it plays.
  static void Settle() {
    test::WaitUntil([] { return false; }, 50);
  }

  test::TTempDir dir;
  TMessageRecorder messages;
};

TEST_F(MusicTest, PiecesNeverRepeatWithinHalfTheCollection) {
  struct Case {
    std::initializer_list<const char*> files;
    size_t apart;  // a piece comes back after at least this many others
  };
  const Case cases[] = {
      {{"a.mp3", "b.mp3"}, 1}, {{"a.mp3", "b.mp3", "c.mp3"}, 1}, {{"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"}, 2}};
  for (const Case& c : cases) {
    TMusic music(Directory(c.files, "Musik" + std::to_string(c.files.size())), "");
    ASSERT_EQ(music.FileCount(), static_cast<int>(c.files.size()));
    std::vector<std::string> played;
    for (int i = 0; i < 1000; ++i) played.push_back(music.ChoosePiece());
    // Every piece comes up, none much less often than its share.
    std::map<std::string, int> count;
    for (const std::string& p : played) ++count[p];
    EXPECT_EQ(count.size(), c.files.size());
    for (const auto& [piece, times] : count) EXPECT_GT(times, 1000 / static_cast<int>(c.files.size()) / 2) << piece;
    for (size_t i = 1; i < played.size(); ++i)
      for (size_t back = 1; back <= c.apart && back <= i; ++back)
        ASSERT_NE(played[i], played[i - back]) << c.files.size() << " files, choice " << i;
    EXPECT_EQ(music.CurrentPiece(), played.back());
  }
}

TEST_F(MusicTest, OneOrNoPiece) {
  TMusic one(Directory({"nur.mp3"}), "");
  EXPECT_EQ(one.ChoosePiece(), dir.path() + "Musik\\nur.mp3");
  EXPECT_EQ(one.ChoosePiece(), dir.path() + "Musik\\nur.mp3");
  dir.dir("Leer");
  TMusic none(dir.path() + "Leer", "");
  EXPECT_FALSE(none.MusicAvailable());
  EXPECT_EQ(none.ChoosePiece(), "");
  none.StartInThread(true);
  none.StartNow();
  EXPECT_FALSE(none.IsPlaying());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MusicTest, ScanFindsMp3FilesInSubdirectoriesAndSurvivesLinkLoops) {
  Directory({"eins.mp3", "ZWEI.MP3", "Ordner\\drei.Mp3", "text.txt", "lied.mp3.bak", "kaputt.mp3"});
  dir.file("Musik\\kaputt.mp3", "kein MP3");
  QFile::link(dir.native() + u"/Musik"_qs, dir.native() + u"/Musik/Ordner/schleife"_qs);
  TMusic music("", dir.path());      // empty: the program directory's "MP3\"
  EXPECT_EQ(music.Directory(), "");  // missing: reported, no music
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Das MP3-Verzeichnis " + dir.path() + "MP3\\ existiert nicht!");
  messages.clear();
  music.SetDirectory(dir.path() + "Musik");
  EXPECT_EQ(music.Directory(), dir.path() + "Musik\\");
  std::vector<std::string> names;
  for (const std::string& f : music.Files()) names.push_back(f.substr(dir.path().size()));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Musik\\Ordner\\drei.Mp3", "Musik\\ZWEI.MP3", "Musik\\eins.mp3",
                                             "Musik\\kaputt.mp3"}));
  // A missing directory later keeps what was found.
  music.SetDirectory(dir.path() + "Fehlt\\");
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(music.FileCount(), 4);
  EXPECT_EQ(music.Directory(), dir.path() + "Musik\\");
}

TEST_F(MusicTest, VolumeLimitsAndTruncation) {
  TMusic music(Directory({"a.mp3"}), "");
  EXPECT_EQ(music.Volume(), -1200);
  music.SetVolumeDb(0);
  music.ChangeVolume(2);
  EXPECT_EQ(music.Volume(), 0);
  music.SetVolumeDb(3);  // above 0 dB: ignored
  EXPECT_EQ(music.Volume(), 0);
  music.SetVolumeDb(-24);
  music.ChangeVolume(-2);
  EXPECT_EQ(music.Volume(), -2400);
  music.ChangeVolume(5);
  EXPECT_EQ(music.VolumeDb(), -19);
  music.SetVolumeDb(-30);  // below the range of the keys, as the options allow
  EXPECT_EQ(music.VolumeDb(), -30);
  music.ChangeVolume(1);
  EXPECT_EQ(music.Volume(), -2400);
}

TEST_F(MusicTest, VolumeReachesThePlayingPieceAtOnceAndTheNextWhenStopped) {
  TMusic music(Directory({"a.mp3", "b.mp3"}), "");
  music.SetVolumeDb(-6);  // nothing plays: kept
  EXPECT_TRUE(SilentMusic().playing.empty());
  music.StartInThread(true);
  EXPECT_EQ(SilentMusic().playing, music.CurrentPiece());
  EXPECT_NEAR(SilentMusic().volume, std::pow(10.0, -6 / 20.0), 1e-3);
  music.ChangeVolume(-6);
  EXPECT_NEAR(SilentMusic().volume, std::pow(10.0, -12 / 20.0), 1e-3);
  music.SetVolumeDb(0);
  EXPECT_NEAR(SilentMusic().volume, 1.0, 1e-3);
  music.Stop();
  music.SetVolumeDb(-20);
  music.StartInThread(true);
  EXPECT_NEAR(SilentMusic().volume, 0.1, 1e-3);
  music.Stop();
}

TEST_F(MusicTest, ASecondStartWhileOneIsPendingDoesNothing) {
  TMusic music(Directory({"a.mp3", "b.mp3", "c.mp3"}), "");
  const int before = SilentMusic().started;
  music.StartInThread(true);
  const std::string first = music.CurrentPiece();
  EXPECT_TRUE(music.StartPending());
  music.StartInThread(true);
  EXPECT_EQ(music.CurrentPiece(), first);
  EXPECT_EQ(SilentMusic().started, before + 1);
  Settle();
  EXPECT_FALSE(music.StartPending());  // it plays
  EXPECT_TRUE(music.IsPlaying());
  // Stopping a pending start lets the next one go.
  music.Stop();
  music.StartInThread(true);
  music.Stop();
  EXPECT_FALSE(music.StartPending());
  music.StartInThread(false);
  EXPECT_EQ(SilentMusic().started, before + 3);
  music.Stop();
}

TEST_F(MusicTest, TheEndOfAPieceStartsTheNextButStopAndErrorsDoNot) {
  TMusic music(Directory({"a.mp3", "b.mp3", "c.mp3"}), "");
  QObject window;
  int handled = 0;
  music.SetNotifyWindow(&window, [&] {
    ++handled;
    music.HandleEvents();
  });
  music.StartInThread(true);
  Settle();
  const std::string first = music.CurrentPiece();
  const int started = SilentMusic().started;

  ASSERT_TRUE(EndSilentMusic());
  ASSERT_TRUE(test::WaitUntil([&] { return handled == 1; }));
  EXPECT_EQ(SilentMusic().started, started + 1);
  EXPECT_NE(music.CurrentPiece(), first);
  EXPECT_TRUE(music.IsPlaying());
  Settle();

  music.Stop();
  Settle();
  EXPECT_EQ(handled, 1);  // a stop raises nothing
  EXPECT_EQ(SilentMusic().started, started + 1);
  EXPECT_FALSE(music.IsPlaying());

  music.StartInThread(true);
  Settle();
  ASSERT_TRUE(FailSilentMusic());
  ASSERT_TRUE(test::WaitUntil([&] { return handled == 2; }));
  Settle();
  EXPECT_EQ(SilentMusic().started, started + 2);  // no new start after an error
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_FALSE(music.StartPending());

  // ToggleTest starts and stops.
  EXPECT_TRUE(music.ToggleTest());
  EXPECT_TRUE(music.IsPlaying());
  EXPECT_FALSE(music.ToggleTest());
  EXPECT_FALSE(music.IsPlaying());
}

TEST_F(MusicTest, PiecesThatAreNoSoundPlayNothingAndDoNotLoop) {
  dir.file("Musik\\leer.mp3", "");
  dir.file("Musik\\text.mp3", "Dies ist kein Lied.");
  TMusic music(dir.path() + "Musik", "");
  ASSERT_EQ(music.FileCount(), 2);
  const int started = SilentMusic().started;
  for (int i = 0; i < 3; ++i) {
    music.StartInThread(true);
    EXPECT_FALSE(music.StartPending());
    EXPECT_FALSE(music.IsPlaying());
  }
  music.StartNow();
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_EQ(SilentMusic().started, started);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MusicTest, TheWindowCaptionShowsThePiecePlaying) {
  TMusic music(Directory({"a.mp3", "b.mp3", "c.mp3"}), "");
  QWidget window;
  window.setWindowTitle(u"vyr englisch"_qs);
  AnswerMusicEvents(music, window);
  music.StartInThread(true);
  Settle();
  ASSERT_TRUE(EndSilentMusic());
  ASSERT_TRUE(test::WaitUntil([&] { return window.windowTitle() != u"vyr englisch"_qs; }));
  EXPECT_EQ(window.windowTitle(), ToUnicode(music.CurrentPiece()));
  EXPECT_EQ(SilentMusic().playing, music.CurrentPiece());
  Settle();
  ASSERT_TRUE(FailSilentMusic());
  ASSERT_TRUE(test::WaitUntil([&] { return window.windowTitle() == u"vyr englisch"_qs; }));
}

TEST_F(MusicTest, AGoneWindowHearsNothing) {
  TMusic music(Directory({"a.mp3", "b.mp3"}), "");
  int handled = 0;
  {
    QObject window;
    music.SetNotifyWindow(&window, [&] { ++handled; });
    music.StartInThread(true);
    Settle();
    EndSilentMusic();
  }
  Settle();
  EXPECT_EQ(handled, 0);
  EXPECT_EQ(music.HandleEvents(), 1);  // the event waits for whoever asks
  Settle();
  EXPECT_TRUE(music.IsPlaying());  // the next piece
  music.Stop();
}

}  // namespace
}  // namespace vyr
