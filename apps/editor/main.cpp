// vyredit: the authoring program. Start and shutdown order only.
#include <QApplication>
#include <memory>

#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Sound.h"
#include "shell/recordings/RecordingPlayer.h"
#include "shell/recordings/Recordings.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"
#include "shell/users/UserBase.h"
#include "shell/users/UserDialogs.h"
#include "superlearning/sound/SoundPlayers.h"
#include "vocabulary/library/VocabularyObjects.h"

int main(int argc, char** argv) {
  vyr::ChooseSoundBackEnd();
  QApplication app(argc, argv);
  vyr::InstallMessageBoxes();
  QCoreApplication::setApplicationName(u"vyredit"_qs);

  // The editor creates the user base without a login; its user menu comes
  // with the editor window.
  std::unique_ptr<vyr::TXUserBase> users;
  vyr::TStartUpSteps steps;
  steps.createRecordingsDatabase = vyr::CreateRecordingsDatabase;
  steps.loadSupplementaryRecordings = vyr::LoadSupplementaryRecordings;
  steps.createSamplePlayer = [] {
    vyr::CreateSamplePlayer();
    vyr::SetRecordingPlayer(vyr::PlaySampleOnce);  // the recordings are heard through it
  };
  steps.createUserBaseAndLogin = [&users] {
    users = std::make_unique<vyr::TXUserBase>(vyr::TXUserBase::TProgram::Editor);
    users->dialogs = vyr::UserDialogs(vyr::Env().contentRoot + "hvyr\\");
  };
  steps.createLibrary = vyr::CreateLibrary;
  vyr::TStartUpOptions options;
  options.editor = true;
  const bool started = vyr::StartUp(steps, options);
  // Shutdown: the changed recordings database (when the user wants it
  // saved), the user data, then the sample player before the application
  // object, whatever happened.
  if (started) vyr::SaveRecordingsAtEditorEnd();
  vyr::ReleaseRecordings();
  if (started && users) users->SaveAndLogoutAtShutdown();
  vyr::SetRecordingPlayer(nullptr);
  vyr::ReleaseSamplePlayer();
  return started ? 0 : 1;
}
