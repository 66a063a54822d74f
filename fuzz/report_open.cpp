// The player report as "Open" reads it, over a turn already on screen; from memory, as the
// file's text reaches the reader after it was read whole.
#include "FuzzSupport.h"

#include "files/ReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const GameState& held = fuzz::DemoGame();
    GameState game = held;
    ReportRefusal refusal;
    const ReportOutcome outcome =
        ReadReportText(game, std::string(reinterpret_cast<const char*>(data), size), "turn/",
                       "plyrdata.003", refusal);
    if (outcome != ReportOutcome::Read) {
        fuzz::Require(!refusal.text.empty(), "a refused report says why");
        fuzz::Require(game == held, "a refused report changes nothing");
        return 0;
    }
    fuzz::CheckGame(game);
    fuzz::Require(game.ReportDir == "turn/", "the save folder is the report's");
    fuzz::Require(game.Orders == held.Orders && game.OrderCount == held.OrderCount,
                  "the orders come from the orders file, not the report");
    return 0;
}
