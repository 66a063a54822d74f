#pragma once

#include "map/DrawingSurface.h"
#include "map/Point.h"
#include "state/GameState.h"
#include "state/SettingsRecord.h"
#include "turns/History.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dered {

struct ChartTick {
    int at = 0; // x of a turn, y of a value
    std::string label;
    bool operator==(const ChartTick&) const = default;
};

struct ChartLine {
    int16_t player = 0;
    int32_t colour = 0;
    std::vector<std::vector<Point32>> runs; // turns in a row: a missing turn ends a run
    // From each run's last point to the next run's first, drawn thinner over the missing turns.
    std::vector<std::array<Point32, 2>> bridges;
    bool operator==(const ChartLine&) const = default;
};

struct ChartLegendEntry {
    std::string label; // "ESK Eskarin Kingdom"
    int32_t colour = 0;
    PixelRect swatch;
    Point32 text;
    bool operator==(const ChartLegendEntry&) const = default;
};

// One figure of a history laid out on a picture of a given size: a line a player in the
// player's colour over the turns, value and turn axes, a legend right of the plot.
struct HistoryChart {
    int width = 0;
    int height = 0;
    HistoryFigure figure = HistoryFigure::SupplyCentres;
    PixelRect plot;                    // the lines stay inside it
    int first = 0;                     // sequence number at the plot's left edge
    int last = 0;                      // and at its right edge
    int top = 1;                       // the value at the plot's top
    std::vector<int> turns;            // the sequence numbers a report was found for
    std::vector<ChartTick> turnTicks;  // labelled turns, as many as fit
    std::vector<ChartTick> valueTicks; // from 0 up to top
    std::vector<ChartLine> lines;
    std::vector<ChartLegendEntry> legend;

    [[nodiscard]] int XOf(int sequence) const;
    [[nodiscard]] int YOf(int value) const;
    // The turn whose column holds x (up to half way to its neighbours); none outside the plot
    // and over a missing turn.
    [[nodiscard]] std::optional<int> TurnAt(int x, int y) const;
};

[[nodiscard]] HistoryChart LayoutHistoryChart(const GameHistory& history, HistoryFigure figure,
                                              const GameState& game, const SettingsRecord& settings,
                                              int width, int height);

// Draws the chart over the whole surface; `marked` draws a line through that turn.
void DrawHistoryChart(const HistoryChart& chart, DrawingSurface& surface,
                      std::optional<int> marked = std::nullopt);

// "1881.2" for sequence number 6.
[[nodiscard]] std::string TurnName(int sequence);
// "1881.2: ESK 7, BRIM 4" for the turn's figures of the players charted; "1881.3: no report".
[[nodiscard]] std::string TurnValuesText(const GameHistory& history, HistoryFigure figure,
                                         int sequence, const GameState& game);

} // namespace dered
