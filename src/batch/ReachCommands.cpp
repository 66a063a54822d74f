// The driver's words for who can reach an area next turn: "print reach" and "print threats".
#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "orders/Reach.h"
#include "orders/Threats.h"
#include "state/CodeTables.h"

#include <ostream>

namespace dered::words {

void PrintReach(Script& s, ScriptArgs& args) {
    const int area = args.LastNumber("area");
    if (area < 1 || area > MaxArea) {
        throw ScriptError("no area " + std::to_string(area));
    }
    const GameState& game = s.Shown();
    const ReachMap reach(game);
    const auto a = static_cast<int16_t>(area);
    for (const Reacher& r : reach.Into(a)) {
        s.out << "REACH " << area << " from " << r.from << ' ' << UnitWord(r.kind) << " of "
              << r.owner << (r.way == ReachWay::Convoy ? " by convoy" : "") << '\n';
    }
    const ReachBalance balance = BalanceOf(game, reach, a);
    s.out << "REACH " << area << " threat " << balance.threat << " cover " << balance.cover << '\n';
}

void PrintThreats(Script& s, ScriptArgs&) {
    const GameState& game = s.Shown();
    const std::vector<Threat> threats = FindThreats(game, ReachMap(game));
    for (const Threat& t : threats) {
        s.out << "THREAT " << (t.what == ThreatTo::SupplyCentre ? "centre " : "unit ") << t.area
              << " threat " << t.balance.threat << " cover " << t.balance.cover << '\n';
    }
    s.out << "THREAT " << threats.size() << " threats\n";
}

} // namespace dered::words
