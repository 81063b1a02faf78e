#pragma once
// Packs the demo course's editable sources into a runnable installation:
// text is turned from UTF-8 into Windows-1252, pages of the compressed kinds
// are deflated, "@INSTALL@" in ini files becomes the installation directory,
// a recordings list "NAME.wxt" (lines "text<TAB>file", "#" starts a
// comment line) becomes the recordings database "NAME.vyr", everything else
// is copied. "vyr.ini" and the recordings databases are written by the
// programs too: they are packed again only when their source changed (a
// stamp file ".quelle-NAME" beside each holds the source last packed). The top folder's CMakeLists.txt and the folder
// "resources" (compiled into the programs) are left out. Files whose packed
// form is already in place are left untouched.
#include <string>
#include <vector>

namespace vyr {

struct TPackResult {
  int written = 0;
  int unchanged = 0;
  std::vector<std::string> errors;  // German, one per file that failed
};

// Both directories as course paths ending with "\".
TPackResult PackCourse(const std::string& sourceDir, const std::string& targetDir);
// The packed form of one source file (its name decides how it is packed).
// The pairs of a recordings list (Windows-1252): text, NUL, file, NUL.
std::string RecordingPairs(const std::string& list);
std::string PackedFile(const std::string& name, const std::string& source, const std::string& targetDir);

}  // namespace vyr
