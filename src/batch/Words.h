#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace dered {

class Form;
class ScriptArgs;
struct Script;

// One word of the script language: its name (with its second word, "print state"), its
// arguments as the README writes them, a line of help, and what it does.
struct ScriptWord {
    std::string_view name;
    std::string_view args; // none: the word takes no arguments, and the driver refuses any
    std::string_view help;
    void (*handler)(Script&, ScriptArgs&);
};

// Every word the driver knows, in the order --help shows them.
std::span<const ScriptWord> ScriptWords();

// Whether a line may begin with this word.
bool IsWord(const std::string& first);
// The word a line begins with, its second word taken from args when the word has them.
// Throws a ScriptError naming an unknown word or second word.
const ScriptWord& FindWord(const std::string& first, ScriptArgs& args);

// The table as --help prints it: a line a word, its arguments, and its help.
void PrintWords(std::ostream& out);

// The handlers, by the windows and records they work on.
namespace words {
void Start(Script& s, ScriptArgs& a);
void Menu(Script& s, ScriptArgs& a);
void GridClick(Script& s, ScriptArgs& a);
void GridDblClick(Script& s, ScriptArgs& a);
void PrintMenu(Script& s, ScriptArgs& a);
void PrintCaption(Script& s, ScriptArgs& a);

void PrintState(Script& s, ScriptArgs& a);
void PrintArea(Script& s, ScriptArgs& a);
void PrintPlayer(Script& s, ScriptArgs& a);
void PrintOrders(Script& s, ScriptArgs& a);
void PrintSettings(Script& s, ScriptArgs& a);

void MapOption(Script& s, ScriptArgs& a);
void MapClick(Script& s, ScriptArgs& a);
void MapDblClick(Script& s, ScriptArgs& a);
void MapClickAt(Script& s, ScriptArgs& a);
void MapDblClickAt(Script& s, ScriptArgs& a);
void MapRightDrag(Script& s, ScriptArgs& a);
void PrintHex(Script& s, ScriptArgs& a);
void PrintArrows(Script& s, ScriptArgs& a);

void AnswerColour(Script& s, ScriptArgs& a);
void MapEditCell(Script& s, ScriptArgs& a);
void PrintSwatch(Script& s, ScriptArgs& a);

void AnswerUnsaved(Script& s, ScriptArgs& a);
void AnswerRecover(Script& s, ScriptArgs& a);
void AnswerLocked(Script& s, ScriptArgs& a);
void AnswerSupportAttack(Script& s, ScriptArgs& a);
void Close(Script& s, ScriptArgs& a);
// A dialog opening takes the answer the script gave for it.
void AnswerDialogShown(Script& s, Form& form);

void Select(Script& s, ScriptArgs& a);
void Click(Script& s, ScriptArgs& a);
void Type(Script& s, ScriptArgs& a);
void SetText(Script& s, ScriptArgs& a);
void Scroll(Script& s, ScriptArgs& a);
void Check(Script& s, ScriptArgs& a);
void PrintGrid(Script& s, ScriptArgs& a);
void PrintRow(Script& s, ScriptArgs& a);
void PrintList(Script& s, ScriptArgs& a);
void PrintText(Script& s, ScriptArgs& a);
void PrintEnabled(Script& s, ScriptArgs& a);
void PrintOpen(Script& s, ScriptArgs& a);

void EnterOrder(Script& s, ScriptArgs& a);
void AnswerSave(Script& s, ScriptArgs& a);
void PrintCheck(Script& s, ScriptArgs& a);
void PrintOverview(Script& s, ScriptArgs& a);
void PrintView(Script& s, ScriptArgs& a);
void PrintHover(Script& s, ScriptArgs& a);
// The save check and the go-to dialog opening take the script's answers.
void AnswerDeskShown(Script& s, Form& form);

void ExportMap(Script& s, ScriptArgs& a);
void PrintTurns(Script& s, ScriptArgs& a);
void PrintHistory(Script& s, ScriptArgs& a);
void Compare(Script& s, ScriptArgs& a);
void PrintRecent(Script& s, ScriptArgs& a);
void OpenRecent(Script& s, ScriptArgs& a);
void AllyLoad(Script& s, ScriptArgs& a);
void AllyRemove(Script& s, ScriptArgs& a);
void PrintAlly(Script& s, ScriptArgs& a);
void PrintReach(Script& s, ScriptArgs& a);
void PrintThreats(Script& s, ScriptArgs& a);
} // namespace words

} // namespace dered
