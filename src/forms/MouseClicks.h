#pragma once

#include "forms/frmMap.h"

namespace dered {

// A left click at a view point as the toolkit delivers it; a double click is a click and then
// a second press, which arrives as a double click instead of a click. For drivers that have
// no toolkit: the batch driver and the benchmarks.
inline void ClickAt(frmMap& map, float x, float y, bool twice) {
    map.picView_MouseMove(0, 0, x, y);
    map.picView_MouseDown(kLeftButton, 0, x, y);
    map.picView_MouseUp(kLeftButton, 0, x, y);
    map.picView_Click();
    if (twice) {
        map.picView_MouseDown(kLeftButton, 0, x, y);
        map.picView_MouseUp(kLeftButton, 0, x, y);
        map.picView_DblClick();
    }
}

} // namespace dered
