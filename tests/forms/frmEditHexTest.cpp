#include "forms/frmEditHex.h"

#include "forms/MapDialogFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace dered::test {
namespace {

class EditHexTest : public MapDialogFixture {
  protected:
    EditHexTest() {
        HexCell& cell = program.records.hexMap.At(4, 2);
        cell.Border = {1, 0, 1, 0, 0, 1};
        cell.Display = {-1, 0, -1};
    }

    // The right button pressed with Shift, Ctrl and Alt over the cell.
    void PressOn(CellRef cell) {
        const auto [x, y] = CellCentre(program.map.canvas.Geometry(), settings(), cell);
        program.map.picView_MouseMove(0, 0, x, y);
        program.map.picView_MouseDown(kRightButton, kEditCellShift, x, y);
    }

    std::string Ticks() const {
        std::string ticks;
        for (const CheckBoxModel& box : editor.chkBorder) {
            ticks += std::to_string(box.Value());
        }
        ticks += '/';
        for (const CheckBoxModel& box : editor.chkDisplay) {
            ticks += std::to_string(box.Value());
        }
        return ticks;
    }

    // Fills the editor from cell (4, 2), types the text and presses OK.
    const HexCell& Store(const std::string& text) {
        editor.FillFromCell({4, 2});
        editor.txtArea.SetText(text);
        editor.cmdOK_Click();
        return program.records.hexMap.At(4, 2);
    }

    frmEditHex& editor = program.editHex;
};

TEST_F(EditHexTest, TheEditedCellIsStoredAndDrawnAgainAtBothEdges) {
    OpenMap();
    PressOn({4, 2});
    EXPECT_TRUE(editor.IsVisible());
    EXPECT_FALSE(program.map.Dragging());
    EXPECT_EQ(platform.events.back(), "show modal frmEditHex");
    EXPECT_EQ(editor.lblX.Text(), "4");
    EXPECT_EQ(editor.lblY.Text(), "2");
    EXPECT_EQ(editor.txtArea.Text(), "10");
    EXPECT_EQ(Ticks(), "101001/101");

    ForgetDrawing();
    editor.chkBorder[1].SetValue(1);
    editor.chkDisplay[0].SetValue(0);
    editor.txtArea.SetText("12");
    editor.cmdOK.Click();
    const HexCell& cell = program.records.hexMap.At(4, 2);
    EXPECT_EQ(cell.Area, 12);
    EXPECT_EQ(cell.Border, (std::array<int16_t, 6>{1, 1, 1, 0, 0, 1}));
    EXPECT_EQ(cell.Display, (std::array<int16_t, 3>{0, 0, -1}));
    // Hidden, not unloaded: the contents wait for the next use.
    EXPECT_FALSE(editor.IsVisible());
    EXPECT_TRUE(editor.IsLoaded());

    const auto fills = Fills();
    ASSERT_EQ(fills.size(), 2u);
    const int x0 = program.map.canvas.Geometry().ColumnEdges[4].x0;
    EXPECT_EQ(fills[0].points[0].x, x0);
    EXPECT_EQ(fills[1].points[0].x, x0 + 2730);
    EXPECT_EQ(fills[0].colour, settings().CountryColour[2]); // now area 12's
    EXPECT_TRUE(ViewRefreshed());

    // The menu shows what the editor held, and closing it draws that cell again.
    program.winQZ.mnuEditHex.Click();
    EXPECT_TRUE(editor.IsVisible());
    EXPECT_EQ(editor.txtArea.Text(), "12");
    EXPECT_EQ(Ticks(), "111001/001");
    ForgetDrawing();
    program.forms.Unload(editor);
    EXPECT_EQ(Fills().size(), 2u);
    EXPECT_EQ(editor.lblX.Text(), "4");
}

TEST_F(EditHexTest, OnlyAreasOneTo273AreStored) {
    const HexCell before = program.records.hexMap.At(4, 2);
    for (const char* text : {"274", "0", "", "40000", "-3", "abc"}) {
        EXPECT_EQ(Store(text), before) << '"' << text << '"';
    }
    EXPECT_EQ(Store("12.6").Area, 13);
    EXPECT_EQ(Store(" 273").Area, 273);
    EXPECT_EQ(Store("1").Area, 1);
    EXPECT_TRUE(editor.FindControl("chkDisplay(2)").has_value()); // the last box has its name
    EXPECT_EQ(Store("7 areas").Area, 7);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EditHexTest, AnEditorNeverFilledFromACellStoresNothing) {
    const HexMap before = program.records.hexMap;
    program.winQZ.mnuEditHex.Click();
    EXPECT_EQ(editor.lblX.Text(), "x");
    editor.txtArea.SetText("5");
    editor.cmdOK.Click();
    EXPECT_EQ(program.records.hexMap, before);
    EXPECT_FALSE(editor.IsVisible());
    // Nor one that holds no cell, or one past the map's last column or row.
    const std::pair<std::string, std::string> held[] = {
        {"1", "y"}, {std::to_string(MapColumns + 1), "1"}, {"1", std::to_string(MapRows + 1)}};
    for (const auto& [col, row] : held) {
        editor.lblX.SetText(col);
        editor.lblY.SetText(row);
        editor.cmdOK.Click();
        EXPECT_EQ(program.records.hexMap, before) << col << "," << row;
    }
}

TEST_F(EditHexTest, AClosedEditorStillRedrawsItsCellAndAnOpenOneTakesNoSecondCell) {
    OpenMap();
    PressOn({8, 8});
    PressOn({4, 2});
    EXPECT_EQ(editor.lblX.Text(), "8");
    ForgetDrawing();
    program.forms.Unload(editor);
    EXPECT_EQ(Fills().size(), 2u);
    EXPECT_EQ(program.records.hexMap.At(8, 8).Area, 12);
}

} // namespace
} // namespace dered::test
