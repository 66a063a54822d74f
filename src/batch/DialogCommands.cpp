#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"

namespace dered {

void AddDialogCommands(ScriptRunner&) {}

} // namespace dered
