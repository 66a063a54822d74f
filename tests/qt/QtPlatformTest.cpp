#include "qt/QtPlatform.h"
#include "qt/QtTestSupport.h"

#include <QApplication>
#include <QMessageBox>

#include <fstream>

namespace dered {
namespace {

using qttest::ModalWatcher;

TEST(QtPlatform, FilterListTakesEachDescriptionWithItsPatterns) {
    EXPECT_EQ(FileDialogFilters("QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*"),
              (QStringList{"QZ Report (plyrdata.*)", "All Files (*)"}));
    EXPECT_EQ(FileDialogFilters("Data|*.dat;*.txt"), (QStringList{"Data (*.dat *.txt)"}));
    EXPECT_EQ(FileDialogFilters("Lonely"), QStringList{});
}

TEST(QtPlatform, MessageBoxHasTheProgramTitleOneButtonAndTheIcon) {
    const std::pair<MsgIcon, QMessageBox::Icon> icons[] = {
        {MsgIcon::None, QMessageBox::NoIcon},
        {MsgIcon::Critical, QMessageBox::Critical},
        {MsgIcon::Information, QMessageBox::Information},
        {MsgIcon::Exclamation, QMessageBox::Warning}};
    for (const auto& [icon, qicon] : icons) {
        const auto box = MakeMessageBox("Area  12 is not yours", icon, nullptr);
        EXPECT_EQ(box->windowTitle(), "Der-ED");
        EXPECT_EQ(box->text(), "Area  12 is not yours");
        EXPECT_EQ(box->icon(), qicon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
    }
}

TEST(QtPlatform, MessageBoxWaitsForOkUnderTheNormalPointerAndPointersReplaceOneAnother) {
    QtPlatform platform;
    ModalWatcher watcher;
    platform.SetPointer(Pointer::Hourglass);
    platform.MsgBox("No old orders to read in", MsgIcon::None);
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_EQ(watcher.messages[0], "No old orders to read in");
    // After the box the hourglass is back; shapes replace one another, never stacked.
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.SetPointer(Pointer::Hourglass);
    platform.SetPointer(Pointer::Cross);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    platform.SetPointer(Pointer::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform.CurrentPointer(), Pointer::Default);
}

TEST(QtPlatform, OpenDialogGivesPathAndBareNameOrNothingAndOpensWhereTheLastChoiceWas) {
    qttest::TempFolder folder;
    const auto report = folder.Path() / "plyrdata.003";
    std::ofstream(report) << "x";
    QtPlatform platform;
    ModalWatcher watcher;
    OpenFileRequest request;
    request.filter = "QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*";
    request.fileName = "plyrdata.*";
    watcher.filePaths.push_back(report.string());
    const OpenFileResult chosen = platform.ShowOpenDialog(request);
    EXPECT_EQ(chosen.fullPath, report.string());
    EXPECT_EQ(chosen.fileName, "plyrdata.003");

    watcher.filePaths.push_back(std::nullopt);
    const OpenFileResult cancelled = platform.ShowOpenDialog(request);
    EXPECT_EQ(cancelled.fileName, "");
    ASSERT_EQ(watcher.dialogFolders.size(), 2u);
    EXPECT_EQ(watcher.dialogFolders[1], folder.Path().string());
}

TEST(QtPlatform, MeasuresTextInTheWindowFontAndTheFixedPitchFont) {
    QtPlatform platform;
    const TextExtent wide = platform.MeasureText(" SouthWest_Atlantic_Ocean ", FontKind::Window);
    const TextExtent narrow = platform.MeasureText(" 222 ", FontKind::Window);
    EXPECT_GT(wide.width, narrow.width);
    EXPECT_GT(narrow.height, 0);
    EXPECT_EQ(platform.MeasureText("iiii", FontKind::FixedPitch).width,
              platform.MeasureText("MMMM", FontKind::FixedPitch).width);
    EXPECT_GT(platform.VerticalScrollBarWidth(), 0);
    EXPECT_GT(platform.ScreenSize().width, 0);
}

} // namespace
} // namespace dered
