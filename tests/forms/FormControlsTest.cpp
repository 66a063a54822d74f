#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dered::test {
namespace {

TEST(FormControls, EveryWindowNamesEachControlOnce) {
    ProgramStorage storage;
    Program& program = storage.program;
    std::set<std::string> forms;
    for (const Form* form : program.AllForms()) {
        EXPECT_TRUE(forms.insert(form->Name()).second) << form->Name();
        std::set<std::string> names;
        for (const auto& [name, control] : form->Controls()) {
            EXPECT_TRUE(names.insert(name).second) << form->Name() << "." << name;
        }
    }
    // Where the name scripts use is not the member's own: array elements, counted from 1 or
    // from 0, names given in full, controls of a part of the window.
    const auto is = [](const Form& form, const char* name, ControlRef control) {
        EXPECT_EQ(form.FindControl(name), control) << name;
    };
    is(program.anw, "cmdNeutral(1)", &program.anw.cmdNeutral[1]);
    is(program.editHex, "chkBorder(1)", &program.editHex.chkBorder[0]);
    is(program.editHex, "chkDisplay(2)", &program.editHex.chkDisplay[2]);
    is(program.about, "Label1(1)", &program.about.Label1_1);
    is(program.about, "Label5", &program.about.Credit[3]);
    is(program.mapOptions, "picColour(12)", &program.mapOptions.picColour[12]);
    is(program.victory, "hsclVC(1)", &program.victory.hsclVC[1]);
    is(program.map, "lstOrder", &program.map.fields.lstOrder);
}

} // namespace
} // namespace dered::test
