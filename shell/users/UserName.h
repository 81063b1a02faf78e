#pragma once
// The one check of a user name, for every path that creates or opens a user
// directory: the name becomes a folder and a file name on disk.
#include <string>
#include <string_view>

namespace vyr {

// The nine characters no user name may contain, in the order messages list them.
inline constexpr std::string_view kForbiddenNameCharacters = "/\\*:<>|?\"";

enum class TNameProblem {
  None,
  Empty,
  Forbidden,  // one of the nine forbidden characters
  Shape,      // "." or "..", a control character, blanks or dots at either end
};

TNameProblem CheckUserName(std::string_view name);
// The German message for a problem (empty for None).
std::string UserNameMessage(TNameProblem problem);

}  // namespace vyr
