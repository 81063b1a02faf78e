#pragma once
// A PulseAudio server of the test's own, in a folder of the test's own: a
// null sink as the default output, optionally a further source as the
// default input, reached through its own socket. It is stopped by its
// process id, never by a signal to whatever server the machine runs.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <cstdio>

#include "platform/desktop/Sound.h"

namespace vyr::test {

class TOwnPulseServer {
 public:
  ~TOwnPulseServer() { Stop(); }

  // Starts the server in `dir` with the null sink `sink` and, when `sourceModule`
  // is given (e.g. "module-sine-source source_name=x"), that source as the
  // default input named `source`; waits until pactl reaches it. False when it
  // cannot start.
  bool Start(const QString& dir, const QString& sink, const QString& sourceModule = {}, const QString& source = {}) {
    const QString runtime = dir + u"/run"_qs, home = dir + u"/home"_qs;
    QDir().mkpath(runtime);
    QDir().mkpath(home);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit());
    qputenv("PULSE_SERVER", (u"unix:"_qs + runtime + u"/pulse/native"_qs).toLocal8Bit());
    qunsetenv("VYR_SILENT");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QStringList args{u"-n"_qs, u"--daemonize=no"_qs, u"--exit-idle-time=-1"_qs, u"-L"_qs,
                     u"module-null-sink sink_name="_qs + sink};
    if (!sourceModule.isEmpty()) args << u"-L"_qs << sourceModule;
    args << u"-L"_qs << u"module-native-protocol-unix"_qs;
    QProcess server;
    server.setProgram(u"pulseaudio"_qs);
    server.setArguments(args);
    server.setStandardOutputFile(QProcess::nullDevice());
    server.setStandardErrorFile(QProcess::nullDevice());
    if (!server.startDetached(&pid_)) {
      std::fprintf(stderr, "pulseaudio startet nicht\n");
      return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (QProcess::execute(u"pactl"_qs, {u"info"_qs}) != 0) {
      if (clock.elapsed() > 20000) {
        std::fprintf(stderr, "pactl erreicht den Server nicht\n");
        return false;
      }
      QThread::msleep(100);
    }
    QProcess::execute(u"pactl"_qs, {u"set-default-sink"_qs, sink});
    if (!source.isEmpty()) QProcess::execute(u"pactl"_qs, {u"set-default-source"_qs, source});
    return true;
  }

  void Stop() {
    if (pid_ > 0) ::kill(pid_t(pid_), SIGTERM);
    pid_ = 0;
  }

 private:
  qint64 pid_ = 0;
};

// The main of a real-sound test program: the server is started (by
// `start`) before the sound back end and the application object exist, the
// tests run, every sound is closed, then the server goes. Status 1 when the
// server cannot start.
template <typename Start>
int RunWithOwnServer(int argc, char** argv, Start start) {
  TOwnPulseServer server;
  if (!start(server)) return 1;
  ChooseSoundBackEnd();
  int result;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
    CloseAllSounds();
  }
  server.Stop();
  return result;
}

}  // namespace vyr::test
