#pragma once

#include "state/HexMap.h"
#include "state/SettingsRecord.h"
#include "state/TurnDocument.h"

namespace dered {

// The process-wide records: created once by main (or a test) and passed by reference. The
// map's cells and the settings are shared by every turn; each report is a document of its own.
struct Records {
    Documents documents;
    HexMap hexMap;
    SettingsRecord settings;
};

} // namespace dered
