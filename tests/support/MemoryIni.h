#pragma once

#include "files/IniFile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace dered::test {

// Settings held in memory, remembering every write in order.
class MemoryIni : public IniService {
  public:
    void Set(std::string_view section, std::string_view key, std::string_view value) {
        values_[Name(section, key)] = std::string(value);
    }

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultText) const override {
        const auto it = values_.find(Name(section, key));
        const std::string_view text = it == values_.end() ? defaultText : it->second;
        return std::string(text.substr(0, IniValueLimit));
    }

    std::string GetWholeString(std::string_view section, std::string_view key,
                               std::string_view defaultText) const override {
        const auto it = values_.find(Name(section, key));
        return it == values_.end() ? std::string(defaultText) : it->second;
    }

    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        Set(section, key, value);
        writes.emplace_back(std::string(section) + "/" + std::string(key), std::string(value));
    }

    std::vector<std::pair<std::string, std::string>> writes; // ("Section/Key", value)

  private:
    static std::string Name(std::string_view section, std::string_view key) {
        std::string name = std::string(section) + "/" + std::string(key);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name;
    }

    std::map<std::string, std::string> values_;
};

} // namespace dered::test
