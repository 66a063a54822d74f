// The driver's words for who can reach an area next turn: "print reach" and "print threats".
#include "app/Program.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "orders/Reach.h"
#include "orders/Threats.h"
#include "state/CodeTables.h"

#include <ostream>

namespace dered {

namespace {

const GameState& Shown(const Program& program) {
    return program.records.documents.Shown().records;
}

void PrintReach(const Program& program, std::ostream& out, ScriptArgs& args) {
    const int area = args.Number("area");
    args.End();
    if (area < 1 || area > MaxArea) {
        throw ScriptError("no area " + std::to_string(area));
    }
    const GameState& game = Shown(program);
    const ReachMap reach(game);
    const auto a = static_cast<int16_t>(area);
    for (const Reacher& r : reach.Into(a)) {
        out << "REACH " << area << " from " << r.from << ' ' << UnitWord(r.kind) << " of "
            << r.owner << (r.way == ReachWay::Convoy ? " by convoy" : "") << '\n';
    }
    const ReachBalance balance = BalanceOf(game, reach, a);
    out << "REACH " << area << " threat " << balance.threat << " cover " << balance.cover << '\n';
}

void PrintThreats(const Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    const GameState& game = Shown(program);
    const std::vector<Threat> threats = FindThreats(game, ReachMap(game));
    for (const Threat& t : threats) {
        out << "THREAT " << (t.what == ThreatTo::SupplyCentre ? "centre " : "unit ") << t.area
            << " threat " << t.balance.threat << " cover " << t.balance.cover << '\n';
    }
    out << "THREAT " << threats.size() << " threats\n";
}

} // namespace

void AddReachCommands(ScriptRunner& runner) {
    const Program& program = runner.program();
    std::ostream& out = runner.out();
    runner.AddPrint("reach", [&program, &out](ScriptArgs& a) { PrintReach(program, out, a); });
    runner.AddPrint("threats", [&program, &out](ScriptArgs& a) { PrintThreats(program, out, a); });
}

} // namespace dered
