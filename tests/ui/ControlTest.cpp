#include "ui/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dered {
namespace {

// Declared in one order; each box placed after the side it belongs with.
class DeclaredForm : public Form {
  public:
    DeclaredForm() : Form("frmDeclared", "Declared") {
        for (size_t i = 0; i < txtSide.size(); ++i) {
            PlaceAfter(chkSide[i], txtSide[i]);
        }
    }
    DERED_CONTROL(TextModel, lblFirst, "First");
    DERED_CONTROLS(CheckBoxModel, 2, chkSide, {CheckBoxModel("N"), CheckBoxModel("S")}, 1);
    DERED_CONTROLS(TextBoxModel, 2, txtSide);
    DERED_CONTROL(ButtonModel, cmdGo, "Go");
};

TEST(Control, AFormListsItsDeclaredControlsByTheirNamesInOrder) {
    DeclaredForm form;
    std::vector<std::string> names;
    for (const auto& [name, control] : form.Controls()) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"lblFirst", "chkSide(1)", "txtSide(0)", "chkSide(2)",
                                               "txtSide(1)", "cmdGo"}));
    EXPECT_EQ(form.chkSide[1].Name(), "chkSide(2)");
    EXPECT_EQ(std::get<CheckBoxModel*>(*form.FindControl("chkSide(2)")), &form.chkSide[1]);
    EXPECT_EQ(form.chkSide[1].Caption(), "S"); // the model keeps its own arguments
    EXPECT_EQ(std::get<TextModel*>(*form.FindControl("lblFirst"))->Text(), "First");
    EXPECT_EQ(std::get<ButtonModel*>(*form.FindControl("cmdGo")), &form.cmdGo);
}

} // namespace
} // namespace dered
