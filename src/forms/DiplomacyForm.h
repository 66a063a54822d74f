#pragma once

#include "forms/ListedOrders.h"
#include "orders/Outcome.h"
#include "orders/Turn.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Notice.h"
#include "ui/Platform.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace dered {

// A dialog that lists orders of the order list: its "Commands" list shows the ones it gives,
// and while it is loaded it fills its lists again when orders of its kinds change behind its
// back (an undo, another dialog).
class DiplomacyForm : public Form {
  protected:
    DiplomacyForm(std::string name, std::string caption, Documents& documents, Platform& platform,
                  TurnEvents& events, std::initializer_list<std::string_view> codes);

    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    // Fills `commands` with the orders of the list that `text` gives a line for (an empty text:
    // none), in slot order; the lists are then as the records are.
    template <class Text> void ListCommands(ListBoxModel& commands, Text text) {
        const GameState& game = Game();
        for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
            if (std::string line = text(game.Orders[slot]); !line.empty()) {
                commands.AddItem(std::move(line), slot);
            }
        }
        listed_.Take();
    }
    // Gives an order through `rule` and shows its notices; a stored one gets its line `text`
    // in `commands` here, so that the change is no cause to fill the lists again.
    template <class Rule, class Text> void Give(ListBoxModel& commands, Rule rule, Text text) {
        Turn turn{Game(), events_};
        const Outcome given = listed_.Own([&] { return rule(turn); });
        ShowNotices(platform_, given.notices);
        if (given.ending == Ending::Stored) {
            commands.AddItem(text(turn.game), given.slot);
        }
    }
    // Deletes the order of the chosen line of `commands`, and tells the others.
    void DeleteChosen(ListBoxModel& commands);

    Platform& platform_;

  private:
    Documents& documents_;
    TurnEvents& events_;
    ListedOrders listed_;
};

} // namespace dered
