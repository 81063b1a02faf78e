#pragma once
// shell/window: the learner's main window, its backdrop, the command table
// and its dispatch, and the page codes.
//
// The learner's main window: one page control showing the course pages,
// in front of the coloured backdrop in full-screen mode, or framed in window
// mode. Whatever a page cannot do itself reaches it as a command, a special
// code or a picture request; it closes through the farewell page.
#include <QWidget>
#include <functional>
#include <string>

#include "shell/window/CommandDispatch.h"
#include "shell/window/PageCodes.h"
#include "shell/window/Presentations.h"

class QImage;

namespace vyr {

class TBackdrop;
class TXPage;

// What the shutdown releases and saves, in its fixed order; an empty step is
// skipped. The shared objects of later subsystems join here as they come.
struct TShutdownSteps {
  std::function<void()> releaseVerbTrainer;
  std::function<void()> releaseLabTopics;  // saves the lab settings
  std::function<void()> releaseVocabularyResults;
  std::function<void()> releaseSamplePlayer;
  std::function<void()> releaseRecordings;
  std::function<void()> saveUserAndRelease;   // the user data with its log line
  std::function<void()> releaseSuperOptions;  // saves the superlearning options
  std::function<void()> releaseMusic;
  std::function<void()> releaseLibrary;
};

class TMain : public QWidget, public TCommandHandler {
  Q_OBJECT
 public:
  static constexpr int kPageWidth = 800, kPageHeight = 572;

  explicit TMain(TShutdownSteps shutdown = {}, QWidget* parent = nullptr);
  ~TMain() override;

  TXPage* XPage() const { return page_; }
  TBackdrop* Backdrop() const { return backdrop_; }
  TCommandDispatcher& Dispatcher() { return dispatcher_; }

  // Full-screen (false) or window mode (true).
  void SetWindowMode(bool window);
  // Shows the window in the current mode.
  void ShowInMode();

  void PageCommand(const std::string& command);
  // The main window's own rows of the command table.
  void RunCommand(TCommandId id, const std::string& argument) override;
  // The home page of the course, opened by "www".
  static std::string HomePage();

  // What the user base answers: the user codes of pages and the progress
  // charts (false: not a chart of the user's).
  using TUserPictureSource = std::function<bool(const std::string& code, QImage& picture)>;
  void SetUserSource(TUserCodeSource codes, TUserPictureSource pictures);
  // After "login", "newusr" and "chusr": the "login" condition, then the page again.
  void LoginChanged();
  // Shows the vocabulary start page ("vstart"); set by the program, which
  // has the trainer settings. Unset: the feature is missing.
  std::function<void()> showVocabularyStart;

  // The recording step of the right-click: plays the word's recording
  // (set by the program entry; the recordings come later in the start order).
  void SetWordPlayer(std::function<void(const std::string& text)> play) { playWord_ = std::move(play); }

  // --- presentations (the driver is wired in by the program)
  void SetPresentations(TPresentations* presentations) { presentations_ = presentations; }
  bool PresentationRunning() const { return running_ != nullptr; }
  TRunningPresentation* RunningPresentation() const { return running_; }
  // Around the loop of a presentation or game. Started refuses (false) while
  // another runs. Ended answers true when a close request came during the
  // run: the farewell page is shown then (or the program ends), and the
  // presentation must not show a page of its own.
  bool PresentationStarted(TRunningPresentation* run);
  bool PresentationEnded();
  // Clicks on the window's own surface stop the presentation.
  void FormClick();

  // Whether the farewell page has been passed and the program shuts down.
  bool ShuttingDown() const { return shuttingDown_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void FormCreate();
  void SetConditions();
  void Beenden();
  void placePage();
  void XPageRightClick(const std::string& text);
  bool handleKey(QKeyEvent* e);

  TShutdownSteps shutdown_;
  TBackdrop* backdrop_;
  TXPage* page_;
  TCommandDispatcher dispatcher_;
  TUserCodeSource userCodes_;
  TUserPictureSource userPictures_;
  std::function<void(const std::string& text)> playWord_;
  bool shuttingDown_ = false;
  TPresentations* presentations_ = nullptr;
  TRunningPresentation* running_ = nullptr;
  bool inhibiting_ = false;
  // A close request during a run: the farewell page, or the end, follows the loop.
  bool farewellPending_ = false, endPending_ = false;
};

}  // namespace vyr
