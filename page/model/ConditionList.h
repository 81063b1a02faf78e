#pragma once
// The names of the conditions that are true (`Bedingung` of a page): kept
// from page to page, compared without regard to case.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TConditionList {
 public:
  bool Has(std::string_view name) const;
  // Adds the name when absent (on) or removes every entry of it (off).
  void Set(std::string_view name, bool on);
  void Clear() { names_.clear(); }
  const std::vector<std::string>& names() const { return names_; }
  size_t size() const { return names_.size(); }

 private:
  std::vector<std::string> names_;
};

}  // namespace vyr
