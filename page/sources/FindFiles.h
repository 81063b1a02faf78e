#pragma once
// Recursive file search over a course directory.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// Counts the files below dir (and in all its subdirectories) whose extension,
// ignoring case, is ext or, when given, ext2 (".asc"). With a list, the full
// course path of every counted file is appended to it. A directory reached
// twice through links is walked once, so the search always ends.
int FindFiles(std::string_view dir, std::vector<std::string>* list, std::string_view ext, std::string_view ext2 = {});

}  // namespace vyr
