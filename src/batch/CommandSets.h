#pragma once

#include <string>

namespace dered {

class ScriptRunner;

// Paths below the current folder are shown from there, so that a script's output does not
// depend on where it runs.
std::string ShownPath(const std::string& path);

// The words that drive the map window: "map ...", "print hex", "print arrows".
void AddMapCommands(ScriptRunner& runner);
// The words that drive dialogs: "answer ...", "close ...".
void AddDialogCommands(ScriptRunner& runner);
// The words that work any window's controls by name: "select", "click", "type", "settext",
// "scroll", "check", and "print list", "print text", "print enabled", "print open".
void AddControlCommands(ScriptRunner& runner);
// The words of the map dialogs: "answer colour ..." for the colour chooser and
// "map editcell ..." for the hex editor.
void AddMapDialogCommands(ScriptRunner& runner);
// The words of the order desk: "order ...", "answer save ...", the go-to dialog's answer, and
// "print check",
// "print overview", "print view", "print hover".
void AddDeskCommands(ScriptRunner& runner);

// "export map": the map as an SVG picture.
void AddExportCommands(ScriptRunner& runner);

// "print history": each player's figures over the turns found.
void AddHistoryCommands(ScriptRunner& runner);

// "print turns", "compare", "print recent" and "menu mnuRecent".
void AddTurnCommands(ScriptRunner& runner);

// "ally load FILE", "ally remove PLAYER" and "print ally [PLAYER]".
void AddAllyCommands(ScriptRunner& runner);
// "print reach" and "print threats": who can get into an area next turn.
void AddReachCommands(ScriptRunner& runner);

} // namespace dered
