#pragma once

#include "state/GameState.h"
#include "turns/EarlierTurns.h"
#include "turns/TurnComparison.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dered {

// The three figures a history follows for each player.
enum class HistoryFigure { SupplyCentres, Units, Areas };

[[nodiscard]] int FigureOf(const PlayerTally& tally, HistoryFigure figure);
// "Supply centres", "Units", "Areas".
[[nodiscard]] const char* FigureName(HistoryFigure figure);

// The turn's place in the game: 1880 turn 1 is 1; four turns a year.
[[nodiscard]] int TurnSequence(int year, int turn);

struct HistoryTurn {
    int16_t year = 0;
    int16_t turn = 0;
    std::string path;
    PlayerTallies players{}; // counted from this report alone, merged reports left out
    int Sequence() const { return TurnSequence(year, turn); }
    bool operator==(const HistoryTurn&) const = default;
};

struct GameHistory {
    std::vector<HistoryTurn> turns;            // oldest first, one a date
    std::vector<TurnUnreadable> skipped;       // reports that could not be read, and why
    std::vector<int16_t> players;              // those with a figure above 0 in some turn
    std::vector<int> Gaps() const;             // sequence numbers between the first and last turn
                                               // that no report was found for
    const HistoryTurn* At(int sequence) const; // null in a gap
};

// The history of the open game and own player from every report found beside the open one
// (as the Turns window finds them). A report is read once: a later refresh reads only the
// files that are new or changed since, so it can follow every opened or merged report.
class HistoryCache {
  public:
    const GameHistory& Refresh(const GameState& open, const std::string& openReportPath);
    const GameHistory& History() const { return history_; }
    // How many reports the refreshes have read.
    int ReportsRead() const { return reportsRead_; }

  private:
    struct Stamp {
        std::filesystem::file_time_type written{};
        uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp stamp;
        std::optional<HistoryTurn> turn; // none: another game's or player's, or unreadable
        std::string refusal;             // why it could not be read
    };
    Entry Read(const GameState& open, const std::string& path, const Stamp& stamp);

    std::string gameId_;
    int16_t player_ = -1;
    std::map<std::string, Entry> entries_;
    GameHistory history_;
    int reportsRead_ = 0;
};

} // namespace dered
