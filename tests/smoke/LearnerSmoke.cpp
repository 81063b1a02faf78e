// Starts the packed learner in window mode on a virtual X screen of its own
// (Xvfb), in a copy of the installation, and checks what the screen shows:
//   start   one user without password: the main window shows the start page
//           (at least half of the page shows its background colour);
//   alive   the same, and the program still runs four seconds later;
//   wizard  no user yet: the first-user wizard shows its first page.
// Without Xvfb on the machine the test is skipped.
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include <memory>

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
  if (argc != 3) {
    std::fprintf(stderr, "usage: learner_smoke PATH/TO/vyr_e start|alive|wizard\n");
    return 2;
  }
  const QString mode = QString::fromLocal8Bit(argv[2]);
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
  // The application holds the connection to the X server: it goes before
  // the server does, so that the connection is closed and its memory freed.
  auto app = std::make_unique<QGuiApplication>(argc, argv);

  // A copy of the installation: without users, or with one user whose empty
  // user file needs no password.
  QTemporaryDir home;
  const QString installation = home.path() + u"/vyr"_qs;
  const QString source = QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (QProcess::execute(u"cp"_qs, {u"-a"_qs, source, installation}) != 0) {
    std::fprintf(stderr, "could not copy the installation\n");
    return 1;
  }
  QDir(installation + u"/Benutzer"_qs).removeRecursively();
  if (mode != u"wizard"_qs) {
    QDir().mkpath(installation + u"/Benutzer/Gast"_qs);
    QFile user(installation + u"/Benutzer/Gast/Gast_E.vyb"_qs);
    user.open(QIODevice::WriteOnly);
  }
  const QString learner = installation + u"/"_qs + QFileInfo(QString::fromLocal8Bit(argv[1])).fileName();
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(u"VYR_REGISTRY"_qs, home.path() + u"/registry.txt"_qs);
  env.insert(u"HOME"_qs, home.path());
  program.setProcessEnvironment(env);
  program.start(learner, {u"window"_qs});

  // The window shows the page when at least half of the page's area has its
  // background colour: the start page is 800 x 572 with #FFF8E7, the
  // wizard's page 640 x 440 with the background of "login1.htx" (#EAF4FF).
  // Where the window lands on the screen does not matter.
  const bool wizard = mode == u"wizard"_qs;
  const QColor expected = wizard ? QColor(0xEA, 0xF4, 0xFF) : QColor(0xFF, 0xF8, 0xE7);
  const qsizetype needed = wizard ? 640 * 440 / 2 : 800 * 572 / 2;
  qsizetype seen = 0;
  const bool shown = WaitFor(
      [&] {
        QCoreApplication::processEvents();
        if (program.state() == QProcess::NotRunning) return false;
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb colour = expected.rgb();
        seen = 0;
        for (int y = 0; y < screen.height(); ++y) {
          const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
          for (int x = 0; x < screen.width(); ++x) seen += line[x] == colour;
        }
        return seen >= needed;
      },
      15000);
  if (!shown) {  // what the screen showed, for the one who looks into it
    const QString shot = QDir::tempPath() + u"/learner_smoke_"_qs + mode + u".png"_qs;
    QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
    std::fprintf(stderr, "screen saved as %s\n", shot.toLocal8Bit().constData());
  }
  if (shown && mode == u"alive"_qs) QThread::msleep(4000);
  const bool stillRunning = program.state() == QProcess::Running;
  program.kill();
  program.waitForFinished(3000);
  app.reset();
  xvfb.terminate();  // lets Xvfb remove its socket and lock file
  if (!xvfb.waitForFinished(3000)) xvfb.kill();
  if (!shown || !stillRunning) {
    std::fprintf(stderr, "the expected page did not appear or the program ended (running: %d, %lld pixels of %s)\n",
                 stillRunning, static_cast<long long>(seen), expected.name().toLocal8Bit().constData());
    std::printf("0 passed, 1 failed\n");
    return 1;
  }
  std::printf("1 passed, 0 failed\n");
  return 0;
}
