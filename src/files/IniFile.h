#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dered {

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// One key of one section at a time, in the manner of a private-profile service.
class IniService {
  public:
    virtual ~IniService() = default;
    // The key's text, or defaultText when the file, section or key is missing; at most 99
    // characters, as the classic 100-character buffer held.
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view defaultText) const = 0;
    // The same without the limit, for values such as paths that must come back whole.
    virtual std::string GetWholeString(std::string_view section, std::string_view key,
                                       std::string_view defaultText) const {
        return GetString(section, key, defaultText);
    }
    // Creates the file, section or key when missing. A failure is silent.
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Writes every entry; a file is rewritten once, so that a failure leaves it as it was.
    // Empty on success, else a message naming the file and the reason.
    [[nodiscard]] virtual std::string WriteStrings(const std::vector<IniEntry>& entries) {
        for (const IniEntry& entry : entries) {
            WriteString(entry.section, entry.key, entry.value);
        }
        return {};
    }
};

inline constexpr size_t IniValueLimit = 99;

// A service whose reads give whole values and whose writes go in together: the shortened read
// and the single-key write follow from those, the same for every file below.
class IniStore : public IniService {
  public:
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultText) const final;
    // A single key is a convenience: losing its write is silent.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) final;
    // Pure again: the inherited whole read would call back into the shortened one.
    std::string GetWholeString(std::string_view section, std::string_view key,
                               std::string_view defaultText) const override = 0;
};

// An INI file on disk. Each call reads the file afresh; each write rewrites it whole, through
// a temporary file renamed over it, leaving every line it does not change byte for byte.
class IniFile : public IniStore {
  public:
    explicit IniFile(std::string path);

    std::string GetWholeString(std::string_view section, std::string_view key,
                               std::string_view defaultText) const override;
    [[nodiscard]] std::string WriteStrings(const std::vector<IniEntry>& entries) override;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The same file held in memory, read and changed by the same rules as on disk.
class IniText : public IniStore {
  public:
    explicit IniText(std::string text = {}) : text_(std::move(text)) {}

    std::string GetWholeString(std::string_view section, std::string_view key,
                               std::string_view defaultText) const override;
    [[nodiscard]] std::string WriteStrings(const std::vector<IniEntry>& entries) override;

    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// $XDG_CONFIG_HOME/der-ed/der-ed.ini, else $HOME/.config/der-ed/der-ed.ini, else der-ed.ini.
std::string DefaultSettingsPath(const std::string& xdgConfigHome, const std::string& home);

} // namespace dered
