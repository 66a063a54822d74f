// The map window's order field: orders typed instead of clicked.
#include "forms/frmMap.h"

#include "desk/TypedOrder.h"

namespace dered {

namespace {

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

void frmMap::txtOrder_Change() {
    std::vector<ListBoxModel::Line> lines;
    for (std::string& line : OrderCompletions(Game(), txtOrder.Text(), kCompletions)) {
        lines.push_back({std::move(line), 0});
    }
    lstOrder.SetLines(std::move(lines));
}

void frmMap::txtOrder_Enter() {
    const ParsedOrder parsed = ParseOrder(Game(), txtOrder.Text());
    if (!parsed.order) {
        stbNextClick.SetText(parsed.problem);
        return;
    }
    CloseWindowHolding(forms_, parsed.order->kind);
    entry_.Enter(*parsed.order);
    txtOrder.SetText({});
    if (picView_) {
        UpdateView();
    }
    ShowNextClick();
}

void frmMap::TypeOrder() {
    if (IsLoaded()) {
        orderFieldWanted.Raise();
    }
}

} // namespace dered
