#pragma once
// The presentation driver: "gosuper" starts the presentation of the mode
// set on the vocabulary page, "stop" and a click on the main window stop
// it, and the music keys change the volume or the piece while music plays.
// Modes (as "sm=" names them): 1 klassisch and 2 abgedreht run here in
// TSuperFade; 6 freefall and 7 vegas show their intro page with the music
// playing on; the styles 3-5, 8 and 9 join through the same start as they
// are built and until then say they are not available.
#include <QRect>
#include <functional>
#include <string>

#include "shell/window/CommandDispatch.h"
#include "shell/window/Presentations.h"
#include "vocabulary/settings/PresentationWalk.h"

namespace vyr {

class TMain;
class TMusic;
class TSamplePlayer;
class TSuperFade;
class TSuperOptions;
class TVocEinstellungen;

class TPresentationDriver : public TPresentations, public TCommandHandler {
 public:
  // Registers itself as the owner of "gosuper" and "stop" and as the main
  // window's presentation driver.
  TPresentationDriver(TMain& main, TVocEinstellungen& settings, TSuperOptions& options);
  ~TPresentationDriver() override;

  void RunCommand(TCommandId id, const std::string& argument) override;
  void StartPresentation();
  void StopPresentation() override;
  bool HandleMusicKey(int key) override;

  // Shows the vocabulary page again (the program's "vstart").
  std::function<void()> showVocabularyStart;
  // Where recordings play; nullptr: no recordings.
  TSamplePlayer* samples = nullptr;
  // Where the full-screen window goes; empty: the whole screen.
  QRect area;
  // Told of every TSuperFade before it runs (tests look at it).
  std::function<void(TSuperFade&)> onFade;

  TPresentationWalk& Walk() { return walk_; }

 private:
  void RunFade(bool abgedreht);
  void ShowPage(const std::string& name);

  TMain& main_;
  TVocEinstellungen& settings_;
  TSuperOptions& options_;
  TPresentationWalk walk_;
};

}  // namespace vyr
