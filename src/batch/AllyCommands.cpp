// The driver's words for the allies' orders: "ally load FILE", "ally remove PLAYER" and
// "print ally [PLAYER]".
#include "app/Program.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "desk/AllyWords.h"

#include <charconv>
#include <ostream>
#include <vector>

namespace dered {

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

void Ally(Program& program, std::ostream& out, ScriptArgs& args) {
    const std::string what = args.Word("load or remove");
    if (what == "load") {
        const std::string path = args.OptionalRest();
        if (path.empty()) {
            throw ScriptError("ally load wants a file");
        }
        if (program.allies.Load(path)) {
            out << "ALLY " << program.winQZ.stbStatus.Text() << '\n';
        }
    } else if (what == "remove") {
        const int16_t player = Player(program, args);
        if (!program.allies.Remove(player)) {
            out << "ALLY no orders of " << AllyLabel(OpenTurn(program), player) << " are loaded\n";
        }
    } else {
        throw ScriptError("ally knows load and remove, not " + what);
    }
}

// Every ally's orders, or one ally's.
void PrintAlly(const Program& program, std::ostream& out, ScriptArgs& args) {
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
            out << "ALLY no orders of " << AllyLabel(turn, p) << " are loaded\n";
            return;
        }
        lines = AllyOrderLines(turn, *orders);
    }
    for (const OverviewLine& line : lines) {
        out << line.text << '\n';
    }
}

} // namespace

void AddAllyCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    std::ostream& out = runner.out();
    runner.AddCommand("ally", [&program, &out](ScriptArgs& a) { Ally(program, out, a); });
    runner.AddPrint("ally", [&program, &out](ScriptArgs& a) { PrintAlly(program, out, a); });
}

} // namespace dered
