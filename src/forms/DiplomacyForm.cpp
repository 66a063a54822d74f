#include "forms/DiplomacyForm.h"

#include "orders/DiplomacyLists.h"

#include <utility>

namespace dered {

DiplomacyForm::DiplomacyForm(std::string name, std::string caption, Documents& documents,
                             Platform& platform, TurnEvents& events,
                             std::initializer_list<std::string_view> codes)
    : Form(std::move(name), std::move(caption)), platform_(platform), documents_(documents),
      events_(events), listed_(documents, codes) {
    events.Subscribe([this](const TurnChange& change) {
        if (change.listOrders && IsLoaded() && listed_.Changed()) {
            Form_Load();
        }
    });
}

void DiplomacyForm::DeleteChosen(ListBoxModel& commands) {
    DeleteChosenOrder(Game(), commands);
    listed_.Take();
    events_.ListOrdersChanged();
}

} // namespace dered
