// An ally's report as "Merge" reads it into the turn on screen; from memory, as the file's text
// reaches the reader after it was read whole.
#include "FuzzSupport.h"
#include "ui/Notice.h"

#include "files/ReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const GameState& held = fuzz::DemoGame();
    GameState game = held;
    Notices said;
    const ReportOutcome outcome =
        MergeReportText(game, said, std::string(reinterpret_cast<const char*>(data), size), "ally/",
                        "plyrdata.005");
    if (outcome != ReportOutcome::Read) {
        fuzz::Require(!said.empty(), "a refused merge says why");
        fuzz::Require(game == held, "a refused merge changes nothing");
        return 0;
    }
    fuzz::CheckGame(game);
    for (int a = 1; a <= MaxArea; ++a) {
        if (held.Areas[a].Owner != NoReportData) {
            fuzz::Require(game.Areas[a] == held.Areas[a], "a merge only fills unknown areas");
        }
    }
    GameState rest = game;
    rest.Areas = held.Areas;
    rest.ReportDir = held.ReportDir;
    fuzz::Require(rest == held, "a merge changes areas only");
    return 0;
}
