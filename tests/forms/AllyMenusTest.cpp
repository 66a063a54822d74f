// File > "Load Ally's Orders..." and View > "Allies' Orders" on the whole program.
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

using AllyMenus = DemoTurnFixture;

TEST_F(AllyMenus, TheDialogStartsInTheTurnsFolderAndLoadsOnlyWhatIsChosen) {
    program->winQZ.mnuLoadAllyOrders.Click(); // cancelled
    ASSERT_EQ(platform.dialogRequests.size(), 1U);
    EXPECT_EQ(platform.dialogRequests.back().initialDir, Game().ReportDir);
    EXPECT_TRUE(program->records.documents.Shown().allies.Empty());

    platform.AnswerOpen(std::string(DERED_SOURCE_DIR) +
                        "/tests/batch/files/allies/brim/commands.dat");
    program->winQZ.mnuLoadAllyOrders.Click();
    EXPECT_FALSE(program->records.documents.Shown().allies.Empty());
    EXPECT_EQ(program->winQZ.stbStatus.Text().rfind("Loaded the orders of BRIM", 0), 0U);
}

TEST_F(AllyMenus, TheViewItemTicksAsTheAlliesOrdersAreShownOrHidden) {
    auto& item = program->winQZ.mnuAlliesOrders;
    ASSERT_TRUE(item.Checked());
    item.Click();
    EXPECT_FALSE(item.Checked());
    EXPECT_FALSE(program->allies.Shown());
    item.Click();
    EXPECT_TRUE(item.Checked());
    EXPECT_TRUE(program->allies.Shown());
}

} // namespace
} // namespace dered::test
