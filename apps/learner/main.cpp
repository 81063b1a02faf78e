// vyr_e: the learning program. Start and shutdown order only.
#include <QApplication>

#include "platform/desktop/MessageBox.h"
#include "shell/startup/Environment.h"
#include "shell/startup/SharedObjects.h"
#include "shell/startup/StartUp.h"
#include "shell/window/MainWindow.h"
#include "text/Cp1252.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::InstallMessageBoxes();
  QCoreApplication::setApplicationName(u"vyr_e"_qs);

  std::vector<std::string> args;
  for (const QString& a : QCoreApplication::arguments().mid(1)) args.push_back(vyr::FromUnicode(a));
  vyr::ParseCommandLine(args);

  // The shared objects of the later subsystems join through these steps.
  vyr::TStartUpSteps steps;
  steps.createHyperBase = vyr::CreateHyperBase;
  if (!vyr::StartUp(steps)) return 1;

  vyr::TShutdownSteps shutdown;
  vyr::TMain main(shutdown);
  main.SetWindowMode(vyr::Env().windowMode);
  main.ShowInMode();
  return app.exec();
}
