#include "files/Settings.h"

#include "state/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace dered {

namespace {

constexpr std::string_view ColoursSection = "Colours";
constexpr std::string_view PositionsSection = "Positions";

constexpr std::array<std::string_view, 4> ArrowKeys{"CO", "MO", "SA", "SD"};
constexpr std::array<std::string_view, 4> ArrowDefaults{"&HFF0000", "&HFF00&", "&HFF&", "&HFFFF&"};

constexpr int16_t MinCellSize = 6;
constexpr int16_t MaxHexCellSize = 30;
constexpr int16_t MaxSquareCellSize = 36;

struct Entry {
    std::string_view section;
    std::string key;
    std::string value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string HexText(uint32_t value) {
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

// The digits after "&H". More than 8 significant digits cannot be held.
std::optional<double> HexNumber(std::string_view text) {
    uint64_t value = 0;
    size_t count = 0;
    for (; count < text.size(); ++count) {
        const int digit = HexDigit(text[count]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > std::numeric_limits<uint32_t>::max()) {
            return std::nullopt;
        }
    }
    const bool closed = count < text.size() && text[count] == '&';
    if (!closed && count <= 4) {
        return static_cast<int16_t>(static_cast<uint16_t>(value));
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Gathers a decimal number's characters, dropping blanks wherever they stand.
class DecimalScanner {
  public:
    explicit DecimalScanner(std::string_view text) : text_(text) {}

    std::optional<double> Scan() {
        if (Take("-") == 0) {
            pos_ += Peek() == '+' ? 1 : 0;
        }
        size_t digits = TakeDigits();
        if (Take(".") != 0) {
            digits += TakeDigits();
        }
        if (digits == 0) {
            return 0.0;
        }
        TakeExponent();
        double value = 0;
        const auto [end, ec] = std::from_chars(kept_.data(), kept_.data() + kept_.size(), value);
        if (ec != std::errc() || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    }

  private:
    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    size_t Take(std::string_view choices) {
        const char c = Peek();
        if (c == '\0' || choices.find(c) == std::string_view::npos) {
            return 0;
        }
        kept_ += c;
        ++pos_;
        return 1;
    }

    size_t TakeDigits() {
        size_t count = 0;
        while (Take("0123456789") != 0) {
            ++count;
        }
        return count;
    }

    // "E" or "D" with an optionally signed power of ten; without digits it is not part of it.
    void TakeExponent() {
        const size_t pos = pos_;
        const size_t kept = kept_.size();
        if (Take("EeDd") == 0) {
            return;
        }
        kept_.back() = 'e';
        Take("+-");
        if (TakeDigits() == 0) {
            pos_ = pos;
            kept_.resize(kept);
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::string kept_;
};

std::optional<int32_t> FitInt32(std::optional<double> number) {
    if (!number) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(rounded);
}

std::optional<int16_t> FitInt16(std::optional<double> number) {
    int16_t out = 0;
    if (!number || !NearestInt16(*number, out)) {
        return std::nullopt;
    }
    return out;
}

// The key's number fitted to its field, or the default text's when the field cannot hold it.
template <typename Fit>
auto ReadField(const IniService& ini, std::string_view section, std::string_view key,
               std::string_view defaultText, Fit fit) {
    if (const auto value = fit(SettingNumber(ini.GetString(section, key, defaultText)))) {
        return *value;
    }
    return *fit(SettingNumber(defaultText));
}

int32_t ReadColour(const IniService& ini, std::string_view key, std::string_view defaultText) {
    return ReadField(ini, ColoursSection, key, defaultText, FitInt32);
}

int16_t ReadInt16(const IniService& ini, std::string_view key, std::string_view defaultText) {
    return ReadField(ini, PositionsSection, key, defaultText, FitInt16);
}

std::string PlayerKey(size_t player) {
    return "Country" + std::string(1, static_cast<char>('A' + player - 1));
}

// Players cycle through black, red, green, yellow, blue, magenta, cyan and white.
int32_t PlayerDefaultColour(size_t player) {
    const size_t bits = player - 1;
    return ((bits & 1) != 0 ? 0xFF : 0) | ((bits & 2) != 0 ? 0xFF00 : 0) |
           ((bits & 4) != 0 ? 0xFF0000 : 0);
}

// Player colours are written from their magnitude; the most negative value keeps its bits.
std::string PlayerColourText(int32_t colour) {
    const uint32_t bits = static_cast<uint32_t>(colour);
    return "&H" + HexText(colour < 0 ? 0u - bits : bits) + "&";
}

std::vector<Entry> SettingsEntries(const SettingsRecord& s) {
    std::vector<Entry> entries{
        {ColoursSection, "Borders", ColourText(s.BorderColour)},
        {ColoursSection, "Water", ColourText(s.WaterColour)},
        {ColoursSection, "Neutral", ColourText(s.CountryColour[0])},
    };
    for (size_t player = 1; player < s.CountryColour.size(); ++player) {
        entries.push_back(
            {ColoursSection, PlayerKey(player), PlayerColourText(s.CountryColour[player])});
    }
    for (size_t i = 0; i < ArrowKeys.size(); ++i) {
        entries.push_back(
            {ColoursSection, std::string(ArrowKeys[i]), ColourText(s.ArrowColour[i])});
    }
    entries.push_back({PositionsSection, "MapX", std::to_string(s.MapX)});
    entries.push_back({PositionsSection, "MapY", std::to_string(s.MapY)});
    entries.push_back({PositionsSection, "HexDisplay", s.HexDisplay != 0 ? "-1" : "0"});
    entries.push_back({PositionsSection, "HexSize", std::to_string(s.CellSize / 2)});
    return entries;
}

} // namespace

std::optional<double> SettingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        return HexNumber(text.substr(2));
    }
    return DecimalScanner(text).Scan();
}

std::string ColourText(int32_t colour) {
    return "&H" + HexText(static_cast<uint32_t>(colour)) + "&";
}

void LoadSettings(SettingsRecord& settings, const IniService& ini) {
    SettingsRecord s = settings;
    s.BorderColour = ReadColour(ini, "Borders", "&H808080");
    s.WaterColour = ReadColour(ini, "Water", "&HFFFF80");
    s.NoGoColour = ReadColour(ini, "NoGo", "&H000000");
    s.CountryColour[0] = ReadColour(ini, "Neutral", "&HC0C0C0");
    for (size_t player = 1; player < s.CountryColour.size(); ++player) {
        s.CountryColour[player] =
            ReadColour(ini, PlayerKey(player), ColourText(PlayerDefaultColour(player)));
    }
    for (size_t i = 0; i < ArrowKeys.size(); ++i) {
        s.ArrowColour[i] = ReadColour(ini, ArrowKeys[i], ArrowDefaults[i]);
    }
    s.MapX = ReadInt16(ini, "MapX", "0");
    s.MapY = ReadInt16(ini, "MapY", "0");
    s.HexDisplay = ReadField(ini, PositionsSection, "HexDisplay", "0",
                             [](std::optional<double> n) -> std::optional<int16_t> {
                                 if (!n) {
                                     return std::nullopt;
                                 }
                                 return static_cast<int16_t>(*n != 0 ? -1 : 0);
                             });
    // The file holds half the cell size.
    const int16_t cellSize =
        ReadField(ini, PositionsSection, "HexSize", "13", [](std::optional<double> n) {
            return FitInt16(n ? std::optional<double>(*n * 2) : std::nullopt);
        });
    const int16_t maxCellSize = s.HexDisplay != 0 ? MaxHexCellSize : MaxSquareCellSize;
    s.CellSize = std::clamp(cellSize, MinCellSize, maxCellSize);
    settings = s;
}

std::string SaveSettings(const SettingsRecord& settings, IniService& ini) {
    std::vector<IniEntry> entries;
    for (Entry& entry : SettingsEntries(settings)) {
        entries.push_back(
            {std::string(entry.section), std::move(entry.key), std::move(entry.value)});
    }
    return ini.WriteStrings(entries);
}

std::vector<std::pair<std::string, std::string>> SettingsFileLines(const SettingsRecord& settings) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (Entry& entry : SettingsEntries(settings)) {
        lines.emplace_back(std::string(entry.section) + "/" + entry.key, std::move(entry.value));
    }
    return lines;
}

} // namespace dered
