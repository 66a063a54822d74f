#pragma once

#include "desk/UndoHistory.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Platform.h"

#include <array>
#include <cstdint>

namespace dered {

// The victory conditions the player proposes: turns and points, held as one victory-conditions
// order that the dialog takes out of the order list while it is open and puts back when it closes.
class frmVictory : public Form {
  public:
    frmVictory(Documents& documents, Platform& platform, TurnEvents& events, UndoHistory& history);

    void Form_Load() override;
    void Form_Unload() override;
    void hsclVC_Change(int Index);

    // Index 0 the turns, index 1 the points.
    DERED_CONTROLS(TextModel, 2, Frame3, {TextModel("Turns"), TextModel("Points")});
    DERED_CONTROLS(TextBoxModel, 2, txtVC);
    DERED_CONTROLS(ScrollBarModel, 2, hsclVC,
                   {ScrollBarModel(10, 40, 15), ScrollBarModel(300, 500, 300)});

  private:
    int16_t Value(int index) const;

    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    TurnEvents& events_;
    // Undo waits while the order is out of the list: it would come back twice.
    UndoHistory& history_;
    // What the boxes showed at opening: kept when a typed value does not fit 16 bits.
    std::array<int16_t, 2> opened_{};
};

} // namespace dered
