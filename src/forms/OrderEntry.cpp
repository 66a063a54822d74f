#include "forms/OrderEntry.h"

#include "desk/ListDesk.h"
#include "desk/OrderDesk.h"
#include "forms/SupportedPlayerQuestion.h"
#include "orders/AreaOrders.h"
#include "orders/MoveRules.h"
#include "orders/OrderList.h"
#include "orders/Turn.h"

#include <algorithm>

namespace dered {

const OrderKind* KindWaitingFor(MapCommand command) {
    for (size_t i = 0; i < kAreaOrderKinds; ++i) {
        if (command != MapCommand::None && kOrderKinds[i].click == command) {
            return &kOrderKinds[i];
        }
    }
    return nullptr;
}

std::vector<std::string> OrderEntry::OptionCaptions() {
    std::vector<std::string> captions;
    for (size_t i = 0; i < kAreaOrderKinds; ++i) {
        captions.emplace_back(kOrderKinds[i].code);
    }
    captions.emplace_back("Cancel");
    return captions;
}

OrderEntry::OrderEntry(Documents& documents, TurnEvents& events, Platform& platform,
                       SupportedPlayerQuestion& question)
    : documents_(documents), events_(events), platform_(platform), question_(question) {}

void OrderEntry::Show(const Outcome& outcome) {
    ShowNotices(platform_, outcome.notices);
}

bool OrderEntry::Begin(int option, int16_t area) {
    const TurnDocument& shown = documents_.Shown();
    Turn turn = ShownTurn();
    GameState& game = turn.game;
    game.SelectedArea = AreaOrNone(area);
    if (shown.ReadOnly()) {
        platform_.MsgBox(shown.WhyReadOnly(), MsgIcon::Information);
        return false;
    }
    // Whatever the rules change for one click is one change.
    const TurnEvents::Batch change(events_);
    if (option == kWithdrawOption) {
        Show(WithdrawOrder(turn, game.SelectedArea));
        return true;
    }
    if (option < 0 || option > kWithdrawOption) {
        return true;
    }
    const OrderKind& kind = kOrderKinds[static_cast<size_t>(option)];
    game.PendingCommand = kind.click;
    const Outcome outcome = BeginOrder(turn, kind, game.SelectedArea);
    if (outcome.ending != Ending::Waiting) {
        game.PendingCommand = MapCommand::None;
    }
    Show(outcome);
    return true;
}

void OrderEntry::Complete(int16_t target, std::optional<int16_t> supported) {
    Turn turn = ShownTurn();
    GameState& game = turn.game;
    const TurnEvents::Batch change(events_);
    const OrderKind* kind = KindWaitingFor(game.PendingCommand);
    // One question at a time: a second answer would store a stale order later.
    if (kind == nullptr || question_.IsAsking()) {
        return;
    }
    const int16_t area = game.SelectedArea;
    if (kind->shape != OrderShape::SupportAttack) {
        game.PendingCommand = MapCommand::None;
        return Show(CompleteOrder(turn, *kind, area, target));
    }
    const Outcome checked = CompleteOrder(turn, *kind, area, target);
    if (checked.ending != Ending::Asking) {
        game.PendingCommand = MapCommand::None;
        return Show(checked);
    }
    const auto answered = [this, area, target] {
        Turn turn = ShownTurn();
        turn.game.PendingCommand = MapCommand::None;
        Show(SupportAttackOrder(turn, area, target, turn.game.SupportedPlayer));
    };
    if (supported) {
        game.SupportedPlayer = *supported;
        return answered();
    }
    question_.Ask(answered);
}

void OrderEntry::Enter(const TypedOrder& order) {
    if (order.kind != nullptr && !order.numbers.empty()) {
        return EnterList(*order.kind, order.numbers);
    }
    // A typed order replaces one waiting for its target click.
    Cancel();
    const int option =
        order.kind == nullptr
            ? kWithdrawOption
            : static_cast<int>(std::find_if(kOrderKinds.begin(), kOrderKinds.end(),
                                            [&](const OrderKind& k) { return &k == order.kind; }) -
                               kOrderKinds.begin());
    if (Begin(option, order.area) &&
        documents_.Shown().records.PendingCommand != MapCommand::None) {
        Complete(order.target, order.supported);
    }
}

// A list order waits for no click: one that waits for its target keeps waiting.
void OrderEntry::EnterList(const OrderKind& kind, const std::vector<int16_t>& numbers) {
    const TurnDocument& shown = documents_.Shown();
    if (shown.ReadOnly()) {
        platform_.MsgBox(shown.WhyReadOnly(), MsgIcon::Information);
        return;
    }
    Turn turn = ShownTurn();
    Show(EnterListOrder(turn, kind, numbers));
}

bool OrderEntry::Cancel() {
    if (KindWaitingFor(documents_.Shown().records.PendingCommand) == nullptr) {
        return false;
    }
    documents_.Shown().records.PendingCommand = MapCommand::None;
    return true;
}

} // namespace dered
