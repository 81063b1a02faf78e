#include "vocabulary/selection/Pick.h"

#include <algorithm>

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "vocabulary/library/Selection.h"

namespace vyr {
namespace {

// A name with "\" separators, in its own letter case.
std::string WithBackslashes(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

}  // namespace

bool TPick::Contains(std::string_view relative) const { return keys_.count(PathKey(relative)) != 0; }

bool TPick::Add(std::string_view relative) {
  if (relative.empty() || !keys_.insert(PathKey(relative)).second) return false;
  files_.push_back(WithBackslashes(relative));
  return true;
}

bool TPick::Remove(std::string_view relative) {
  const std::string key = PathKey(relative);
  if (keys_.erase(key) == 0) return false;
  files_.erase(std::find_if(files_.begin(), files_.end(), [&](const std::string& f) { return PathKey(f) == key; }));
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
  const auto text = ReadWholeFile(file, nullptr, kMaxListFileSize);
  if (!text) return false;
  TPick read;
  for (const std::string& name : TakenNames(*text)) read.Add(name);
  pick = std::move(read);
  return true;
}

bool WriteSelectionList(std::string_view file, const TPick& pick) {
  return WriteWholeFile(file, JoinLines(pick.Sorted()));
}

}  // namespace vyr
