// vyr_e: the learning program. Start and shutdown order only.
#include <QApplication>
#include <memory>

#include "page/control/PageControl.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Sound.h"
#include "shell/paths/PathsCommands.h"
#include "shell/recordings/RecordingLookup.h"
#include "shell/recordings/RecordingPlayer.h"
#include "shell/recordings/Recordings.h"
#include "shell/recordings/RecordingsCommands.h"
#include "shell/lab/LabCommands.h"
#include "shell/lab/ThemenListe.h"
#include "shell/lab/XRecorder.h"
#include "shell/startup/Environment.h"
#include "shell/startup/SharedObjects.h"
#include "shell/startup/StartUp.h"
#include "shell/users/UserBase.h"
#include "shell/users/UserCommands.h"
#include "shell/users/UserDialogs.h"
#include "shell/users/VocScores.h"
#include "shell/window/MainWindow.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/options/SuperOptionsCommand.h"
#include "superlearning/options/SuperOptionsSteps.h"
#include "superlearning/presentation/PresentationDriver.h"
#include "superlearning/sound/Music.h"
#include "superlearning/sound/MusicCaption.h"
#include "superlearning/sound/SoundPlayers.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/VocabularyObjects.h"
#include "vocabulary/selection/SettingsCommands.h"
#include "vocabulary/settings/VocEinstellungen.h"
#include "vocabulary/settings/VocabularyStartPage.h"

int main(int argc, char** argv) {
  vyr::ChooseSoundBackEnd();
  QApplication app(argc, argv);
  vyr::InstallMessageBoxes();
  QCoreApplication::setApplicationName(u"vyr_e"_qs);

  std::vector<std::string> args;
  for (const QString& a : QCoreApplication::arguments().mid(1)) args.push_back(vyr::FromUnicode(a));
  vyr::ParseCommandLine(args);

  // The shared objects of the later subsystems join through these steps.
  std::unique_ptr<vyr::TXUserBase> users;
  std::unique_ptr<vyr::TThemenListe> lab;
  vyr::TStartUpSteps steps;
  // The superlearning options create the one music player.
  steps.createSuperOptions = vyr::CreateSuperOptions;
  steps.createRecordingsDatabase = vyr::CreateRecordingsDatabase;
  steps.loadSupplementaryRecordings = vyr::LoadSupplementaryRecordings;
  steps.createSamplePlayer = [] {
    vyr::CreateSamplePlayer();
    vyr::SetRecordingPlayer(vyr::PlaySampleOnce);  // the recordings are heard through it
  };
  steps.createUserBaseAndLogin = [&users] {
    users = std::make_unique<vyr::TXUserBase>();
    users->dialogs = vyr::UserDialogs(vyr::Env().contentRoot + "hvyr\\");
    vyr::ConnectSuperOptions(*users);
    users->LoginFlow();
  };
  steps.createLibrary = vyr::CreateLibrary;
  // The trainer settings read the logged-in user's file (or the program's)
  // and load its selection; every login reads the user's, every logout
  // writes them back.
  std::unique_ptr<vyr::TVocEinstellungen> settings;
  steps.connectTrainerSettings = [&users, &settings] {
    vyr::LoadSuperOptionsWithoutUser();
    vyr::TTrainerContext context;
    context.programFolder = vyr::Env().programDirectory;
    context.vocabularyFolder = vyr::Env().vocabularyDirectory;
    context.userFolder = [&users] {
      return users && users->IsLoggedIn() ? users->UserFolder(users->UserName()) : std::string();
    };
    context.scores = [&users] { return users ? vyr::VocScoresOf(*users) : vyr::TVocScoreLookup(); };
    context.stopMusic = [] {
      if (vyr::TMusic* music = vyr::Music()) music->Stop();
    };
    // The presentations speak a word through its recording.
    context.findRecording = [](std::string_view text) { return vyr::FindRecording(text); };
    // Speech output and the word/meaning alternation belong to the
    // superlearning options, created in the step before this one.
    context.speechOn = [] { return vyr::SuperOptions() && vyr::SuperOptions()->Settings().Sprachausgabe; };
    if (vyr::TSuperOptions* options = vyr::SuperOptions()) context.halfFlag = &options->alternation;
    settings = std::make_unique<vyr::TVocEinstellungen>(*vyr::Vocabulary().library, std::move(context));
    settings->Load();
    if (!users) return;
    users->loginHooks.push_back([&settings] { settings->Load(); });
    users->logoutHooks.push_back([&settings] { settings->Save(); });
  };
  steps.createLabTopics = [&lab] { lab = std::make_unique<vyr::TThemenListe>(); };
  steps.createHyperBase = vyr::CreateHyperBase;
  if (!vyr::StartUp(steps)) {
    vyr::SetRecordingPlayer(nullptr);
    vyr::ReleaseRecordings();
    vyr::ReleaseSamplePlayer();
    users.reset();
    vyr::ReleaseSuperOptions();
    vyr::ReleaseMusic();
    return 1;
  }

  vyr::TShutdownSteps shutdown;
  shutdown.releaseLabTopics = [&lab] { lab.reset(); };  // saves the lab settings
  shutdown.releaseSamplePlayer = [] {
    vyr::SetRecordingPlayer(nullptr);
    vyr::ReleaseSamplePlayer();
  };
  shutdown.releaseSuperOptions = vyr::ReleaseSuperOptions;
  shutdown.releaseRecordings = vyr::ReleaseRecordings;
  shutdown.releaseMusic = vyr::ReleaseMusic;
  shutdown.saveUserAndRelease = [&users] {
    if (users) users->SaveAndLogoutAtShutdown();
    users.reset();
  };
  shutdown.releaseVocabularyResults = vyr::ReleaseVocabularyResults;
  // The settings save themselves (into the file they came from) before the
  // library they point at goes.
  shutdown.releaseLibrary = [&settings] {
    settings.reset();
    vyr::ReleaseLibrary();
  };
  vyr::TMain main(shutdown);
  main.showVocabularyStart = [&main, &settings] {
    if (settings) vyr::ShowVocabularyStart(*main.XPage(), *settings, vyr::Env().contentRoot);
  };
  vyr::TSettingsCommands settingsCommands(*settings, main.showVocabularyStart, &main);
  main.Dispatcher().SetOwner(vyr::TCommandOwner::Settings, &settingsCommands);
  // The lab writes to the window's page control; the page control's one
  // recorder answers "rec" and "play" on pages with a <RECORDER>.
  if (lab) lab->SetPage(main.XPage());
  vyr::TXRecorder recorder(*main.XPage());
  vyr::TLabCommands labCommands(lab, *main.XPage());
  main.Dispatcher().SetOwner(vyr::TCommandOwner::Lab, &labCommands);
  vyr::CreateSampleList();
  // The end of a piece reaches the main window, which goes on with the next
  // and shows its path in the caption.
  if (vyr::TMusic* music = vyr::Music()) vyr::AnswerMusicEvents(*music, main);
  main.SetUserSource(
      [&users](const std::string& code) { return users ? vyr::UserCodeValue(*users, code) : code; },
      [&users](const std::string& code, QImage& picture) { return users && vyr::UserPicture(*users, code, picture); });
  // At every change of user the library takes the new user's scores and the
  // page is shown again with the user's values.
  const auto loginChanged = [&main, &users] {
    if (vyr::TBibliothek* library = vyr::Vocabulary().library.get()) library->ComputeScores(vyr::VocScoresOf(*users));
    main.LoginChanged();
  };
  vyr::TUserCommands userCommands(*users, loginChanged);
  main.Dispatcher().SetOwner(vyr::TCommandOwner::Users, &userCommands);
  vyr::TRecordingsCommands recordingsCommands(&main);
  main.Dispatcher().SetOwner(vyr::TCommandOwner::Recordings, &recordingsCommands);
  vyr::TPathsCommands pathsCommands(&main);
  main.Dispatcher().SetOwner(vyr::TCommandOwner::Paths, &pathsCommands);
  main.SetWordPlayer([](const std::string& text) { vyr::PlayWord(text); });
  // "superopts": when speech output changed, the vocabulary page (which
  // shows whether there is speech) is built again.
  vyr::TSuperOptionsCommand superOptionsCommand(*vyr::SuperOptions(), &main, [&main] {
    if (vyr::SameText(main.XPage()->XFile(), "vokabeln.htx")) main.PageCommand("vstart");
  });
  main.Dispatcher().SetOwner(vyr::TCommandOwner::SuperOptions, &superOptionsCommand);
  // "gosuper", "stop", the music keys and a click on the window's own surface.
  vyr::TPresentationDriver presentations(main, *settings, *vyr::SuperOptions());
  presentations.showVocabularyStart = main.showVocabularyStart;
  presentations.samples = vyr::SamplePlayer();
  loginChanged();  // the start page again, now with the user's values
  main.SetWindowMode(vyr::Env().windowMode);
  main.ShowInMode();
  const int result = app.exec();
  if (lab) lab->SetPage(nullptr);  // the window's page control goes with the window
  // When the window closed without its shutdown, the players still go
  // before the application object, the options (which read the music
  // player) before the music player.
  vyr::SetRecordingPlayer(nullptr);
  vyr::ReleaseRecordings();
  vyr::ReleaseSamplePlayer();
  vyr::ReleaseSuperOptions();
  vyr::ReleaseMusic();
  return result;
}
