// The dialogs opened from the real main window over the demo game: what their widgets add to
// the forms, whose rules are tested headless.
#include "DesktopFixture.h"
#include "qt/GenericFormView.h"
#include "qt/RelationsView.h"
#include "qt/SpyView.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace dered {
namespace {

using DialogViews = qttest::DesktopFixture;

using qttest::CentreOf;
using qttest::Child;
using qttest::kAlly;

// Each menu item gets the dialog's own view, modal or not as the form shows it, and the close
// box unloads the form and deletes its window.
TEST_F(DialogViews, MenuItemsOpenTheirOwnViewsWhichTheCloseBoxUnloads) {
    const auto opensItsOwnView = [this](const char* menuItem, Form& form, bool modal) {
        QWidget* window = Open(menuItem, form);
        ASSERT_NE(window, nullptr) << menuItem;
        EXPECT_EQ(window->windowModality(), modal ? Qt::ApplicationModal : Qt::NonModal)
            << menuItem;
        EXPECT_EQ(dynamic_cast<GenericFormView*>(window), nullptr) << menuItem;
        CloseWindow(window);
        EXPECT_FALSE(form.IsLoaded()) << menuItem;
        EXPECT_EQ(WindowOf(form), nullptr) << menuItem;
    };
    StartWith("1880-1/plyrdata.003");
    opensItsOwnView("mnuANW", program().anw, true);
    opensItsOwnView("mnuRelations", program().relations, true);
    opensItsOwnView("mnuGrantAccess", program().grantAccess, false);
    opensItsOwnView("mnuSpy", program().spy, false);
    opensItsOwnView("mnuVictoryConditions", program().victory, false);
    opensItsOwnView("mnuYourAreas", program().yourAreas, false);
    StartWith("1881-2/plyrdata.003"); // calls to arms only after the first turns
    opensItsOwnView("mnuCallToArms", program().callToArms, true);
}

// Esc closes the windows that are read and put away, but not a modal dialog, which waits for
// its answer, nor the summary beside the main window.
TEST_F(DialogViews, EscLeavesAModalDialogAndTheSummaryOpen) {
    StartWith("1880-1/plyrdata.003");
    QPointer<QWidget> anw = Open("mnuANW", program().anw);
    ASSERT_NE(anw, nullptr);
    QWidget* summary = WindowOf(program().summary);
    ASSERT_NE(summary, nullptr);
    for (QWidget* window : {static_cast<QWidget*>(anw), summary}) {
        qttest::SendKey(window, Qt::Key_Escape);
        qttest::Settle();
    }
    EXPECT_TRUE(anw != nullptr && anw->isVisible() && program().anw.IsLoaded());
    EXPECT_TRUE(summary->isVisible() && program().summary.IsLoaded());
    CloseWindow(anw);
}

// A dialog that opens beside the map opens over the main window once the map window is closed.
TEST_F(DialogViews, ADialogBesideTheMapOpensWithTheMapWindowClosed) {
    StartWith("1880-1/plyrdata.003");
    CloseWindow(WindowOf(program().map));
    ASSERT_EQ(WindowOf(program().map), nullptr);
    if (QWidget* window = Open("mnuGrantAccess", program().grantAccess)) {
        CloseWindow(window);
    }
}

TEST_F(DialogViews, ListsButtonsAndFramesFollowTheirModelsBothWays) {
    StartWith("1880-1/plyrdata.003");
    frmANW& form = program().anw;
    QWidget* window = Open("mnuANW", form);
    EXPECT_EQ(Child<QGroupBox>(window, "fraAllies").title(), "Allies");
    EXPECT_FALSE(Child<QPushButton>(window, "cmdWar").isEnabled()); // the form's, in 1880
    auto& allies = Child<QListWidget>(window, "lstAllies");
    ASSERT_EQ(allies.count(), 1);
    EXPECT_EQ(allies.item(0)->text().toStdString(), form.lstAllies.Lines()[0].text);
    EXPECT_EQ(allies.item(0)->data(Qt::UserRole).toInt(), kAlly);

    // A click on a line chooses it in the model; a button's click adds a line to the view.
    auto& neutrals = Child<QListWidget>(window, "lstNeutrals");
    ASSERT_GT(neutrals.count(), 1);
    qttest::Click(*neutrals.viewport(), CentreOf(neutrals, 1));
    EXPECT_EQ(form.lstNeutrals.ListIndex(), 1);
    Child<QPushButton>(window, "cmdAlly").click();
    auto& commands = Child<QListWidget>(window, "lstCommands");
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.item(0)->text().toStdString(), form.lstCommands.Lines()[0].text);
}

TEST_F(DialogViews, MapClicksGrantAccessWhileTheWindowIsOpen) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuGrantAccess", program().grantAccess);
    auto& players = Child<QListWidget>(window, "lstPlayers");
    auto& area = Child<QLineEdit>(window, "txtArea");

    qttest::Click(*players.viewport(), CentreOf(players, 0));
    Child<QPushButton>(window, "cmdGrant").click();
    const std::vector<int16_t> own = AreasInSight(true);
    ASSERT_FALSE(own.empty());
    ClickOnMap(own[0]);
    EXPECT_EQ(area.text().trimmed().toInt(), own[0]);
}

TEST_F(DialogViews, ADoubleClickOnAnAllyChoosesWhoseAttackIsSupported) {
    StartWith("1880-1/plyrdata.003");
    program().forms.Show(program().supportAttack, Modality::Modal);
    qttest::Settle();
    QWidget* window = WindowOf(program().supportAttack);
    ASSERT_NE(window, nullptr);
    auto& allies = Child<QListWidget>(window, "lstAllies");
    ASSERT_EQ(allies.count(), 1);
    qttest::DoubleClick(*allies.viewport(), CentreOf(allies, 0));
    qttest::Settle();
    EXPECT_EQ(game().SupportedPlayer, kAlly);
    EXPECT_EQ(WindowOf(program().supportAttack), nullptr);
}

TEST_F(DialogViews, TheRelationsTableShowsEveryCellWithoutScrolling) {
    StartWith("1880-1/plyrdata.003");
    auto* window = dynamic_cast<RelationsView*>(Open("mnuRelations", program().relations));
    ASSERT_NE(window, nullptr);
    QTableWidget& grid = window->Grid();
    const int players = game().PlayerCount - 1;
    ASSERT_EQ(grid.rowCount(), players);
    const frmRelations& form = program().relations;
    EXPECT_GE(grid.width(), form.GridWidth);
    EXPECT_GE(grid.height(), form.GridHeight);
    const QRect lastCell = grid.visualItemRect(grid.item(players - 1, players));
    EXPECT_TRUE(grid.viewport()->rect().contains(lastCell.adjusted(0, 0, -1, -1)));
}

TEST_F(DialogViews, SpyTargetsFromTheMapAndAShiftClickedRange) {
    StartWith("1880-1/plyrdata.003");
    auto* window = dynamic_cast<SpyView*>(Open("mnuSpy", program().spy));
    ASSERT_NE(window, nullptr);
    QTableWidget& grid = window->Grid();
    const std::vector<int16_t> areas = AreasInSight(false);
    ASSERT_GE(areas.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        ClickOnMap(areas[i]);
    }
    EXPECT_EQ(grid.item(0, 2)->text(), " " + QString::number(areas[2]));

    // A click and a shift-click select cells 1 to 2, in the model and in the table.
    const GridModel& cells = program().spy.grdSpy;
    qttest::Click(*grid.viewport(), CentreOf(grid, 0, 1));
    qttest::SendMouse(*grid.viewport(), QEvent::MouseButtonPress, CentreOf(grid, 0, 2),
                      Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    qttest::SendMouse(*grid.viewport(), QEvent::MouseButtonRelease, CentreOf(grid, 0, 2),
                      Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(cells.SelStartCol(), 1);
    EXPECT_EQ(cells.SelEndCol(), 2);
    EXPECT_EQ(grid.selectedItems().size(), 2);
}

TEST_F(DialogViews, VictoryBarsSitSideBySideAndWriteTheirBoxes) {
    StartWith("1880-1/plyrdata.003");
    const frmVictory& form = program().victory;
    QWidget* window = Open("mnuVictoryConditions", program().victory);
    auto& turnsFrame = Child<QGroupBox>(window, "Frame3(0)");
    auto& pointsFrame = Child<QGroupBox>(window, "Frame3(1)");
    EXPECT_LT(turnsFrame.x(), pointsFrame.x());
    auto& turnsBar = Child<QScrollBar>(window, "hsclVC(0)");
    EXPECT_EQ(turnsBar.value(), form.hsclVC[0].Value());
    EXPECT_EQ(turnsBar.minimum(), form.hsclVC[0].Min());
    EXPECT_EQ(turnsBar.maximum(), form.hsclVC[0].Max());
    Child<QScrollBar>(window, "hsclVC(1)").setValue(420);
    EXPECT_EQ(Child<QLineEdit>(window, "txtVC(1)").text(), "420");
}

TEST_F(DialogViews, OwnAreasInAFixedPitchListWhoseRefreshClearsTheChoice) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuYourAreas", program().yourAreas);
    auto& list = Child<QListWidget>(window, "lstYourAreas");
    const QFontMetrics metrics(list.font());
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    ASSERT_GT(list.count(), 0);
    list.setCurrentRow(0);
    Child<QPushButton>(window, "cmdRefreash").click();
    EXPECT_EQ(list.count(), static_cast<int>(program().yourAreas.lstYourAreas.Lines().size()));
    EXPECT_EQ(list.currentRow(), -1);
}

} // namespace
} // namespace dered
