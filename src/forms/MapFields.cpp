#include "forms/MapFields.h"

#include "desk/AreaSearch.h"
#include "desk/OrderWords.h"
#include "desk/TypedOrder.h"
#include "forms/frmMap.h"
#include "state/Text.h"

namespace dered {

namespace {

constexpr int kFoundLines = 20;
constexpr size_t kCompletions = 12;

// The spy and victory windows hold their orders until they close: a typed order of their kind
// comes after what they hold, as it would after closing them by hand.
void CloseWindowHolding(FormManager& forms, const OrderKind* kind) {
    if (kind != nullptr && kind->click == MapCommand::Spy) {
        forms.UnloadIfLoaded("frmSpy");
    } else if (kind != nullptr && kind->click == MapCommand::Victory) {
        forms.UnloadIfLoaded("frmVictory");
    }
}

} // namespace

MapFields::MapFields(frmMap& map, Documents& documents, FormManager& forms)
    : map_(map), documents_(documents), forms_(forms) {
    txtFind.Subscribe([this](const Changed&) { txtFind_Change(); });
    txtOrder.Subscribe([this](const Changed&) { txtOrder_Change(); });
}

Form& MapFields::FormOfControls() {
    return map_;
}

void MapFields::txtFind_Change() {
    const GameState& game = Game();
    std::vector<ListBoxModel::Line> lines;
    for (const int16_t area : MatchAreas(game, txtFind.Text())) {
        if (static_cast<int>(lines.size()) == kFoundLines) {
            break;
        }
        lines.push_back({AreaLabel(game, area), area});
    }
    const std::string typed = TrimBlanks(txtFind.Text());
    const bool nothing = lines.empty() && !typed.empty();
    lstFind.SetLines(std::move(lines));
    // The status line says so while nothing matches, then goes back to the next click.
    if (nothing) {
        map_.stbNextClick.SetText("No area matches \"" + typed + "\"");
    } else if (saidNoMatch_) {
        map_.ShowNextClick();
    }
    saidNoMatch_ = nothing;
}

void MapFields::txtFind_Enter() {
    if (lstFind.ListCount() == 0) {
        return;
    }
    const int chosen = lstFind.ListIndex() >= 0 ? lstFind.ListIndex() : 0;
    map_.GoToArea(static_cast<int16_t>(lstFind.Lines()[chosen].itemData));
}

void MapFields::txtOrder_Change() {
    std::vector<ListBoxModel::Line> lines;
    for (std::string& line : OrderCompletions(Game(), txtOrder.Text(), kCompletions)) {
        lines.push_back({std::move(line), 0});
    }
    lstOrder.SetLines(std::move(lines));
}

void MapFields::txtOrder_Enter() {
    const ParsedOrder parsed = ParseOrder(Game(), txtOrder.Text());
    if (!parsed.order) {
        map_.stbNextClick.SetText(parsed.problem);
        return;
    }
    CloseWindowHolding(forms_, parsed.order->kind);
    map_.Entry().Enter(*parsed.order);
    txtOrder.SetText({});
    map_.canvas.UpdateView();
    map_.ShowNextClick();
}

void MapFields::TypeOrder() {
    if (map_.IsLoaded()) {
        orderFieldWanted.Raise();
    }
}

} // namespace dered
