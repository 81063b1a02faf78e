#pragma once
// The one pseudo-random generator of a program, seeded once at start.
// Tests seed it with a fixed number to make random choices repeatable.
#include <cstdint>

namespace vyr {

void Randomize();                   // seeds from the clock (start-up)
void SetRandomSeed(uint32_t seed);  // a fixed seed
// 0 <= result < range; 0 when range <= 0.
int RandomInt(int range);
double RandomDouble();  // 0 <= result < 1

}  // namespace vyr
