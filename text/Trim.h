#pragma once
// Trimming takes off blanks and control characters (every byte up to 32) at
// both ends, or at one end.
#include <string>
#include <string_view>

namespace vyr {

std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

}  // namespace vyr
