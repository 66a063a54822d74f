// Checks of the bundled world and demo game under data/: they are what the generator makes,
// and they keep every rule that the map and the reports must meet.
#include "files/FieldReader.h"
#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "forms/AreaDisplay.h"
#include "orders/OrderList.h"
#include "platform/SystemDisk.h"
#include "support/DemoTurn.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"
#include "worldgen/Generate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>

namespace dered {
namespace {

namespace fs = std::filesystem;

const std::string DataDir = std::string(DERED_SOURCE_DIR) + "/data/";
const std::vector<std::string> DemoReports = {
    "demo/1880-1/plyrdata.003", "demo/1880-1/plyrdata.005", "demo/1881-2/plyrdata.003"};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> FilesUnder(const fs::path& root) {
    std::set<std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            out.insert(fs::relative(entry.path(), root).generic_string());
        }
    }
    return out;
}

TEST(WorldData, GeneratorRemakesTheCommittedFilesByteForByte) {
    const test::TempFolder temp("dered-world-");
    const fs::path out = temp.Path("");
    ASSERT_EQ(worldgen::GenerateAll(out.string()), "");
    const std::set<std::string> made = FilesUnder(out);
    EXPECT_EQ(made.size(), 2 + DemoReports.size());
    std::set<std::string> committed = FilesUnder(DataDir);
    std::erase_if(committed, [](const std::string& f) { return f.rfind("demo/", 0) != 0; });
    committed.insert(MapAreaFileName);
    committed.insert(MapHexFileName);
    EXPECT_EQ(made, committed);
    for (const std::string& file : made) {
        EXPECT_TRUE(ReadFile(out / file) == ReadFile(fs::path(DataDir) / file))
            << file << " differs from a fresh run of the generator";
    }
}

// The six neighbours of a cell, worked out here on their own: even columns sit half a row
// lower, columns wrap, rows do not. Side order N, NE, SE, S, SW, NW; {0, 0} is off the map.
std::array<std::pair<int, int>, 6> Around(int c, int r) {
    const int d = c % 2 == 0 ? 1 : 0;
    const int east = c == MapColumns ? 1 : c + 1;
    const int west = c == 1 ? MapColumns : c - 1;
    std::array<std::pair<int, int>, 6> out = {std::pair{c, r - 1}, {east, r - 1 + d},
                                              {east, r + d},       {c, r + 1},
                                              {west, r + d},       {west, r - 1 + d}};
    for (auto& [col, row] : out) {
        if (row < 1 || row > MapRows) {
            col = row = 0;
        }
    }
    return out;
}

class World : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        game_ = std::make_unique<GameState>();
        hex_ = std::make_unique<HexMap>();
        game_->PlayerCount = MaxPlayer;
        loadMessage_ = LoadMapFiles(*game_, *hex_, OnlyFolder(DataDir));
        std::ifstream in(DataDir + MapAreaFileName, std::ios::binary);
        FieldReader reader(in);
        std::string text;
        int16_t n = 0;
        for (int i = 0; i < MaxArea * 17 && reader.ReadText(text); ++i) {
        }
        for (int i = 0; i < 12 && reader.ReadNumber(n) && reader.ReadText(text); ++i) {
            homes_.push_back(n);
        }
        homesEndFile_ = reader.AtEnd();
        for (int c = 1; c <= MapColumns; ++c) {
            for (int r = 1; r <= MapRows; ++r) {
                cells_[hex_->At(c, r).Area].push_back({c, r});
            }
        }
    }
    static const AreaRecord& Area(int a) { return game_->Areas[a]; }
    static bool IsWater(int a) { return Area(a).Terrain == 3; }
    static bool IsLand(int a) { return Area(a).Terrain == 1 || Area(a).Terrain == 2; }
    static std::set<int> Neighbours(int a) {
        std::set<int> out;
        for (int16_t n : Area(a).Neighbour) {
            if (n != 0) {
                out.insert(n);
            }
        }
        return out;
    }

    static inline std::unique_ptr<GameState> game_;
    static inline std::unique_ptr<HexMap> hex_;
    static inline std::string loadMessage_;
    static inline std::vector<int> homes_;
    static inline bool homesEndFile_ = false;
    static inline std::map<int, std::vector<std::pair<int, int>>> cells_;
};

TEST_F(World, MapFilesLoadAndSaveBackUnchanged) {
    ASSERT_EQ(loadMessage_, "");
    const std::string area = ReadFile(DataDir + MapAreaFileName);
    const std::string hex = ReadFile(DataDir + MapHexFileName);
    EXPECT_EQ(area.find(' '), std::string::npos);
    EXPECT_EQ(std::count(area.begin(), area.end(), '\n'), MaxArea + 12);
    EXPECT_EQ(std::count(area.begin(), area.end(), '\n'),
              std::count(area.begin(), area.end(), '\r'));
    const test::TempFolder temp("dered-hex-");
    SystemDisk disk;
    ASSERT_EQ(SaveHexData(*hex_, temp.Path("saved").string(), disk), "");
    EXPECT_TRUE(temp.Read("saved") == hex);
}

TEST_F(World, EveryCellBelongsToAnAreaOfThreeToTwelveConnectedCells) {
    EXPECT_EQ(cells_.count(0), 0u);
    EXPECT_EQ(cells_.size(), static_cast<size_t>(MaxArea));
    for (auto& [area, cells] : cells_) {
        if (area == MaxArea) {
            continue;
        }
        SCOPED_TRACE("area " + std::to_string(area));
        EXPECT_GE(cells.size(), 3u);
        EXPECT_LE(cells.size(), 12u);
        std::set<std::pair<int, int>> reached{cells.front()};
        std::vector<std::pair<int, int>> queue{cells.front()};
        for (size_t i = 0; i < queue.size(); ++i) {
            for (auto n : Around(queue[i].first, queue[i].second)) {
                if (n.first != 0 && hex_->At(n.first, n.second).Area == area &&
                    reached.insert(n).second) {
                    queue.push_back(n);
                }
            }
        }
        EXPECT_EQ(reached.size(), cells.size());
    }
    // The polar ice fills the top and bottom rows and nothing else.
    for (auto [c, r] : cells_[MaxArea]) {
        EXPECT_TRUE(r == 1 || r == MapRows);
    }
    EXPECT_EQ(cells_[MaxArea].size(), 2u * MapColumns);
    EXPECT_EQ(Area(MaxArea).Terrain, 4);
    EXPECT_EQ(Area(MaxArea).Owner, 0);
}

TEST_F(World, NeighbourListsMatchTheCellsAndAreSymmetric) {
    std::vector<std::set<int>> fromCells(MaxArea + 1);
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const int area = hex_->At(c, r).Area;
            for (auto [nc, nr] : Around(c, r)) {
                if (nc != 0 && hex_->At(nc, nr).Area != area) {
                    fromCells[area].insert(hex_->At(nc, nr).Area);
                }
            }
        }
    }
    for (int a = 1; a <= MaxArea; ++a) {
        SCOPED_TRACE("area " + std::to_string(a));
        const auto& slots = Area(a).Neighbour;
        const long used = std::count_if(slots.begin(), slots.end(), [](int16_t n) { return n; });
        EXPECT_EQ(static_cast<size_t>(used), Neighbours(a).size()) << "a neighbour listed twice";
        EXPECT_EQ(Neighbours(a), fromCells[a]);
        EXPECT_LE(used, 14);
        for (int n : Neighbours(a)) {
            EXPECT_TRUE(Neighbours(n).count(a)) << "not listed back by " << n;
        }
    }
}

TEST_F(World, BordersRunExactlyWhereAreasMeet) {
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const HexCell& cell = hex_->At(c, r);
            const auto around = Around(c, r);
            for (int side = 0; side < 6; ++side) {
                const auto [nc, nr] = around[side];
                const bool meets = nc != 0 && hex_->At(nc, nr).Area != cell.Area;
                EXPECT_EQ(cell.Border[side], meets ? 1 : 0)
                    << "cell " << c << "," << r << " side " << side + 1;
            }
        }
    }
}

TEST_F(World, EachAreaHasOneAnchorCellInsideItWherePossible) {
    std::map<int, int> anchors;
    for (auto& [area, cells] : cells_) {
        bool hasInner = false;
        for (auto [c, r] : cells) {
            const HexCell& cell = hex_->At(c, r);
            int same = 0;
            for (auto [nc, nr] : Around(c, r)) {
                same += nc != 0 && hex_->At(nc, nr).Area == area ? 1 : 0;
            }
            hasInner = hasInner || same == 6;
            if (cell.Display[1] == -1) {
                ++anchors[area];
                EXPECT_EQ(cell.Display[0], -1);
                EXPECT_EQ(cell.Display[2], Area(area).Supply > 0 ? -1 : 0);
                if (area != MaxArea) {
                    anchors[-area] = same;
                }
            } else {
                EXPECT_EQ(cell.Display, (std::array<int16_t, 3>{0, 0, 0}));
            }
        }
        EXPECT_EQ(anchors[area], 1) << "area " << area;
        if (hasInner) {
            EXPECT_EQ(anchors[-area], 6) << "area " << area << " has an inner cell";
        }
    }
}

TEST_F(World, NamesTerrainAndSupplyFitTheRecords) {
    std::set<std::string> names;
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = Area(a);
        SCOPED_TRACE("area " + std::to_string(a) + " " + area.Name);
        EXPECT_TRUE(names.insert(area.Name).second) << "name used twice";
        EXPECT_FALSE(area.Name.empty());
        EXPECT_LE(area.Name.size(), 24u);
        EXPECT_EQ(area.Name.find('_'), std::string::npos);
        ASSERT_GE(area.Terrain, 1);
        ASSERT_LE(area.Terrain, 4);
        const std::set<int> around = Neighbours(a);
        const bool byWater = std::any_of(around.begin(), around.end(), IsWater);
        if (IsLand(a)) {
            EXPECT_EQ(area.Terrain, byWater ? 2 : 1) << "coast is land that touches water";
        }
        if (area.Supply > 0) {
            EXPECT_TRUE(IsLand(a));
            EXPECT_LE(area.Supply, 3);
        }
    }
}

TEST_F(World, TwelveHomeCentresOnLandSupplyCentres) {
    ASSERT_EQ(homes_.size(), 12u);
    EXPECT_TRUE(homesEndFile_);
    EXPECT_EQ(std::set<int>(homes_.begin(), homes_.end()).size(), 12u);
    for (size_t i = 0; i < homes_.size(); ++i) {
        const int home = homes_[i];
        EXPECT_TRUE(IsLand(home)) << home;
        EXPECT_GT(Area(home).Supply, 0) << home;
        // PlayerCount 12 reads the first eleven.
        EXPECT_EQ(Area(home).HomeCentre, i < 11 ? -1 : 0) << home;
    }
}

// ---- The demo game ----

std::set<int> OwnAreas(const GameState& game) {
    std::set<int> out;
    for (int a = 1; a <= MaxArea; ++a) {
        if (game.Areas[a].Owner == game.OwnPlayer) {
            out.insert(a);
        }
    }
    return out;
}

int OwnUnits(const GameState& game, int16_t kind) {
    int count = 0;
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        count += area.UnitOwner == game.OwnPlayer && area.UnitKind == kind ? 1 : 0;
    }
    return count;
}

bool AtWarWithSomeone(const GameState& game) {
    for (int16_t p = 1; p < game.PlayerCount; ++p) {
        if (IsAtWar(game, game.OwnPlayer, p)) {
            return true;
        }
    }
    return false;
}

TEST(Demo, EveryReportIsAcceptedWithNothingButTheFreshTurnNote) {
    for (const std::string& report : DemoReports) {
        SCOPED_TRACE(report);
        const test::DemoTurn demo(report);
        // A new turn has no earlier orders; nothing else may be said.
        EXPECT_EQ(demo.platform.messages,
                  (std::vector<test::Message>{{std::string(kNoOldOrders), MsgIcon::None}}));
        for (int p = 0; p <= demo.game.PlayerCount; ++p) {
            EXPECT_FALSE(demo.game.Players[p].Name.empty());
            EXPECT_LE(demo.game.Players[p].Abbrev.size(), 4u);
        }
    }
}

TEST(Demo, FirstTurnGivesEveryKindOfOrderAUse) {
    const test::DemoTurn demo(DemoReports[0]);
    const GameState& game = demo.game;
    EXPECT_TRUE(IsAllied(game, 3, 5));
    EXPECT_TRUE(AtWarWithSomeone(game));

    const SummaryCounters summary = ComputeSummary(game);
    EXPECT_GE(summary.FreeSupply, 2) << "room for a build and an upgrade";
    for (const int16_t kind : {1, 2, 3, 4}) {
        EXPECT_GE(OwnUnits(game, kind), 1) << kind;
    }

    bool convoy = false;
    bool freeCentre = false;
    bool corpsOnCentre = false;
    for (int a : OwnAreas(game)) {
        const AreaRecord& area = game.Areas[a];
        for (int16_t n : area.Neighbour) {
            const AreaRecord& sea = game.Areas[n];
            convoy = convoy || (area.Terrain == 2 && area.UnitKind == 1 && area.UnitOwner == 3 &&
                                n && sea.Terrain == 3 && sea.UnitKind == 3 && sea.UnitOwner == 3);
            // The player sees the own areas and all around them.
            EXPECT_TRUE(n == 0 || n == MaxArea || game.Areas[n].Owner != NoReportData)
                << "area " << n << " beside own area " << a;
        }
        freeCentre = freeCentre || (area.Supply >= 2 && area.Terrain == 2 && area.UnitKind == 0);
        corpsOnCentre = corpsOnCentre || (area.Supply > 0 && area.UnitKind == 2);
    }
    EXPECT_TRUE(convoy) << "a coast army beside a sea with an own fleet";
    EXPECT_TRUE(freeCentre) << "an empty coastal supply centre for builds";
    EXPECT_TRUE(corpsOnCentre) << "a corps that may be upgraded";
}

TEST(Demo, MergingTheAllysReportAddsAreasAndShowsOneMismatch) {
    test::DemoTurn demo(DemoReports[0]);
    const auto known = [&demo] {
        return std::count_if(demo.game.Areas.begin() + 1, demo.game.Areas.end(),
                             [](const AreaRecord& a) { return a.Owner != NoReportData; });
    };
    const auto before = known();
    demo.platform.messages.clear();
    const auto [folder, file] = SplitReportPath(DataDir + DemoReports[1]);
    ASSERT_EQ(MergeReport(demo.game, demo.platform.messages, folder, file), ReportOutcome::Read);
    ASSERT_EQ(demo.platform.messages.size(), 1u);
    EXPECT_EQ(demo.platform.messages[0].text.rfind("Owner for area  ", 0), 0u);
    EXPECT_GT(known(), before + 5);
}

TEST(Demo, LaterTurnIsShortOfSupplyAndAtWar) {
    const test::DemoTurn demo(DemoReports[2]);
    const SummaryCounters summary = ComputeSummary(demo.game);
    EXPECT_LT(summary.FreeSupply, 0);
    EXPECT_GE(summary.ArmyCount, 1) << "an army to downgrade";
    EXPECT_TRUE(AtWarWithSomeone(demo.game));
    EXPECT_TRUE(IsAllied(demo.game, 3, 5)) << "an ally to call to arms";
}

} // namespace
} // namespace dered
