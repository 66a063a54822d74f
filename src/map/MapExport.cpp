#include "map/MapExport.h"

#include "map/AllyArrows.h"
#include "map/Arrows.h"
#include "map/Geometry.h"
#include "map/ReachOverlay.h"
#include "map/Renderer.h"
#include "map/SvgSurface.h"

namespace dered {

std::string MapTitle(const GameState& game) {
    std::string title = game.GameId + ", " + std::to_string(game.GameYear) + " turn " +
                        std::to_string(game.GameTurn) + ", player " +
                        std::to_string(game.OwnPlayer);
    if (game.OwnPlayer >= 0 && game.OwnPlayer <= MaxPlayer &&
        !game.Players[game.OwnPlayer].Name.empty()) {
        title += " (" + game.Players[game.OwnPlayer].Name + ")";
    }
    return title;
}

MapExportLayout LayoutMapExport(const SettingsRecord& settings, const MapExportOptions& options) {
    MapExportLayout layout{settings, {}, 0, 0};
    layout.settings.CellSize = options.cellSize;
    layout.settings.HexDisplay = options.hexDisplay ? -1 : 0;
    SetDisplayMetrics(layout.geometry, layout.settings);
    BuildHexTables(layout.geometry);
    layout.width = PictureWidth(layout.geometry);
    layout.height = PictureHeight(layout.geometry);
    return layout;
}

void DrawExportedMap(DrawingSurface& surface, const MapExportLayout& layout, const GameState& game,
                     const HexMap& hexMap, const MapPictures& pictures,
                     const MapExportOptions& options) {
    DrawAllCells({surface, layout.geometry, game, hexMap, layout.settings, pictures});
    if (options.reach) {
        DrawReachOverlay(surface, layout.geometry, game, hexMap, MarkReach(game, ReachMap(game)), 0,
                         0);
    }
    if (options.allies != nullptr) {
        DrawAllyOrders({surface, layout.geometry, game, hexMap, layout.settings}, *options.allies,
                       0, 0);
    }
    if (options.arrows) {
        ArrowList list;
        DrawAllOrderArrows({surface, list, layout.geometry, game, hexMap, layout.settings}, 0, 0);
    }
}

MapSvg ExportMapSvg(const GameState& game, const HexMap& hexMap, const SettingsRecord& settings,
                    const MapPictures& pictures, const MapExportOptions& options) {
    const MapExportLayout layout = LayoutMapExport(settings, options);
    SvgSurface surface(layout.width, layout.height);
    DrawExportedMap(surface, layout, game, hexMap, pictures, options);
    return {surface.Document(MapTitle(game)), surface.Width(),
            surface.Height() + SvgSurface::kTitleHeight};
}

} // namespace dered
