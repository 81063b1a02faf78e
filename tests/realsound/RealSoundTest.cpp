// Real sound through the players: a PulseAudio server of the test's own with
// a null sink, started before the application object, its sink's monitor
// recorded with parec while the sample player plays a wave and the music
// player a demo piece. Silence before, sound while playing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/Files.h"
#include "platform/desktop/Sound.h"
#include "superlearning/sound/Music.h"
#include "superlearning/sound/SamplePlayer.h"
#include "tests/common/OwnPulseServer.h"
#include "tests/common/SoundWait.h"

namespace vyr {
namespace {

constexpr const char* kSink = "vyrtest";
constexpr int kRate = 22050;    // parec: signed 16 bit, mono
constexpr double kHeard = 100;  // RMS in sample units: clearly audible
constexpr double kSilent = 10;  // what a null sink gives with nothing playing

QString gDir;  // the test's temporary directory

// Records the null sink's monitor while it lives.
class TMonitor {
 public:
  TMonitor() {
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { data_ += parec_.readAllStandardOutput(); });
    parec_.start(u"parec"_qs, {u"-d"_qs, QString::fromLatin1(kSink) + u".monitor"_qs, u"--format=s16le"_qs,
                               u"--rate=22050"_qs, u"--channels=1"_qs, u"--latency-msec=20"_qs});
  }
  ~TMonitor() { Stop(); }
  bool Started() { return parec_.waitForStarted(10000); }
  // Waits until at least `ms` of sound have arrived.
  bool Collect(int ms) {
    const qsizetype want = data_.size() + qsizetype(ms) * kRate / 1000 * 2;
    return test::WaitUntil([&] { return data_.size() >= want; }, 20000);
  }
  qsizetype Mark() const { return data_.size(); }
  void Stop() {
    if (parec_.state() == QProcess::NotRunning) return;
    parec_.terminate();
    parec_.waitForFinished(5000);
    data_ += parec_.readAllStandardOutput();
  }
  double Rms(qsizetype from, qsizetype to) const {
    const auto* s = reinterpret_cast<const int16_t*>(data_.constData());
    from /= 2, to = std::min<qsizetype>(to, data_.size()) / 2;
    if (to <= from) return 0;
    double sum = 0;
    for (qsizetype i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
  }
  // Silence up to `mark`, sound after it; both levels are printed.
  void ExpectSilenceThenSound(qsizetype mark, const std::string& what) const {
    const double before = Rms(0, mark), after = Rms(mark, data_.size());
    std::printf("%s: Pegel (RMS) vorher %.1f, beim Abspielen %.1f\n", what.c_str(), before, after);
    EXPECT_LT(before, kSilent) << what;
    EXPECT_GT(after, kHeard) << what;
  }

 private:
  QProcess parec_;
  QByteArray data_;
};

TEST(RealSound, TheBackEndIsReal) { EXPECT_FALSE(SoundIsSilent()); }

TEST(RealSound, ARecordingIsHeardThroughTheSamplePlayer) {
  const QString wave = gDir + u"/ton.wav"_qs;
  ASSERT_EQ(QProcess::execute(u"sox"_qs, {u"-n"_qs, u"-r"_qs, u"44100"_qs, u"-c"_qs, u"1"_qs, u"-b"_qs, u"16"_qs, wave,
                                          u"synth"_qs, u"1.5"_qs, u"sine"_qs, u"440"_qs, u"gain"_qs, u"-6"_qs}),
            0)
      << "sox fehlt";
  TMonitor monitor;
  ASSERT_TRUE(monitor.Started()) << "parec fehlt";
  ASSERT_TRUE(monitor.Collect(400));
  const qsizetype mark = monitor.Mark();
  TSamplePlayer player;
  player.PlaySample(CoursePath(wave), true);
  ASSERT_TRUE(player.Running());
  ASSERT_TRUE(test::WaitUntil([&] { return !player.Running(); }, 20000));
  ASSERT_TRUE(monitor.Collect(300));
  monitor.Stop();
  monitor.ExpectSilenceThenSound(mark, "Aufnahme");
}

TEST(RealSound, ADemoPieceIsHeardThroughTheMusicPlayer) {
  const char* dir = std::getenv("VYR_MUSIC_DIR");
  ASSERT_TRUE(dir) << "VYR_MUSIC_DIR fehlt";
  TMusic music(CoursePath(QString::fromLocal8Bit(dir)), "");
  ASSERT_EQ(music.FileCount(), 3);
  TMonitor monitor;
  ASSERT_TRUE(monitor.Started()) << "parec fehlt";
  ASSERT_TRUE(monitor.Collect(400));
  const qsizetype mark = monitor.Mark();
  music.StartInThread(true);
  ASSERT_TRUE(music.IsPlaying());
  ASSERT_TRUE(test::WaitUntil([&] { return !music.StartPending(); }, 20000));
  ASSERT_TRUE(music.IsPlaying()) << music.CurrentPiece();
  ASSERT_TRUE(monitor.Collect(1500));
  music.Stop();
  monitor.Stop();
  monitor.ExpectSilenceThenSound(mark, music.CurrentPiece());
}

TEST(RealSound, ABrokenPieceFailsOnceAndStartsNothing) {
  QDir().mkpath(gDir + u"/Kaputt"_qs);
  QFile broken(gDir + u"/Kaputt/kaputt.mp3"_qs);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  QByteArray junk("ID3\x03\0\0\0\0\0\0", 10);
  for (int i = 0; i < 5000; ++i) junk += char((i * 7919) % 251);
  broken.write(junk);
  broken.close();
  TMusic music(CoursePath(gDir + u"/Kaputt"_qs), "");
  ASSERT_EQ(music.FileCount(), 1);
  QObject window;
  std::vector<int> codes;
  music.SetNotifyWindow(&window, [&] { codes.push_back(music.HandleEvents()); });
  music.StartInThread(true);
  ASSERT_TRUE(test::WaitUntil([&] { return !codes.empty(); }, 20000));
  test::WaitUntil([] { return false; }, 1000);  // time for a loop to show
  EXPECT_EQ(codes, std::vector<int>{3});
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_FALSE(music.StartPending());
}

}  // namespace
}  // namespace vyr

int main(int argc, char** argv) {
  QTemporaryDir dir;
  vyr::gDir = dir.path();
  return vyr::test::RunWithOwnServer(argc, argv, [&](vyr::test::TOwnPulseServer& server) {
    return server.Start(dir.path(), QString::fromLatin1(vyr::kSink));
  });
}
