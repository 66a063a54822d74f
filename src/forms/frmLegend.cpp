#include "forms/frmLegend.h"

#include "forms/FormEvents.h"
#include "map/MapColours.h"
#include "state/CodeTables.h"

namespace dered {

namespace {

// The colour pictures, as the map shows units in their owner's colour.
constexpr int kFirstColourUnit = 4;

// A fill the map cannot tell from another says so.
std::string ClashMark(const std::vector<std::string>& others) {
    if (others.empty()) {
        return {};
    }
    std::string mark = " (same colour as ";
    for (size_t i = 0; i < others.size(); ++i) {
        mark += (i == 0 ? "" : ", ") + others[i];
    }
    return mark + ")";
}

} // namespace

frmLegend::frmLegend(const SettingsRecord& settings, const Documents& documents, TurnEvents& events,
                     frmMapOptions& mapOptions)
    : Form("frmLegend", "Legend"), settings_(settings), documents_(documents) {
    RefreshWhileLoaded(events, *this, ReportOpened, [this] { Refresh(); });
    RefreshWhileLoaded(mapOptions.coloursChanged, *this, [this] { Refresh(); });
}

void frmLegend::Form_Load() {
    Refresh();
}

void frmLegend::Refresh() {
    lines_.clear();
    const std::vector<NamedColour> fills = AreaFills(settings_, Game());
    const size_t players = PlayerColours(settings_, Game()).size();
    lines_.push_back({Line::Kind::Heading, "Players"});
    for (size_t i = 0; i < fills.size(); ++i) {
        if (i == players) {
            lines_.push_back({Line::Kind::Heading, "Terrain"});
        }
        lines_.push_back({Line::Kind::Colour, fills[i].name + ClashMark(SharingColour(fills, i)),
                          fills[i].colour});
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
