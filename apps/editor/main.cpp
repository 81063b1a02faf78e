// vyredit: the authoring program. Start and shutdown order only.
#include <QApplication>

#include "platform/desktop/MessageBox.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::InstallMessageBoxes();
  QCoreApplication::setApplicationName(u"vyredit"_qs);

  vyr::TStartUpSteps steps;
  vyr::TStartUpOptions options;
  options.editor = true;
  if (!vyr::StartUp(steps, options)) return 1;
  return 0;
}
