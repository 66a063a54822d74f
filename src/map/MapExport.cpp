#include "map/MapExport.h"

#include "map/Arrows.h"
#include "map/Geometry.h"
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

MapSvg ExportMapSvg(const GameState& game, const HexMap& hexMap, const SettingsRecord& settings,
                    const MapPictures& pictures, const MapExportOptions& options) {
    SettingsRecord chosen = settings;
    chosen.CellSize = options.cellSize;
    chosen.HexDisplay = options.hexDisplay ? -1 : 0;
    MapGeometry geometry;
    SetDisplayMetrics(geometry, chosen);
    BuildHexTables(geometry);

    SvgSurface surface(PictureWidth(geometry), PictureHeight(geometry));
    DrawAllCells({surface, geometry, game, hexMap, chosen, pictures});
    if (options.arrows) {
        ArrowList arrows;
        DrawAllOrderArrows({surface, arrows, geometry, game, hexMap, chosen}, 0, 0);
    }
    return {surface.Document(MapTitle(game)), surface.Width(),
            surface.Height() + SvgSurface::kTitleHeight};
}

} // namespace dered
