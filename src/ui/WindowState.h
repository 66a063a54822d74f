#pragma once

namespace dered {

enum class WindowState { Normal, Minimized, Maximized };

} // namespace dered
