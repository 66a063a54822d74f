// A script of the batch driver, run against the headless program. The program folder holds
// no map files, so that a start stays quick and the search reaches the script words.
#include "FuzzSupport.h"

#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "files/IniFile.h"
#include "platform/SystemDisk.h"

#include <ostream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    std::ostream quiet(nullptr);
    BatchPlatform platform(quiet);
    IniText ini;
    SystemDisk disk;
    Program program(platform, ini, disk, {OnlyFolder(fuzz::ScratchFolder() + "no-map/"), {}, {}});
    ScriptRunner runner(program, platform, quiet);
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    const int status = runner.Run(script, quiet);
    fuzz::Require(status == 0 || status == 2, "a script ends or is refused");
    return 0;
}
