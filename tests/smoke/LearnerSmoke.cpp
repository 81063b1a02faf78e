// Starts the packed learner in window mode on a virtual X screen of its own
// (Xvfb), waits for the first page and checks that the window shows it: the
// start page's background colour inside the page, centred on the screen.
// Without Xvfb on the machine the test is skipped.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>

namespace {

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 100) {
    if (done()) return true;
    QThread::msleep(100);
  }
  return done();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: learner_smoke PATH/TO/vyr_e\n");
    return 2;
  }
  const QString learner = QString::fromLocal8Bit(argv[1]);
  const QString xvfbPath = QStandardPaths::findExecutable(u"Xvfb"_qs);
  if (xvfbPath.isEmpty()) {
    std::printf("Xvfb not found: 0 passed, 0 failed, 1 skipped\n");
    return 0;
  }
  // Xvfb picks a free display itself and writes its number once it takes
  // connections; a display chosen here could be taken or not ready yet.
  QProcess xvfb;
  xvfb.start(xvfbPath,
             {u"-displayfd"_qs, u"1"_qs, u"-screen"_qs, u"0"_qs, u"1024x768x24"_qs, u"-nolisten"_qs, u"tcp"_qs});
  QByteArray number;
  const bool ready =
      xvfb.waitForStarted(5000) && WaitFor(
                                       [&] {
                                         xvfb.waitForReadyRead(100);
                                         number += xvfb.readAllStandardOutput();
                                         return number.contains('\n') || xvfb.state() == QProcess::NotRunning;
                                       },
                                       10000);
  bool isNumber = false;
  const int display = number.trimmed().toInt(&isNumber);
  if (!ready || !isNumber || xvfb.state() != QProcess::Running) {
    std::fprintf(stderr, "Xvfb did not start: %s\n", xvfb.readAllStandardError().constData());
    xvfb.kill();
    xvfb.waitForFinished(3000);
    return 1;
  }
  const QString name = u":"_qs + QString::number(display);

  qputenv("DISPLAY", name.toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);

  QTemporaryDir home;
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(u"VYR_REGISTRY"_qs, home.path() + u"/registry.txt"_qs);
  env.insert(u"HOME"_qs, home.path());
  program.setProcessEnvironment(env);
  program.start(learner, {u"window"_qs});

  // The page is 800 x 572, centred on the 1024 x 768 screen: its empty lower
  // part shows the start page's background (#FFF8E7).
  const QColor expected(0xFF, 0xF8, 0xE7);
  QColor seen;
  const bool shown = WaitFor(
      [&] {
        QCoreApplication::processEvents();
        if (program.state() == QProcess::NotRunning) return false;
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        seen = screen.pixelColor(700, 600);
        return seen == expected && screen.pixelColor(200, 640) == expected;
      },
      15000);
  const bool stillRunning = program.state() == QProcess::Running;
  program.kill();
  program.waitForFinished(3000);
  xvfb.terminate();  // lets Xvfb remove its socket and lock file
  if (!xvfb.waitForFinished(3000)) xvfb.kill();
  if (!shown) {
    std::fprintf(stderr, "the start page did not appear (running: %d, pixel %s)\n", stillRunning,
                 seen.name().toLocal8Bit().constData());
    std::printf("0 passed, 1 failed\n");
    return 1;
  }
  std::printf("1 passed, 0 failed\n");
  return 0;
}
