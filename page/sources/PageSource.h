#pragma once
// page/sources: where page text and pictures come from (page names, plain
// and compressed page files, exercise containers, link targets on
// containers, compiled-in resources, the hyper base, file search, picture
// files). Links only the model-free platform core.
//
// Reading the text of a page file: compressed kinds (".htx", ".hvyr",
// ".xtml", ".xtm", extension compared exactly) are inflated, every other file
// is taken as it is. The text handed to the reader ends with a carriage
// return (added unless the file already ends with one) and a NUL.
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

// Larger page files, or pages that inflate to more, are refused.
constexpr size_t kMaxPageFileSize = size_t(64) << 20;
constexpr size_t kMaxPageTextSize = size_t(64) << 20;

enum class TSourceStatus {
  Ok,
  FileError,  // missing, a directory, unreadable, too large
  Corrupt,    // compressed data that is broken, truncated or inflates too large
};

struct TPageSource {
  TSourceStatus status = TSourceStatus::Ok;
  std::string text;   // with the closing CR and NUL
  std::string error;  // the system's text for a file error (German)
};

// Reads a page source without showing anything.
TPageSource ReadPageSource(std::string_view path);

// Reads a page source; a failure shows one German message and gives nullopt.
std::optional<std::string> LoadPageSource(std::string_view path);

// The message a failure shows (empty for Ok).
std::string PageSourceMessage(const TPageSource& source, std::string_view path);

// Puts the closing CR (unless already there) and NUL on a text.
void TerminatePageText(std::string& text);

}  // namespace vyr
