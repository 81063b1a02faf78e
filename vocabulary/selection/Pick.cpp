#include "vocabulary/selection/Pick.h"

#include <algorithm>

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "text/Trim.h"
#include "vocabulary/library/Selection.h"

namespace vyr {
namespace {

constexpr size_t kMaxListSize = size_t(4) << 20;

// A name with "\" separators, in its own letter case.
std::string WithBackslashes(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

}  // namespace

std::string PathKey(std::string_view path) {
  std::string k = ComparableName(path);
  while (!k.empty() && k.back() == '\\') k.pop_back();
  return k;
}

bool TPick::Contains(std::string_view relative) const {
  const std::string key = PathKey(relative);
  return std::any_of(files_.begin(), files_.end(), [&](const std::string& f) { return PathKey(f) == key; });
}

bool TPick::Add(std::string_view relative) {
  if (relative.empty() || Contains(relative)) return false;
  files_.push_back(WithBackslashes(relative));
  return true;
}

bool TPick::Remove(std::string_view relative) {
  const std::string key = PathKey(relative);
  const auto it = std::find_if(files_.begin(), files_.end(), [&](const std::string& f) { return PathKey(f) == key; });
  if (it == files_.end()) return false;
  files_.erase(it);
  return true;
}

std::vector<std::string> TPick::Sorted() const {
  std::vector<std::string> out = files_;
  std::stable_sort(out.begin(), out.end(),
                   [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  return out;
}

int TPick::CountInFolder(std::string_view relativeFolder) const {
  const std::string folder = PathKey(relativeFolder);
  int n = 0;
  for (const std::string& f : files_) {
    const std::string key = PathKey(f);
    const size_t slash = key.rfind('\\');
    n += (slash == std::string::npos ? std::string() : key.substr(0, slash)) == folder;
  }
  return n;
}

bool ReadSelectionList(std::string_view file, TPick& pick) {
  const auto text = ReadWholeFile(file, nullptr, kMaxListSize);
  if (!text) return false;
  std::string_view body = *text;
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  TPick read;
  for (const std::string& raw : SplitLines(body)) {
    const std::string_view line = TrimView(raw);
    if (line.empty() || !StaysInsideFolder(line)) continue;
    if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 32; })) continue;
    read.Add(line);
  }
  pick = std::move(read);
  return true;
}

bool WriteSelectionList(std::string_view file, const TPick& pick) {
  return WriteWholeFile(file, JoinLines(pick.Sorted()));
}

}  // namespace vyr
