#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

#include <cstdint>
#include <string>

namespace dered {

// The allies' orders of the open turn as the player loads, reloads and removes them, and whether
// the map shows them. A refused file is said and changes nothing.
class TurnAllies {
  public:
    TurnAllies(Documents& documents, Platform& platform, TurnEvents& events, TextModel& status);

    // File > "Load Ally's Orders...": the file dialog, then Load.
    void mnuLoadAllyOrders_Click();
    // Reads path as an ally's orders into the open turn, in place of that ally's earlier ones.
    bool Load(const std::string& path);
    // The ally's file read again: the ally sent a new version.
    bool Reload(int16_t player);
    bool Remove(int16_t player);

    // View > "Allies' Orders": whether the map draws them.
    bool Shown() const { return shown_; }
    void SetShown(bool shown);

  private:
    AllyOrderSets& Allies() { return documents_.Current().allies; }

    Documents& documents_;
    Platform& platform_;
    TurnEvents& events_;
    TextModel& status_;
    bool shown_ = true;
};

} // namespace dered
