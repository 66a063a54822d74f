#include "files/FileAccess.h"

#include "support/FaultyDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dered {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(FileAccess, ReadsAPlainFileWholeAndRefusesEverythingElseByReason) {
    TempFolder folder;
    folder.Write("plain", std::string("a\0b\r\n", 5));
    folder.Write("empty", "");
    fs::create_directory(folder.Path("folder"));
    folder.Write("large", "");
    fs::resize_file(folder.Path("large"), kMaxReadSize + 1);
    folder.Write("limit", "");
    fs::resize_file(folder.Path("limit"), kMaxReadSize);
    const struct {
        std::string path;
        FileProblem problem;
        std::string reason;
    } cases[] = {
        {folder.Path("plain").string(), FileProblem::None, ""},
        {folder.Path("empty").string(), FileProblem::None, ""},
        {folder.Path("missing").string(), FileProblem::Missing, "there is no such file"},
        {folder.Path("plain/below").string(), FileProblem::Missing, "there is no such file"},
        {folder.Path("folder").string(), FileProblem::NotAFile, "it is a folder, not a file"},
        {folder.Folder(), FileProblem::NotAFile, "it is a folder, not a file"},
        {"/dev/null", FileProblem::NotAFile, "it is not a plain file"},
        {folder.Path("large").string(), FileProblem::TooLarge, "it is too large (over 16 MB)"},
        {folder.Path("limit").string(), FileProblem::None, ""},
        // Cut at the NUL, the name would reach "plain".
        {folder.Path("plain").string() + std::string("\0.x", 3), FileProblem::BadName,
         "its name holds a NUL character"},
    };
    for (const auto& c : cases) {
        const FileText file = ReadWholeFile(c.path);
        EXPECT_EQ(file.problem, c.problem) << c.path;
        EXPECT_EQ(file.reason.rfind(c.reason, 0), 0u) << c.path << ": " << file.reason;
        EXPECT_TRUE(file.Read() ? true : file.text.empty()) << c.path;
    }
    EXPECT_EQ(ReadWholeFile(folder.Path("plain").string()).text, std::string("a\0b\r\n", 5));
}

TEST(FileAccess, AFailedReplacementLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    const std::string target = folder.Path("file.dat").string();
    folder.Write("file.dat", "old");
    test::FaultyDisk failing(test::FaultyDisk::Step::Rename, 1);
    EXPECT_EQ(WriteFileAtomically(target, "new", failing), test::FaultyDisk::kFault);
    SystemDisk disk;
    EXPECT_EQ(folder.Read("file.dat"), "old");

    fs::create_directory(folder.Path("dir.dat")); // a folder where the file goes
    EXPECT_EQ(WriteFileAtomically(folder.Path("dir.dat").string(), "new", disk),
              "a folder stands in its place");
    EXPECT_EQ(WriteFileAtomically(target + std::string("\0x", 2), "new", disk),
              "its name holds a NUL character");
    EXPECT_EQ(WriteFileAtomically(folder.Path("none/file.dat").string(), "new", disk),
              "No such file or directory");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"dir.dat", "file.dat"}));

    EXPECT_EQ(WriteFileAtomically(target, "new", disk), "");
    EXPECT_EQ(folder.Read("file.dat"), "new");
}

} // namespace
} // namespace dered
