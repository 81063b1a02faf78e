#pragma once
// vocabulary/selection: the learner's pick of library files, the selection
// lists (".xsl" and the library list file), the folders and entry counts of
// the selection tree; the tree dialog TFTree and the page commands of the
// trainer settings in vyr_vocabulary_selection_ui.
//
// The pick: library files named relative to the vocabulary folder, each at
// most once. Two names are the same file when they are equal ignoring case
// and the kind of separator ("\" or "/"), so no file loads twice.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TPick {
 public:
  bool Contains(std::string_view relative) const;
  // Adds a name (with "\" separators) unless the pick has it; false when it had.
  bool Add(std::string_view relative);
  bool Remove(std::string_view relative);
  void Clear() { files_.clear(); }
  size_t size() const { return files_.size(); }
  bool empty() const { return files_.empty(); }
  const std::vector<std::string>& Files() const { return files_; }
  // The names sorted ignoring case.
  std::vector<std::string> Sorted() const;
  // The picked names whose folder is the given one (relative, "" for the
  // vocabulary folder itself).
  int CountInFolder(std::string_view relativeFolder) const;

 private:
  std::vector<std::string> files_;
};

// The comparable form of a name: upper case, "\" separators, none doubled
// and none at the end.
std::string PathKey(std::string_view path);

// Reads a selection list: one relative name per line. Empty lines, a byte
// order mark, lines leading out of the vocabulary folder (".." or absolute),
// lines with control bytes and repeated names give nothing; a file that is
// missing, unreadable or larger than 4 MB gives false.
bool ReadSelectionList(std::string_view file, TPick& pick);
// Writes the pick sorted, one name per line with CR LF, in Windows-1252;
// false when the file could not be written.
bool WriteSelectionList(std::string_view file, const TPick& pick);

}  // namespace vyr
