#include "forms/frmTurns.h"

#include "files/OrdersFile.h"
#include "ui/Notice.h"

#include "forms/frmMap.h"
#include "forms/frmWinQZ.h"
#include "state/CodeTables.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace dered {

namespace {

std::string TurnText(const TurnFound& turn) {
    const std::filesystem::path path(turn.path);
    return std::to_string(turn.year) + " turn " + std::to_string(turn.turn) + "  " +
           (path.parent_path().filename() / path.filename()).string() +
           (turn.open ? "  (current)" : "");
}

std::string PlayerText(const GameState& game, int16_t player) {
    if (player <= 0 || player > MaxPlayer) {
        return "nobody";
    }
    const std::string& name = game.Players[player].Name;
    return name.empty() ? "player " + std::to_string(player) : name;
}

std::string UnitText(const GameState& game, int16_t kind, int16_t owner) {
    const std::string_view word = UnitWord(kind);
    return word.empty() ? "no unit" : std::string(word) + " of " + PlayerText(game, owner);
}

bool Earlier(const GameState& a, const GameState& b) {
    return a.GameYear != b.GameYear ? a.GameYear < b.GameYear : a.GameTurn < b.GameTurn;
}

void SetRow(GridModel& grid, int row, const std::vector<std::string>& cells) {
    for (size_t col = 0; col < cells.size(); ++col) {
        grid.SetTextAt(row, static_cast<int>(col), cells[col]);
    }
}

} // namespace

frmTurns::frmTurns(const Records& records, Platform& platform, FormManager& forms, frmWinQZ& winQZ,
                   frmMap& map)
    : Form("frmTurns", "Turns"), records_(records), platform_(platform), forms_(forms),
      winQZ_(winQZ), map_(map) {
    cmdOpen.onClick = [this] { cmdOpen_Click(); };
    cmdBack.onClick = [this] { cmdBack_Click(); };
    cmdCompare.onClick = [this] { cmdCompare_Click(); };
    grdChanges.SetFixedRows(1);
    SetRow(grdChanges, 0, {"Area", "Name", "Then", "Now"});
    grdPlayers.SetFixedRows(1);
    SetRow(grdPlayers, 0, {"Player", "Supply then", "Supply now", "Units then", "Units now"});
}

void frmTurns::Form_Load() {
    FillLists();
    ShowWhatIsShown();
}

// Closing the window leaves the turn shown as it is; the marks go with the comparison.
void frmTurns::Form_Unload() {
    map_.canvas.ShowChanges({});
}

void frmTurns::FillLists() {
    const std::string& open = winQZ_.OpenReportPath();
    found_ = open.empty() ? TurnList{} : FindTurns(winQZ_.CurrentTurn(), open);
    std::vector<ListBoxModel::Line> lines;
    for (size_t i = 0; i < found_.turns.size(); ++i) {
        lines.push_back({TurnText(found_.turns[i]), static_cast<int32_t>(i)});
    }
    lstTurns.SetLines(lines);
    lstWith.SetLines(std::move(lines));
    for (size_t i = 0; i < found_.turns.size(); ++i) {
        if (found_.turns[i].open) {
            lstWith.SetListIndex(static_cast<int>(i));
        }
    }
    std::string unreadable;
    for (const TurnUnreadable& file : found_.unreadable) {
        unreadable +=
            (unreadable.empty() ? "Not read: " : "; ") + file.path + " (" + file.reason + ")";
    }
    lblUnreadable.SetText(unreadable);
}

void frmTurns::ShowWhatIsShown() {
    const GameState& game = Game();
    lblShown.SetText(game.GameId.empty()
                         ? "No report is open"
                         : "Shown: " + std::to_string(game.GameYear) + " turn " +
                               std::to_string(game.GameTurn) +
                               (winQZ_.ShowsEarlierTurn() ? ", read-only" : ", the current turn"));
    cmdBack.SetEnabled(winQZ_.ShowsEarlierTurn());
    caption.SetText(winQZ_.ShowsEarlierTurn() ? "Turns - earlier turn shown read-only" : "Turns");
}

int frmTurns::Chosen(const ListBoxModel& list) const {
    const int index = list.ListIndex();
    return index < 0 ? -1 : list.Lines()[static_cast<size_t>(index)].itemData;
}

// The current turn as it stands (with its orders), or an earlier one read afresh.
std::optional<GameState> frmTurns::ReadTurn(int index) {
    if (index < 0 || index >= static_cast<int>(found_.turns.size())) {
        platform_.MsgBox("Choose a turn first", MsgIcon::Information);
        return std::nullopt;
    }
    const TurnFound& turn = found_.turns[static_cast<size_t>(index)];
    if (turn.open) {
        return winQZ_.CurrentTurn();
    }
    GameState earlier;
    if (const std::string problem = ReadEarlierTurn(winQZ_.CurrentTurn(), turn.path, earlier);
        !problem.empty()) {
        platform_.MsgBox("Can't read " + turn.path + ": " + problem, MsgIcon::Critical);
        return std::nullopt;
    }
    // The orders saved for that turn come with it, to be looked at; a turn without any is
    // no news worth a message.
    Notices unsaid;
    ReadEarlierOrders(earlier, unsaid);
    return earlier;
}

void frmTurns::cmdOpen_Click() {
    const int index = Chosen(lstTurns);
    if (index >= 0 && index < static_cast<int>(found_.turns.size()) &&
        found_.turns[static_cast<size_t>(index)].open) {
        cmdBack_Click();
        return;
    }
    std::optional<GameState> earlier = ReadTurn(index);
    if (!earlier) {
        return;
    }
    winQZ_.CloseOrderWindows();
    winQZ_.ShowEarlierTurn(std::move(*earlier));
    ShowWhatIsShown();
}

void frmTurns::cmdBack_Click() {
    winQZ_.BackToCurrentTurn();
    ShowWhatIsShown();
}

void frmTurns::cmdCompare_Click() {
    std::optional<GameState> first = ReadTurn(Chosen(lstTurns));
    if (!first) {
        return;
    }
    std::optional<GameState> second = ReadTurn(Chosen(lstWith));
    if (!second) {
        return;
    }
    if (Earlier(*second, *first)) {
        std::swap(first, second);
    }
    ShowComparison(*first, *second);
}

void frmTurns::ShowComparison(const GameState& then, const GameState& now) {
    const TurnComparison c = CompareTurns(then, now);
    lblCompared.SetText(std::to_string(then.GameYear) + " turn " + std::to_string(then.GameTurn) +
                        " to " + std::to_string(now.GameYear) + " turn " +
                        std::to_string(now.GameTurn) + ": " + std::to_string(c.ChangeCount()) +
                        (c.ChangeCount() == 1 ? " change" : " changes"));
    grdChanges.SetRows(static_cast<int>(c.ChangeCount()) + 1);
    int row = 1;
    std::vector<int16_t> changed;
    for (const OwnerChange& o : c.owners) {
        SetRow(grdChanges, row++,
               {std::to_string(o.area), now.Areas[o.area].Name,
                "owned by " + PlayerText(now, o.before), "owned by " + PlayerText(now, o.after)});
        changed.push_back(o.area);
    }
    for (const UnitChange& u : c.units) {
        SetRow(grdChanges, row++,
               {std::to_string(u.area), now.Areas[u.area].Name,
                UnitText(now, u.kindBefore, u.ownerBefore),
                UnitText(now, u.kindAfter, u.ownerAfter)});
        changed.push_back(u.area);
    }
    ShowPlayers(c, now);
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    map_.canvas.ShowChanges(std::move(changed));
}

// Only the players with a supply centre or a unit in either turn.
void frmTurns::ShowPlayers(const TurnComparison& c, const GameState& now) {
    std::vector<std::vector<std::string>> rows;
    for (int16_t p = 1; p <= MaxPlayer; ++p) {
        const PlayerTally& a = c.then[p];
        const PlayerTally& b = c.now[p];
        if (a == PlayerTally{} && b == PlayerTally{}) {
            continue;
        }
        rows.push_back({PlayerText(now, p), std::to_string(a.supplyCentres),
                        std::to_string(b.supplyCentres), std::to_string(a.units),
                        std::to_string(b.units)});
    }
    grdPlayers.SetRows(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i) {
        SetRow(grdPlayers, static_cast<int>(i) + 1, rows[i]);
    }
}

} // namespace dered
