#pragma once

#include "files/Disk.h"
#include "state/GameState.h"

#include <string>

namespace dered {

// $XDG_STATE_HOME/der-ed/, else $HOME/.local/state/der-ed/, with its trailing "/"; empty when
// neither is set.
std::string DefaultRecoveryDir(const std::string& xdgStateHome, const std::string& home);

// The recovery file of the turn on screen: one per game, player and turn, in folder. Characters
// of the game identifier that could leave the folder are replaced.
std::string RecoveryPath(const GameState& game, const std::string& folder);

// Writes the turn's orders, formatted in the orders.tmp form (`FormatOrders(game).ordersTmp`,
// which the caller already has), replacing the file whole. Empty on success, else a message
// naming the file.
[[nodiscard]] std::string WriteRecovery(const GameState& game, const std::string& ordersTmp,
                                        const std::string& folder, Disk& disk);

void RemoveRecovery(const GameState& game, const std::string& folder);

// True when the turn has a recovery file written after its saved orders (or with none saved).
bool RecoveryIsNewer(const GameState& game, const std::string& folder);

} // namespace dered
