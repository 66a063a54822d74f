#pragma once

#include "state/Records.h"
#include "turns/EarlierTurns.h"
#include "turns/TurnComparison.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

#include <optional>
#include <string>

namespace dered {

class frmMap;
class frmWinQZ;

// The turns of the game found beside the open report, by date: one can be looked at
// read-only, and any two compared, with the changes marked on the map.
class frmTurns : public Form {
  public:
    frmTurns(const Records& records, Platform& platform, FormManager& forms, frmWinQZ& winQZ,
             frmMap& map);

    void Form_Load() override;
    void Form_Unload() override;
    // The turn chosen in lstTurns, read-only; the current one chosen is "Back".
    void cmdOpen_Click();
    void cmdBack_Click();
    // The turns chosen in lstTurns and lstWith, the older one as "then".
    void cmdCompare_Click();

    DERED_CONTROL(ListBoxModel, lstTurns); // item: the turn's place in Turns()
    DERED_CONTROL(ListBoxModel, lstWith);
    DERED_CONTROL(ButtonModel, cmdOpen, "&Open read-only");
    DERED_CONTROL(ButtonModel, cmdBack, "&Back to the current turn");
    DERED_CONTROL(ButtonModel, cmdCompare, "&Compare");
    DERED_CONTROL(TextModel, lblShown);
    DERED_CONTROL(TextModel, lblUnreadable);
    DERED_CONTROL(TextModel, lblCompared);
    // Area, name, then, now: owner changes, then unit changes, by area.
    DERED_CONTROL(GridModel, grdChanges, 1, 4);
    // Player, supply centres then and now, units then and now.
    DERED_CONTROL(GridModel, grdPlayers, 1, 5);

    const TurnList& Turns() const { return found_; }

  private:
    void FillLists();
    void ShowWhatIsShown();
    int Chosen(const ListBoxModel& list) const;
    std::optional<GameState> ReadTurn(int index);
    void ShowComparison(const GameState& then, const GameState& now);
    void ShowPlayers(const TurnComparison& comparison, const GameState& now);

    const Records& records_;
    // The turn on screen.
    const GameState& Game() const { return records_.documents.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    frmWinQZ& winQZ_;
    frmMap& map_;
    TurnList found_;
};

} // namespace dered
