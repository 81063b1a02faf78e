#include "vocabulary/library/CyclicWalk.h"

#include "platform/core/Random.h"

namespace vyr {

std::vector<size_t> CyclicWalk(size_t count) {
  if (count == 0) return {};
  return CyclicWalkFrom(count, static_cast<size_t>(RandomInt(static_cast<int>(count))));
}

std::vector<size_t> CyclicWalkFrom(size_t count, size_t start) {
  std::vector<size_t> walk;
  if (count == 0) return walk;
  walk.reserve(count);
  for (size_t i = 0; i < count; ++i) walk.push_back((start + i) % count);
  return walk;
}

}  // namespace vyr
