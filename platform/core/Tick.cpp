#include "platform/core/Tick.h"

#include <chrono>

namespace vyr {
uint32_t TickCount() {
  static const auto start = std::chrono::steady_clock::now();
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}
}  // namespace vyr
