#include "superlearning/sound/Music.h"

#include <QCoreApplication>
#include <algorithm>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/core/Random.h"

namespace vyr {

TMusic::TMusic(std::string_view directory, std::string_view programDirectory, bool reportMissing) {
  player_.onStartOutcome = [this](bool) { starting_ = 0; };
  const std::string dir = directory.empty() ? std::string(programDirectory) + "MP3\\" : std::string(directory);
  if (reportMissing) SetDirectory(dir);
  else SetDefaultDirectory(dir);
}

void TMusic::SetDefaultDirectory(std::string_view directory) {
  if (DirectoryExists(directory)) {
    SetDirectory(directory);
    return;
  }
  Stop();
  directory_.clear();
  current_.clear();
  files_.clear();
  history_.clear();
}

void TMusic::SetDirectory(std::string_view directory) {
  if (!DirectoryExists(directory)) {
    ShowCourseMessage("Das MP3-Verzeichnis " + std::string(directory) + " existiert nicht!", msg::IconError);
    return;
  }
  const std::string dir = IncludeTrailingBackslash(directory);
  if (dir == directory_) return;
  directory_ = dir;
  files_.clear();
  history_.clear();
  FindFiles(directory_, &files_, ".mp3");
}

std::string TMusic::ChoosePiece() {
  const int n = FileCount();
  if (n == 0) return {};
  if (n == 1) return current_ = files_[0];
  // One draw among the pieces not in the history: the same uniform choice
  // as drawing again until a piece is not in it, without the repeats.
  int skip = RandomInt(n - static_cast<int>(history_.size()));
  int index = 0;
  for (;; ++index)
    if (std::find(history_.begin(), history_.end(), index) == history_.end() && skip-- == 0) break;
  current_ = files_[index];
  history_.push_back(index);
  if (static_cast<int>(history_.size()) >= n || static_cast<int>(history_.size()) > n / 2)
    history_.erase(history_.begin());
  return current_;
}

void TMusic::StartNow() {
  if (!MusicAvailable()) return;
  player_.FileName = ChoosePiece();
  player_.Play();
}

void TMusic::StartInThread(bool choose) {
  if (!MusicAvailable() || starting_ > 0) return;
  if (choose) ChoosePiece();
  ++starting_;
  player_.FileName = current_;
  if (!player_.Play()) starting_ = 0;
}

void TMusic::Stop() {
  player_.Release();
  starting_ = 0;
}

void TMusic::ChangeVolume(int steps) {
  player_.SetVolume(std::clamp(player_.Volume() + steps * 100, kMinVolume, kMaxVolume));
}

void TMusic::SetVolumeDb(int db) {
  if (db > 0 || db * 100 == player_.Volume()) return;
  player_.SetVolume(db * 100);
}

int TMusic::HandleEvents() {
  const int code = player_.HandleEvents();
  if (code == TXPlayer::kEventCompleted || code == TXPlayer::kEventAborted) StartInThread(true);
  else if (code == TXPlayer::kEventError) QCoreApplication::processEvents();
  return code;
}

bool TMusic::ToggleTest() {
  if (IsPlaying()) {
    Stop();
    return false;
  }
  StartInThread(true);
  return true;
}

void TMusic::SetNotifyWindow(QObject* window, std::function<void()> onEvent) {
  player_.SetNotifyWindow(window, std::move(onEvent));
}

}  // namespace vyr
