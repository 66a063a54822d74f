#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dered {

enum class FileProblem { None, Missing, NotAFile, CannotRead, TooLarge, BadName };

struct FileText {
    FileProblem problem = FileProblem::None;
    // Why the file was not read, worded to follow "<file>: ", e.g. "it is a folder, not a file".
    std::string reason;
    std::string text;

    bool Read() const { return problem == FileProblem::None; }
};

// No file the program reads comes near this; anything larger is refused before it fills memory.
inline constexpr std::size_t kMaxReadSize = std::size_t{16} << 20;

// The one way the program reads a file: whole, and only a plain file (a folder, a pipe or a
// device is refused, so nothing can block or never end). Never throws.
[[nodiscard]] FileText ReadWholeFile(const std::string& path);

// Empty when target is missing or a plain file, so that a rename can replace it.
[[nodiscard]] std::string CheckReplaceable(const std::string& target);

class Disk;

// Replaces target whole or not at all, flushed to the device. Empty on success, else the reason.
[[nodiscard]] std::string WriteFileAtomically(const std::string& target, std::string_view text,
                                              Disk& disk);

} // namespace dered
