#pragma once
// Which library files a selection names. A selection is a folder relative to
// the vocabulary folder ("Grundwortschatz\"): every ".asc" file in it and its
// sub-folders. An empty selection is the learner's own list, the library
// list file "E_Bibliotheken.txt": one path relative to the vocabulary folder
// per line. Nothing named this way may lead out of the vocabulary folder.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// The library list file's name.
inline constexpr const char* kLibraryListName = "E_Bibliotheken.txt";
// A list file larger than this is not read.
inline constexpr size_t kMaxListFileSize = size_t(4) << 20;

// Whether a relative path stays inside the folder it is put behind: no ".."
// part, no drive or other colon, no leading "\" or "/".
bool StaysInsideFolder(std::string_view relative);

// The form two names of one file share: upper case, one kind of separator
// ("\"), no repeated separators.
std::string ComparableName(std::string_view path);
// The same without separators at the end, so that "Reise" and "reise/"
// name one thing.
std::string PathKey(std::string_view path);

// What a line of a list file (the library list file or an ".xsl" file)
// names: a file, or nothing and why.
enum class TListVerdict { Taken, Empty, Outside, ControlBytes, Repeated };
struct TListLine {
  std::string name;  // the line without blanks at either end
  TListVerdict verdict = TListVerdict::Taken;
};
// The lines of a list file's text: UTF-8 byte order marks at the start of a
// line are dropped; empty lines, lines leading out of the vocabulary folder, lines
// with control bytes and names already taken (compared by PathKey) name
// nothing.
std::vector<TListLine> ParseListLines(std::string_view text);
// The names the lines take, in file order.
std::vector<std::string> TakenNames(std::string_view text);

// The library list file: in the logged-in user's folder, or in the program
// folder when nobody is logged in (userFolder empty).
std::string LibraryListPath(std::string_view userFolder, std::string_view programFolder);

// The files the list file's lines take (see ParseListLines), each behind the
// vocabulary folder; a missing, unreadable or too large list file gives none.
std::vector<std::string> ReadLibraryList(std::string_view listFile, std::string_view vocabularyFolder);

// The files of a selection (see above); a folder that does not exist or that
// leads out of the vocabulary folder gives none.
std::vector<std::string> SelectionFiles(std::string_view selection, std::string_view vocabularyFolder,
                                        std::string_view listFile);

}  // namespace vyr
