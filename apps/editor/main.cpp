// vyredit: the authoring program. Start and shutdown order only.
#include <QApplication>

#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Sound.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"
#include "superlearning/sound/SoundPlayers.h"

int main(int argc, char** argv) {
  vyr::ChooseSoundBackEnd();
  QApplication app(argc, argv);
  vyr::InstallMessageBoxes();
  QCoreApplication::setApplicationName(u"vyredit"_qs);

  vyr::TStartUpSteps steps;
  steps.createSamplePlayer = vyr::CreateSamplePlayer;
  vyr::TStartUpOptions options;
  options.editor = true;
  const bool started = vyr::StartUp(steps, options);
  // The sample player goes before the application object, whatever happened.
  vyr::ReleaseSamplePlayer();
  return started ? 0 : 1;
}
