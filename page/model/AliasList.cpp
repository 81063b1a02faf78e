#include "page/model/AliasList.h"

#include "text/Case.h"

namespace vyr {

void TXAliasList::Set(std::string_view name, std::string_view text) {
  std::string key = UpperCase(name);
  const auto it = index_.find(key);
  if (it == index_.end()) {
    index_.emplace(key, items_.size());
    items_.push_back({std::move(key), std::string(text)});
    return;
  }
  std::string& stored = items_[it->second].text;
  if (text == "*") stored.insert(stored.begin(), '*');
  else stored.assign(text);
}

const std::string* TXAliasList::Find(std::string_view name) const {
  const auto it = index_.find(UpperCase(name));
  return it == index_.end() ? nullptr : &items_[it->second].text;
}

std::string TXAliasList::Get(std::string_view name) const {
  const std::string* text = Find(name);
  return text ? *text : std::string();
}

bool TXAliasList::Remove(std::string_view name) {
  const auto it = index_.find(UpperCase(name));
  if (it == index_.end()) return false;
  const size_t pos = it->second;
  index_.erase(it);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(pos));
  for (auto& [key, p] : index_)
    if (p > pos) --p;
  return true;
}

void TXAliasList::Clear() {
  items_.clear();
  index_.clear();
}

}  // namespace vyr
