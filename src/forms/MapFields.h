#pragma once

#include "state/TurnDocument.h"
#include "ui/Changed.h"
#include "ui/Control.h"
#include "ui/FormManager.h"

namespace dered {

class frmMap;

// The map window's two fields: the search field, which goes to an area, and the order field,
// which takes an order as the game master reads it or with area names.
class MapFields {
  public:
    MapFields(frmMap& map, Documents& documents, FormManager& forms);

  private:
    frmMap& map_;
    // The map window, whose controls the fields are.
    Form& FormOfControls();

  public:
    // Every change lists the matching areas in lstFind; Enter goes to the chosen one, else to
    // the first.
    DERED_CONTROL(TextBoxModel, txtFind);
    DERED_CONTROL(ListBoxModel, lstFind);
    void txtFind_Change();
    void txtFind_Enter();

    // Every change lists the completions of the name being typed in lstOrder; Enter enters the
    // order (a text that is no order is said in the map's status line and stays to be mended).
    DERED_CONTROL(TextBoxModel, txtOrder);
    DERED_CONTROL(ListBoxModel, lstOrder);
    void txtOrder_Change();
    void txtOrder_Enter();
    // Edit > "Type an Order" (Ctrl+E): the view puts the keyboard in the order field.
    void TypeOrder();
    ChangeSignal orderFieldWanted;

  private:
    GameState& Game() const { return documents_.Shown().records; }

    Documents& documents_;
    FormManager& forms_;
    bool saidNoMatch_ = false;
};

} // namespace dered
