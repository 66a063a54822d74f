#include "turns/HistoryChart.h"

#include "map/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dered {
namespace {

using Op = RecordingSurface::Operation;

// Turns 1, 2 and 4 (3 missing) of players 1 and 2.
struct ChartTest : ::testing::Test {
    ChartTest() {
        game.PlayerCount = 4;
        game.Players[1] = {"Aldmark Republic", "ALD"};
        game.Players[2] = {"Torvish Empire", "TORV"};
        settings.CountryColour[1] = 0x0000FF;
        settings.CountryColour[2] = 0x00FF00;
        for (const auto& [turn, one, two] : {std::tuple{1, 3, 0}, {2, 5, 1}, {4, 12, 2}}) {
            HistoryTurn t{1880, static_cast<int16_t>(turn), "", {}};
            t.players[1].units = one;
            t.players[2].units = two;
            history.turns.push_back(t);
        }
        history.players = {1, 2};
    }
    HistoryChart Chart(int width = 600, int height = 300) const {
        return LayoutHistoryChart(history, HistoryFigure::Units, game, settings, width, height);
    }
    GameState game;
    SettingsRecord settings;
    GameHistory history;
};

TEST_F(ChartTest, ALineAPlayerBrokenAtAMissingTurnInsideThePlot) {
    const HistoryChart chart = Chart();
    EXPECT_EQ(chart.first, 1);
    EXPECT_EQ(chart.last, 4);
    EXPECT_EQ(chart.top, 12);
    EXPECT_EQ(chart.valueTicks.front(), (ChartTick{chart.plot.bottom, "0"}));
    EXPECT_EQ(chart.valueTicks.back(), (ChartTick{chart.plot.top, "12"}));
    EXPECT_EQ(chart.valueTicks.size(), 7u); // a step of 2
    ASSERT_EQ(chart.lines.size(), 2u);
    const ChartLine& ald = chart.lines[0];
    EXPECT_EQ(ald.colour, 0x0000FF);
    ASSERT_EQ(ald.runs.size(), 2u);
    EXPECT_EQ(ald.runs[0], (std::vector<Point32>{{chart.plot.left, chart.YOf(3)},
                                                 {chart.XOf(2), chart.YOf(5)}}));
    EXPECT_EQ(ald.runs[1], (std::vector<Point32>{{chart.plot.right, chart.plot.top}}));
    EXPECT_EQ(ald.bridges,
              (std::vector<std::array<Point32, 2>>{{ald.runs[0].back(), ald.runs[1].front()}}));
    EXPECT_EQ(chart.legend[1].label, "TORV Torvish Empire");
    EXPECT_GT(chart.legend[1].swatch.left, chart.plot.right);
    EXPECT_LE(chart.legend[1].text.x + DrawingSurface::TextWidth(19), 600);
    EXPECT_EQ(chart.turnTicks.front(), (ChartTick{chart.plot.left, "1880.1"}));

    // Under the pointer: a turn's column, not a missing one, nothing outside the plot.
    const int middle = (chart.plot.top + chart.plot.bottom) / 2;
    EXPECT_EQ(chart.TurnAt(chart.XOf(2) + 10, middle), 2);
    EXPECT_EQ(chart.TurnAt(chart.XOf(3), middle), std::nullopt);
    EXPECT_EQ(chart.TurnAt(chart.XOf(2), chart.plot.bottom + 5), std::nullopt);
    EXPECT_EQ(TurnValuesText(history, HistoryFigure::Units, 4, game), "1880.4: ALD 12, TORV 2");
    EXPECT_EQ(TurnValuesText(history, HistoryFigure::Units, 3, game), "1880.3: no report");
    EXPECT_EQ(TurnName(8), "1881.4");
    EXPECT_EQ(TurnName(9), "1882.1");
}

TEST_F(ChartTest, TurnLabelsThinOutWhereTheyWouldOverlap) {
    history.turns.back().turn = 4 * 30;
    const HistoryChart chart = Chart(400, 200);
    ASSERT_GT(chart.turnTicks.size(), 2u);
    EXPECT_LT(chart.turnTicks.size(), 10u);
    for (size_t i = 1; i < chart.turnTicks.size(); ++i) {
        EXPECT_GE(chart.turnTicks[i].at - chart.turnTicks[i - 1].at, DrawingSurface::TextWidth(6));
    }
}

TEST_F(ChartTest, DrawnLinesLegendAndMarkOnTheSurface) {
    const HistoryChart chart = Chart();
    RecordingSurface surface(600, 300);
    DrawHistoryChart(chart, surface, 2);
    const auto& ops = surface.operations;
    const auto has = [&ops](const Op& wanted) {
        return std::find(ops.begin(), ops.end(), wanted) != ops.end();
    };
    EXPECT_EQ(ops.front().kind, Op::Kind::Clear);
    EXPECT_TRUE(has({Op::Kind::Polyline, chart.lines[0].runs[0], 2, 0x0000FF}));
    EXPECT_TRUE(has({Op::Kind::Polyline,
                     {{chart.XOf(2), chart.plot.top}, {chart.XOf(2), chart.plot.bottom}},
                     1,
                     0x808080}));
    const auto legendText = std::find_if(ops.begin(), ops.end(), [](const Op& op) {
        return op.kind == Op::Kind::Text && op.text == "ALD Aldmark Republic";
    });
    EXPECT_NE(legendText, ops.end());
    // The lines lie over the grid and the mark: nothing grey follows the first line.
    const auto firstLine = std::find_if(ops.begin(), ops.end(), [](const Op& op) {
        return op.kind == Op::Kind::Polyline && op.width == 2;
    });
    EXPECT_TRUE(std::none_of(firstLine, ops.end(), [](const Op& op) {
        return op.kind == Op::Kind::Polyline && (op.colour == 0xE0E0E0 || op.colour == 0x808080);
    }));
    EXPECT_TRUE(has({Op::Kind::Polyline,
                     {chart.lines[1].bridges[0].begin(), chart.lines[1].bridges[0].end()},
                     1,
                     0x00FF00}));

    // Without turns the axes stay and say so.
    RecordingSurface empty(600, 300);
    DrawHistoryChart(LayoutHistoryChart({}, HistoryFigure::Areas, game, settings, 600, 300), empty);
    EXPECT_TRUE(std::any_of(empty.operations.begin(), empty.operations.end(),
                            [](const Op& op) { return op.text == "No turns found"; }));
}

} // namespace
} // namespace dered
