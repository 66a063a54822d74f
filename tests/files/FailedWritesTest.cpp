// Every file the program writes: a write that cannot be made says so by the file's name and
// leaves the old file as it was. (A read-only folder stops no one running as root, so a folder
// standing in the temporary's name is what makes the write fail here.)
#include "files/IniFile.h"
#include "files/MapFiles.h"
#include "files/RecoveryFile.h"

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
    const struct {
        std::string name;
        std::string blocker; // a folder made where the writer puts its temporary
        std::function<std::string(const std::string& path)> write;
    } writers[] = {
        {"map-hex.dat", "map-hex.dat.new",
         [&](const std::string& path) { return SaveHexData(hexMap, path); }},
        {"QZ001-player3-1880-1.orders", "QZ001-player3-1880-1.orders.new",
         [&](const std::string&) { return WriteRecovery(game, folder.Folder()); }},
        // The settings file's temporary has a name of its own each time: a folder stands in
        // the file's own place instead.
        {"der-ed.ini", "",
         [&](const std::string& path) {
             fs::remove(path);
             fs::create_directory(path);
             const std::string message = IniFile(path).WriteStrings({{"A", "k", "v"}});
             fs::remove(path);
             std::ofstream(path) << "old";
             return message;
         }},
    };
    for (const auto& w : writers) {
        const std::string path = folder.Path(w.name).string();
        folder.Write(w.name, "old");
        if (!w.blocker.empty()) {
            fs::create_directory(folder.Path(w.blocker));
        }
        const std::string message = w.write(path);
        EXPECT_NE(message.find(path), std::string::npos) << w.name << ": " << message;
        EXPECT_EQ(folder.Read(w.name), "old") << w.name;
        if (!w.blocker.empty()) {
            fs::remove(folder.Path(w.blocker));
            EXPECT_EQ(w.write(path), "") << w.name;
            EXPECT_NE(folder.Read(w.name), "old") << w.name << " is replaced once it can be";
        }
    }
}

} // namespace
} // namespace dered
