#pragma once
// The background music of the learning program: the MP3 files of a music
// directory (and its subdirectories), played one after another in random
// order, never repeating a piece within the next half of the collection.
// Pieces start on the calling (user-interface) thread; QtMultimedia loads
// and plays them on its own threads.
#include <QObject>
#include <string>
#include <string_view>
#include <vector>

#include "superlearning/sound/XPlayer.h"

namespace vyr {

class TMusic {
 public:
  // `directory` empty: programDirectory + "MP3\". A missing directory is
  // reported once, unless `reportMissing` is false; there is no music then.
  TMusic(std::string_view directory, std::string_view programDirectory, bool reportMissing = true);

  // Scans a new directory; a missing one is reported and changes nothing.
  void SetDirectory(std::string_view directory);
  // The program's default directory, which the learner did not choose: a
  // missing one is not reported and leaves the player without a directory
  // and without music.
  void SetDefaultDirectory(std::string_view directory);
  const std::string& Directory() const { return directory_; }
  int FileCount() const { return static_cast<int>(files_.size()); }
  const std::vector<std::string>& Files() const { return files_; }
  bool MusicAvailable() const { return !files_.empty(); }

  // The next piece at random (empty without files); it becomes current.
  std::string ChoosePiece();
  const std::string& CurrentPiece() const { return current_; }

  // Chooses a piece and starts it, when there is music.
  void StartNow();
  // Starts the current piece, or a new one with `choose`, unless a start
  // is still pending: it is pending until the piece plays, fails or is
  // stopped. (The name is kept from when pieces started on a thread.)
  void StartInThread(bool choose);
  bool StartPending() const { return starting_ > 0; }
  void Stop();

  // Volume in hundredths of a decibel, -2400 .. 0.
  void ChangeVolume(int steps);
  void SetVolumeDb(int db);
  int VolumeDb() const { return player_.Volume() / 100; }
  int Volume() const { return player_.Volume(); }

  bool IsPlaying() const { return player_.IsPlaying(); }
  // The player's events: the end of a piece starts the next, an error ends
  // the music. Returns the event code.
  int HandleEvents();
  // Stops the music when it plays (false), else starts it (true).
  bool ToggleTest();
  void SetNotifyWindow(QObject* window, std::function<void()> onEvent = {});

  static constexpr int kMinVolume = -2400, kMaxVolume = 0;

 private:
  std::string directory_;
  std::vector<std::string> files_;
  std::vector<int> history_;  // indices into files_, oldest first
  std::string current_;
  int starting_ = 0;
  TXPlayer player_;
};

}  // namespace vyr
