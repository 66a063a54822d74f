#pragma once

#include "orders/AreaDrawing.h"
#include "ui/Form.h"

namespace dered {

class Program;

// The map window: where area orders are entered.
class frmMap : public Form, public AreaDrawing {
  public:
    explicit frmMap(Program& program);

    void Form_Load() override;

    void RedrawArea(int16_t area) override;
    void RefreshView() override;
    void DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code) override;

  private:
    Program& program_;
};

} // namespace dered
