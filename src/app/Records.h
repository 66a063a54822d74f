#pragma once

#include "map/HexMap.h"
#include "settings/SettingsRecord.h"
#include "state/GameState.h"

namespace dered {

// The process-wide records: created once by main (or a test) and passed by reference.
struct Records {
    GameState game;
    HexMap hexMap;
    SettingsRecord settings;
};

} // namespace dered
