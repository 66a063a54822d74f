#include "files/AllyOrdersFile.h"

#include "files/FieldReader.h"
#include "files/FileAccess.h"
#include "files/OrderCodes.h"
#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "orders/OrderList.h"
#include "state/CodeTables.h"
#include "state/OrderKinds.h"

#include <charconv>
#include <optional>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

namespace dered {

using namespace order_codes;

namespace {

constexpr std::string_view kCommandsStart = "KPLSTART";
constexpr std::string_view kCommandsEnd = "KPLEND";

// Nothing of a turn but its game, year and turn: the orders read go into it.
GameState EmptyTurnLike(const GameState& turn) {
    GameState scratch;
    scratch.GameId = turn.GameId;
    scratch.GameYear = turn.GameYear;
    scratch.GameTurn = turn.GameTurn;
    scratch.OrderCount = kSpySlots;
    return scratch;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < line.size()) {
        const size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

std::string_view Trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// The lines between the header and "KPLEND": one order each.
class CommandsReader {
  public:
    CommandsReader(GameState& scratch, const std::string& path) : game_(scratch), path_(path) {}

    // "" when the line was an order, else why it is not.
    std::string Line(int number, std::string_view line) {
        const std::vector<std::string_view> words = Words(line);
        const OrderKind* kind = FindOrderKind(words.front());
        if (kind == nullptr) {
            return Fail(number, std::string(words.front()) + " is no order");
        }
        std::vector<int16_t> n;
        for (size_t i = 1; i < words.size(); ++i) {
            int16_t value = 0;
            const std::string_view w = words[i];
            if (kind->click == MapCommand::GrantAccess && i == 2 && w == "ALL") {
                value = -1;
            } else if (const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
                       ec != std::errc{} || end != w.data() + w.size()) {
                return Fail(number, std::string(w) + " is not a number");
            }
            n.push_back(value);
        }
        const std::string why = Store(*kind, n);
        return why.empty() ? why : Fail(number, why);
    }

  private:
    std::string Fail(int number, const std::string& why) const {
        return path_ + ", line " + std::to_string(number) + ": " + why;
    }

    static bool IsArea(int16_t a) { return a >= 1 && a <= MaxArea; }
    static bool IsPlayer(int16_t p) { return p >= 0 && p <= MaxPlayer; }

    static std::string Count(const OrderKind& kind, size_t wanted) {
        return std::string(kind.code) + " wants " + std::to_string(wanted) +
               (wanted == 1 ? " number" : " numbers");
    }

    std::string Store(const OrderKind& kind, const std::vector<int16_t>& n) {
        switch (kind.shape) {
        case OrderShape::PlainArea:
            return n.size() != 1 ? Count(kind, 1) : AreaOrder(kind, n[0], 0, 0);
        case OrderShape::TargetArea:
            return n.size() != 2 ? Count(kind, 2) : AreaOrder(kind, n[0], n[1], 0);
        case OrderShape::SupportAttack:
            if (n.size() != 2 && n.size() != 3) {
                return Count(kind, 3);
            }
            if (n.size() == 3 && !IsPlayer(n[2])) {
                return "no player " + std::to_string(n[2]);
            }
            return AreaOrder(kind, n[0], n[1], n.size() == 3 ? n[2] : int16_t{0});
        case OrderShape::OnePlayer:
            return n.size() != 1 ? Count(kind, 1) : ListOrder(kind, n[0], 0);
        case OrderShape::TwoNumbers:
            return n.size() != 2 ? Count(kind, 2) : ListOrder(kind, n[0], n[1]);
        case OrderShape::Spy:
            return n.size() != 6 ? Count(kind, 6) : Spy(n);
        }
        return {};
    }

    std::string AreaOrder(const OrderKind& kind, int16_t a, int16_t target, int16_t player) {
        if (!IsArea(a)) {
            return "no area " + std::to_string(a);
        }
        if (kind.shape != OrderShape::PlainArea && !IsArea(target)) {
            return "no area " + std::to_string(target);
        }
        AreaRecord& area = game_.Areas[a];
        if (!area.Command.empty()) {
            return "a second order for area " + std::to_string(a);
        }
        area.Command = kind.code;
        area.Parm1 = target;
        area.Parm2 = player;
        return {};
    }

    std::string ListOrder(const OrderKind& kind, int16_t p1, int16_t p2) {
        if (!IsPlayer(p1)) {
            return "no player " + std::to_string(p1);
        }
        if (kind.code == OrderCode::CallToArms && !IsPlayer(p2)) {
            return "no player " + std::to_string(p2);
        }
        if (kind.code == OrderCode::GrantAccess && p2 != -1 && !IsArea(p2)) {
            return "no area " + std::to_string(p2);
        }
        const AddedOrder added = AddOrder(game_, kind.code, p1, p2, 0, 0);
        return added.slot != 0 ? std::string() : added.refusal.front().text;
    }

    std::string Spy(const std::vector<int16_t>& t) {
        for (const int16_t target : t) {
            if (target != 0 && !IsArea(target)) {
                return "no area " + std::to_string(target);
            }
        }
        if (spyLines_++ > 0) {
            return "a second SP line";
        }
        const std::string code(OrderCode::Spy);
        game_.Orders[1] = OrderSlot{code, 0, t[0], t[1], t[2], t[3]};
        game_.Orders[2] = OrderSlot{code, 0, t[4], t[5], 0, 0};
        return {};
    }

    GameState& game_;
    const std::string& path_;
    int spyLines_ = 0;
};

// The header's game and player code and every order, into scratch; "" or why not.
std::string ReadCommandsText(const GameState& turn, GameState& scratch, const std::string& path,
                             const std::vector<std::string>& lines) {
    if (lines.size() < 3) {
        return path + " ends inside its header: it was cut short";
    }
    const std::string id(Trimmed(lines[1]));
    if (id != turn.GameId) {
        return path + " holds orders for game " + id + ", not for the open game " + turn.GameId;
    }
    scratch.PlayerCode = std::string(Trimmed(lines[2]));
    CommandsReader reader(scratch, path);
    for (size_t i = 3; i < lines.size(); ++i) {
        const std::string_view line = Trimmed(lines[i]);
        if (line == kCommandsEnd) {
            return {};
        }
        if (line.empty()) {
            continue;
        }
        if (std::string why = reader.Line(static_cast<int>(i + 1), line); !why.empty()) {
            return why;
        }
    }
    return path + " ends without its " + std::string(kCommandsEnd) + " line: it was cut short";
}

std::string ReadOrdersTmpText(const GameState& turn, GameState& scratch, const std::string& path,
                              std::string text) {
    FieldReader header(text);
    std::string id;
    int16_t year = 0;
    int16_t turnNumber = 0;
    if (!header.ReadText(id) || !IsGameIdentifier(id) || !header.ReadNumber(year) ||
        !header.ReadNumber(turnNumber)) {
        return path + " is not an orders file: it begins neither with " +
               std::string(kCommandsStart) + " nor with a game, year and turn";
    }
    if (id != turn.GameId) {
        return path + " holds orders for game " + id + ", not for the open game " + turn.GameId;
    }
    if (year != turn.GameYear || turnNumber != turn.GameTurn) {
        return path + " holds orders for " + std::to_string(year) + " turn " +
               std::to_string(turnNumber) + ", not for the open turn, " +
               std::to_string(turn.GameYear) + " turn " + std::to_string(turn.GameTurn);
    }
    return ReadWholeOrdersText(scratch, std::move(text), path);
}

bool LettersOnly(std::string_view text) {
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return !text.empty();
}

// The player whose short name leads the player code, or 0.
int16_t PlayerOfCode(const GameState& turn, const std::string& code) {
    if (code == turn.PlayerCode) {
        return turn.OwnPlayer;
    }
    const size_t end =
        code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const std::string_view lead = std::string_view(code).substr(0, end);
    for (int16_t p = 1; p <= turn.PlayerCount && p <= MaxPlayer; ++p) {
        if (LettersOnly(lead) && turn.Players[p].Abbrev == lead) {
            return p;
        }
    }
    return 0;
}

// The players the turn shows where the orders are given from.
std::set<int16_t> PlayersGivingOrders(const GameState& turn, const GameState& scratch) {
    std::set<int16_t> players;
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& at = turn.Areas[a];
        if (scratch.Areas[a].Command.empty()) {
            continue;
        }
        if (at.UnitKind != NoUnit) {
            players.insert(at.UnitOwner);
        } else if (at.Owner >= 1 && at.Owner < NoReportData) {
            players.insert(at.Owner);
        }
    }
    return players;
}

std::string Names(const GameState& turn, const std::set<int16_t>& players) {
    std::string text;
    for (const int16_t p : players) {
        text += (text.empty() ? "" : ", ") + turn.Players[p].Abbrev;
    }
    return text;
}

// The ally, or why the file names none.
std::string FindAlly(const GameState& turn, const GameState& scratch, const std::string& path,
                     bool commands, int16_t& player) {
    if (commands) {
        player = PlayerOfCode(turn, scratch.PlayerCode);
        if (player == 0) {
            return path + " is of player code " + scratch.PlayerCode +
                   ", which names no player of this game";
        }
    } else {
        const std::set<int16_t> players = PlayersGivingOrders(turn, scratch);
        if (players.size() != 1) {
            return path +
                   (players.empty() ? " does not say whose orders it holds, and the open "
                                      "turn shows no unit where they are given"
                                    : " does not say whose orders it holds, and they are "
                                      "given from areas of " +
                                          Names(turn, players)) +
                   ": load the ally's " + std::string(kCommandsFileName) + " instead";
        }
        player = *players.begin();
    }
    if (player == turn.OwnPlayer) {
        return path + " holds your own orders, not an ally's";
    }
    return {};
}

AllyOrders Collect(const GameState& scratch, int16_t player, const std::string& path) {
    AllyOrders orders{player, path, {}, {}};
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& at = scratch.Areas[a];
        if (!at.Command.empty()) {
            orders.areaOrders.push_back({a, at.Command, at.Parm1, at.Parm2});
        }
    }
    for (int slot = 1; slot <= scratch.OrderCount && slot <= MaxOrderSlot; ++slot) {
        orders.listOrders.push_back(scratch.Orders[slot]);
    }
    return orders;
}

} // namespace

AllyFileRead ReadAllyOrdersText(const GameState& turn, const std::string& path, std::string text) {
    if (turn.GameId.empty()) {
        return {{}, "Can't load " + path + ": open your own report first"};
    }
    GameState scratch = EmptyTurnLike(turn);
    const std::vector<std::string> lines = Lines(text);
    const bool commands = !lines.empty() && Trimmed(lines.front()) == kCommandsStart;
    std::string error = commands ? ReadCommandsText(turn, scratch, path, lines)
                                 : ReadOrdersTmpText(turn, scratch, path, std::move(text));
    int16_t player = 0;
    if (error.empty()) {
        error = FindAlly(turn, scratch, path, commands, player);
    }
    if (!error.empty()) {
        return {{}, std::move(error)};
    }
    return {Collect(scratch, player, path), {}};
}

AllyFileRead ReadAllyOrders(const GameState& turn, const std::string& path) {
    FileText file = ReadWholeFile(path);
    if (!file.Read()) {
        return {{}, "Can't read " + path + ": " + file.reason};
    }
    return ReadAllyOrdersText(turn, path, std::move(file.text));
}

} // namespace dered
