#pragma once

#include "ui/Form.h"

namespace dered {

class Program;

// The map window: where area orders are entered.
class frmMap : public Form {
  public:
    explicit frmMap(Program& program);

    void Form_Load() override;

  private:
    Program& program_;
};

} // namespace dered
