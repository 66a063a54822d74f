#include "qt/DesktopFixture.h"
#include "qt/FormView.h"

#include <set>
#include <string>

namespace dered::qttest {
namespace {

// "picUnit(2)" -> "picUnit".
std::string Base(const std::string& name) {
    return name.ends_with(')') ? name.substr(0, name.find('(')) : name;
}

// Widgets the views name that are parts of the view, not controls of the form.
const std::set<std::string> kViewsOwn = {"_layout", "stbMap", "chrHistory", "picUnit",
                                         "picUnitSymbol"};

class ViewNames : public DesktopFixture {};

// Every widget a view names goes by a name the scripts know, and every control is shown
// under its own (an option group's buttons under "name(i)", or in a row of its own).
TEST_F(ViewNames, EveryViewNamesItsWidgetsAfterItsFormsControls) {
    StartWith("1880-1/plyrdata.003");
    Program& program = this->program();
    for (Form* form : program.AllForms()) {
        FormView* view = MakeView(*desktop_, *form);
        std::set<std::string> objects;
        for (const QObject* child : view->Widget()->findChildren<QObject*>()) {
            const std::string name = child->objectName().toStdString();
            if (!name.empty() && !name.starts_with("qt_")) {
                objects.insert(name);
            }
        }
        std::set<std::string> options;
        for (const auto& [name, control] : form->Controls()) {
            const bool option = std::holds_alternative<OptionGroupModel*>(control);
            const bool completions = form == &program.map && name.starts_with("lst");
            EXPECT_TRUE(objects.contains(name) || option || completions)
                << form->Name() << " shows no " << name;
            if (option) {
                options.insert(name);
            }
        }
        for (const std::string& name : objects) {
            const bool menuItem = form == &program.winQZ && program.winQZ.FindMenuItem(name);
            EXPECT_TRUE(form->FindControl(name) || menuItem || options.contains(Base(name)) ||
                        kViewsOwn.contains(Base(name)))
                << form->Name() << " names a widget " << name;
        }
        view->Detach();
        delete view->Widget();
    }
}

} // namespace
} // namespace dered::qttest
