#pragma once

#include "app/Program.h"
#include "state/CodeTables.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dered::test {

// A whole program over a recording platform and in-memory settings, with no report loaded and
// no window open. Tests build the few areas and players they need with the helpers below.
class ProgramFixture : public ::testing::Test {
  protected:
    static constexpr int16_t kOwn = 1;

    ProgramFixture() {
        game.PlayerCount = 5;
        game.OwnPlayer = kOwn;
        game.OrderCount = 2;
        static const char* const kNames[] = {"Neutral",  "Aland", "Borduria",
                                             "Carpania", "Drava", "Estmark"};
        for (int p = 0; p <= game.PlayerCount; ++p) {
            game.Players[p].Name = kNames[p];
            game.Players[p].Abbrev = std::string(kNames[p]).substr(0, 3);
            if (p < game.PlayerCount) {
                for (int q = 0; q <= game.PlayerCount; ++q) {
                    game.Players[p].Relation[q] = "N";
                }
            }
        }
    }

    AreaRecord& Area(int16_t n) { return game.Areas[n]; }

    // An area of the given terrain (1 land, 2 coast, 3 water, 4 no-entry) and owner.
    AreaRecord& MakeArea(int16_t n, int16_t terrain, int16_t owner, int16_t supply = 0) {
        AreaRecord& a = game.Areas[n];
        a.Terrain = terrain;
        a.Owner = owner;
        a.Supply = supply;
        a.Name = "Area" + std::to_string(n);
        return a;
    }

    void PlaceUnit(int16_t area, int16_t kind, int16_t owner) {
        game.Areas[area].UnitKind = kind;
        game.Areas[area].UnitOwner = owner;
    }

    // Writes b into neighbour slot 1..14 of a.
    void SetNeighbour(int16_t a, int slot, int16_t b) { game.Areas[a].Neighbour[slot - 1] = b; }

    // Makes a and b neighbours of each other, each in its first empty slot.
    void Join(int16_t a, int16_t b) {
        AddNeighbour(a, b);
        AddNeighbour(b, a);
    }

    void AddNeighbour(int16_t a, int16_t b) {
        for (int16_t& slot : game.Areas[a].Neighbour) {
            if (slot == 0) {
                slot = b;
                return;
            }
        }
        ADD_FAILURE() << "no free neighbour slot in area " << a;
    }

    // Sets the letter that p holds towards q (one side only).
    void SetRelation(int16_t p, int16_t q, const std::string& letter) {
        game.Players[p].Relation[q] = letter;
    }
    void Ally(int16_t p, int16_t q) {
        SetRelation(p, q, "A");
        SetRelation(q, p, "A");
    }

    void Select(int16_t area) { game.SelectedArea = area; }
    int16_t& FreeSupply() { return game.Summary.FreeSupply; }

    const std::string& AreaCell(int row, int col) const {
        return program.winQZ.grdArea.TextAt(row, col);
    }
    const std::string& FreeSupplyCell() const { return program.summary.grdSummary.TextAt(7, 1); }

    // The messages shown since the last call.
    std::vector<Message> TakeMessages() { return std::exchange(platform.messages, {}); }

    RecordingPlatform platform;
    MemoryIni ini;
    Program program{platform, ini, {"/program", {}, {}}};
    GameState& game = program.records.game;
};

} // namespace dered::test
