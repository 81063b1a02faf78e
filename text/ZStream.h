#pragma once
// zlib streams (deflate with zlib header) and the data files made of them:
// a sequence of NUL-terminated Windows-1252 strings.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// Inflates a whole zlib stream. Corrupt or truncated data gives nullopt;
// the result is never larger than maxOutput bytes (a larger one is refused
// as corrupt, so a tiny file cannot make the program allocate without end).
std::optional<std::string> Inflate(std::string_view compressed, size_t maxOutput = size_t(1) << 30);
// Inflates a zlib stream piece by piece: each piece of output goes to
// consume as soon as it is decoded, so a reader keeps everything complete
// that came before damage or a cut. consume returning false stops early
// (counted as complete). At most maxOutput bytes are handed out; more is
// reported as TooLarge.
enum class TInflateStatus { Complete, Damaged, TooLarge };
TInflateStatus InflateStream(std::string_view compressed, size_t maxOutput,
                             const std::function<bool(std::string_view piece)>& consume);
// Deflates at zlib's fastest level, the level every data file is written at.
std::string Deflate(std::string_view data);

// Splits inflated data into its NUL-terminated strings. Text after the last
// NUL (a string without its terminator) is returned as the last string.
std::vector<std::string> SplitZStrings(std::string_view data);
std::optional<std::vector<std::string>> ReadZStrings(std::string_view compressed);
std::string WriteZStrings(const std::vector<std::string>& strings);

}  // namespace vyr
