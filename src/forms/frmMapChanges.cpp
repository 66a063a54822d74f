// The map window's marks on the areas that changed since the turn compared.
#include "forms/frmMap.h"

#include "map/Renderer.h"

#include <utility>

namespace dered {

void frmMap::ShowChanges(std::vector<int16_t> areas) {
    changed_ = std::move(areas);
    if (picView_) {
        RefreshView();
    }
}

// At both edges of the picture, as the order marks.
void frmMap::MarkChanges() {
    const GameState& game = Game();
    const SettingsRecord& settings = records_.settings;
    for (const int16_t a : changed_) {
        if (a < 1 || a > MaxArea) {
            continue;
        }
        const auto anchor = AreaAnchor(game.Areas[a], a, records_.hexMap);
        if (!anchor) {
            continue;
        }
        for (const int shift : {0, PictureWidth(geometry_)}) {
            DrawChangeMark(*picView_, geometry_, anchor->col, anchor->row, settings.MapX + shift,
                           settings.MapY);
        }
    }
}

} // namespace dered
