#include "turns/History.h"

#include "files/ReportReader.h"
#include "state/EnumTable.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace dered {

namespace {

constexpr int kFirstYear = 1880;
constexpr int kTurnsAYear = 4;

bool HasFigures(const PlayerTally& tally) {
    return tally.supplyCentres > 0 || tally.units > 0 || tally.areas > 0;
}

std::vector<int16_t> PlayersShown(const GameState& open, const std::vector<HistoryTurn>& turns) {
    std::vector<int16_t> players;
    const int last = std::clamp<int>(open.PlayerCount - 1, 0, MaxPlayer);
    for (int16_t p = 1; p <= last; ++p) {
        if (std::any_of(turns.begin(), turns.end(),
                        [p](const HistoryTurn& t) { return HasFigures(t.players[p]); })) {
            players.push_back(p);
        }
    }
    return players;
}

} // namespace

int FigureOf(const PlayerTally& tally, HistoryFigure figure) {
    switch (figure) {
    case HistoryFigure::SupplyCentres:
        return tally.supplyCentres;
    case HistoryFigure::Units:
        return tally.units;
    case HistoryFigure::Areas:
        return tally.areas;
    }
    return 0;
}

const char* FigureName(HistoryFigure figure) {
    // In the order of HistoryFigure.
    static constexpr std::array<const char*, 3> kNames{"Supply centres", "Units", "Areas"};
    return EntryOf(kNames, figure, "");
}

int TurnSequence(int year, int turn) {
    return (year - kFirstYear) * kTurnsAYear + turn;
}

std::vector<int> GameHistory::Gaps() const {
    std::vector<int> gaps;
    for (size_t i = 1; i < turns.size(); ++i) {
        for (int s = turns[i - 1].Sequence() + 1; s < turns[i].Sequence(); ++s) {
            gaps.push_back(s);
        }
    }
    return gaps;
}

const HistoryTurn* GameHistory::At(int sequence) const {
    const auto it = std::find_if(turns.begin(), turns.end(), [sequence](const HistoryTurn& t) {
        return t.Sequence() == sequence;
    });
    return it == turns.end() ? nullptr : &*it;
}

HistoryCache::Entry HistoryCache::Read(const GameState& open, const std::string& path,
                                       const Stamp& stamp) {
    ++reportsRead_;
    Entry entry{stamp, std::nullopt, {}};
    // The open turn's records are only a base: the reader replaces every area's owner and unit.
    GameState scratch = open;
    ReportRefusal refusal;
    if (ReadReportQuietly(scratch, path, refusal) != ReportOutcome::Read) {
        entry.refusal = refusal.text;
    } else if (scratch.GameId == open.GameId && scratch.OwnPlayer == open.OwnPlayer) {
        entry.turn =
            HistoryTurn{scratch.GameYear, scratch.GameTurn, path, TallyPlayers(scratch, scratch)};
    }
    return entry;
}

const GameHistory& HistoryCache::Refresh(const GameState& open, const std::string& openReportPath) {
    if (open.GameId != gameId_ || open.OwnPlayer != player_) {
        entries_.clear();
        gameId_ = open.GameId;
        player_ = open.OwnPlayer;
    }
    std::map<std::string, Entry> kept;
    GameHistory history;
    for (const std::string& path : ReportsBeside(openReportPath)) {
        std::error_code timeError;
        std::error_code sizeError;
        const Stamp stamp{std::filesystem::last_write_time(path, timeError),
                          std::filesystem::file_size(path, sizeError)};
        auto cached = entries_.find(path);
        Entry entry =
            cached != entries_.end() && cached->second.stamp == stamp && !timeError && !sizeError
                ? std::move(cached->second)
                : Read(open, path, stamp);
        if (entry.turn) {
            history.turns.push_back(*entry.turn);
        } else if (!entry.refusal.empty()) {
            history.skipped.push_back({path, entry.refusal});
        }
        kept.emplace(path, std::move(entry));
    }
    entries_ = std::move(kept);
    // One line a date: the copy found first (the open report's folder comes first) stands.
    std::stable_sort(
        history.turns.begin(), history.turns.end(),
        [](const HistoryTurn& a, const HistoryTurn& b) { return a.Sequence() < b.Sequence(); });
    history.turns.erase(std::unique(history.turns.begin(), history.turns.end(),
                                    [](const HistoryTurn& a, const HistoryTurn& b) {
                                        return a.Sequence() == b.Sequence();
                                    }),
                        history.turns.end());
    history.players = PlayersShown(open, history.turns);
    history_ = std::move(history);
    return history_;
}

} // namespace dered
