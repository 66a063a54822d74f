#include "forms/frmLegend.h"

#include "map/MapColours.h"
#include "state/CodeTables.h"

namespace dered {

namespace {

// The colour pictures, as the map shows units in their owner's colour.
constexpr int kFirstColourUnit = 4;

} // namespace

frmLegend::frmLegend(const SettingsRecord& settings, const GameState& game, TurnEvents& events,
                     frmMapOptions& mapOptions)
    : Form("frmLegend", "Legend"), settings_(settings), game_(game) {
    events.Subscribe([this](const TurnChange& change) {
        if (change.kind == TurnChange::Kind::TurnOpened && IsLoaded()) {
            Refresh();
        }
    });
    mapOptions.coloursChanged.Subscribe([this](const Changed&) {
        if (IsLoaded()) {
            Refresh();
        }
    });
}

void frmLegend::Form_Load() {
    Refresh();
}

void frmLegend::Refresh() {
    lines_.clear();
    const auto colours = [this](const char* heading, const std::vector<NamedColour>& named) {
        lines_.push_back({Line::Kind::Heading, heading});
        for (const NamedColour& entry : named) {
            lines_.push_back({Line::Kind::Colour, entry.name, entry.colour});
        }
    };
    colours("Players", PlayerColours(settings_, game_));
    colours("Terrain", TerrainColours(settings_));
    for (const NamedColour& entry : NoReportDataColour(settings_, game_)) {
        lines_.push_back({Line::Kind::Colour, entry.name, entry.colour});
    }
    lines_.push_back({Line::Kind::Colour, "Borders", settings_.BorderColour});
    lines_.push_back({Line::Kind::Heading, "Units"});
    for (const int16_t kind : {Army, Corps, Fleet, Squadron}) {
        lines_.push_back({Line::Kind::Unit, std::string(UnitWord(kind)), 0,
                          &pictures_.picUnit[kFirstColourUnit + kind - 1]});
    }
    Notify({});
}

} // namespace dered
