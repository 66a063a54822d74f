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

// Writes text to a file created afresh at temp. Empty on success, else the reason; a file
// left half written is removed.
[[nodiscard]] std::string WriteTemporary(const std::string& temp, std::string_view text);

// Empty when target is missing or a plain file, so that a rename can replace it.
[[nodiscard]] std::string CheckReplaceable(const std::string& target);

// Renames temp over target; on failure temp is removed. Empty on success, else the reason.
[[nodiscard]] std::string ReplaceWithTemporary(const std::string& temp, const std::string& target);

// The temporary a write of target goes through: beside it, so that the rename stays in the folder.
std::string TemporaryName(const std::string& target);

// Replaces target whole or not at all. Empty on success, else the reason.
[[nodiscard]] std::string WriteFileAtomically(const std::string& target, std::string_view text);

} // namespace dered
