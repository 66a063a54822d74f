#include "batch/Words.h"
#include "batch/ScriptRunner.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dered {
namespace {

// The word a line names and what is left of the line after it, or the refusal.
std::string Find(const std::string& line) {
    ScriptArgs args(line);
    const std::string first = args.Word("command");
    try {
        const std::string word(FindWord(first, args).name);
        return word + " / " + args.OptionalRest();
    } catch (const ScriptError& e) {
        return e.what();
    }
}

// A second row of the same name could never be reached.
TEST(ScriptWords, EachIsNamedOnce) {
    std::set<std::string_view> names;
    for (const ScriptWord& word : ScriptWords()) {
        EXPECT_TRUE(names.insert(word.name).second) << word.name;
    }
}

TEST(ScriptWords, SecondWordsChooseTheWordAndUnknownOnesAreRefusedFromTheTable) {
    EXPECT_EQ(Find("map editcell 3 4"), "map editcell / 3 4");
    EXPECT_EQ(Find("close frmMap"), "close / frmMap");
    // A menu item without a word of its own is the general word's argument.
    EXPECT_EQ(Find("menu mnuRecent 2"), "menu mnuRecent / 2");
    EXPECT_EQ(Find("menu mnuOpen a b"), "menu / mnuOpen a b");
    EXPECT_EQ(Find("grid drag 3"), "grid knows click and dblclick, not drag");
    EXPECT_EQ(Find("ally add x"), "ally knows load and remove, not add");
    EXPECT_EQ(Find("export picture"), "export knows map, not picture");
    EXPECT_EQ(Find("print nothing"), "cannot print nothing");
    EXPECT_EQ(Find("answer frmOther 1"), "no answers for frmOther");
    EXPECT_EQ(Find("map"), "missing map action");
    EXPECT_EQ(Find("frobnicate"), "unknown command: frobnicate");
}

} // namespace
} // namespace dered
