#pragma once
// What other parts ask of the recordings: the recording of a text (with
// the variants of look-up), a text as a link that plays it, and meanings
// with their comments as markup. No windows; the databases are those of
// Recordings.h.
#include <string>
#include <string_view>

namespace vyr {

struct TRecordingHit {
  std::string path;          // the full path of an existing file, or empty
  bool recordFound = false;  // a record was found, whether or not its file exists
  std::string spoken;        // the text whose record was looked for last (comments stripped)
};

// The full path of text's recording, or empty: the main database first,
// then the supplementary one (also when the main database's file is
// missing), then without comments, or one of the ";"-separated parts at
// random.
std::string FindRecording(std::string_view text);
TRecordingHit FindRecordingHit(std::string_view text);
// text as a link that plays its recording, text alone when there is none
// (or when the path is one a link cannot carry); escaped for the markup.
std::string LinkToRecording(std::string_view text);
// Removes comments in square brackets ("[ugs.] mate" -> "mate").
std::string StripComments(std::string_view text);
// Meanings separated by ";" with their comments, each word a link to its
// recording when links is set; commentStyle writes comments in the
// "kommentar" style.
std::string FormatMeaning(std::string_view text, bool links, bool commentStyle);

}  // namespace vyr
