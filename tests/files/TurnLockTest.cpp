#include "files/TurnLock.h"

#include "platform/SystemDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

TEST(TurnLock, OneHolderPerTurnUntilItLetsGo) {
    test::TempFolder folder;
    GameState turn;
    turn.GameId = "QZ001";
    turn.OwnPlayer = 3;
    turn.GameYear = 1880;
    turn.GameTurn = 1;
    GameState next = turn;
    next.GameTurn = 2;

    SystemDisk disk;
    TurnLock first(disk);
    TurnLock second(disk);
    EXPECT_EQ(first.Take(turn, folder.Folder()), "");
    EXPECT_EQ(first.Take(turn, folder.Folder()), "") << "a turn held is kept";
    EXPECT_EQ(
        second.Take(turn, folder.Folder())
            .rfind("another program (process " + std::to_string(disk.ProcessId()) + " on ", 0),
        0u);
    EXPECT_EQ(second.Take(next, folder.Folder()), "") << "another turn is free";
    EXPECT_EQ(first.Take(next, folder.Folder()).empty(), false);
    EXPECT_TRUE(first.Holds(turn, folder.Folder())) << "a refused take keeps the lock held";

    first.Release();
    EXPECT_EQ(second.Take(turn, folder.Folder()), "");
    EXPECT_FALSE(second.Holds(next, folder.Folder())) << "taking a turn lets the last one go";
    EXPECT_EQ(TurnLock(disk).Take(turn, ""), "") << "no folder, no lock to wait for";
}

} // namespace
} // namespace dered
