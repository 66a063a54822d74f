#pragma once

#include "files/IniFile.h"
#include "state/SettingsRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dered {

// Fills every field from the file; a missing key, or a number the field cannot hold, gives
// that key's default. The caller sets the "Hex map" check mark from HexDisplay.
void LoadSettings(SettingsRecord& settings, const IniService& ini);

// Writes every field but NoGoColour, which is only ever set by hand in the file, in one
// rewrite of the file. Empty on success, else the message naming the file and the reason.
[[nodiscard]] std::string SaveSettings(const SettingsRecord& settings, IniService& ini);

// ("Section/Key", text) in the order SaveSettings writes them.
std::vector<std::pair<std::string, std::string>> SettingsFileLines(const SettingsRecord& settings);

// "&H", the upper-case hexadecimal of the 32-bit value without leading zeros, and "&".
std::string ColourText(int32_t colour);

// The number a settings text stands for before it is fitted to a field. "&H" starts a
// hexadecimal number: 16-bit with at most 4 digits and no closing "&", else 32-bit. Anything
// else is read as a decimal number (blanks skipped); text with no number is 0. Empty when the
// number is too large for a double or, in hexadecimal, for 32 bits.
[[nodiscard]] std::optional<double> SettingNumber(std::string_view text);

} // namespace dered
