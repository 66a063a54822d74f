#include "turns/HistoryChart.h"

#include "map/Palette.h"

#include <algorithm>
#include <array>

namespace dered {

namespace {

constexpr int32_t kBackground = kWhite;
constexpr int32_t kInk = kBlack;
constexpr int32_t kGrid = 0xE0E0E0;
constexpr int32_t kMark = kGrey;
constexpr int kGap = 8;
constexpr int kSwatch = 10;
constexpr int kLegendRow = 16;
constexpr int kMinTurnLabelSpacing = 12;

constexpr int TextWidth(size_t characters) {
    return DrawingSurface::TextWidth(characters);
}

int FloorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// 1, 2 or 5 times a power of ten, so that about five steps reach the highest value.
int ValueStep(int highest) {
    const int wanted = std::max(highest / 5, 1);
    for (int magnitude = 1;; magnitude *= 10) {
        for (const int factor : {1, 2, 5}) {
            if (factor * magnitude >= wanted) {
                return factor * magnitude;
            }
        }
    }
}

int Highest(const GameHistory& history, HistoryFigure figure) {
    int highest = 0;
    for (const HistoryTurn& turn : history.turns) {
        for (const int16_t p : history.players) {
            highest = std::max(highest, FigureOf(turn.players[p], figure));
        }
    }
    return highest;
}

std::string PlayerLabel(const GameState& game, int16_t player) {
    return game.Players[player].Abbrev + " " + game.Players[player].Name;
}

ChartLine LineOf(const HistoryChart& chart, const GameHistory& history, int16_t player,
                 int32_t colour) {
    ChartLine line{player, colour, {}, {}};
    int previous = 0;
    for (const HistoryTurn& turn : history.turns) {
        const Point32 point{chart.XOf(turn.Sequence()),
                            chart.YOf(FigureOf(turn.players[player], chart.figure))};
        if (line.runs.empty() || turn.Sequence() != previous + 1) {
            if (!line.runs.empty()) {
                line.bridges.push_back({line.runs.back().back(), point});
            }
            line.runs.emplace_back();
        }
        previous = turn.Sequence();
        line.runs.back().push_back(point);
    }
    return line;
}

void LayOutTurnTicks(HistoryChart& chart) {
    const int span = std::max(chart.last - chart.first, 1);
    const int perTurn = std::max((chart.plot.right - chart.plot.left) / span, 1);
    const int every = (TextWidth(6) + kMinTurnLabelSpacing + perTurn - 1) / perTurn;
    for (int s = chart.first; s <= chart.last; s += every) {
        chart.turnTicks.push_back({chart.XOf(s), TurnName(s)});
    }
}

} // namespace

int HistoryChart::XOf(int sequence) const {
    if (last == first) {
        return (plot.left + plot.right) / 2;
    }
    return plot.left + (sequence - first) * (plot.right - plot.left) / (last - first);
}

int HistoryChart::YOf(int value) const {
    return plot.bottom - value * (plot.bottom - plot.top) / std::max(top, 1);
}

std::optional<int> HistoryChart::TurnAt(int x, int y) const {
    if (turns.empty() || y < plot.top || y > plot.bottom) {
        return std::nullopt;
    }
    const int halfColumn = last == first ? (plot.right - plot.left) / 2
                                         : (plot.right - plot.left) / (last - first) / 2;
    for (const int s : turns) {
        if (std::abs(x - XOf(s)) <= halfColumn) {
            return s;
        }
    }
    return std::nullopt;
}

HistoryChart LayoutHistoryChart(const GameHistory& history, HistoryFigure figure,
                                const GameState& game, const SettingsRecord& settings, int width,
                                int height) {
    HistoryChart chart;
    chart.width = width;
    chart.height = height;
    chart.figure = figure;
    const int step = ValueStep(Highest(history, figure));
    chart.top = std::max((Highest(history, figure) + step - 1) / step * step, step);

    size_t widestLabel = 0;
    for (const int16_t p : history.players) {
        widestLabel = std::max(widestLabel, PlayerLabel(game, p).size());
    }
    const int legendWidth = history.players.empty() ? 0 : kSwatch + 6 + TextWidth(widestLabel);
    const int valueLabelWidth = TextWidth(std::to_string(chart.top).size());
    // The last turn's label reaches half its width beyond the plot.
    chart.plot = {valueLabelWidth + 2 * kGap, DrawingSurface::kTextHeight + 2 * kGap,
                  std::max(width - legendWidth - 2 * kGap - TextWidth(3), 0),
                  std::max(height - DrawingSurface::kTextHeight - 2 * kGap, 0)};
    chart.plot.right = std::max(chart.plot.right, chart.plot.left + 1);
    chart.plot.bottom = std::max(chart.plot.bottom, chart.plot.top + 1);

    for (const HistoryTurn& turn : history.turns) {
        chart.turns.push_back(turn.Sequence());
    }
    if (!chart.turns.empty()) {
        chart.first = chart.turns.front();
        chart.last = chart.turns.back();
        LayOutTurnTicks(chart);
    }
    for (int v = 0; v <= chart.top; v += step) {
        chart.valueTicks.push_back({chart.YOf(v), std::to_string(v)});
    }
    const int legendLeft = chart.plot.right + 2 * kGap + TextWidth(3);
    int row = chart.plot.top;
    for (const int16_t p : history.players) {
        const int32_t colour = settings.CountryColour[p];
        chart.lines.push_back(LineOf(chart, history, p, colour));
        chart.legend.push_back({PlayerLabel(game, p),
                                colour,
                                {legendLeft, row + 1, legendLeft + kSwatch, row + 1 + kSwatch},
                                {legendLeft + kSwatch + 6, row}});
        row += kLegendRow;
    }
    return chart;
}

void DrawHistoryChart(const HistoryChart& chart, DrawingSurface& surface,
                      std::optional<int> marked) {
    surface.Clear(kBackground);
    const PixelRect& plot = chart.plot;
    const int textMiddle = DrawingSurface::kTextHeight / 2;
    surface.DrawText(plot.left, kGap, FigureName(chart.figure), kInk);
    for (const ChartTick& tick : chart.valueTicks) {
        const std::array<Point32, 2> grid{{{plot.left, tick.at}, {plot.right, tick.at}}};
        surface.Polyline(grid, 1, kGrid);
        surface.DrawText(plot.left - kGap - TextWidth(tick.label.size()), tick.at - textMiddle,
                         tick.label, kInk);
    }
    const std::array<Point32, 3> axes{
        {{plot.left, plot.top}, {plot.left, plot.bottom}, {plot.right, plot.bottom}}};
    surface.Polyline(axes, 1, kInk);
    for (const ChartTick& tick : chart.turnTicks) {
        const std::array<Point32, 2> mark{{{tick.at, plot.bottom}, {tick.at, plot.bottom + 4}}};
        surface.Polyline(mark, 1, kInk);
        surface.DrawText(tick.at - TextWidth(tick.label.size()) / 2, plot.bottom + kGap, tick.label,
                         kInk);
    }
    if (marked) {
        const int x = chart.XOf(*marked);
        const std::array<Point32, 2> line{{{x, plot.top}, {x, plot.bottom}}};
        surface.Polyline(line, 1, kMark);
    }
    for (const ChartLine& line : chart.lines) {
        for (const auto& bridge : line.bridges) {
            surface.Polyline(bridge, 1, line.colour);
        }
        for (const auto& run : line.runs) {
            surface.Polyline(run, 2, line.colour);
            for (const Point32& p : run) {
                surface.FillRect(p.x - 2, p.y - 2, p.x + 3, p.y + 3, line.colour);
            }
        }
    }
    for (const ChartLegendEntry& entry : chart.legend) {
        surface.FillRect(entry.swatch.left, entry.swatch.top, entry.swatch.right,
                         entry.swatch.bottom, entry.colour);
        surface.DrawText(entry.text.x, entry.text.y, entry.label, kInk);
    }
    if (chart.turns.empty()) {
        surface.DrawText(plot.left + kGap, plot.top + kGap, "No turns found", kInk);
    }
}

std::string TurnName(int sequence) {
    const int year = 1880 + FloorDiv(sequence - 1, 4);
    return std::to_string(year) + "." + std::to_string(sequence - TurnSequence(year, 0));
}

std::string TurnValuesText(const GameHistory& history, HistoryFigure figure, int sequence,
                           const GameState& game) {
    std::string text = TurnName(sequence) + ":";
    const HistoryTurn* turn = history.At(sequence);
    if (turn == nullptr) {
        return text + " no report";
    }
    bool first = true;
    for (const int16_t p : history.players) {
        text += (first ? " " : ", ") + game.Players[p].Abbrev + " " +
                std::to_string(FigureOf(turn->players[p], figure));
        first = false;
    }
    return text;
}

} // namespace dered
