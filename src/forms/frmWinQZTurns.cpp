// The main window showing an earlier turn read-only, and going back to the current one.
#include "forms/frmWinQZ.h"

#include "files/ReportReader.h"

#include <utility>

namespace dered {

std::vector<MenuItemModel*> frmWinQZ::OrderMenuItems() {
    // Open goes first: the recent reports follow it.
    return {&mnuOpen, &mnuMerge,      &mnuSave,        &mnuUndo, &mnuRedo,
            &mnuANW,  &mnuCallToArms, &mnuGrantAccess, &mnuSpy,  &mnuVictoryConditions};
}

// No turn event is raised: the undo history and the recovery file follow the current turn
// only, and it is not changed here.
void frmWinQZ::ShowEarlierTurn(GameState earlier) {
    const std::vector<MenuItemModel*> items = OrderMenuItems();
    if (!ShowsEarlierTurn()) {
        orderMenuEnabled_.clear();
        for (MenuItemModel* item : items) {
            orderMenuEnabled_.push_back({item->Enabled(), item->WhyDisabled()});
            item->SetEnabled(false, "An earlier turn is shown read-only: View > Turns > Back to "
                                    "the current turn");
        }
    }
    records_.documents.ShowEarlier(std::move(earlier));
    caption.SetText(GameTitle(Game()) + " - earlier turn, read-only");
    ShowTurnOnScreen();
}

// A turn another program holds is shown like an earlier one, but it is the current turn here;
// the next turn taken gets the order commands back (undo and victory conditions follow rules
// of their own).
void frmWinQZ::ShowHeldElsewhere(bool heldElsewhere) {
    const GameState& game = Game();
    for (MenuItemModel* item : {&mnuSave, &mnuANW, &mnuCallToArms, &mnuGrantAccess, &mnuSpy}) {
        item->SetEnabled(!heldElsewhere);
    }
    if (heldElsewhere) {
        for (MenuItemModel* item : {&mnuUndo, &mnuRedo, &mnuVictoryConditions}) {
            item->SetEnabled(false);
        }
        caption.SetText(GameTitle(game) + " - open in another program, read-only");
    }
}

void frmWinQZ::BackToCurrentTurn() {
    if (!ShowsEarlierTurn()) {
        return;
    }
    LeaveEarlierTurn();
    caption.SetText(GameTitle(Game()));
    ShowTurnOnScreen();
}

// The order menu items as the current turn left them.
void frmWinQZ::LeaveEarlierTurn() {
    if (!ShowsEarlierTurn()) {
        return;
    }
    records_.documents.ShowCurrent();
    const std::vector<MenuItemModel*> items = OrderMenuItems();
    for (size_t i = 0; i < items.size() && i < orderMenuEnabled_.size(); ++i) {
        items[i]->SetEnabled(orderMenuEnabled_[i].first, orderMenuEnabled_[i].second);
    }
}

// The windows that hold orders of their own write them when they close: on the current turn.
void frmWinQZ::CloseOrderWindows() {
    for (const char* name : {"frmSpy", "frmGrantAccess", "frmVictory"}) {
        forms_.UnloadIfLoaded(name);
    }
}

void frmWinQZ::ShowTurnOnScreen() {
    RefreshAll();
    if (MapShown) {
        files_.ShowMapAfresh();
    }
    // The swap raises no turn event, so an open overview is made afresh from the turn shown.
    if (Form* overview = forms_.Find("frmOrdersOverview")) {
        forms_.Unload(*overview);
        forms_.Show(*overview, Modality::Modeless);
    }
}

} // namespace dered
