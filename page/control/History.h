#pragma once
// The page history: full paths of the pages shown, oldest first. A path is
// appended unless it equals the last entry; "-" goes back one page. The
// history lives as long as the page control and is never shortened
// otherwise.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TPageHistory {
 public:
  // Appends the path unless it is empty or names the last entry (letter case
  // does not count: course paths are found without regard to it).
  void Add(std::string_view path);
  // The page to go back to: the last entry is removed and the new last one
  // returned. With one entry or none there is nowhere to go: nothing changes
  // and the result is empty.
  std::optional<std::string> Back();
  // Puts back an entry that Back removed (the page could not be loaded).
  void Undo(std::string path) { entries_.push_back(std::move(path)); }
  const std::vector<std::string>& entries() const { return entries_; }
  size_t size() const { return entries_.size(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace vyr
