#include "map/frmMap.h"

#include "app/Program.h"

namespace dered {

frmMap::frmMap(Program& program) : Form("frmMap", "Map"), program_(program) {}

void frmMap::Form_Load() {
    program_.LoadSettingsFile();
}

} // namespace dered
