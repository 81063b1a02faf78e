#include "page/model/ConditionList.h"

#include <algorithm>

#include "text/Case.h"

namespace vyr {

bool TConditionList::Has(std::string_view name) const {
  return std::any_of(names_.begin(), names_.end(), [&](const std::string& n) { return SameText(n, name); });
}

void TConditionList::Set(std::string_view name, bool on) {
  if (on) {
    if (!Has(name)) names_.emplace_back(name);
    return;
  }
  std::erase_if(names_, [&](const std::string& n) { return SameText(n, name); });
}

}  // namespace vyr
