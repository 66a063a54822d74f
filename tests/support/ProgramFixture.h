#pragma once

#include "app/Program.h"
#include "platform/SystemDisk.h"
#include "support/GameFixture.h"
#include "support/MemoryIni.h"

namespace dered::test {

struct ProgramStorage {
    RecordingPlatform platform;
    MemoryIni ini;
    SystemDisk disk;
    Program program{platform, ini, disk, {OnlyFolder("/program"), {}, {}}};
    // The turn before any report is opened: a test that opens one asks for the new one.
    GameState& game = program.records.documents.Current().records;
    Turn turn{game, program.events};
};

// A whole program over a recording platform and in-memory settings, with no report loaded and
// no window open.
class ProgramFixture : public GameFixture<ProgramStorage> {
  protected:
    const std::string& AreaCell(int row, int col) const {
        return program.winQZ.grdArea.TextAt(row, col);
    }
    const std::string& FreeSupplyCell() const { return program.summary.grdSummary.TextAt(7, 1); }
    SettingsRecord& settings() { return program.records.settings; }

    // Gives the area a block of map cells as its extent; with `anchor` the block's first cell
    // is the one that carries the area's unit and number.
    void Paint(int16_t area, int c1, int c2, int r1, int r2, bool anchor = false) {
        for (int c = c1; c <= c2; ++c) {
            for (int r = r1; r <= r2; ++r) {
                program.records.hexMap.At(c, r).Area = area;
            }
        }
        if (anchor) {
            program.records.hexMap.At(c1, r1).Display[1] = -1;
        }
        AreaRecord& a = Area(area);
        a.MinCol = static_cast<int16_t>(c1);
        a.MaxCol = static_cast<int16_t>(c2);
        a.MinRow = static_cast<int16_t>(r1);
        a.MaxRow = static_cast<int16_t>(r2);
    }
};

} // namespace dered::test
