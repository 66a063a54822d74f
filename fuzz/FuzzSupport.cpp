#include "FuzzSupport.h"
#include "ui/Notice.h"

#include "files/MapFiles.h"
#include "files/ReportReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace dered::fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 12> kAreaCodes = {"",   "AA", "AC", "AF", "AS", "DU",
                                                         "RU", "UU", "CO", "MO", "SD", "SA"};
constexpr std::array<std::string_view, 8> kListCodes = {"",   "SP", "DA", "DN",
                                                        "DW", "CA", "GA", "VC"};

bool Player(int v) {
    return v >= 0 && v <= MaxPlayer;
}

bool AreaOrNone(int v) {
    return v >= 0 && v <= MaxArea;
}

template <size_t N>
bool OneOf(std::string_view code, const std::array<std::string_view, N>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

fs::path ScratchPath() {
    return fs::temp_directory_path() / ("dered-fuzz-" + std::to_string(getpid()));
}

void RemoveScratch() {
    std::error_code ignored;
    fs::remove_all(ScratchPath(), ignored);
}

std::string MakeScratch() {
    fs::create_directories(ScratchPath());
    std::atexit(RemoveScratch);
    return ScratchPath().string() + "/";
}

} // namespace

const std::string& ScratchFolder() {
    static const std::string folder = MakeScratch();
    return folder;
}

const GameState& DemoGame() {
    static const GameState game = [] {
        GameState g;
        Notices said;
        const std::string data = std::string(DERED_SOURCE_DIR) + "/data/";
        Require(ReadReport(g, said, data + "demo/1880-1/", "plyrdata.003") == ReportOutcome::Read,
                "the demo report reads");
        HexMap hexMap;
        Require(LoadMapFiles(g, hexMap, OnlyFolder(data)).empty(), "the map files read");
        return g;
    }();
    return game;
}

void Require(bool holds, std::string_view what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()),
                     what.data());
        std::abort();
    }
}

void CheckGame(const GameState& game) {
    Require(Player(game.PlayerCount), "player count in 0..12");
    Require(Player(game.OwnPlayer), "own player in 0..12");
    Require(game.OrderCount >= 0 && game.OrderCount <= MaxOrderSlot, "order count in 0..100");
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        Require(Player(area.Owner), "area owner in 0..12");
        Require(Player(area.UnitOwner), "unit owner in 0..12");
        Require(area.UnitKind >= 0 && area.UnitKind <= 4, "unit kind in 0..4");
        Require(area.Terrain >= 0 && area.Terrain <= 4, "terrain in 1..4, or 0 before the map");
        Require(OneOf(area.Command, kAreaCodes), "area order code known");
        for (const int16_t n : area.Neighbour) {
            Require(AreaOrNone(n), "neighbour in 0..293");
        }
        Require(area.HomeCentre == 0 || area.HomeCentre == -1, "home centre flag 0 or -1");
        Require(area.Supply >= 0, "supply not negative");
        if (area.Command == "MO" || area.Command == "SD" || area.Command == "CO") {
            Require(AreaOrNone(area.Parm1), "order target in 0..293");
        }
        if (area.Command == "SA") {
            Require(AreaOrNone(area.Parm1) && area.Parm2 <= MaxPlayer, "support in range");
        }
    }
    for (const PlayerRecord& player : game.Players) {
        for (const std::string& relation : player.Relation) {
            Require(relation.size() <= 1, "a relation is one letter");
        }
    }
    for (int slot = 1; slot <= game.OrderCount; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        Require(OneOf(order.Code, kListCodes), "list order code known");
        if (order.Code != "SP" && order.Code != "VC" && !order.Code.empty()) {
            Require(Player(order.P1), "list order player in 0..12");
        }
        if (order.Code == "SP") {
            Require(order.P1 <= MaxArea && order.P2 <= MaxArea && order.P3 <= MaxArea &&
                        order.P4 <= MaxArea,
                    "spy targets are areas");
        }
        if (order.Code == "CA") {
            Require(Player(order.P2), "called against a player in 0..12");
        }
        if (order.Code == "GA") {
            Require(order.P2 <= MaxArea, "access granted to an area or all");
        }
    }
}

void CheckHexMap(const HexMap& hexMap) {
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const HexCell& cell = hexMap.At(c, r);
            Require(AreaOrNone(cell.Area), "cell area in 0..293");
            for (const int16_t b : cell.Border) {
                Require(b == 0 || b == 1, "border flag 0 or 1");
            }
            for (const int16_t d : cell.Display) {
                Require(d == 0 || d == -1, "display flag 0 or -1");
            }
        }
    }
}

void CheckSettings(const SettingsRecord& settings) {
    Require(settings.HexDisplay == 0 || settings.HexDisplay == -1, "hex display 0 or -1");
    Require(settings.CellSize >= 6 && settings.CellSize <= 36, "cell size in 6..36");
    if (settings.HexDisplay != 0) {
        Require(settings.CellSize <= 30, "hexagons at most 30");
    }
}

} // namespace dered::fuzz
