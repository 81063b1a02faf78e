#include "page/sources/HyperBase.h"

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/LineFile.h"
#include "text/Trim.h"
#include "text/ZStream.h"

namespace vyr {
namespace {
constexpr size_t kMaxHyperFile = size_t(64) << 20;
}  // namespace

std::string HyperLinks(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find('{', i);
    const size_t close = open == std::string_view::npos ? open : text.find('}', open + 1);
    if (close == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, open - i));
    const std::string_view word = text.substr(open + 1, close - open - 1);
    out += "<a href=\"?";
    out += word;
    out += "\" flash=#ffffff>";
    out += word;
    out += "</a>";
    i = close + 1;
  }
  return out;
}

void TXHyperBase::Add(std::string_view key, std::string_view text, std::string_view extra) {
  std::string k(key);
  if (k.empty() || k.front() != '*') k.insert(k.begin(), '*');
  if (k.size() < 2 || k.back() != '*') k.push_back('*');
  entries_.push_back({std::move(k), Trim(text), std::string(extra)});
}

void TXHyperBase::Load(std::string_view fileName) {
  if (!FileExists(fileName)) {
    fileName_.clear();
    return;
  }
  fileName_ = std::string(fileName);
  const std::string failed = "Fehler beim Laden von " + fileName_ + "!";
  std::string error;
  const auto data = ReadWholeFile(fileName, &error, kMaxHyperFile);
  if (!data) {
    ShowCourseMessage(failed + "\r" + error, msg::IconError);
    return;
  }
  const std::string ext = ExtractFileExt(fileName);
  if (ext == ".vyr" || ext == ".xtm") {
    const auto inflated = Inflate(*data, kMaxHyperFile);
    if (!inflated) {
      ShowCourseMessage(failed, msg::IconError);
      return;
    }
    const std::vector<std::string> strings = SplitZStrings(*inflated);
    size_t i = 0;
    for (; i + 3 <= strings.size(); i += 3) Add(strings[i], strings[i + 1], strings[i + 2]);
    if (i != strings.size()) ShowCourseMessage(failed, msg::IconError);  // a broken last entry
    return;
  }
  const std::vector<std::string> lines = SplitLines(*data);
  for (size_t i = 0; i < lines.size(); i += 3) {
    if (TrimView(lines[i]).empty()) continue;  // blank lines at the end
    Add(lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string(),
        i + 2 < lines.size() ? lines[i + 2] : std::string());
  }
}

int TXHyperBase::Find(std::string_view key, std::string& text, std::string& extra) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].key.find(key) == std::string::npos) continue;
    text = HyperLinks(entries_[i].text);
    extra = entries_[i].extra;
    return static_cast<int>(i);
  }
  text.clear();
  extra.clear();
  return -1;
}

}  // namespace vyr
