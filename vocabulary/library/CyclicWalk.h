#pragma once
// One walk over all positions of a list, cyclically from a random start
// (the trainer's wrong alternatives come from such walks). An empty list
// gives an empty walk.
#include <cstddef>
#include <vector>

namespace vyr {

std::vector<size_t> CyclicWalk(size_t count);
// The same walk from a given start (taken modulo count).
std::vector<size_t> CyclicWalkFrom(size_t count, size_t start);

}  // namespace vyr
