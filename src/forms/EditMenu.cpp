#include "forms/EditMenu.h"

#include "forms/frmGoTo.h"
#include "forms/frmOrdersOverview.h"
#include "forms/frmWinQZ.h"

namespace dered {

namespace {

std::string Caption(const char* verb, const std::string& what) {
    return what.empty() ? std::string(verb) : std::string(verb) + " " + what;
}

// Steps kept but not to be taken now: a dialog holds the order list, or an earlier turn shows.
std::string WhyNot(const char* verb, bool haveSteps) {
    return haveSteps
               ? std::string("Not while a dialog holds the orders or an earlier turn is shown")
               : std::string("Nothing to ") + verb + " yet";
}

} // namespace

EditMenu::EditMenu(frmWinQZ& winQZ, UndoHistory& history, FormManager& forms,
                   frmOrdersOverview& overview, frmGoTo& goTo)
    : winQZ_(winQZ), history_(history) {
    winQZ.mnuUndo.onClick = [this] { history_.Undo(); };
    winQZ.mnuRedo.onClick = [this] { history_.Redo(); };
    winQZ.mnuOrdersOverview.onClick = [&forms, &overview] {
        forms.Show(overview, Modality::Modeless);
    };
    winQZ.mnuGoTo.onClick = [&forms, &goTo] { forms.Show(goTo, Modality::Modal); };
    history.Subscribe([this](const Changed&) { Show(); });
    Show();
}

void EditMenu::Show() {
    const bool canUndo = history_.CanUndo();
    const bool canRedo = history_.CanRedo();
    winQZ_.mnuUndo.SetCaption(Caption("&Undo", canUndo ? history_.UndoWhat() : ""));
    winQZ_.mnuUndo.SetEnabled(canUndo, WhyNot("undo", history_.UndoCount() > 0));
    winQZ_.mnuRedo.SetCaption(Caption("&Redo", canRedo ? history_.RedoWhat() : ""));
    winQZ_.mnuRedo.SetEnabled(canRedo, WhyNot("redo", history_.RedoWhat() != ""));
}

} // namespace dered
