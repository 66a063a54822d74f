#pragma once

#include "ui/Form.h"
#include "ui/GridModel.h"

namespace dered {

class Program;

// The eight figures of the own player's position, beside the main window.
class frmSummary : public Form {
  public:
    explicit frmSummary(Program& program);

    void Form_Load() override;

    GridModel grdSummary{8, 2};

  private:
    Program& program_;
};

} // namespace dered
