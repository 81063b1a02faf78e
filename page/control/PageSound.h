#pragma once
// The sounds of a page: a link to a wave or MP3 file plays it under the
// device alias "welle"; a link whose note names a wave file after "°" plays
// that file when the mouse enters the link.
#include <string>
#include <string_view>

namespace vyr {

inline constexpr std::string_view kPageSoundAlias = "welle";

// Sends one command to the sound layer and returns its answer. On failure
// the answer is "Error" followed by the error number, and unless `silent`
// the device's error text is shown in an information box.
std::string PageSoundCommand(std::string_view command, bool silent);

// Plays a sound file (full course path) under "welle" from its start: a
// sound still open there is closed first. A file the device cannot open
// (missing, damaged, not a sound) shows the device's error text once and
// plays nothing. True when playing began.
bool PlayPageSound(std::string_view path);

// Closes "welle", ignoring errors: when a page is reset and when the page
// control goes.
void ClosePageSound();

// The hover sound of a link: `name` (the note after "°") is a file in the
// page's directory `pageDirectory`; an existing ".wav" file is played
// asynchronously, anything else is ignored without a message.
bool PlayHoverSound(std::string_view pageDirectory, std::string_view name);

}  // namespace vyr
