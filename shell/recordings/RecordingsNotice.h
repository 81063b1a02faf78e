#pragma once
// The learner keeps changes of the main recordings database only until it
// ends; the first change of a run (dialog or alias rewrite) says so once.
#include <functional>
#include <string>

namespace vyr {

void NoteRecordingsChanged();
// The editor's "save as" question; empty: cancelled. Tests answer it.
extern std::function<std::string(const std::string& current)> askRecordingsSaveName;

}  // namespace vyr
