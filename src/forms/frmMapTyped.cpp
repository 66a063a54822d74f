// The map window's order field: orders typed instead of clicked.
#include "forms/frmMap.h"

#include "desk/TypedOrder.h"

namespace dered {

namespace {
constexpr size_t kCompletions = 12;
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
