#include "forms/frmHistory.h"

#include "files/FileAccess.h"
#include "forms/FormEvents.h"
#include "map/SvgSurface.h"

#include <algorithm>

namespace dered {

frmHistory::frmHistory(const Records& records, Platform& platform, FormManager& forms,
                       const frmWinQZ& winQZ, Disk& disk, TurnEvents& events)
    : Form("frmHistory", "History"), records_(records), platform_(platform), forms_(forms),
      winQZ_(winQZ), disk_(disk) {
    optFigure.Choose(0);
    RefreshWhileLoaded(optFigure, *this, [this] { Show(); });
    RefreshWhileLoaded(events, *this, ReportOpened, [this] { Refresh(); });
    cmdSvg.onClick = [this] { cmdSvg_Click(); };
    cmdPng.onClick = [this] { cmdPng_Click(); };
}

void frmHistory::Form_Load() {
    Refresh();
}

const GameHistory& frmHistory::Refresh() {
    const std::string& path = winQZ_.OpenReportPath();
    if (path.empty()) {
        cache_ = {};
    } else {
        cache_.Refresh(winQZ_.CurrentTurn(), path);
    }
    FillSkipped();
    Show();
    return cache_.History();
}

HistoryFigure frmHistory::Figure() const {
    return static_cast<HistoryFigure>(std::clamp(optFigure.Chosen(), 0, 2));
}

void frmHistory::Show() {
    chart_ = LayoutHistoryChart(cache_.History(), Figure(), winQZ_.CurrentTurn(), records_.settings,
                                width_, height_);
    marked_.reset();
    lblPointer.SetText("");
    FillTable();
    chartChanged.Raise();
}

void frmHistory::FillTable() {
    const GameHistory& history = cache_.History();
    const GameState& game = winQZ_.CurrentTurn();
    grdHistory.SetRows(static_cast<int>(history.turns.size()) + 1);
    grdHistory.SetCols(static_cast<int>(history.players.size()) + 1);
    grdHistory.SetFixedRows(1);
    grdHistory.SetTextAt(0, 0, "Turn");
    for (size_t c = 0; c < history.players.size(); ++c) {
        grdHistory.SetTextAt(0, static_cast<int>(c) + 1, game.Players[history.players[c]].Abbrev);
        grdHistory.SetColAlignment(static_cast<int>(c) + 1, Alignment::Right);
    }
    for (size_t r = 0; r < history.turns.size(); ++r) {
        const HistoryTurn& turn = history.turns[r];
        const int row = static_cast<int>(r) + 1;
        grdHistory.SetTextAt(row, 0, TurnName(turn.Sequence()));
        for (size_t c = 0; c < history.players.size(); ++c) {
            grdHistory.SetTextAt(
                row, static_cast<int>(c) + 1,
                std::to_string(FigureOf(turn.players[history.players[c]], Figure())));
        }
    }
}

void frmHistory::FillSkipped() {
    std::string text;
    for (const TurnUnreadable& file : cache_.History().skipped) {
        text += (text.empty() ? "Left out: " : "; ") + file.path + ": " + file.reason;
    }
    lblSkipped.SetText(text);
}

void frmHistory::SetChartSize(int width, int height) {
    if (width == width_ && height == height_) {
        return;
    }
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    Show();
}

void frmHistory::Draw(DrawingSurface& surface) const {
    DrawHistoryChart(chart_, surface, marked_);
}

void frmHistory::PointerAt(std::optional<Point32> at) {
    const std::optional<int> turn = at ? chart_.TurnAt(at->x, at->y) : std::nullopt;
    if (turn == marked_) {
        return;
    }
    marked_ = turn;
    lblPointer.SetText(
        turn ? TurnValuesText(cache_.History(), Figure(), *turn, winQZ_.CurrentTurn()) : "");
    chartChanged.Raise();
}

std::string frmHistory::Title() const {
    const GameState& game = winQZ_.CurrentTurn();
    const PlayerRecord& own = game.Players[std::clamp<int>(game.OwnPlayer, 0, MaxPlayer)];
    return game.GameId + " " + own.Name + ": " + FigureName(Figure());
}

HistoryChart frmHistory::ExportChart() const {
    return LayoutHistoryChart(cache_.History(), Figure(), winQZ_.CurrentTurn(), records_.settings,
                              kExportWidth, kExportHeight);
}

// Empty when the dialog was cancelled.
std::string frmHistory::ChoosePath(const char* filter, const char* extension) {
    const GameState& game = winQZ_.CurrentTurn();
    OpenFileRequest request;
    request.title = "Export History";
    request.filter = filter;
    request.defaultExt = extension;
    request.initialDir = game.ReportDir;
    request.fileName = game.ReportDir + "history-" + std::to_string(game.GameYear) + "-" +
                       std::to_string(game.GameTurn) + "." + extension;
    request.mustExist = false;
    return platform_.ShowOpenDialog(request).fullPath;
}

void frmHistory::cmdSvg_Click() {
    const std::string path = ChoosePath("SVG picture (*.svg)|*.svg", "svg");
    if (path.empty()) {
        return;
    }
    SvgSurface surface(kExportWidth, kExportHeight);
    DrawHistoryChart(ExportChart(), surface);
    if (const std::string problem = WriteFileAtomically(path, surface.Document(Title()), disk_);
        !problem.empty()) {
        platform_.MsgBox("Can't export the chart to " + path + ": " + problem, MsgIcon::Critical);
    }
}

void frmHistory::cmdPng_Click() {
    if (!writePng) {
        platform_.MsgBox("PNG pictures are made by the desktop program; export SVG here",
                         MsgIcon::Information);
        return;
    }
    const std::string path = ChoosePath("PNG picture (*.png)|*.png", "png");
    if (path.empty()) {
        return;
    }
    if (const std::string problem = writePng({path, ExportChart()}); !problem.empty()) {
        platform_.MsgBox("Can't export the chart to " + path + ": " + problem, MsgIcon::Critical);
    }
}

} // namespace dered
