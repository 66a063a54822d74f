#include "forms/frmSpy.h"

#include "forms/FormEvents.h"
#include "orders/ListOrders.h"
#include "state/LeadingNumber.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

#include <algorithm>
#include <array>

namespace dered {

namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

frmSpy::frmSpy(Documents& documents, Platform& platform, TurnEvents& events)
    : Form("frmSpy", "Spy"), documents_(documents), platform_(platform), events_(events) {
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
    // An undo of the spy slots shows in the open window; targets added since are its own.
    RefreshWhileLoaded(
        events, *this,
        [this](const TurnChange& change) {
            return change.listOrders &&
                   (Game().Orders[1] != shown1_ || Game().Orders[2] != shown2_);
        },
        [this] { ShowTargets(); });
}

void frmSpy::Form_Load() {
    GameState& game = Game();
    game.PendingCommand = MapCommand::Spy;
    const TextExtent sample = platform_.MeasureText("2222", FontKind::Window);
    for (int col = 0; col < kTargets; ++col) {
        grdSpy.SetColWidth(col, sample.width + 4);
    }
    grdSpy.SetRowHeight(0, sample.height + 4);
    grdSpy.SetSelection(0, 0);
    ShowTargets();
}

void frmSpy::ShowTargets() {
    const GameState& game = Game();
    shown1_ = game.Orders[1];
    shown2_ = game.Orders[2];
    const SpyRow targets = SpyRowOf(game);
    for (int col = 0; col < kTargets; ++col) {
        SetGridCell(grdSpy, 0, col, targets[col] > 0 ? SignedText(targets[col]) : "");
    }
}

void frmSpy::cmdDelete_Click() {
    const int first = std::max(grdSpy.SelStartCol(), 0);
    const int last = std::min(grdSpy.SelEndCol(), kTargets - 1);
    const int n = last - first + 1;
    if (n < 1) {
        return;
    }
    for (int col = first; col <= last; ++col) {
        grdSpy.SetTextAt(0, col, "");
    }
    // The targets after the deleted block move left over it.
    for (int i = 0; i <= kTargets - 1 - n; ++i) {
        if (IsBlank(grdSpy.TextAt(0, i))) {
            grdSpy.SetTextAt(0, i, grdSpy.TextAt(0, i + n));
            grdSpy.SetTextAt(0, i + n, "");
        }
    }
}

int16_t frmSpy::Target(int col) const {
    int16_t area = 0;
    return NearestInt16(LeadingNumber(grdSpy.TextAt(0, col)), area) ? area : 0;
}

void frmSpy::Form_Unload() {
    Game().PendingCommand = MapCommand::None;
    SetOrderSlot(1, OrderCode::Spy, Target(0), Target(1), Target(2), Target(3));
    SetOrderSlot(2, OrderCode::Spy, Target(4), Target(5), 0, 0);
    events_.ListOrdersChanged();
}

void frmSpy::SetOrderSlot(int16_t slot, std::string_view code, int16_t p1, int16_t p2, int16_t p3,
                          int16_t p4) {
    if (slot < 0 || slot > MaxOrderSlot) {
        return;
    }
    Game().Orders[slot] = OrderSlot{std::string(code), 0, p1, p2, p3, p4};
}

void frmSpy::AddTarget(int16_t area) {
    std::array<bool, kTargets> taken{};
    for (int col = 0; col < kTargets; ++col) {
        taken[static_cast<size_t>(col)] = !grdSpy.TextAt(0, col).empty();
    }
    const SpyPlace next = NextSpyPlace(taken);
    if (next.place < 0) {
        ShowNotices(platform_, next.refusal.notices);
        return;
    }
    SetGridCell(grdSpy, 0, next.place, SignedText(area));
}

} // namespace dered
