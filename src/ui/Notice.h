#pragma once

#include "ui/Platform.h"

#include <string>
#include <vector>

namespace dered {

// A message for the player, as a value: the code that decides does not show it; the window
// that asked does.
struct Notice {
    std::string text;
    MsgIcon icon = MsgIcon::Critical;
    bool operator==(const Notice&) const = default;
};
using Notices = std::vector<Notice>;

// Shows each notice as a message box, in order.
inline void ShowNotices(Platform& platform, const Notices& notices) {
    for (const Notice& notice : notices) {
        platform.MsgBox(notice.text, notice.icon);
    }
}

} // namespace dered
