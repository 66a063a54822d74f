#pragma once

#include <cstdint>
#include <string>

namespace dered {

// Nearest integer, halves to the even neighbour.
int32_t Nearest(double value);
// Nearest 16-bit integer; false when the value does not fit.
bool NearestInt16(double value, int16_t& out);
// 16-bit sums as the game's counters keep them: held at the type's limits rather than wrapping.
int16_t Add16(int16_t a, int32_t b);
// A number as the classic string conversion writes it: a blank before a non-negative number.
std::string SignedText(int32_t n);

} // namespace dered
