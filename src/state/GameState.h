#pragma once

#include "state/MapCommand.h"

#include <array>
#include <cstdint>
#include <string>

namespace dered {

inline constexpr int MaxArea = 293;
inline constexpr int MaxPlayer = 12;
inline constexpr int MaxOrderSlot = 100;
inline constexpr int16_t NoReportData = 12;
inline constexpr int NeighbourSlots = 14;
inline constexpr int RelationSlots = 21;

struct AreaRecord {
    int16_t Owner = 0;
    int16_t Terrain = 0;
    int16_t Supply = 0;
    int16_t HomeCentre = 0;
    // Slots 1..14 of the map files are held at indices 0..13; 0 is an empty slot.
    std::array<int16_t, NeighbourSlots> Neighbour{};
    std::string Name;
    int16_t UnitKind = 0;
    int16_t UnitOwner = 0;
    std::string Command;
    int16_t Parm1 = 0;
    int16_t Parm2 = 0;
    int16_t MinCol = 0;
    int16_t MaxCol = 0;
    int16_t MinRow = 0;
    int16_t MaxRow = 0;

    bool operator==(const AreaRecord&) const = default;
};

struct PlayerRecord {
    std::string Name;
    std::string Abbrev;
    std::array<std::string, RelationSlots> Relation{};

    bool operator==(const PlayerRecord&) const = default;
};

struct OrderSlot {
    std::string Code; // empty: a free slot
    int16_t Unused = 0;
    int16_t P1 = 0;
    int16_t P2 = 0;
    int16_t P3 = 0;
    int16_t P4 = 0;

    bool operator==(const OrderSlot&) const = default;
};

struct SummaryCounters {
    int16_t ArmyCount = 0;
    int16_t CorpsCount = 0;
    int16_t FleetCount = 0;
    int16_t SquadronCount = 0;
    int16_t LandCount = 0;
    int16_t WaterCount = 0;
    int16_t MaxSupply = 0;
    int16_t FreeSupply = 0;

    bool operator==(const SummaryCounters&) const = default;
};

// One game turn as the player sees it. Areas 1..293 (entry 0 unused), players 0..12,
// order slots 1..100 (entry 0 unused).
struct GameState {
    std::array<AreaRecord, MaxArea + 1> Areas{};
    std::array<PlayerRecord, MaxPlayer + 1> Players{};
    int16_t PlayerCount = 0;
    int16_t OwnPlayer = 0;
    int16_t GameYear = 0;
    int16_t GameTurn = 0;
    std::string GameId;
    std::string PlayerCode;
    std::string ReportDir;
    std::string MapDir; // the folder the hex map was read from, with its '/'

    std::array<OrderSlot, MaxOrderSlot + 1> Orders{};
    int16_t OrderCount = 0;

    SummaryCounters Summary;

    // Order entry.
    MapCommand PendingCommand = MapCommand::None;
    int16_t SelectedArea = 0;
    int16_t SupportedPlayer = 0;
    int16_t UnitDisplayMode = 0;

    bool operator==(const GameState&) const = default;
};

// What the program holds before its first report: the map's geography and the display choice
// stay, nothing of a turn (report, merges, orders, order entry) does.
[[nodiscard]] GameState FreshTurn(const GameState& left);

} // namespace dered
