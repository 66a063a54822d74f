#include "files/IniFile.h"

#include "files/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace dered {

namespace fs = std::filesystem;

namespace {

// A line with its own ending, so that lines left alone are written back exactly.
struct Line {
    std::string text;
    std::string end; // "\r\n", "\n", or "" for a last line without one
};

struct SectionPlace {
    size_t header;
    size_t end; // one past the section's last line
};

enum class ReadResult { Missing, Read, Failed };

ReadResult ReadWhole(const std::string& path, std::string& out, std::string* reason = nullptr) {
    FileText file = ReadWholeFile(path);
    if (file.problem == FileProblem::Missing) {
        return ReadResult::Missing;
    }
    if (!file.Read()) {
        if (reason != nullptr) {
            *reason = file.reason;
        }
        return ReadResult::Failed;
    }
    out = std::move(file.text);
    return ReadResult::Read;
}

// A line ends at CR LF, LF or a lone CR (old Mac files); each keeps its own ending.
std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < data.size()) {
        const size_t at = data.find_first_of("\r\n", start);
        if (at == std::string::npos) {
            lines.push_back({data.substr(start), ""});
            break;
        }
        const bool crlf = data[at] == '\r' && at + 1 < data.size() && data[at + 1] == '\n';
        const size_t endSize = crlf ? 2 : 1;
        lines.push_back({data.substr(start, at - start), data.substr(at, endSize)});
        start = at + endSize;
    }
    return lines;
}

// The same lines as views of the text, without their ends, the first without a byte-order mark.
class LineViews {
  public:
    explicit LineViews(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) {
            text_.remove_prefix(3);
        }
    }
    bool Next(std::string_view& line) {
        if (text_.empty()) {
            return false;
        }
        const size_t at = text_.find_first_of("\r\n");
        line = text_.substr(0, at);
        const bool crlf = at != std::string_view::npos && text_[at] == '\r' &&
                          at + 1 < text_.size() && text_[at + 1] == '\n';
        text_.remove_prefix(at == std::string_view::npos ? text_.size() : at + (crlf ? 2 : 1));
        return true;
    }

  private:
    std::string_view text_;
};

std::string JoinLines(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& line : lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}

// New lines follow the file's first line end; a new file gets LF.
std::string FileLineEnd(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.end.empty()) {
            return line.end;
        }
    }
    return "\n";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The line's text as the parser sees it: a byte-order mark on the first line is not part of it.
std::string_view Content(const std::vector<Line>& lines, size_t i) {
    std::string_view s = lines[i].text;
    if (i == 0 && s.starts_with("\xEF\xBB\xBF")) {
        s.remove_prefix(3);
    }
    return s;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (!line.starts_with('[')) {
        return std::nullopt;
    }
    const size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

// The position of "=" on a key line; npos for comments, headers and other lines.
size_t EqualsPos(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[') {
        return std::string_view::npos;
    }
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || Trim(line.substr(0, eq)).empty()) {
        return std::string_view::npos;
    }
    return eq;
}

std::optional<SectionPlace> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(Content(lines, i));
        if (!name || !SameName(*name, section)) {
            continue;
        }
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(Content(lines, end))) {
            ++end;
        }
        return SectionPlace{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<Line>& lines, SectionPlace place,
                              std::string_view key) {
    for (size_t i = place.header + 1; i < place.end; ++i) {
        const std::string_view text = lines[i].text;
        const size_t eq = EqualsPos(text);
        if (eq != std::string_view::npos && SameName(Trim(text.substr(0, eq)), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string CutToLimit(std::string_view text) {
    return std::string(text.substr(0, IniValueLimit));
}

// Names that would break the file's layout are not written at all.
bool WritableNames(std::string_view section, std::string_view key) {
    const auto hasLineEnd = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    return !Trim(section).empty() && !Trim(key).empty() && !hasLineEnd(section) &&
           !hasLineEnd(key) && section.find(']') == std::string_view::npos &&
           key.find('=') == std::string_view::npos;
}

void SetKey(std::vector<Line>& lines, std::string_view section, std::string_view key,
            std::string_view value) {
    const std::string eol = FileLineEnd(lines);
    const std::string keyLine = std::string(Trim(key)) + "=" + std::string(value);
    const auto place = FindSection(lines, section);
    if (!place) {
        if (!lines.empty() && lines.back().end.empty()) {
            lines.back().end = eol;
        }
        // Appended, not "[" + ... + "]": GCC 12 warns falsely (-Wrestrict) on that form.
        std::string header(1, '[');
        header.append(Trim(section)).append(1, ']');
        lines.push_back({std::move(header), eol});
        lines.push_back({keyLine, eol});
        return;
    }
    if (const auto at = FindKey(lines, *place, key)) {
        // Keep the key as the file spells and indents it.
        std::string_view keyPart = lines[*at].text;
        keyPart = keyPart.substr(0, keyPart.find('='));
        keyPart = keyPart.substr(0, keyPart.find_last_not_of(" \t") + 1);
        lines[*at].text = std::string(keyPart) + "=" + std::string(value);
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    size_t at = place->end;
    while (at > place->header + 1 && Trim(lines[at - 1].text).empty()) {
        --at;
    }
    if (lines[at - 1].end.empty()) {
        lines[at - 1].end = eol;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{keyLine, eol});
}

std::string TempSuffix() {
    std::random_device rd;
    return ".tmp" + std::to_string(rd());
}

// A temporary of a name of its own, so that two writers never share one.
std::string WriteAtomically(const fs::path& target, const std::string& content,
                            std::optional<fs::perms> keepPerms) {
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
    }
    int error = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        fs::path temp = target;
        temp += TempSuffix();
        errno = 0;
        std::FILE* f = std::fopen(temp.string().c_str(), "wbx");
        if (f == nullptr) {
            error = errno;
            continue; // taken by another writer, or the folder is not writable
        }
        bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
        ok = std::fflush(f) == 0 && ok;
        ok = std::fclose(f) == 0 && ok;
        std::string problem = ok ? "" : "the file could not be written";
        if (ok && keepPerms) {
            fs::permissions(temp, *keepPerms, ec);
        }
        if (ok) {
            fs::rename(temp, target, ec);
            if (ec) {
                problem = ec.message();
            }
        }
        if (!problem.empty()) {
            fs::remove(temp, ec);
        }
        return problem;
    }
    return std::generic_category().message(error != 0 ? error : EIO);
}

// Names that would break the file's layout are left out; a value cannot run onto a next line.
void SetEntries(std::vector<Line>& lines, const std::vector<IniEntry>& entries) {
    for (const IniEntry& entry : entries) {
        if (!WritableNames(entry.section, entry.key)) {
            continue;
        }
        const std::string_view value =
            std::string_view(entry.value).substr(0, entry.value.find_first_of("\r\n"));
        SetKey(lines, entry.section, entry.key, value);
    }
}

// Empty on success, else why the file was left as it was.
std::string UpdateFile(const fs::path& path, const std::vector<IniEntry>& entries) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::weakly_canonical(path, ec);
        if (ec) {
            return ec.message();
        }
    }
    std::string data;
    std::string reason;
    const ReadResult read = ReadWhole(target.string(), data, &reason);
    if (read == ReadResult::Failed) {
        return reason; // never replace a file we could not read
    }
    std::optional<fs::perms> perms;
    if (read == ReadResult::Read) {
        perms = fs::status(target, ec).permissions();
        if (ec || (*perms & fs::perms::owner_write) == fs::perms::none) {
            return "the file is read-only"; // and stays as it is
        }
    }
    std::vector<Line> lines = SplitLines(data);
    SetEntries(lines, entries);
    return WriteAtomically(target, JoinLines(lines), perms);
}

} // namespace

std::string IniStore::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultText) const {
    return CutToLimit(GetWholeString(section, key, defaultText));
}

void IniStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    (void)WriteStrings({{std::string(section), std::string(key), std::string(value)}});
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::GetWholeString(std::string_view section, std::string_view key,
                                    std::string_view defaultText) const {
    std::string data;
    if (ReadWhole(path_, data) != ReadResult::Read) {
        return std::string(defaultText);
    }
    return IniText(std::move(data)).GetWholeString(section, key, defaultText);
}

std::string IniFile::WriteStrings(const std::vector<IniEntry>& entries) {
    std::string problem;
    try {
        problem = UpdateFile(path_, entries);
    } catch (const std::exception& e) {
        problem = e.what();
    }
    return problem.empty() ? problem : "Can't write " + path_ + ": " + problem;
}

// Looks in the first section of that name only, as a write does; the text is not split into
// copies of its lines, since the settings read every key this way.
std::string IniText::GetWholeString(std::string_view section, std::string_view key,
                                    std::string_view defaultText) const {
    LineViews lines(text_);
    std::string_view line;
    bool inSection = false;
    while (lines.Next(line)) {
        if (const auto name = SectionName(line)) {
            if (inSection) {
                break;
            }
            inSection = SameName(*name, section);
            continue;
        }
        const size_t eq = inSection ? EqualsPos(line) : std::string_view::npos;
        if (eq != std::string_view::npos && SameName(Trim(line.substr(0, eq)), key)) {
            return std::string(Trim(line.substr(eq + 1)));
        }
    }
    return std::string(defaultText);
}

std::string IniText::WriteStrings(const std::vector<IniEntry>& entries) {
    std::vector<Line> lines = SplitLines(text_);
    SetEntries(lines, entries);
    text_ = JoinLines(lines);
    return {};
}

std::string DefaultSettingsPath(const std::string& xdgConfigHome, const std::string& home) {
    fs::path base;
    // Relative XDG paths are to be ignored.
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute()) {
        base = xdgConfigHome;
    } else if (!home.empty()) {
        base = fs::path(home) / ".config";
    } else {
        return "der-ed.ini";
    }
    return (base / "der-ed" / "der-ed.ini").string();
}

} // namespace dered
