// The driver's words for the allies' orders: "ally load FILE", "ally remove PLAYER" and
// "print ally [PLAYER]".
#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "desk/AllyWords.h"

#include <charconv>
#include <ostream>
#include <vector>

namespace dered::words {

namespace {

const GameState& OpenTurn(const Program& program) {
    return program.records.documents.Current().records;
}

// A player by number or by short name.
int16_t Player(const Program& program, ScriptArgs& args) {
    const std::string word = args.Word("player");
    args.End();
    const GameState& turn = OpenTurn(program);
    int number = 0;
    if (const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
        ec == std::errc{} && end == word.data() + word.size() && number >= 0 &&
        number <= MaxPlayer) {
        return static_cast<int16_t>(number);
    }
    for (int16_t p = 1; p <= turn.PlayerCount && p <= MaxPlayer; ++p) {
        if (turn.Players[p].Abbrev == word) {
            return p;
        }
    }
    throw ScriptError("no player " + word);
}

} // namespace

void AllyLoad(Script& s, ScriptArgs& args) {
    const std::string path = args.OptionalRest();
    if (path.empty()) {
        throw ScriptError("ally load wants a file");
    }
    if (s.program.allies.Load(path)) {
        s.out << "ALLY " << s.program.winQZ.stbStatus.Text() << '\n';
    }
}

void AllyRemove(Script& s, ScriptArgs& args) {
    const int16_t player = Player(s.program, args);
    if (!s.program.allies.Remove(player)) {
        s.out << "ALLY no orders of " << AllyLabel(OpenTurn(s.program), player) << " are loaded\n";
    }
}

// Every ally's orders, or one ally's.
void PrintAlly(Script& s, ScriptArgs& args) {
    const Program& program = s.program;
    const AllyOrderSets& allies = program.records.documents.Current().allies;
    const GameState& turn = OpenTurn(program);
    const std::string rest = args.OptionalRest();
    std::vector<OverviewLine> lines;
    if (rest.empty()) {
        lines = AllyOverviewLines(turn, allies);
    } else {
        ScriptArgs player(rest);
        const int16_t p = Player(program, player);
        const AllyOrders* orders = allies.Find(p);
        if (orders == nullptr) {
            s.out << "ALLY no orders of " << AllyLabel(turn, p) << " are loaded\n";
            return;
        }
        lines = AllyOrderLines(turn, *orders);
    }
    for (const OverviewLine& line : lines) {
        s.out << line.text << '\n';
    }
}

} // namespace dered::words
