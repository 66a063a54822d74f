// The settings file, read at start-up and written again by "Exit".
#include "FuzzSupport.h"

#include "files/IniFile.h"
#include "files/Settings.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    IniText ini(std::string(reinterpret_cast<const char*>(data), size));
    SettingsRecord settings;
    LoadSettings(settings, ini);
    fuzz::CheckSettings(settings);
    fuzz::Require(SaveSettings(settings, ini).empty(), "a file just read can be saved again");
    SettingsRecord again;
    LoadSettings(again, ini);
    // A player's colour is written from its magnitude, as files of old have it.
    for (size_t p = 1; p < settings.CountryColour.size(); ++p) {
        int32_t& colour = settings.CountryColour[p];
        colour = colour < 0 && colour != std::numeric_limits<int32_t>::min() ? -colour : colour;
    }
    // An odd cell size (a file's half step, "13.5") is written as its half, the remainder dropped.
    settings.CellSize = static_cast<int16_t>(settings.CellSize / 2 * 2);
    fuzz::Require(again == settings, "saved settings read back the same");
    return 0;
}
