#pragma once

#include "state/GameState.h"
#include "ui/Notice.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dered {

class Disk;

inline constexpr std::string_view kNoOldOrders = "No old orders to read in";
inline constexpr std::string_view kCommandsFileName = "commands.dat";
inline constexpr std::string_view kOrdersTmpFileName = "orders.tmp";

// The contents of both orders files, exactly as they are written.
struct OrdersTexts {
    std::string commands;  // "commands.dat", for the game master
    std::string ordersTmp; // "orders.tmp", read back by ReadEarlierOrders
};
OrdersTexts FormatOrders(const GameState& game);

// The orders a "commands.dat" text holds: its lines between the header and the end, less a
// spy line that names no target.
[[nodiscard]] int CountOrders(std::string_view commands);

// The six spy targets: P1..P4 of order slot 1, then P1 and P2 of slot 2.
std::array<int16_t, 6> SpyTargets(const GameState& game);

// Writes ReportDir + "commands.dat" and ReportDir + "orders.tmp": both are replaced or
// neither. Returns "" on success, else a message naming the file and the reason.
[[nodiscard]] std::string WriteOrdersFiles(const GameState& game, Disk& disk);

// Sets OrderCount to 2 and reads the orders saved earlier for this game and turn from
// ReportDir + "Orders.tmp" (whatever the case of the name on disk). Says "No old orders to
// read in" when there are none; a file broken after its header keeps what was read.
void ReadEarlierOrders(GameState& game, Notices& said);

// The same from the file's text, path naming it in messages: true when it was of this turn and
// whole.
bool ReadEarlierOrdersText(GameState& game, Notices& said, std::string text,
                           const std::string& path);

// Reads an orders.tmp-form text into game's order fields, all or nothing: "" when its header
// names game's game and turn and every entry was read, else why not, naming path. An ally's
// file is read so.
[[nodiscard]] std::string ReadWholeOrdersText(GameState& game, std::string text,
                                              const std::string& path);

// Replaces every order of the turn with those of an orders.tmp-form file at path (the recovery
// file). False, with a message, when it cannot be read or is of another turn; nothing changes.
bool RestoreOrders(GameState& game, Notices& said, const std::string& path);

} // namespace dered
