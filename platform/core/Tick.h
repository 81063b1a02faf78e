#pragma once
// Milliseconds since the program started, from a monotonic clock; all timing
// of the programs uses it.
#include <cstdint>

namespace vyr {
uint32_t TickCount();
}
