#include "shell/recordings/RecordingPlayer.h"

#include "platform/core/Files.h"
#include "shell/recordings/RecordingLookup.h"
#include "shell/recordings/SyntheticVoice.h"

namespace vyr {
namespace {
std::function<void(const std::string&)> gPlay;
}

void SetRecordingPlayer(std::function<void(const std::string& file)> play) { gPlay = std::move(play); }

bool PlayRecordingFile(const std::string& file) {
  if (!gPlay || file.empty() || !FileExists(file)) return false;
  gPlay(file);
  return true;
}

bool PlayText(std::string_view text, bool english) {
  const TRecordingHit hit = FindRecordingHit(text);
  if (!hit.path.empty()) return PlayRecordingFile(hit.path);
  if (!english || !gPlay) return false;
  return PlayRecordingFile(SyntheticRecording(hit.spoken));
}

bool PlayWord(std::string_view text) {
  const TRecordingHit hit = FindRecordingHit(text);
  if (!hit.path.empty()) return PlayRecordingFile(hit.path);
  // Page words may be German: only a word the databases know as English
  // (its record's file is missing) is left to the voice.
  if (!hit.recordFound || !gPlay) return false;
  return PlayRecordingFile(SyntheticRecording(hit.spoken));
}

}  // namespace vyr
