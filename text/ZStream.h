#pragma once
// zlib streams (deflate with zlib header) and the data files made of them:
// a sequence of NUL-terminated Windows-1252 strings.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// Inflates a whole zlib stream. Corrupt or truncated data gives nullopt;
// the result is never larger than maxOutput bytes (a larger one is refused
// as corrupt, so a tiny file cannot make the program allocate without end).
std::optional<std::string> Inflate(std::string_view compressed, size_t maxOutput = size_t(1) << 30);
// Deflates at zlib's fastest level, the level every data file is written at.
std::string Deflate(std::string_view data);

// Splits inflated data into its NUL-terminated strings. Text after the last
// NUL (a string without its terminator) is returned as the last string.
std::vector<std::string> SplitZStrings(std::string_view data);
std::optional<std::vector<std::string>> ReadZStrings(std::string_view compressed);
std::string WriteZStrings(const std::vector<std::string>& strings);

}  // namespace vyr
