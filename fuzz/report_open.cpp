// The player report as "Open" reads it, over a turn already on screen.
#include "FuzzSupport.h"
#include "ui/Notice.h"

#include "files/ReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const GameState& held = fuzz::DemoGame();
    fuzz::WriteScratch("plyrdata.003", data, size);
    GameState game = held;
    Notices said;
    const ReportOutcome outcome = ReadReport(game, said, fuzz::ScratchFolder(), "plyrdata.003");
    fuzz::Require(!said.empty(), "a report read or refused says so");
    if (outcome != ReportOutcome::Read) {
        fuzz::Require(game == held, "a refused report changes nothing");
        return 0;
    }
    fuzz::CheckGame(game);
    fuzz::Require(game.ReportDir == fuzz::ScratchFolder(), "the save folder is the report's");
    fuzz::Require(game.OrderCount == 2, "no earlier orders, so only the spy slots");
    return 0;
}
