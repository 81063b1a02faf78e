#include "superlearning/presentation/PresentationDriver.h"

#include <QCoreApplication>

#include "page/control/PageControl.h"
#include "platform/core/Messages.h"
#include "shell/startup/Environment.h"
#include "shell/window/MainWindow.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/presentation/SuperFade.h"
#include "superlearning/sound/Music.h"
#include "text/Cp1252.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr {

TPresentationDriver::TPresentationDriver(TMain& main, TVocEinstellungen& settings, TSuperOptions& options)
    : main_(main), settings_(settings), options_(options), walk_(settings) {
  main_.Dispatcher().SetOwner(TCommandOwner::Presentation, this);
  main_.SetPresentations(this);
}

TPresentationDriver::~TPresentationDriver() {
  if (main_.Dispatcher().Owner(TCommandOwner::Presentation) == this)
    main_.Dispatcher().SetOwner(TCommandOwner::Presentation, nullptr);
  main_.SetPresentations(nullptr);
}

void TPresentationDriver::RunCommand(TCommandId id, const std::string&) {
  if (id == TCommandId::StartPresentation) StartPresentation();
  else if (id == TCommandId::Stop) StopPresentation();
}

void TPresentationDriver::ShowPage(const std::string& name) {
  main_.XPage()->SetXFile(Env().contentRoot + "hvyr\\" + name);
}

void TPresentationDriver::StartPresentation() {
  if (main_.PresentationRunning()) return;  // one at a time
  QCoreApplication::processEvents();
  const int modus = settings_.Modus();
  const bool runs = modus >= 1 && modus <= 9;
  // Without an active entry no walk can give an item: the page shows why.
  if (runs && settings_.ActiveCount() == 0) {
    if (showVocabularyStart) showVocabularyStart();
    return;
  }
  walk_.StartWalk();
  TMusic& music = options_.Music();
  if (runs && options_.Settings().Musik) music.StartNow();
  switch (modus) {
    case 1:
    case 2: RunFade(modus == 2); return;
    case 6:
    case 7:
      // The game starts from its intro page; the music plays on.
      ShowPage(modus == 6 ? "freefall\\intro.htx" : "vegas\\intro.htx");
      return;
    case 3:
    case 4:
    case 5:
    case 8:
    case 9: ShowCourseMessage(kFeatureMissingMessage, msg::IconInformation); break;
    default: break;
  }
  music.Stop();
  if (showVocabularyStart) showVocabularyStart();
}

void TPresentationDriver::RunFade(bool abgedreht) {
  // Every presentation starts with a word, whatever the last one left.
  options_.alternation = false;
  TSuperFadeSetup setup;
  setup.abgedreht = abgedreht;
  setup.settings = options_.Settings();
  setup.face = options_.Face(&TSuperSettings::Schrift);
  setup.nextItem = [this] {
    const TWalkHalf h = walk_.NextHalf();
    return TFadeItem{h.text, h.sound};
  };
  setup.samples = samples;
  setup.musicKey = [this](int key) { return HandleMusicKey(key); };
  setup.area = area;
  bool closing = false;
  {
    TSuperFade fade(setup);
    if (onFade) onFade(fade);
    if (main_.PresentationStarted(&fade)) {
      fade.Run();
      closing = main_.PresentationEnded();
    }
  }
  options_.Music().Stop();
  if (!closing && showVocabularyStart) showVocabularyStart();
}

void TPresentationDriver::StopPresentation() {
  if (TRunningPresentation* run = main_.RunningPresentation()) run->Stop();
}

bool TPresentationDriver::HandleMusicKey(int key) {
  TMusic& music = options_.Music();
  if (!music.IsPlaying()) return false;
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      music.ChangeVolume(key == Qt::Key_Up ? 2 : -2);
      main_.setWindowTitle(u"Volume: "_qs + QString::number(music.VolumeDb()));
      options_.MarkModified();
      return true;
    case Qt::Key_Right:
      music.StartInThread(true);
      main_.setWindowTitle(ToUnicode(music.CurrentPiece()));
      return true;
    default: return false;
  }
}

}  // namespace vyr
