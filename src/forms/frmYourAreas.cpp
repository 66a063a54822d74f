#include "forms/frmYourAreas.h"

#include <string>

namespace dered {

namespace {

std::string RightAligned(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string RightAligned(int16_t n, size_t width) {
    return RightAligned(std::to_string(n), width);
}

const char* UnitMark(int16_t unitKind) {
    switch (unitKind) {
    case 1:
        return "A ";
    case 2:
        return "C ";
    case 3:
        return "F ";
    case 4:
        return "S ";
    default:
        return "";
    }
}

std::string AreaLine(const GameState& game, int16_t number) {
    const AreaRecord& area = game.Areas[number];
    const bool ownerKnown = area.Owner >= 0 && area.Owner <= MaxPlayer;
    std::string line = RightAligned(number, 3) + " ";
    line += RightAligned(ownerKnown ? game.Players[area.Owner].Abbrev : std::string(), 4) + " ";
    line += UnitMark(area.UnitKind);
    line += area.Command + " ";
    if (area.Parm1 > 0) {
        line += RightAligned(area.Parm1, 3);
    }
    if (area.Parm2 > 0) {
        line += RightAligned(area.Parm2, 3);
    }
    return line;
}

} // namespace

frmYourAreas::frmYourAreas(const Documents& documents)
    : Form("frmYourAreas", "Your Areas"), documents_(documents) {
    cmdRefreash.onClick = [this] { cmdRefreash_Click(); };
}

void frmYourAreas::Form_Load() {
    lstYourAreas.Clear();
    FillYourAreas();
}

void frmYourAreas::cmdRefreash_Click() {
    lstYourAreas.Clear();
    FillYourAreas();
}

void frmYourAreas::FillYourAreas() {
    const GameState& game = Game();
    if (game.OwnPlayer < 1) {
        return; // no report yet: the empty records belong to nobody, not to the player
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        if (area.Owner == game.OwnPlayer || area.UnitOwner == game.OwnPlayer) {
            lstYourAreas.AddItem(AreaLine(game, a), a);
        }
    }
}

} // namespace dered
