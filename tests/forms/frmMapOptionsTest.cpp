#include "forms/frmMapOptions.h"

#include "forms/MapDialogFixture.h"
#include "forms/frmLegend.h"
#include "map/Pictures.h"
#include "state/CodeTables.h"

#include <gtest/gtest.h>

#include <string>

namespace dered::test {
namespace {

class MapOptionsTest : public MapDialogFixture {
  protected:
    MapOptionsTest() {
        for (int p = 6; p <= MaxPlayer; ++p) {
            game.Players[p].Abbrev = "P" + std::to_string(p);
        }
    }

    void Open() { program.winQZ.mnuMapColors.Click(); }
    void Close() { program.forms.Unload(options); }
    // A click on a swatch by its name, as the views and scripts click it.
    void Click(const std::string& name, int32_t answer) {
        platform.colourAnswers.push_back(answer);
        std::get<ButtonModel*>(*options.FindControl(name))->Click();
    }

    // The left end of the top edge of each cell filled on the map picture.
    std::vector<Point32> FilledCorners() {
        std::vector<Point32> corners;
        for (const auto& fill : Fills()) {
            corners.push_back(fill.points[0]);
        }
        return corners;
    }
    Point32 Corner(int col, int row, int dx = 0) {
        return CellCorners(program.map.canvas.Geometry(), col, row, dx, 0)[0];
    }

    frmMapOptions& options = program.mapOptions;
};

TEST_F(MapOptionsTest, ColoursLieOnAFourColumnGridAndTheWindowGrowsWithThePlayers) {
    game.PlayerCount = 7;
    Open();
    const auto& at = options.Positions();
    const int column = at.picArrow[1].left - at.picArrow[0].left;
    const int row = at.picWater.top - at.picArrow[1].top;
    ASSERT_GT(column, 0);
    ASSERT_GT(row, 0);
    EXPECT_EQ(at.picColour[0].top, at.picWater.top + row);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(at.picColour[i].left, at.picColour[0].left + (i % 4) * column) << i;
        EXPECT_EQ(at.picColour[i].top, at.picColour[0].top + (i / 4) * row) << i;
    }
    // Neutral and players 1 to 7 inside the window, 8 to 12 below it.
    EXPECT_LE(at.picColour[7].top + at.picColour[7].height, at.height);
    EXPECT_GE(at.picColour[8].top, at.height);
    EXPECT_EQ(options.lblColour[0].Text(), "Neutral");
    EXPECT_EQ(options.lblColour[2].Text(), "Bor");
    EXPECT_EQ(options.lblColour[12].Text(), "P12");
    EXPECT_EQ(options.picColour[1].Colour(), settings().CountryColour[1]);
    EXPECT_EQ(options.picWater.Colour(), settings().WaterColour);
    EXPECT_EQ(options.picArrow[3].Colour(), 0xFFFF);
    const int grown = at.height;
    Close();

    game.PlayerCount = 3;
    Open();
    EXPECT_EQ(options.Positions().height, grown - row);
    EXPECT_GE(options.Positions().picColour[4].top, options.Positions().height);
    // The colour notice lies beside the grid, never over the rows kept out of sight.
    const ControlRect& clash = options.Positions().lblClash;
    EXPECT_GE(clash.left, at.picColour[3].left + at.picColour[3].width);
    EXPECT_LE(clash.left + clash.width, options.Positions().width);
    EXPECT_LE(clash.top + clash.height, options.Positions().height);
}

TEST_F(MapOptionsTest, AChosenColourTakesEffectAtOnceAndACancelChangesNothing) {
    Open();
    Click("picArrow(2)", 0x123456);
    EXPECT_EQ(settings().ArrowColour[2], 0x123456);
    EXPECT_EQ(options.picArrow[2].Colour(), 0x123456);
    Click("picColour(12)", 0x00AA00);
    EXPECT_EQ(settings().CountryColour[12], 0x00AA00);
    EXPECT_EQ(options.picColour[12].Colour(), 0x00AA00);
    const SettingsRecord before = settings();
    options.picColour_Click(static_cast<int>(options.picColour.size())); // no such swatch
    EXPECT_EQ(settings(), before);

    const int32_t water = settings().WaterColour;
    std::get<ButtonModel*>(*options.FindControl("picWater"))->Click(); // chooser cancelled
    EXPECT_EQ(settings().WaterColour, water);
    EXPECT_EQ(options.picWater.Colour(), water);
}

TEST_F(MapOptionsTest, ABorderColourChangeRedrawsTheWholeMap) {
    OpenMap();
    Open();
    Click("picBorders", 0x0000FF);
    ForgetDrawing();
    Close();
    EXPECT_TRUE(WholeMapDrawn());
    EXPECT_TRUE(ViewRefreshed());
    EXPECT_EQ(platform.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);
}

TEST_F(MapOptionsTest, AWaterColourChangeRedrawsOnlyWaterCellsAndColumnOneAtTheSeam) {
    OpenMap();
    Open();
    Click("picWater", 0x808000);
    ForgetDrawing();
    Close();
    EXPECT_EQ(FilledCorners(),
              (std::vector<Point32>{Corner(1, 6), Corner(2, 6), Corner(1, 7), Corner(2, 7),
                                    Corner(1, 6, 2730), Corner(1, 7, 2730)}));
    EXPECT_EQ(Fills()[0].colour, 0x808000);
    EXPECT_TRUE(ViewRefreshed());
}

TEST_F(MapOptionsTest, APlayerColourRedrawsItsLandAndTheCellsOfItsUnits) {
    PlaceUnit(11, 3, 2); // a fleet of player 2 at sea, on a patch of its colour
    OpenMap();
    Open();
    Click("picColour(2)", 0x0000AA);
    Click("picColour(4)", 0x0000BB); // nobody's colour on this map
    ForgetDrawing();
    Close();
    EXPECT_EQ(FilledCorners(),
              (std::vector<Point32>{Corner(1, 6), Corner(2, 6), Corner(1, 7), Corner(2, 7),
                                    Corner(8, 8), Corner(1, 6, 2730), Corner(1, 7, 2730)}));
}

TEST_F(MapOptionsTest, NothingChangedRedrawsNoCellAndOwnersOffTheTableCountAsNeutral) {
    OpenMap();
    Open();
    ForgetDrawing();
    Close();
    EXPECT_TRUE(Fills().empty());
    EXPECT_TRUE(ViewRefreshed());

    Area(12).Owner = 40;
    Open();
    Click("picColour(0)", 0x404040);
    ForgetDrawing();
    Close();
    const auto corners = FilledCorners();
    EXPECT_NE(std::ranges::find(corners, Corner(8, 8)), corners.end());
    EXPECT_EQ(std::ranges::find(corners, Corner(4, 2)), corners.end()); // player 1's land
}

// A colour two fills share is kept, with a notice in the dialog and a mark in the legend naming
// them, never a message box; the legend follows every colour.
TEST_F(MapOptionsTest, ASharedFillColourIsNotedInTheDialogAndTheLegend) {
    game.PlayerCount = 3;
    program.winQZ.mnuLegend.Click();
    const auto lineOf = [this](const std::string& start) -> const frmLegend::Line* {
        for (const frmLegend::Line& line : program.legend.Lines()) {
            if (line.text.starts_with(start)) {
                return &line;
            }
        }
        return nullptr;
    };
    settings().CountryColour[1] = 0x010101;
    Open();
    EXPECT_EQ(program.mapOptions.lblClash.Text(), "");
    Click("picColour(2)", settings().NoGoColour);
    EXPECT_EQ(settings().CountryColour[2], settings().NoGoColour);
    EXPECT_EQ(program.mapOptions.lblClash.Text(),
              "Bor Borduria and No entry have the same colour: the map cannot tell them apart.");
    EXPECT_EQ(lineOf("Bor Borduria")->text, "Bor Borduria (same colour as No entry)");
    EXPECT_EQ(lineOf("Bor Borduria")->colour, settings().NoGoColour);
    Click("picArrow(1)", settings().WaterColour); // arrows are not fills
    Click("picWater", 0x123456);
    Click("picColour(3)", 0x123456);
    EXPECT_EQ(program.mapOptions.lblClash.Text(),
              "Bor Borduria and No entry have the same colour: the map cannot tell them apart.\n"
              "Car Carpania and Water have the same colour: the map cannot tell them apart.");
    EXPECT_EQ(lineOf("Water")->text, "Water (same colour as Car Carpania)");
    EXPECT_EQ(lineOf("Water")->colour, 0x123456);
    EXPECT_TRUE(platform.messages.empty());

    // Areas with no report data show in player 12's colour, in a game of fewer players only.
    settings().CountryColour[12] = 0x654321;
    program.events.TurnOpened();
    ASSERT_NE(lineOf("No report data"), nullptr);
    EXPECT_EQ(lineOf("No report data")->colour, 0x654321);
    Click("picColour(1)", 0x654321);
    EXPECT_TRUE(program.mapOptions.lblClash.Text().starts_with(
        "Ala Aland and No report data have the same colour: the map cannot tell them apart.\n"));

    // A report opened while the legend is open brings the new game's players.
    const size_t lines = program.legend.Lines().size();
    game.PlayerCount = 4;
    program.events.TurnOpened();
    EXPECT_EQ(program.legend.Lines().size(), lines + 1);
    game.PlayerCount = 12;
    program.events.TurnOpened();
    EXPECT_EQ(program.legend.Lines().size(), lines + 9 - 1); // nine more players, no such line
    EXPECT_EQ(lineOf("No report data"), nullptr);
}

// Each unit kind with its own picture, in its owner's colours as the map shows it.
TEST_F(MapOptionsTest, TheLegendShowsEachUnitKindsOwnPicture) {
    program.winQZ.mnuLegend.Click();
    const MapPictures pictures = MakeMapPictures();
    std::vector<std::string> kinds;
    for (const frmLegend::Line& line : program.legend.Lines()) {
        if (line.kind == frmLegend::Line::Kind::Unit) {
            const int16_t kind = static_cast<int16_t>(kinds.size() + 1);
            kinds.push_back(line.text);
            EXPECT_EQ(line.text, UnitWord(kind));
            EXPECT_EQ(line.unit->pixels, pictures.picUnit[4 + kind - 1].pixels) << line.text;
        }
    }
    EXPECT_EQ(kinds.size(), 4u);
}

} // namespace
} // namespace dered::test
