#include "forms/frmExportMap.h"

#include "files/FileAccess.h"
#include "map/SvgSurface.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace dered {

namespace {

struct FormatFile {
    const char* filter;
    const char* extension;
};

constexpr std::array<FormatFile, 3> kFiles{{
    {"SVG picture (*.svg)|*.svg", "svg"},
    {"PNG picture (*.png)|*.png", "png"},
    {"PDF document (*.pdf)|*.pdf", "pdf"},
}};

} // namespace

frmExportMap::frmExportMap(const Records& records, Platform& platform, FormManager& forms,
                           Disk& disk)
    : Form("frmExportMap", "Export Map"), records_(records), platform_(platform), forms_(forms),
      disk_(disk) {
    optCells.Subscribe([this](const Changed&) { ShowSize(); });
    txtCellSize.Subscribe([this](const Changed&) { ShowSize(); });
    cmdExport.onClick = [this] { cmdExport_Click(); };
    cmdCancel.onClick = [this] { forms_.Unload(*this); };
}

// The map window's choices to start with.
void frmExportMap::Form_Load() {
    const SettingsRecord& settings = records_.settings;
    if (optFormat.Chosen() < 0) {
        optFormat.Choose(static_cast<int>(PictureFormat::Png));
    }
    optCells.Choose(settings.HexDisplay != 0 ? 0 : 1);
    txtCellSize.SetText(std::to_string(settings.CellSize));
    chkArrows.SetValue(1);
    chkAllies.SetValue(records_.documents.Shown().allies.Empty() ? 0 : 1);
    ShowSize();
}

bool frmExportMap::Choices(MapExportOptions& options) const {
    const std::string& text = txtCellSize.Text();
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    const bool hex = optCells.Chosen() != 1;
    const int largest = hex ? MaxHexCellSize : MaxSquareCellSize;
    if (error != std::errc() || end != text.data() + text.size() || size < MinCellSize ||
        size > largest) {
        return false;
    }
    options = {static_cast<int16_t>(size), hex, chkArrows.Value() != 0,
               chkAllies.Value() != 0 ? &records_.documents.Shown().allies : nullptr,
               chkReach.Value() != 0};
    return true;
}

void frmExportMap::ShowSize() {
    MapExportOptions options;
    if (!Choices(options)) {
        const bool hex = optCells.Chosen() != 1;
        lblSize.SetText("The cell size is a number from " + std::to_string(MinCellSize) + " to " +
                        std::to_string(hex ? MaxHexCellSize : MaxSquareCellSize));
        return;
    }
    const MapExportLayout layout = LayoutMapExport(records_.settings, options);
    lblSize.SetText(std::to_string(layout.width) + " x " +
                    std::to_string(layout.height + SvgSurface::kTitleHeight) + " pixels");
}

void frmExportMap::DrawPicture(DrawingSurface& surface, const MapPictureJob& job) const {
    MapExportOptions options;
    options.arrows = job.arrows;
    options.allies = job.allies ? &records_.documents.Shown().allies : nullptr;
    options.reach = job.reach;
    DrawExportedMap(surface, job.layout, Game(), records_.hexMap, TheMapPictures(), options);
}

// Empty when the dialog was cancelled.
std::string frmExportMap::ChoosePath(PictureFormat format) {
    const FormatFile& file = kFiles[static_cast<size_t>(format)];
    const GameState& game = Game();
    OpenFileRequest request;
    request.title = "Export Map";
    request.filter = file.filter;
    request.defaultExt = file.extension;
    request.initialDir = game.ReportDir;
    request.fileName = game.ReportDir + "map-" + std::to_string(game.GameYear) + "-" +
                       std::to_string(game.GameTurn) + "." + file.extension;
    request.mustExist = false;
    return platform_.ShowOpenDialog(request).fullPath;
}

std::string frmExportMap::ExportSvg(const MapExportOptions& options,
                                    const std::string& path) const {
    const MapSvg svg =
        ExportMapSvg(Game(), records_.hexMap, records_.settings, TheMapPictures(), options);
    return WriteFileAtomically(path, svg.text, disk_);
}

void frmExportMap::cmdExport_Click() {
    MapExportOptions options;
    if (!Choices(options)) {
        platform_.MsgBox(lblSize.Text(), MsgIcon::Exclamation);
        return;
    }
    const auto format = static_cast<PictureFormat>(std::max(optFormat.Chosen(), 0));
    if (format != PictureFormat::Svg && !writePicture) {
        platform_.MsgBox("PNG, PDF and printing are done by the desktop program; export SVG here",
                         MsgIcon::Information);
        return;
    }
    std::string path;
    if (format != PictureFormat::Print) {
        path = ChoosePath(format);
        if (path.empty()) {
            return;
        }
    }
    const std::string problem =
        format == PictureFormat::Svg
            ? ExportSvg(options, path)
            : writePicture({format, path, LayoutMapExport(records_.settings, options),
                            MapTitle(Game()), options.arrows, options.allies != nullptr,
                            options.reach});
    if (!problem.empty()) {
        platform_.MsgBox("Can't export the map" + (path.empty() ? "" : " to " + path) + ": " +
                             problem,
                         MsgIcon::Critical);
        return;
    }
    forms_.Unload(*this);
}

} // namespace dered
