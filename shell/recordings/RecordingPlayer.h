#pragma once
// How the recordings are heard: the program entry connects a player (the
// sample player) at start-up; without one nothing is played. The synthetic
// voice speaks English texts that have no recording.
#include <functional>
#include <string>
#include <string_view>

namespace vyr {

// Plays an existing file once; set by the program entry.
void SetRecordingPlayer(std::function<void(const std::string& file)> play);
// Plays a file when a player is connected; false without one.
bool PlayRecordingFile(const std::string& file);

// Plays text's recording. Without one, an English text is spoken by the
// synthetic voice when it is switched on; true when something plays.
bool PlayText(std::string_view text, bool english);
// The right-click on a page word (which may be German): the recording, or
// the synthetic voice only where a record exists but its file is missing.
bool PlayWord(std::string_view text);

}  // namespace vyr
