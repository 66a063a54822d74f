#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"

namespace dered {

void AddMapCommands(ScriptRunner&) {}

} // namespace dered
