#include "qt/Placement.h"
#include "ui/Form.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace dered {
namespace {

// Moves before the window is shown or after it is hidden are none of the form's business.
TEST(KeepPlace, OnlyTheShownWindowsMovesAndSizesBecomeTheFormsPlace) {
    Form form("frmTest", "Test");
    QWidget window;
    KeepPlace(window, form);
    window.move(30, 40);
    QApplication::processEvents();
    EXPECT_FALSE(form.place);

    window.show();
    window.setGeometry(50, 60, 200, 100);
    QApplication::processEvents();
    ASSERT_TRUE(form.place);
    const WindowRect shown = OuterRect(window);
    EXPECT_EQ(*form.place, shown);

    window.hide();
    window.setGeometry(70, 80, 300, 150);
    QApplication::processEvents();
    EXPECT_EQ(*form.place, shown);
}

} // namespace
} // namespace dered
