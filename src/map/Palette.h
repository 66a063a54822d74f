#pragma once

#include <cstdint>

namespace dered {

// The colours of the classic sixteen-colour palette that the drawings name (0x00BBGGRR).
inline constexpr int32_t kBlack = 0x000000;
inline constexpr int32_t kWhite = 0xFFFFFF;
inline constexpr int32_t kNavy = 0x800000;
inline constexpr int32_t kMaroon = 0x000080;
inline constexpr int32_t kOlive = 0x008080;
inline constexpr int32_t kSilver = 0xC0C0C0;
inline constexpr int32_t kGrey = 0x808080;
inline constexpr int32_t kRed = 0x0000FF;
inline constexpr int32_t kYellow = 0x00FFFF;

} // namespace dered
