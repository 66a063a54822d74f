// The map drawn on the desktop's QImage surface, against a baseline that only fills the
// same hexagons with one QPainter call each.
#include "../MapBench.h"
#include "../SilentPlatform.h"
#include "app/Program.h"
#include "files/IniFile.h"
#include "map/Geometry.h"
#include "qt/GridBinding.h"
#include "qt/QImageSurface.h"

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

class QImagePlatform : public bench::SilentPlatform {
  public:
    std::unique_ptr<DrawingSurface> CreateSurface(int w, int h) override {
        return std::make_unique<QImageSurface>(w, h);
    }
};

struct LoadedMap {
    QImagePlatform platform;
    HexSettings ini;
    std::unique_ptr<Program> program;
    LoadedMap() {
        program = std::make_unique<Program>(
            platform, ini,
            ProgramOptions{OnlyFolder(kData), kData + "demo/1880-1/plyrdata.003", {}});
        program->Start();
    }
};

void BM_DrawWholeMap(benchmark::State& state) {
    LoadedMap loaded;
    for (auto _ : state) {
        loaded.program->map.DrawWholeMap();
    }
}
BENCHMARK(BM_DrawWholeMap)->Unit(benchmark::kMillisecond);

void BM_BaselineFillHexagons(benchmark::State& state) {
    LoadedMap loaded;
    const MapGeometry& geometry = loaded.program->map.Geometry();
    QImage image(static_cast<int>(geometry.MapWidth()), static_cast<int>(geometry.MapHeight()),
                 QImage::Format_RGB32);
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
BENCHMARK(BM_BaselineFillHexagons)->Unit(benchmark::kMillisecond);

void BM_RefreshView(benchmark::State& state) {
    LoadedMap loaded;
    for (auto _ : state) {
        loaded.program->map.RefreshView();
    }
}
BENCHMARK(BM_RefreshView)->Unit(benchmark::kMicrosecond);

void BM_RedrawArea(benchmark::State& state) {
    LoadedMap loaded;
    for (auto _ : state) {
        loaded.program->map.RedrawArea(124);
    }
}
BENCHMARK(BM_RedrawArea)->Unit(benchmark::kMicrosecond);

// One move entered with the mouse, drawn on the desktop's surfaces.
void BM_OrderEntryMove(benchmark::State& state) {
    QImagePlatform platform;
    bench::EnterMoves(state, platform);
}
BENCHMARK(BM_OrderEntryMove)->Unit(benchmark::kMicrosecond);

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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
