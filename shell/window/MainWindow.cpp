#include "shell/window/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QScreen>

#include "page/control/PageControl.h"
#include "page/sources/HyperBase.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/desktop/ScreenSaver.h"
#include "platform/desktop/Shell.h"
#include "shell/startup/Environment.h"
#include "shell/startup/SettingsKey.h"
#include "shell/startup/SharedObjects.h"
#include "shell/startup/StartUp.h"
#include "shell/startup/UserSettings.h"
#include "shell/window/Backdrop.h"
#include "shell/window/PageCodes.h"
#include "text/Case.h"

namespace vyr {
namespace {

// Runs one shutdown step; a step that fails does not stop the others.
void Step(const std::function<void()>& step) {
  if (!step) return;
  try {
    step();
  } catch (...) {
    QCoreApplication::processEvents();
  }
}

}  // namespace

TMain::TMain(TShutdownSteps shutdown, QWidget* parent)
    : QWidget(parent), shutdown_(std::move(shutdown)), backdrop_(new TBackdrop(this)), page_(new TXPage(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  FormCreate();
}

TMain::~TMain() {
  Env().mainWindowExists = false;
  Env().backdropExists = false;
  Env().switchToWindowMode = nullptr;
}

std::string TMain::HomePage() { return Env().contentRoot + "hvyr\\homepage.html"; }

void TMain::FormCreate() {
  TEnvironment& env = Env();
  setWindowTitle(u"vyr englisch"_qs);
  env.mainWindowExists = true;
  env.switchToWindowMode = [this] { SetWindowMode(true); };

  // The backdrop takes the colour read at the login (black when nobody is).
  env.backdropExists = true;
  backdrop_->SetColour(env.backdropColour);
  backdrop_->onColourChanged = [](int colour) { Env().backdropColour = colour; };
  backdrop_->onWindowMode = [this] { SetWindowMode(true); };
  backdrop_->onMinimise = [this] { showMinimized(); };

  page_->resize(kPageWidth, kPageHeight);
  page_->installEventFilter(this);
  page_->Sonderzeichen.clear();
  // The background of the look-up pop-up, unless a page sets its own.
  if (page_->GetVariable("hyper").empty()) page_->SetVariable("hyper", "#FFFFE1");
  SetConditions();
  page_->OnSpecialCode = [this](TXPage*, std::string& code) { code = SpecialCodeValue(code, userCodes_); };
  page_->OnPictureRequest = [this](TXPage*, const std::string& code, QImage& picture) {
    if (!Env().userName.empty() && userPictures_) userPictures_(code, picture);
  };
  page_->OnTitleChange = [](TXPage*, const std::string&) {};

  dispatcher_.SetOwner(TCommandOwner::Main, this);
  dispatcher_.loggedIn = [] { return !Env().userName.empty(); };
  dispatcher_.processPendingMessages = [] { QCoreApplication::processEvents(); };
  // One presentation or game at a time: a second start inside a run (a
  // double click on "Start!", a timed jump) is ignored.
  dispatcher_.refused = [this](TCommandId id) {
    return PresentationRunning() &&
           (id == TCommandId::StartPresentation || id == TCommandId::FreeFall || id == TCommandId::Vegas);
  };
  dispatcher_.SetReady(true);
  page_->OnCommand = [this](TXPage*, const std::string& command) { PageCommand(command); };
  page_->OnRightClick = [this](TXPage*, const QRect&, const std::string& text) { XPageRightClick(text); };
  page_->OnClick = [this](TXPage*) {
    if (running_) running_->Click();
  };

  page_->SetProgramDirectory(env.programDirectory);
  page_->SetXPath(env.contentRoot + "hvyr\\");
  page_->SetXFile(env.contentRoot + "hvyr\\main.htx");
}

void TMain::SetConditions() {
  const TEnvironment& env = Env();
  page_->SetCondition(LowerCase(kCourseCode), true);
  page_->SetCondition("cdrom", !env.waveDirectory.empty());
  page_->SetCondition("online", env.waveDirectory.empty() && !env.extensionRecordings.empty() &&
                                    env.extensionDirectoryExists && !env.extensions.empty());
  page_->SetCondition("mute", env.waveDirectory.empty() && env.extensionDirectoryExists && env.extensions.empty());
  page_->SetCondition("login", !env.userName.empty());
}

void TMain::SetUserSource(TUserCodeSource codes, TUserPictureSource pictures) {
  userCodes_ = std::move(codes);
  userPictures_ = std::move(pictures);
}

void TMain::LoginChanged() {
  page_->SetCondition("login", !Env().userName.empty());
  const std::string current = page_->Loader().CurrentPage();
  if (!current.empty()) page_->SetXFile(current);
}

void TMain::SetWindowMode(bool window) {
  Env().windowMode = window;
  backdrop_->setVisible(!window);
  const bool shown = isVisible();
  if (window) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kPageWidth, kPageHeight);
    if (QScreen* s = screen(); s && s->geometry().width() != kPageWidth)
      move(s->geometry().center() - QPoint(kPageWidth / 2, kPageHeight / 2));
  } else {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setMinimumSize(kPageWidth, kPageHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  placePage();
  if (shown) ShowInMode();
}

void TMain::ShowInMode() {
  if (Env().windowMode) {
    showNormal();
  } else {
    // Covers the screen even where no window manager handles full-screen requests.
    if (QScreen* s = screen()) setGeometry(s->geometry());
    showFullScreen();
  }
  page_->setFocus();
}

void TMain::placePage() {
  backdrop_->setGeometry(rect());
  if (Env().windowMode) page_->move(0, 0);
  else page_->move(std::max(0, (width() - kPageWidth) / 2), std::max(0, (height() - kPageHeight) / 2));
}

void TMain::resizeEvent(QResizeEvent*) { placePage(); }

void TMain::PageCommand(const std::string& command) { dispatcher_.PageCommand(command); }

void TMain::XPageRightClick(const std::string& text) {
  // The word's recording first, then the explanation of the hyper base (the
  // dictionary's short entry joins with the dictionary).
  if (playWord_) playWord_(text);
  std::string explanation, extra;
  if (!Shared().hyperBase || Shared().hyperBase->Find("*" + text + "*", explanation, extra) < 0) return;
  page_->ShowPopupPage(
      text, -12, -12, 200, 60,
      " <body bgcolor=$hyper><font face=\"verdana, arial\" size=1><box coords=10,10,-10,-10 >" + explanation);
}

void TMain::RunCommand(TCommandId id, const std::string& argument) {
  switch (id) {
    case TCommandId::HomePage:
      if (!ShellOpen(HomePage())) ShowCourseMessage("Die Seite " + HomePage() + " konnte nicht geöffnet werden.");
      break;
    case TCommandId::OpenAddress:
      if (!ShellOpen(argument)) ShowCourseMessage("Die Adresse " + argument + " konnte nicht geöffnet werden.");
      break;
    case TCommandId::DeleteShortcuts: DeleteShortcuts(); break;
    case TCommandId::DeleteSettingsKey: DeleteSettingsKey(); break;
    case TCommandId::End: close(); break;
    case TCommandId::VocabularyStart:
      if (showVocabularyStart) {
        showVocabularyStart();
        break;
      }
      [[fallthrough]];
    default: ShowCourseMessage(kFeatureMissingMessage, msg::IconInformation); break;
  }
}

bool TMain::PresentationStarted(TRunningPresentation* run) {
  if (running_ || !run) return false;
  running_ = run;
  farewellPending_ = endPending_ = false;
  // Styles and games draw under the mouse: its input must be on.
  page_->EnableMouse();
  inhibiting_ = run->DrawsOnMainWindow();
  if (inhibiting_) BlockScreenSaver();
  return true;
}

bool TMain::PresentationEnded() {
  running_ = nullptr;
  if (inhibiting_) UnblockScreenSaver();
  inhibiting_ = false;
  const bool closing = farewellPending_ || endPending_;
  if (endPending_) {
    // The loop has returned: the shutdown may run now.
    endPending_ = farewellPending_ = false;
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
  } else if (farewellPending_) {
    farewellPending_ = false;
    const std::string bye = Env().contentRoot + "hvyr\\bye.htx";
    if (!(FileExists(bye) && page_->SetXFile(bye))) {
      QMetaObject::invokeMethod(
          this, [this] { close(); }, Qt::QueuedConnection);
    }
  }
  return closing;
}

void TMain::FormClick() {
  if (presentations_) presentations_->StopPresentation();
}

void TMain::mousePressEvent(QMouseEvent* e) {
  FormClick();
  QWidget::mousePressEvent(e);
}

bool TMain::handleKey(QKeyEvent* e) {
  if (presentations_ && presentations_->HandleMusicKey(e->key())) return true;
  if (e->key() == Qt::Key_F5) {
    SetWindowMode(!Env().windowMode);
    return true;
  }
  return false;
}

void TMain::keyPressEvent(QKeyEvent* e) {
  if (!handleKey(e)) QWidget::keyPressEvent(e);
}

bool TMain::eventFilter(QObject* watched, QEvent* e) {
  if (watched == page_ && e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (handleKey(key)) return true;
    // After the music keys, the running game or style takes the key.
    if (running_ && running_->Key(key->key())) return true;
  }
  return QWidget::eventFilter(watched, e);
}

void TMain::closeEvent(QCloseEvent* e) {
  if (shuttingDown_) {
    e->accept();
    return;
  }
  if (running_) {
    // A loop is on the stack: it is stopped, and the farewell page (or, on
    // it, the end) follows once the loop has returned.
    if (SameText(page_->XFile(), "bye.htx")) endPending_ = true;
    else farewellPending_ = true;
    running_->Stop();
    e->ignore();
    return;
  }
  const std::string bye = Env().contentRoot + "hvyr\\bye.htx";
  if (!SameText(page_->XFile(), "bye.htx")) {
    // The first request shows the farewell page; the program can always be
    // closed all the same: without a readable farewell page it ends now.
    if (FileExists(bye) && page_->SetXFile(bye) && SameText(page_->XFile(), "bye.htx")) {
      e->ignore();
      return;
    }
  }
  Beenden();
  e->accept();
}

void TMain::Beenden() {
  shuttingDown_ = true;
  if (!QCoreApplication::closingDown()) QCoreApplication::processEvents();
  const TShutdownSteps& s = shutdown_;
  Step(s.releaseVerbTrainer);
  Step(s.releaseLabTopics);
  Step(s.releaseVocabularyResults);
  Step(s.releaseSamplePlayer);
  // Directories marked as not found at start lose their ini entries.
  int flags = 0;
  if (Env().wirtschaftRecordings == "-") flags |= kSaveWirtschaft;
  if (Env().rechtRecordings == "-") flags |= kSaveRecht;
  if (flags) Step([flags] { SaveDirectories(flags); });
  Env().extensions.clear();
  Step(s.releaseRecordings);
  // The backdrop's colour and the window mode belong to the user (or to
  // "Anonym"): saved while the user is still logged in.
  Step(SaveUserDisplaySettings);
  // The user's logout saves the superlearning options with the user data,
  // and the options read the music player's volume: the user goes first,
  // then the options, then the music player.
  Step(s.saveUserAndRelease);
  Step(s.releaseSuperOptions);
  Step(s.releaseMusic);
  Step(s.releaseLibrary);
  backdrop_->hide();
  Env().backdropExists = false;
  QCoreApplication::quit();
}

}  // namespace vyr
