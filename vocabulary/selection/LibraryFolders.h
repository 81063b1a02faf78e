#pragma once
// The folders of the selection tree: what a folder shows (its sub-folders
// and ".asc" files, folders first, by name ignoring case), and which folder
// a pick amounts to.
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Files.h"

namespace vyr {

class TPick;

// The sub-folders and ".asc" files of a folder (a folder named "x.asc" is a
// folder); an unreadable folder has none.
std::vector<TDirEntry> FolderChildren(std::string_view folder, bool descending = false);
// The number of ".asc" files directly in a folder.
int DirectLibraryCount(std::string_view folder);

// The selection a pick stands for: the name of the first folder directly
// under the vocabulary folder (by name) whose ".asc" files, sub-folders
// included, are exactly the pick, since a folder selection loads all of
// them; otherwise empty, the learner's own list. An empty pick is the own
// list too.
std::string SelectionOfPick(const TPick& pick, std::string_view vocabularyFolder);

}  // namespace vyr
