// The map drawn on the desktop's QImage surface, against a baseline that only fills the
// same hexagons with one QPainter call each.
#include "../MapBench.h"
#include "../SilentPlatform.h"
#include "app/Program.h"
#include "files/IniFile.h"
#include "map/Geometry.h"
#include "platform/SystemDisk.h"
#include "qt/GridBinding.h"
#include "qt/QImageSurface.h"
#include "turns/HistoryChart.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStyledItemDelegate>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace dered;

using bench::HexSettings;
using bench::kData;

// Surfaces at the scale of the screen benched: 1, or 2 for a high-DPI screen.
class QImagePlatform : public bench::SilentPlatform {
  public:
    explicit QImagePlatform(int scale = 1) : scale_(scale) {}
    std::unique_ptr<DrawingSurface> CreateSurface(int w, int h) override {
        return std::make_unique<QImageSurface>(w, h, scale_);
    }

  private:
    int scale_;
};

struct LoadedMap {
    QImagePlatform platform;
    HexSettings ini;
    SystemDisk disk;
    std::unique_ptr<Program> program;
    explicit LoadedMap(int scale = 1) : platform(scale) {
        program = std::make_unique<Program>(
            platform, ini, disk,
            ProgramOptions{OnlyFolder(kData), kData + "demo/1880-1/plyrdata.003", {}});
        program->Start();
    }
};

// The argument is the screen's scale: 2 draws at twice the pixels each way.
void BM_DrawWholeMap(benchmark::State& state) {
    LoadedMap loaded(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        loaded.program->map.canvas.DrawWholeMap();
    }
}
BENCHMARK(BM_DrawWholeMap)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_BaselineFillHexagons(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    LoadedMap loaded(scale);
    const MapGeometry& geometry = loaded.program->map.canvas.Geometry();
    QImage image(static_cast<int>(geometry.MapWidth()) * scale,
                 static_cast<int>(geometry.MapHeight()) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    std::vector<QPolygon> cells;
    for (int r = 1; r <= MapRows; ++r) {
        for (int c = 1; c <= MapColumns; ++c) {
            const auto corners = CellCorners(geometry, c, r, 0, 0);
            QPolygon polygon;
            for (int i = 0; i < 6; ++i) {
                polygon << QPoint(corners[i].x, corners[i].y);
            }
            cells.push_back(polygon);
        }
    }
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(QColor(0, 128, 0));
        painter.setBrush(QColor(0, 128, 0));
        for (const QPolygon& polygon : cells) {
            painter.drawPolygon(polygon);
        }
    }
}
BENCHMARK(BM_BaselineFillHexagons)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RefreshView(benchmark::State& state) {
    LoadedMap loaded;
    for (auto _ : state) {
        loaded.program->map.canvas.RefreshView();
    }
}
BENCHMARK(BM_RefreshView)->Unit(benchmark::kMicrosecond);

void BM_RedrawArea(benchmark::State& state) {
    LoadedMap loaded;
    for (auto _ : state) {
        loaded.program->map.canvas.RedrawArea(124);
    }
}
BENCHMARK(BM_RedrawArea)->Unit(benchmark::kMicrosecond);

// One move entered with the mouse, drawn on the desktop's surfaces.
void BM_OrderEntryMove(benchmark::State& state) {
    QImagePlatform platform;
    bench::EnterMoves(state, platform);
}
BENCHMARK(BM_OrderEntryMove)->Unit(benchmark::kMicrosecond);

// The same with View > Reach on: the reach worked out again and shaded where the view changed.
void BM_OrderEntryMoveReach(benchmark::State& state) {
    QImagePlatform platform;
    bench::EnterMoves(state, platform, true);
}
BENCHMARK(BM_OrderEntryMoveReach)->Unit(benchmark::kMicrosecond);

// One undo and one redo of a move: the records restored, the grid row, the map and its arrows
// redrawn on the desktop's surfaces, the menu captions renamed.
void BM_UndoRedoMove(benchmark::State& state) {
    LoadedMap loaded;
    Program& program = *loaded.program;
    program.map.optCommand.Choose(program.map.optCommand.IndexOf("MO"));
    const auto army = bench::PointOf(program, 118);
    const auto target = bench::PointOf(program, 134);
    ClickAt(program.map, army.first, army.second, true);
    ClickAt(program.map, target.first, target.second, false);
    if (!program.history.CanUndo()) {
        state.SkipWithError("the move was not recorded");
        return;
    }
    for (auto _ : state) {
        program.winQZ.mnuUndo.Click();
        program.winQZ.mnuRedo.Click();
    }
    if (program.records.documents.Shown().records.Areas[118].Command != "MO") {
        state.SkipWithError("redo did not restore the move");
    }
}
BENCHMARK(BM_UndoRedoMove)->Unit(benchmark::kMicrosecond);

// A full paint of the main window's area grid on the demo turn (some 300 cells), with the
// grid's own cell painter (0) or the style's item painter (1).
void BM_PaintAreaGrid(benchmark::State& state) {
    LoadedMap loaded;
    QTableView table;
    GridBinding binding(loaded.program->winQZ.grdArea, table);
    QStyledItemDelegate styled;
    if (state.range(0) == 1) {
        table.setItemDelegate(&styled);
    }
    table.resize(640, 560);
    table.show();
    QImage image(table.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        table.viewport()->render(&image);
    }
}
BENCHMARK(BM_PaintAreaGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The history chart redrawn at the window's size, as the pointer moves over it: twelve turns of
// seven players, laid out and drawn on the window's surface.
void BM_RedrawHistoryChart(benchmark::State& state) {
    GameState game;
    SettingsRecord settings;
    GameHistory history;
    game.PlayerCount = 8;
    for (int16_t p = 1; p < 8; ++p) {
        game.Players[p] = {"Player " + std::to_string(p), "P" + std::to_string(p)};
        settings.CountryColour[p] = 0x203040 * p;
        history.players.push_back(p);
    }
    for (int s = 1; s <= 12; ++s) {
        HistoryTurn turn{static_cast<int16_t>(1880 + (s - 1) / 4),
                         static_cast<int16_t>((s - 1) % 4 + 1),
                         "",
                         {}};
        for (int16_t p = 1; p < 8; ++p) {
            turn.players[p] = {s + p, s * p % 11, 2 * s + p};
        }
        history.turns.push_back(turn);
    }
    QImageSurface surface(640, 320);
    int marked = 0;
    for (auto _ : state) {
        const HistoryChart chart =
            LayoutHistoryChart(history, HistoryFigure::Areas, game, settings, 640, 320);
        DrawHistoryChart(chart, surface, marked++ % 12 + 1);
    }
}
BENCHMARK(BM_RedrawHistoryChart)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
