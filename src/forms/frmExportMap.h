#pragma once

#include "files/Disk.h"
#include "map/MapExport.h"
#include "state/Records.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

#include <functional>
#include <string>

namespace dered {

enum class PictureFormat { Svg = 0, Png = 1, Pdf = 2, Print = 3 };

// A picture of the map for the desktop to write: PNG, PDF or paper.
struct MapPictureJob {
    PictureFormat format = PictureFormat::Png;
    std::string path; // empty for paper
    MapExportLayout layout;
    std::string title;
    bool arrows = true;
    bool allies = false; // the allies' orders beneath the arrows
    bool reach = false;
};

// "&Export Map...": the whole wrapped world in one picture under a title line, as SVG (written
// here), PNG, PDF or on paper (written by the desktop through writePicture).
class frmExportMap : public Form {
  public:
    frmExportMap(const Records& records, Platform& platform, FormManager& forms, Disk& disk);

    void Form_Load() override;
    void cmdExport_Click();

    DERED_CONTROL(OptionGroupModel, optFormat,
                  std::vector<std::string>{"SVG", "PNG", "PDF", "&Print"});
    DERED_CONTROL(OptionGroupModel, optCells, std::vector<std::string>{"Hexagons", "Squares"});
    DERED_CONTROL(TextModel, lblCellSize, "Cell size:");
    DERED_CONTROL(TextBoxModel, txtCellSize);
    DERED_CONTROL(CheckBoxModel, chkArrows, "The orders' &arrows");
    DERED_CONTROL(CheckBoxModel, chkAllies, "The allies' orders");
    DERED_CONTROL(CheckBoxModel, chkReach, "Who can &reach each area next turn");
    // The picture's size at the choices made, or what is wrong with them.
    DERED_CONTROL(TextModel, lblSize);
    DERED_CONTROL(ButtonModel, cmdExport, "&Export...");
    DERED_CONTROL(ButtonModel, cmdCancel, "Cancel");

    // Writes a PNG, a PDF or prints; empty on success, else the problem. Set by the desktop.
    std::function<std::string(const MapPictureJob&)> writePicture;
    // Draws the job's map on a surface of its layout's size.
    void DrawPicture(DrawingSurface& surface, const MapPictureJob& job) const;

  private:
    bool Choices(MapExportOptions& options) const;
    void ShowSize();
    std::string ChoosePath(PictureFormat format);
    std::string ExportSvg(const MapExportOptions& options, const std::string& path) const;

    const Records& records_;
    // The turn on screen.
    const GameState& Game() const { return records_.documents.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    Disk& disk_;
};

} // namespace dered
