#pragma once
// The values pages ask for by name ($[name], <IF ?name>): program name,
// version, directories, installed extensions and add-on libraries, and the
// values of the logged-in user.
#include <functional>
#include <string>

namespace vyr {

// What the user base answers for the codes that belong to a logged-in user
// ("user", "perfa", "nr", "pe", ...). Unset: no user base in this installation.
using TUserCodeSource = std::function<std::string(const std::string& code)>;

// The value of a special code; unknown codes stay as they are, or become
// empty while nobody is logged in.
std::string SpecialCodeValue(const std::string& code, const TUserCodeSource& user = {});

// "2 Stunden 1 Minute": learning time in whole hours and minutes.
std::string FormatLearningTime(long long seconds);

}  // namespace vyr
