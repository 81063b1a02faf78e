#pragma once
// What the main window knows of the superlearning presentations and games:
// the one object that runs (it is stopped, and takes keys and clicks the
// main window forwards) and the driver that the program entry wires in
// (music keys, stopping). The window keeps the running state, refuses a
// second start while one runs, and holds the farewell and the shutdown back
// until the loop of the running presentation has returned.
#include <string_view>

namespace vyr {

class TRunningPresentation {
 public:
  virtual ~TRunningPresentation() = default;
  // Asks the presentation to end; its loop returns soon after.
  virtual void Stop() = 0;
  // A key the main window or its page received; true when it was taken.
  virtual bool Key(int key) { return false; }
  // A click on the page while it runs (the games take them).
  virtual void Click() {}
  // Whether it draws on the main window (then the window blocks the screen
  // saver) or in a window of its own.
  virtual bool DrawsOnMainWindow() const { return true; }
};

class TPresentations {
 public:
  virtual ~TPresentations() = default;
  // Up, Down and Right while the music plays; true when the key was taken.
  virtual bool HandleMusicKey(int key) = 0;
  // Stops whatever runs; nothing when nothing runs.
  virtual void StopPresentation() = 0;
};

}  // namespace vyr
