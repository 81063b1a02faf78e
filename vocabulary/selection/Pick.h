#pragma once
// vocabulary/selection: the learner's pick of library files, the selection
// lists (".xsl" and the library list file), the folders and entry counts of
// the selection tree; the tree dialog TFTree and the page commands of the
// trainer settings in vyr_vocabulary_selection_ui.
//
// The pick: library files named relative to the vocabulary folder, each at
// most once. Two names are the same file when they are equal ignoring case
// and the kind of separator ("\" or "/"), so no file loads twice.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/library/Selection.h"

namespace vyr {

class TPick {
 public:
  bool Contains(std::string_view relative) const;
  // Adds a name (with "\" separators) unless the pick has it; false when it had.
  bool Add(std::string_view relative);
  bool Remove(std::string_view relative);
  void Clear() {
    files_.clear();
    keys_.clear();
  }
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
  std::set<std::string> keys_;  // PathKey of every file, so that a long list reads quickly
};

// Reads a selection list: the names its lines take (ParseListLines, the
// same reading as the loading of the own list); a file that is missing,
// unreadable or larger than kMaxListFileSize gives false.
bool ReadSelectionList(std::string_view file, TPick& pick);
// Writes the pick sorted, one name per line with CR LF, in Windows-1252;
// false when the file could not be written.
bool WriteSelectionList(std::string_view file, const TPick& pick);

}  // namespace vyr
