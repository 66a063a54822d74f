// The dialogs opened from the real main window over the demo game, one interaction each.
#include "DialogViewsFixture.h"
#include "qt/RelationsView.h"
#include "qt/SpyView.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

namespace dered {
namespace {

using qttest::CentreOf;
using qttest::Child;
using qttest::DialogViews;
using qttest::kAlly;
using qttest::kEnemy;
using qttest::RowWithValue;
using qttest::TypeInto;

TEST_F(DialogViews, DeclarationsGoThroughTheDiplomacyWindow) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuANW", program().anw);
    EXPECT_EQ(window->windowTitle(), "Allied-Neutal-War");
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(Child<QGroupBox>(window, "fraAllies").title(), "Allies");
    EXPECT_EQ(Child<QGroupBox>(window, "fraNeutrals").title(), "Neutrals");
    EXPECT_EQ(Child<QGroupBox>(window, "fraEnemies").title(), "Enemies");
    EXPECT_EQ(Child<QGroupBox>(window, "fraCommands").title(), "Commands");
    EXPECT_EQ(Child<QPushButton>(window, "cmdNeutral(1)").text(), "Neutal");
    // No war in the first turn of 1880.
    EXPECT_FALSE(Child<QPushButton>(window, "cmdWar").isEnabled());
    EXPECT_TRUE(Child<QPushButton>(window, "cmdAlly").isEnabled());

    auto& allies = Child<QListWidget>(window, "lstAllies");
    ASSERT_EQ(allies.count(), 1);
    EXPECT_EQ(allies.item(0)->text().toStdString(), game().Players[kAlly].Name);
    EXPECT_EQ(allies.item(0)->data(Qt::UserRole).toInt(), kAlly);
    EXPECT_EQ(RowWithValue(Child<QListWidget>(window, "lstEnemies"), kEnemy), 0);

    // Ally on a neutral: a line in the commands, carrying the order's slot.
    auto& neutrals = Child<QListWidget>(window, "lstNeutrals");
    ASSERT_GT(neutrals.count(), 0);
    qttest::Click(*neutrals.viewport(), CentreOf(neutrals, 0));
    const int player = neutrals.item(0)->data(Qt::UserRole).toInt();
    Child<QPushButton>(window, "cmdAlly").click();
    auto& commands = Child<QListWidget>(window, "lstCommands");
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.item(0)->text().toStdString(), "DA " + game().Players[player].Name);
    const int slot = commands.item(0)->data(Qt::UserRole).toInt();
    EXPECT_EQ(game().Orders[slot].Code, "DA");
    EXPECT_EQ(game().Orders[slot].P1, player);

    CloseWindow(window);
    EXPECT_FALSE(program().anw.IsLoaded());
    EXPECT_EQ(WindowOf(program().anw), nullptr);
}

TEST_F(DialogViews, ACallToArmsAndItsDeletion) {
    StartWith("1881-2/plyrdata.003");
    QWidget* window = Open("mnuCallToArms", program().callToArms);
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(Child<QGroupBox>(window, "Frame1").title(), "Call To Arms");
    auto& allies = Child<QListWidget>(window, "lstAllies");
    auto& enemies = Child<QListWidget>(window, "lstEnemies");
    auto& commands = Child<QListWidget>(window, "lstCommands");
    // Nothing happens without an enemy chosen.
    allies.setCurrentRow(RowWithValue(allies, kAlly));
    Child<QPushButton>(window, "cmdCallToArms").click();
    EXPECT_EQ(commands.count(), 0);
    enemies.setCurrentRow(RowWithValue(enemies, kEnemy));
    Child<QPushButton>(window, "cmdCallToArms").click();
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.item(0)->text(), "CA BRIM SAL");
    const int slot = commands.item(0)->data(Qt::UserRole).toInt();
    EXPECT_EQ(game().Orders[slot].Code, "CA");

    commands.setCurrentRow(0);
    Child<QPushButton>(window, "cmdDelete").click();
    EXPECT_EQ(commands.count(), 0);
    EXPECT_NE(game().Orders[slot].Code, "CA");
    CloseWindow(window);
}

TEST_F(DialogViews, MapClicksGrantAccessWhileTheWindowIsOpen) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuGrantAccess", program().grantAccess);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    auto& players = Child<QListWidget>(window, "lstPlayers");
    auto& commands = Child<QListWidget>(window, "lstCommands");
    ASSERT_EQ(RowWithValue(players, kAlly), 0);

    // The area box without a player: the message, nothing added.
    TypeInto(Child<QLineEdit>(window, "txtArea"), QStringLiteral("1"));
    ASSERT_EQ(watcher_.messages.size(), 1u);
    EXPECT_EQ(watcher_.messages[0].text, "Select a player to grant access to");
    EXPECT_EQ(commands.count(), 0);

    qttest::Click(*players.viewport(), CentreOf(players, 0));
    Child<QPushButton>(window, "cmdGrant").click();
    EXPECT_EQ(game().PendingCommand, MapCommand::GrantAccess);
    const std::vector<int16_t> own = AreasInSight(true);
    ASSERT_FALSE(own.empty());
    ClickOnMap(own[0]);
    EXPECT_EQ(Child<QLineEdit>(window, "txtArea").text().trimmed().toInt(), own[0]);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.item(0)->text(), "GA BRIM " + QString::number(own[0]));

    CloseWindow(window);
    EXPECT_EQ(game().PendingCommand, MapCommand::None);
}

TEST_F(DialogViews, ADoubleClickOnAnAllyChoosesWhoseAttackIsSupported) {
    StartWith("1880-1/plyrdata.003");
    program().forms.Show(program().supportAttack, Modality::Modal);
    qttest::Settle();
    QWidget* window = WindowOf(program().supportAttack);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Support Attack");
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    auto& allies = Child<QListWidget>(window, "lstAllies");
    ASSERT_EQ(allies.count(), 1);
    qttest::DoubleClick(*allies.viewport(), CentreOf(allies, 0));
    qttest::Settle();
    EXPECT_EQ(game().SupportedPlayer, kAlly);
    EXPECT_FALSE(program().supportAttack.IsLoaded());
    EXPECT_EQ(WindowOf(program().supportAttack), nullptr);

    // Closed with the close box: the player supports an own attack.
    program().forms.Show(program().supportAttack, Modality::Modal);
    qttest::Settle();
    CloseWindow(WindowOf(program().supportAttack));
    EXPECT_EQ(game().SupportedPlayer, game().OwnPlayer);
    EXPECT_FALSE(program().supportAttack.IsLoaded());
}

TEST_F(DialogViews, TheRelationsTableShowsEveryPlayer) {
    StartWith("1880-1/plyrdata.003");
    auto* window = dynamic_cast<RelationsView*>(Open("mnuRelations", program().relations));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    QTableWidget& grid = window->Grid();
    const int players = game().PlayerCount - 1;
    ASSERT_EQ(grid.columnCount(), players + 1);
    ASSERT_EQ(grid.rowCount(), players);
    EXPECT_EQ(grid.horizontalHeaderItem(kAlly)->text(), "BRIM");
    EXPECT_EQ(grid.item(game().OwnPlayer - 1, 0)->text(), "ESK");
    EXPECT_EQ(grid.item(game().OwnPlayer - 1, kAlly)->text(), "A");
    EXPECT_EQ(grid.item(kEnemy - 1, game().OwnPlayer)->text(), "W");
    // Every row and column in sight, without scrolling.
    const frmRelations& form = program().relations;
    EXPECT_GE(grid.width(), form.GridWidth);
    EXPECT_GE(grid.height(), form.GridHeight);
    const QRect lastCell = grid.visualItemRect(grid.item(players - 1, players));
    EXPECT_TRUE(grid.viewport()->rect().contains(lastCell.adjusted(0, 0, -1, -1)));
    CloseWindow(window);
    EXPECT_FALSE(program().relations.IsLoaded());
}

TEST_F(DialogViews, SpyTargetsFromTheMapAndADeletedRange) {
    StartWith("1880-1/plyrdata.003");
    auto* window = dynamic_cast<SpyView*>(Open("mnuSpy", program().spy));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    QTableWidget& grid = window->Grid();
    ASSERT_EQ(grid.columnCount(), frmSpy::kTargets);
    EXPECT_EQ(grid.columnWidth(0), program().spy.grdSpy.ColWidth(0));
    const std::vector<int16_t> areas = AreasInSight(false);
    ASSERT_GE(areas.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        ClickOnMap(areas[i]);
    }
    EXPECT_EQ(grid.item(0, 3)->text(), " " + QString::number(areas[3]));

    // A click and a shift-click select cells 1 to 2; Delete closes the gap.
    qttest::Click(*grid.viewport(), CentreOf(grid, 0, 1));
    EXPECT_EQ(program().spy.grdSpy.SelStartCol(), 1);
    qttest::SendMouse(*grid.viewport(), QEvent::MouseButtonPress, CentreOf(grid, 0, 2),
                      Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    qttest::SendMouse(*grid.viewport(), QEvent::MouseButtonRelease, CentreOf(grid, 0, 2),
                      Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(program().spy.grdSpy.SelStartCol(), 1);
    EXPECT_EQ(program().spy.grdSpy.SelEndCol(), 2);
    EXPECT_EQ(grid.selectedItems().size(), 2);
    Child<QPushButton>(window, "cmdDelete").click();
    EXPECT_EQ(grid.item(0, 0)->text(), " " + QString::number(areas[0]));
    EXPECT_EQ(grid.item(0, 1)->text(), " " + QString::number(areas[3]));
    EXPECT_EQ(grid.item(0, 2)->text(), "");

    // Closing writes the targets into the spy slots.
    CloseWindow(window);
    EXPECT_EQ(game().PendingCommand, MapCommand::None);
    EXPECT_EQ(game().Orders[1].Code, "SP");
    EXPECT_EQ(game().Orders[1].P1, areas[0]);
    EXPECT_EQ(game().Orders[1].P2, areas[3]);
    EXPECT_EQ(game().Orders[1].P3, 0);
}

TEST_F(DialogViews, VictoryBarsWriteTheirBoxesButTypingLeavesTheBars) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuVictoryConditions", program().victory);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    auto& turnsFrame = Child<QGroupBox>(window, "Frame3(0)");
    auto& pointsFrame = Child<QGroupBox>(window, "Frame3(1)");
    EXPECT_EQ(turnsFrame.title(), "Turns");
    EXPECT_EQ(pointsFrame.title(), "Points");
    EXPECT_LT(turnsFrame.x(), pointsFrame.x());
    auto& turns = Child<QLineEdit>(window, "txtVC(0)");
    auto& points = Child<QLineEdit>(window, "txtVC(1)");
    auto& turnsBar = Child<QScrollBar>(window, "hsclVC(0)");
    auto& pointsBar = Child<QScrollBar>(window, "hsclVC(1)");
    EXPECT_EQ(turns.text(), "10");
    EXPECT_EQ(points.text(), "300");
    // The bars stay at their own places, not at the boxes' values.
    EXPECT_EQ(turnsBar.value(), 15);
    EXPECT_EQ(turnsBar.minimum(), 10);
    EXPECT_EQ(turnsBar.maximum(), 40);

    pointsBar.setValue(420);
    EXPECT_EQ(points.text(), "420");
    TypeInto(turns, QStringLiteral("2"));
    EXPECT_EQ(turns.text(), "102");
    EXPECT_EQ(program().victory.txtVC[0].Text(), "102");
    EXPECT_EQ(turnsBar.value(), 15);

    CloseWindow(window);
    bool found = false;
    for (int slot = 1; slot <= game().OrderCount; ++slot) {
        if (game().Orders[slot].Code == "VC") {
            found = true;
            EXPECT_EQ(game().Orders[slot].P1, 102);
            EXPECT_EQ(game().Orders[slot].P2, 420);
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(DialogViews, OwnAreasInAFixedPitchListWithRefresh) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuYourAreas", program().yourAreas);
    auto& list = Child<QListWidget>(window, "lstYourAreas");
    const QFontMetrics metrics(list.font());
    EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    const auto& lines = program().yourAreas.lstYourAreas.Lines();
    ASSERT_EQ(list.count(), static_cast<int>(lines.size()));
    ASSERT_GT(list.count(), 0);
    EXPECT_EQ(list.item(0)->text().toStdString(), lines[0].text);
    EXPECT_EQ(list.item(0)->data(Qt::UserRole).toInt(), lines[0].itemData);
    auto& refresh = Child<QPushButton>(window, "cmdRefreash");
    EXPECT_EQ(refresh.text(), "Refresh");
    list.setCurrentRow(0);
    refresh.click();
    EXPECT_EQ(list.count(), static_cast<int>(lines.size()));
    EXPECT_EQ(list.currentRow(), -1);
    CloseWindow(window);
    EXPECT_FALSE(program().yourAreas.IsLoaded());
}

} // namespace
} // namespace dered
