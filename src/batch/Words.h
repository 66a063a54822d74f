#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace dered {

class Form;
class ScriptArgs;
struct Script;

// One word of the script language, a row of Words.def.
struct ScriptWord {
    std::string_view name;
    std::string_view args;
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

// The handlers, one a word of the table.
namespace words {
#define DERED_WORD(name, args, help, handler) void handler(Script&, ScriptArgs&);
#include "batch/Words.def"
#undef DERED_WORD

// A dialog opening takes the answer the script gave for it: the support-attack choice, the
// save check, the go-to dialog.
void AnswerDialogShown(Script& s, Form& form);
void AnswerDeskShown(Script& s, Form& form);
} // namespace words

} // namespace dered
