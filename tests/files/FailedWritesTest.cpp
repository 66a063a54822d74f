// Every file the program writes: a write that cannot be made says so by the file's name. (A
// read-only folder stops no one running as root, so a folder standing in the file's place is
// what makes the write fail here; that the old file is kept is the commit's own test.)
#include "files/IniFile.h"
#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/RecoveryFile.h"
#include "platform/SystemDisk.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace dered {
namespace {

namespace fs = std::filesystem;

TEST(FailedWrites, NameTheFileAndLeaveTheOldOne) {
    test::TempFolder folder;
    GameState game;
    game.GameId = "QZ001";
    game.OwnPlayer = 3;
    game.GameYear = 1880;
    game.GameTurn = 1;
    const HexMap hexMap{};
    SystemDisk disk;
    const struct {
        std::string name;
        std::function<std::string(const std::string& path)> write;
    } writers[] = {
        {"map-hex.dat", [&](const std::string& path) { return SaveHexData(hexMap, path, disk); }},
        {"QZ001-player3-1880-1.orders",
         [&](const std::string&) {
             return WriteRecovery(game, FormatOrders(game).ordersTmp, folder.Folder(), disk);
         }},
        {"der-ed.ini",
         [&](const std::string& path) {
             return IniFile(path).WriteStrings({{"A", "k", "v"}});
         }},
    };
    for (const auto& w : writers) {
        const std::string path = folder.Path(w.name).string();
        fs::create_directory(path);
        const std::string message = w.write(path);
        EXPECT_NE(message.find(path), std::string::npos) << w.name << ": " << message;
        fs::remove(path);
        EXPECT_EQ(w.write(path), "") << w.name;
        EXPECT_FALSE(folder.Read(w.name).empty()) << w.name << " is written once it can be";
    }
    EXPECT_EQ(folder.Names().size(), 3u) << "no temporary is left behind";
}

} // namespace
} // namespace dered
