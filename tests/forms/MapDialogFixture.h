#pragma once

#include "map/RecordingSurface.h"
#include "support/ProgramFixture.h"

#include <algorithm>
#include <cstddef>

namespace dered::test {

// A program whose map holds a few painted areas, with hexagons of 26 in the settings file:
// own land 10, water 11 reaching into column 1, land 12 of player 2, and area 0 elsewhere.
class MapDialogFixture : public ProgramFixture {
  protected:
    static constexpr size_t kCells = MapColumns * MapRows;

    MapDialogFixture() {
        ini.Set("Positions", "HexDisplay", "-1");
        ini.Set("Positions", "HexSize", "13");
        MakeArea(10, 1, kOwn);
        MakeArea(11, 3, 0);
        MakeArea(12, 1, 2);
        Paint(10, 4, 5, 2, 3);
        Paint(11, 1, 2, 6, 7);
        Paint(12, 8, 8, 8, 8);
        program.winQZ.LoadSettingsFile();
    }

    void OpenMap() { program.forms.Show(program.map, Modality::Modeless); }

    // Forgets what was drawn so far on the map picture and the view.
    void ForgetDrawing() {
        MapPicture().operations.clear();
        View().operations.clear();
        platform.pointers.clear();
    }

    RecordingSurface& MapPicture() {
        return static_cast<RecordingSurface&>(*program.map.canvas.picMap());
    }
    RecordingSurface& View() {
        return static_cast<RecordingSurface&>(*program.map.canvas.picView());
    }

    // The cells filled on the map picture: one polygon each.
    std::vector<RecordingSurface::Operation> Fills() {
        std::vector<RecordingSurface::Operation> fills;
        std::ranges::copy_if(
            MapPicture().operations, std::back_inserter(fills),
            [](const auto& op) { return op.kind == RecordingSurface::Operation::Kind::Polygon; });
        return fills;
    }

    bool WholeMapDrawn() {
        const auto& ops = MapPicture().operations;
        return !ops.empty() && ops.front().kind == RecordingSurface::Operation::Kind::Clear &&
               Fills().size() == kCells + MapRows;
    }

    bool ViewRefreshed() {
        return std::ranges::any_of(View().operations, [](const auto& op) {
            return op.kind == RecordingSurface::Operation::Kind::Copy;
        });
    }
};

} // namespace dered::test
