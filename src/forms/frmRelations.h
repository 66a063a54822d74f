#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

namespace dered {

// Who is allied with or at war with whom, as the report says: a square table of short names.
class frmRelations : public Form {
  public:
    frmRelations(const Documents& documents, Platform& platform);

    void Form_Load() override;

    DERED_CONTROL(GridModel, grdRelations, 2, 2);
    // The grid's size in pixels, showing every row and column exactly; the window fits it.
    int GridWidth = 0;
    int GridHeight = 0;

  private:
    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
};

} // namespace dered
