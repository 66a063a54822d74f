#pragma once

#include "app/Program.h"
#include "support/GameFixture.h"
#include "support/MemoryIni.h"

namespace dered::test {

struct ProgramStorage {
    RecordingPlatform platform;
    MemoryIni ini;
    Program program{platform, ini, {OnlyFolder("/program"), {}, {}}};
    GameState& game = program.records.game;
};

// A whole program over a recording platform and in-memory settings, with no report loaded and
// no window open.
class ProgramFixture : public GameFixture<ProgramStorage> {
  protected:
    const std::string& AreaCell(int row, int col) const {
        return program.winQZ.grdArea.TextAt(row, col);
    }
    const std::string& FreeSupplyCell() const { return program.summary.grdSummary.TextAt(7, 1); }
};

} // namespace dered::test
