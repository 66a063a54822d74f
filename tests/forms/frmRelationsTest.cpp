#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

class frmRelationsTest : public test::ProgramFixture {
  protected:
    std::vector<std::string> Rows() {
        program.winQZ.mnuRelations.Click();
        const GridModel& grid = program.relations.grdRelations;
        std::vector<std::string> rows;
        for (int r = 0; r < grid.Rows(); ++r) {
            std::string row;
            for (int c = 0; c < grid.Cols(); ++c) {
                row += (c ? "|" : "") + grid.TextAt(r, c);
            }
            rows.push_back(row);
        }
        return rows;
    }
};

TEST_F(frmRelationsTest, AllianceNeedsBothSidesWarEitherAndTheTableIsSymmetric) {
    SetRelation(2, 4, "A"); // only one side
    SetRelation(2, 3, "W"); // war on one side,
    SetRelation(3, 2, "A"); // alliance on the other
    SetRelation(1, 3, "a"); // lower case counts
    SetRelation(3, 1, "a");
    SetRelation(4, 4, "A"); // the diagonal stays empty
    SetRelation(1, 5, "W"); // no column for player PlayerCount
    EXPECT_EQ(Rows(), (std::vector<std::string>{
                          "|Ala|Bor|Car|Dra",
                          "Ala|||A|",
                          "Bor|||W|",
                          "Car|A|W||",
                          "Dra||||",
                      }));
    EXPECT_EQ(platform.events.back(), "show modal frmRelations");
    const frmRelations& form = program.relations;
    EXPECT_EQ(form.grdRelations.ColWidth(0), 4 * 7 + 4);
    EXPECT_EQ(form.grdRelations.ColAlignment(0), Alignment::Left);
    EXPECT_EQ(form.grdRelations.ColAlignment(1), Alignment::Centre);
    EXPECT_EQ(form.GridWidth, (4 * 7 + 4 + 1) * 5);
    EXPECT_EQ(form.grdRelations.FixedRows(), 1);
}

TEST_F(frmRelationsTest, SizedToThePlayersOfEachReport) {
    game.PlayerCount = 2;
    Ally(1, 2);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"|Ala", "Ala|"}));
    program.forms.Unload(program.relations);
    game.PlayerCount = 4;
    EXPECT_EQ(Rows(), (std::vector<std::string>{"|Ala|Bor|Car", "Ala||A|", "Bor|A||", "Car|||"}));
}

} // namespace
} // namespace dered
