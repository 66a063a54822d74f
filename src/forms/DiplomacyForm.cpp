#include "forms/DiplomacyForm.h"

#include "forms/FormEvents.h"
#include "orders/DiplomacyLists.h"

#include <utility>

namespace dered {

DiplomacyForm::DiplomacyForm(std::string name, std::string caption, Documents& documents,
                             Platform& platform, TurnEvents& events,
                             std::initializer_list<std::string_view> codes)
    : Form(std::move(name), std::move(caption)), platform_(platform), documents_(documents),
      events_(events), listed_(documents, codes) {
    RefreshWhileLoaded(
        events, *this,
        [this](const TurnChange& change) { return change.listOrders && listed_.Changed(); },
        [this] { Form_Load(); });
}

void DiplomacyForm::DeleteChosen(ListBoxModel& commands) {
    DeleteChosenOrder(Game(), commands);
    listed_.Take();
    events_.ListOrdersChanged();
}

} // namespace dered
