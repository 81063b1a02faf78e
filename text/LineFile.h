#pragma once
// Plain Windows-1252 text read line by line. Lines end with CR LF in the
// files the programs write; reading also takes a lone LF or CR.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);  // every line ends with CR LF

}  // namespace vyr
