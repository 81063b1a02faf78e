#include "vocabulary/selection/EntryCounts.h"

#include <QDateTime>
#include <QFileInfo>

#include "platform/core/Files.h"
#include "vocabulary/library/VocLib.h"

namespace vyr {

int TEntryCounts::Count(std::string_view path) {
  const QFileInfo info(NativePath(path));
  const auto key = std::make_tuple(std::string(path), static_cast<long long>(info.size()),
                                   static_cast<long long>(info.lastModified().toMSecsSinceEpoch()));
  if (const auto it = counts_.find(key); it != counts_.end()) return it->second;
  ++reads_;
  TVocLib library;
  const int n = library.LoadFile(path);
  counts_[key] = n;
  return n;
}

}  // namespace vyr
