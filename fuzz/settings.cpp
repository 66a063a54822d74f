// The settings file, read at start-up and written again by "Exit".
#include "FuzzSupport.h"

#include "files/IniFile.h"
#include "files/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const std::string path = fuzz::WriteScratch("der-ed.ini", data, size);
    IniFile ini(path);
    SettingsRecord settings;
    LoadSettings(settings, ini);
    fuzz::CheckSettings(settings);
    fuzz::Require(SaveSettings(settings, ini).empty(), "a file just read can be saved again");
    SettingsRecord again;
    LoadSettings(again, ini);
    fuzz::Require(again == settings, "saved settings read back the same");
    return 0;
}
