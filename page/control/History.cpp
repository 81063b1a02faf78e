#include "page/control/History.h"

#include "text/Case.h"

namespace vyr {

void TPageHistory::Add(std::string_view path) {
  if (path.empty()) return;
  if (!entries_.empty() && SameText(entries_.back(), path)) return;
  entries_.emplace_back(path);
}

std::optional<std::string> TPageHistory::Back() {
  if (entries_.size() < 2) return std::nullopt;
  entries_.pop_back();
  return entries_.back();
}

}  // namespace vyr
