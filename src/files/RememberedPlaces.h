#pragma once

#include "files/IniFile.h"
#include "ui/WindowPlacement.h"

#include <optional>
#include <string>

namespace dered {

// Where each window was last, by the window's name, in a section of its own: outer rectangles
// in screen pixels.
inline constexpr const char* kWindowPlacesSection = "Window Places";

[[nodiscard]] std::optional<WindowRect> LoadWindowPlace(const IniService& ini,
                                                        const std::string& window);
[[nodiscard]] IniEntry WindowPlaceEntry(const std::string& window, const WindowRect& place);

} // namespace dered
