#include "forms/OrderGuide.h"

#include <gtest/gtest.h>

#include <set>

namespace dered {
namespace {

TEST(OrderGuideTest, NextClickSaysWhatTheClickCompletes) {
    TurnDocument shown;
    GameState& game = shown.records;
    game.Areas[118].Name = "Ostisoth";
    game.SelectedArea = 118;
    const struct {
        MapCommand pending;
        size_t chosen;
        const char* text;
    } cases[] = {
        {MapCommand::Move, 0, "Move from 118 Ostisoth: click the target area; Esc cancels"},
        {MapCommand::SupportAttack, 1,
         "Support attack from 118 Ostisoth: click the attacked area; Esc cancels"},
        {MapCommand::SupportDefence, 2,
         "Support defence from 118 Ostisoth: click the defended area; Esc cancels"},
        {MapCommand::Convoy, 3,
         "Convoy from 118 Ostisoth: click the next area on the way; Esc cancels"},
        {MapCommand::Spy, 0, "Spy: click the areas to spy on"},
        {MapCommand::GrantAccess, 0, "Grant access: click the area"},
        {MapCommand::Victory, 0, "Victory conditions open: map clicks do nothing"},
        // Nothing waiting: what a double click does with the chosen option.
        {MapCommand::None, 0, "MO (move): double-click the unit, then click the target area"},
        {MapCommand::None, 5, "RU (remove): double-click the unit"},
        {MapCommand::None, 11, "Cancel (cancel the order): double-click the area"},
        {MapCommand::None, 12, ""},
    };
    for (const auto& c : cases) {
        game.PendingCommand = c.pending;
        EXPECT_EQ(NextClickText(shown, c.chosen), c.text) << c.text;
    }
    // An area without a name, or none at all, is named by its number.
    game.PendingCommand = MapCommand::Move;
    game.SelectedArea = 900;
    EXPECT_EQ(NextClickText(shown, 0), "Move from 0: click the target area; Esc cancels");
    // A turn that takes no orders says so, whatever waits.
    for (TurnAccess access : {TurnAccess::Earlier, TurnAccess::HeldElsewhere}) {
        shown.access = access;
        EXPECT_EQ(NextClickText(shown, 0), "An earlier turn, read-only: no orders are entered");
        EXPECT_EQ(MapCaption(shown), "Map - earlier turn, read-only");
    }
}

TEST(OrderGuideTest, EveryOptionHasItsTooltipAndReferenceEntry) {
    EXPECT_EQ(OrderTooltip(0), "MO: move - double-click the unit, then click the target area");
    EXPECT_EQ(OrderTooltip(3), "CO: convoy - one order from the army to the first sea, one "
                               "for each fleet to the next area: double-click the unit, then "
                               "click the next area");
    EXPECT_EQ(OrderTooltip(4).rfind("DU: downgrade", 0), 0u);
    EXPECT_EQ(OrderTooltip(12), "");
    const std::string reference = OrderReferenceText();
    std::set<std::string_view> codes;
    for (const OrderKindGuide& guide : OrderKindGuides()) {
        codes.insert(guide.code);
        EXPECT_NE(reference.find(std::string(guide.code) + "  " + std::string(guide.name) + "\n"),
                  std::string::npos)
            << guide.code;
    }
    EXPECT_EQ(codes.size(), 12u);
}

} // namespace
} // namespace dered
