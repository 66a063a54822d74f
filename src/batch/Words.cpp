#include "batch/Words.h"

#include "batch/ScriptRunner.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace dered {

namespace {

using namespace words;

constexpr ScriptWord kWords[] = {
    {"start", "[COMMAND LINE]", "the main window's start-up, with a report path", Start},
    {"answer unsaved", "save|discard|cancel", "what the next \"Save the orders\" answers",
     AnswerUnsaved},
    {"answer recover", "yes|no", "whether the next recovery file is restored", AnswerRecover},
    {"answer locked", "yes|no", "whether a turn open elsewhere opens read-only", AnswerLocked},
    {"answer frmSupportAttack", "<player>|none", "the next support-attack choice",
     AnswerSupportAttack},
    {"answer colour", "<&H..&>|cancel", "what the next colour chooser returns", AnswerColour},
    {"answer save", "yes|no", "whether the next check before saving saves", AnswerSave},
    {"menu", "<item> [PATH]", "a main-window menu item; PATH answers its file dialog", Menu},
    {"menu mnuRecent", "<n>", "open the n-th recent report", OpenRecent},
    {"grid click", "<row>", "a click on a row of the area grid", GridClick},
    {"grid dblclick", "<row>", "a double click on a row of the area grid", GridDblClick},
    {"map option", "<caption>", "an order option of the map window", MapOption},
    {"map click", "<area>", "a click on an area's anchor cell", MapClick},
    {"map dblclick", "<area>", "a double click on an area's anchor cell", MapDblClick},
    {"map clickat", "<x> <y>", "a click at a view point", MapClickAt},
    {"map dblclickat", "<x> <y>", "a double click at a view point", MapDblClickAt},
    {"map rightdrag", "<x1> <y1> <x2> <y2>", "drag the map with the right button", MapRightDrag},
    {"map editcell", "<x> <y>", "open the hex editor on a cell", MapEditCell},
    {"select", "<form>.<control> <value>|none|<c1> <c2>", "a list line by its item value, or cells",
     Select},
    {"click", "<form>.<control>[(<i>)]", "a button or a swatch", Click},
    {"type", "<form>.<control> <text>", "keys typed into a text box", Type},
    {"settext", "<form>.<control> [<text>]", "a text box's text set at once", SetText},
    {"scroll", "<form>.<control> <n>", "a scroll bar moved", Scroll},
    {"check", "<form>.<control> 0|1", "a check box set", Check},
    {"close", "<form>", "a window's close box", Close},
    {"order", "<text>", "an order typed into the map window's order field", EnterOrder},
    {"export map",
     "<file.svg> [<cell size> [hex|square] [arrows|noarrows] [allies|noallies] [reach]]",
     "the whole map as an SVG picture", ExportMap},
    {"compare", "<report path>", "what changed from that turn to the open one", Compare},
    {"ally load", "<file>", "an ally's orders loaded into the open turn", AllyLoad},
    {"ally remove", "<player>", "an ally's orders taken off the turn", AllyRemove},
    {"print state", "", "the game's record", PrintState},
    {"print area", "<n>", "an area's record", PrintArea},
    {"print player", "<n>", "a player's record", PrintPlayer},
    {"print orders", "", "the order list", PrintOrders},
    {"print settings", "", "the settings", PrintSettings},
    {"print arrows", "", "the map's arrows", PrintArrows},
    {"print open", "", "the open windows", PrintOpen},
    {"print grid", "<form>.<grid>", "a grid's rows", PrintGrid},
    {"print row", "<form>.<grid> <n>", "one row of a grid", PrintRow},
    {"print list", "<form>.<control>", "a list's lines and item values", PrintList},
    {"print text", "<form>.<control>", "what a control shows", PrintText},
    {"print enabled", "<form>.<control>", "whether a button is enabled", PrintEnabled},
    {"print menu", "<item>", "whether a menu item is enabled and checked", PrintMenu},
    {"print caption", "<form>|<item>", "a window's or a menu item's caption", PrintCaption},
    {"print hex", "<c> <r>", "a hex cell of the map", PrintHex},
    {"print swatch", "<form>.<swatch>", "the colour a swatch shows", PrintSwatch},
    {"print check", "", "the check before saving", PrintCheck},
    {"print overview", "", "the orders overview's lines", PrintOverview},
    {"print view", "", "the map view's position and the grid's row", PrintView},
    {"print hover", "<x> <y>", "the status text for a view point", PrintHover},
    {"print turns", "", "the turns found beside the open report", PrintTurns},
    {"print history", "", "each player's figures over the turns found", PrintHistory},
    {"print recent", "", "the recent reports", PrintRecent},
    {"print ally", "[<player>]", "the allies' orders, or one ally's", PrintAlly},
    {"print reach", "<area>", "who can get into an area next turn", PrintReach},
    {"print threats", "", "the own centres and units a rival can get into", PrintThreats},
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
