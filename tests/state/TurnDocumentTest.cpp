#include "state/TurnDocument.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

TEST(TurnDocumentTest, EachReportIsANewDocumentAndAnEarlierTurnShowsBesideTheOpenOne) {
    Documents documents;
    GameState& before = documents.Current().records;
    before.Areas[5].Name = "Kestowen";
    before.Areas[5].Command = "MO";
    before.Orders[3].Code = "AL";
    before.SelectedArea = 5;
    documents.Current().history.undo.emplace_back();
    documents.Current().keptOrders = "MO 5 6";

    documents.Open(FreshTurn(before), TurnAccess::Current);
    const GameState& opened = documents.Current().records;
    // The map's names go on; nothing of the last turn's orders, entry, undo steps or recovery
    // text does.
    EXPECT_EQ(opened.Areas[5].Name, "Kestowen");
    EXPECT_EQ(opened.Areas[5].Command, "");
    EXPECT_EQ(opened.Orders[3].Code, "");
    EXPECT_EQ(opened.SelectedArea, 0);
    EXPECT_TRUE(documents.Current().history.undo.empty());
    EXPECT_EQ(documents.Current().keptOrders, "");

    GameState earlier = FreshTurn(opened);
    earlier.GameYear = 1880;
    documents.ShowEarlier(earlier);
    EXPECT_EQ(documents.Shown().records.GameYear, 1880);
    EXPECT_EQ(documents.Shown().WhyReadOnly(), std::string(kReadOnlyTurn));
    EXPECT_EQ(&documents.Current().records, &opened);
    EXPECT_FALSE(documents.Current().ReadOnly());
    // Opening the next report ends the look at the earlier one.
    documents.Open(FreshTurn(opened), TurnAccess::HeldElsewhere);
    EXPECT_FALSE(documents.ShowsEarlier());
    EXPECT_EQ(documents.Shown().WhyReadOnly(), std::string(kHeldElsewhereTurn));
}

} // namespace
} // namespace dered
