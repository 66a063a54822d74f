#pragma once

#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

namespace dered {

// The process-wide records: created once by main (or a test) and passed by reference.
struct Records {
    GameState game;
    HexMap hexMap;
    SettingsRecord settings;
};

} // namespace dered
