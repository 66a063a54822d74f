#include "batch/Words.h"

#include "batch/ScriptRunner.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace dered {

namespace {

constexpr ScriptWord kWords[] = {
#define DERED_WORD(name, args, help, handler) {name, args, help, words::handler},
#include "batch/Words.def"
#undef DERED_WORD
};

// Words whose second word says what they do: what a missing second word is called, and how
// an unknown one is refused (unless given, "<word> knows <its second words>, not <it>").
struct Family {
    std::string_view word;
    const char* second;
    std::string_view unknown;
};

constexpr Family kFamilies[] = {
    {"print", "what to print", "cannot print "},
    {"answer", "form", "no answers for "},
    {"menu", "menu item", ""},
    {"map", "map action", ""},
    {"grid", "click or dblclick", ""},
    {"export", "what to export", ""},
    {"ally", "load or remove", ""},
};

const ScriptWord* Named(std::string_view name) {
    const auto word = std::ranges::find(kWords, name, &ScriptWord::name);
    return word == std::end(kWords) ? nullptr : word;
}

// "a, b and c": the second words of a family.
std::string SecondWords(const std::string& first) {
    std::vector<std::string_view> seconds;
    for (const ScriptWord& word : kWords) {
        if (word.name.starts_with(first + " ")) {
            seconds.push_back(word.name.substr(first.size() + 1));
        }
    }
    std::string list;
    for (size_t i = 0; i < seconds.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == seconds.size() ? " and " : ", ");
        list += seconds[i];
    }
    return list;
}

} // namespace

std::span<const ScriptWord> ScriptWords() {
    return kWords;
}

bool IsWord(const std::string& first) {
    return Named(first) != nullptr ||
           std::ranges::find(kFamilies, first, &Family::word) != std::end(kFamilies);
}

const ScriptWord& FindWord(const std::string& first, ScriptArgs& args) {
    const ScriptWord* whole = Named(first);
    const auto family = std::ranges::find(kFamilies, first, &Family::word);
    if (family == std::end(kFamilies)) {
        if (whole == nullptr) {
            throw ScriptError("unknown command: " + first);
        }
        return *whole;
    }
    const ScriptArgs before = args;
    const std::string second = args.Word(family->second);
    if (const ScriptWord* word = Named(first + " " + second)) {
        return *word;
    }
    if (whole != nullptr) { // "menu <item>": any item but those with a word of their own
        args = before;
        return *whole;
    }
    throw ScriptError(family->unknown.empty()
                          ? first + " knows " + SecondWords(first) + ", not " + second
                          : std::string(family->unknown) + second);
}

void PrintWords(std::ostream& out) {
    constexpr size_t column = 44;
    for (const ScriptWord& word : kWords) {
        std::string call(word.name);
        if (!word.args.empty()) {
            call += " ";
            call += word.args;
        }
        // A long call has its help on the next line, in the column of the others.
        const bool fits = call.size() + 2 <= column;
        out << "  " << call << (fits ? "" : "\n  ")
            << std::string(fits ? column - call.size() : column, ' ') << word.help << '\n';
    }
}

} // namespace dered
