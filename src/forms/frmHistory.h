#pragma once

#include "files/Disk.h"
#include "forms/frmWinQZ.h"
#include "state/Records.h"
#include "state/TurnEvents.h"
#include "turns/History.h"
#include "turns/HistoryChart.h"
#include "ui/Changed.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

#include <functional>
#include <optional>
#include <string>

namespace dered {

// A chart for the desktop to write as PNG.
struct HistoryPictureJob {
    std::string path;
    HistoryChart chart;
};

// "History": each player's supply centres, units or areas over every turn found of the open
// game and player, as a chart and as a table; the turn under the pointer with its figures;
// the chart exported as SVG (written here) or PNG (by the desktop through writePng).
class frmHistory : public Form {
  public:
    frmHistory(const Records& records, Platform& platform, FormManager& forms,
               const frmWinQZ& winQZ, Disk& disk, TurnEvents& events);

    void Form_Load() override;
    // Reads the reports new or changed since the last time and shows the history again.
    const GameHistory& Refresh();

    DERED_CONTROL(OptionGroupModel, optFigure,
                  std::vector<std::string>{"&Supply centres", "&Units", "&Areas"});
    // Turn, then the charted players' figures.
    DERED_CONTROL(GridModel, grdHistory, 1, 1);
    DERED_CONTROL(TextModel, lblPointer);
    DERED_CONTROL(TextModel, lblSkipped);
    DERED_CONTROL(ButtonModel, cmdSvg, "Export S&VG...");
    DERED_CONTROL(ButtonModel, cmdPng, "Export &PNG...");

    // The chart laid out at the size the view gives it.
    void SetChartSize(int width, int height);
    const HistoryChart& Chart() const { return chart_; }
    void Draw(DrawingSurface& surface) const;
    // The pointer over the chart, or off it.
    void PointerAt(std::optional<Point32> at);
    std::optional<int> Marked() const { return marked_; }
    // Raised when the chart is to be drawn again.
    ChangeSignal chartChanged;

    void cmdSvg_Click();
    void cmdPng_Click();
    // Writes a PNG; empty on success, else the problem. Set by the desktop.
    std::function<std::string(const HistoryPictureJob&)> writePng;

    static constexpr int kExportWidth = 800;
    static constexpr int kExportHeight = 450;

  private:
    HistoryFigure Figure() const;
    void Show();
    void FillTable();
    void FillSkipped();
    std::string ChoosePath(const char* filter, const char* extension);
    std::string Title() const;
    HistoryChart ExportChart() const;

    const Records& records_;
    Platform& platform_;
    FormManager& forms_;
    const frmWinQZ& winQZ_;
    Disk& disk_;
    HistoryCache cache_;
    HistoryChart chart_;
    int width_ = 600;
    int height_ = 320;
    std::optional<int> marked_;
};

} // namespace dered
