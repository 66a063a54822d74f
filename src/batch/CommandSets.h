#pragma once

namespace dered {

class ScriptRunner;

// The words that drive the map window: "map ...", "print hex", "print arrows".
void AddMapCommands(ScriptRunner& runner);
// The words that drive dialogs: "answer ...", "close ...".
void AddDialogCommands(ScriptRunner& runner);

} // namespace dered
