// The recorder on a real sound server: a PulseAudio server of the test's
// own (own runtime folder, no configuration, a null sink and a sine source
// as the default input), started before the application object. About a
// second is recorded through TBaseRec and saved; the wave file's header and
// samples are checked, and replaying the take reaches the sink's monitor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/core/Files.h"
#include "platform/desktop/Sound.h"
#include "shell/lab/BaseRec.h"
#include "tests/common/OwnPulseServer.h"
#include "tests/common/SoundWait.h"

namespace vyr {
namespace {

QString gDir;

uint32_t Le32(const QByteArray& b, int at) {
  return uint8_t(b[at]) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t Le16(const QByteArray& b, int at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

double Rms(const QByteArray& pcm) {
  const auto* s = reinterpret_cast<const int16_t*>(pcm.constData());
  const qsizetype n = pcm.size() / 2;
  double sum = 0;
  for (qsizetype i = 0; i < n; ++i) sum += double(s[i]) * s[i];
  return n ? std::sqrt(sum / double(n)) : 0;
}

TEST(RecorderReal, RecordsASecondOfTheSineSourceAndSavesItAsWave) {
  ASSERT_FALSE(SoundIsSilent());
  TBaseRec rec;
  rec.SetMaxSeconds(1);
  rec.StartRecording();
  ASSERT_EQ(rec.State(), TBaseRec::Recording);
  // The recorder's own timer stops the take at its limit.
  ASSERT_TRUE(test::WaitUntil([&] { return rec.State() == TBaseRec::Idle; }, 20000));
  const QString path = gDir + u"/aufnahme.wav"_qs;
  ASSERT_TRUE(rec.SaveRecording(CoursePath(path)));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray wave = f.readAll();
  ASSERT_GE(wave.size(), 44);
  EXPECT_EQ(wave.left(4), "RIFF");
  EXPECT_EQ(Le32(wave, 4), uint32_t(wave.size() - 8));
  EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(Le32(wave, 16), 16u);
  EXPECT_EQ(Le16(wave, 20), 1);  // PCM
  EXPECT_EQ(Le16(wave, 22), 1);  // mono
  EXPECT_EQ(Le32(wave, 24), 44100u);
  EXPECT_EQ(Le32(wave, 28), 88200u);
  EXPECT_EQ(Le16(wave, 32), 2);
  EXPECT_EQ(Le16(wave, 34), 16);
  EXPECT_EQ(wave.mid(36, 4), "data");
  const uint32_t data = Le32(wave, 40);
  EXPECT_EQ(data, uint32_t(wave.size() - 44));
  // About a second: the limit caps the take, the timer stops it there.
  EXPECT_GT(data, 88200u * 8 / 10);
  EXPECT_LE(data, 88200u);
  const double level = Rms(wave.mid(44));
  std::printf("Aufnahme: %u Bytes, Pegel (RMS) %.1f\n", data, level);
  EXPECT_GT(level, 100.0);  // the sine, not silence
  EXPECT_NEAR(rec.RecordingLength(), int(data / 88.2), 2);

  // Replaying the take reaches the null sink's monitor.
  QProcess parec;
  QByteArray heard;
  QObject::connect(&parec, &QProcess::readyReadStandardOutput, [&] { heard += parec.readAllStandardOutput(); });
  parec.start(u"parec"_qs, {u"-d"_qs, u"vyrtest.monitor"_qs, u"--format=s16le"_qs, u"--rate=22050"_qs,
                            u"--channels=1"_qs, u"--latency-msec=20"_qs});
  ASSERT_TRUE(parec.waitForStarted(10000)) << "parec fehlt";
  ASSERT_TRUE(test::WaitUntil([&] { return heard.size() >= 22050 / 5 * 2; }, 20000));
  const qsizetype mark = heard.size();
  rec.PlayRecording();
  ASSERT_EQ(rec.State(), TBaseRec::Playing);
  ASSERT_TRUE(test::WaitUntil([&] { return rec.State() == TBaseRec::Idle; }, 20000));
  test::WaitUntil([] { return false; }, 300);
  parec.terminate();
  parec.waitForFinished(5000);
  heard += parec.readAllStandardOutput();
  const double before = Rms(heard.left(mark)), after = Rms(heard.mid(mark));
  std::printf("Wiedergabe: Pegel vorher %.1f, beim Abspielen %.1f\n", before, after);
  EXPECT_LT(before, 10.0);
  EXPECT_GT(after, 50.0);
}

}  // namespace
}  // namespace vyr

int main(int argc, char** argv) {
  QTemporaryDir dir;
  vyr::gDir = dir.path();
  return vyr::test::RunWithOwnServer(argc, argv, [&](vyr::test::TOwnPulseServer& server) {
    return server.Start(dir.path(), u"vyrtest"_qs, u"module-sine-source source_name=vyrsine frequency=440"_qs,
                        u"vyrsine"_qs);
  });
}
