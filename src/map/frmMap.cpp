#include "map/frmMap.h"

#include "app/Program.h"

namespace dered {

frmMap::frmMap(Program& program) : Form("frmMap", "Map"), program_(program) {}

void frmMap::Form_Load() {
    program_.LoadSettingsFile();
}

void frmMap::RedrawArea(int16_t) {}

void frmMap::RefreshView() {}

void frmMap::DrawOrderArrow(int16_t, int16_t, const std::string&) {}

} // namespace dered
