#pragma once
// A list of name/text pairs: page variables, aliases ("#name"), access keys
// and colour names. Names are stored upper-cased and found without regard to
// case; the list keeps the order in which names were first stored.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vyr {

struct TXAlias {
  std::string name;  // upper-cased
  std::string text;
};

class TXAliasList {
 public:
  // Stores text under name. Storing "*" under a name that already exists puts
  // "*" in front of the stored text instead of replacing it (a mark the owner
  // sets on a value without losing it).
  void Set(std::string_view name, std::string_view text);
  // The stored text, or nullptr when the name is not defined.
  const std::string* Find(std::string_view name) const;
  // The stored text, empty when the name is not defined.
  std::string Get(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  bool Remove(std::string_view name);
  void Clear();

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const std::vector<TXAlias>& items() const { return items_; }
  std::vector<TXAlias>::const_iterator begin() const { return items_.begin(); }
  std::vector<TXAlias>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<TXAlias> items_;
  std::unordered_map<std::string, size_t> index_;  // upper-cased name -> position
};

}  // namespace vyr
