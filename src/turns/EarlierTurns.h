#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// A report of the same game and own player as the open one.
struct TurnFound {
    int16_t year = 0;
    int16_t turn = 0;
    std::string path;
    bool open = false; // the report that is open now
    bool operator==(const TurnFound&) const = default;
};

// A file named as a report that could not be read, and why.
struct TurnUnreadable {
    std::string path;
    std::string reason;
    bool operator==(const TurnUnreadable&) const = default;
};

struct TurnList {
    std::vector<TurnFound> turns; // oldest first
    std::vector<TurnUnreadable> unreadable;
};

// The turns beside the open report: every "plyrdata.*" in the report's own folder and in the
// folders next to it, read (never written) into a copy of `open`; those of the same game id
// and own player are kept, reports of other games or players are passed over.
[[nodiscard]] TurnList FindTurns(const GameState& open, const std::string& openReportPath);

// Every file named as a report ("plyrdata.*") in the open report's folder, then in the folders
// beside it by name: the files FindTurns looks at, in that order.
[[nodiscard]] std::vector<std::string> ReportsBeside(const std::string& openReportPath);
// Whether two paths name the same file.
[[nodiscard]] bool SameFile(const std::string& a, const std::string& b);

// Reads one earlier turn into a state of its own, built on `open` (the map's areas and the
// settings of the game stay; orders and order entry are emptied). Empty on success, else the
// reason the report was refused or does not belong to the open game and player.
[[nodiscard]] std::string ReadEarlierTurn(const GameState& open, const std::string& path,
                                          GameState& earlier);

} // namespace dered
