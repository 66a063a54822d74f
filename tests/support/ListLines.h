#pragma once

#include "ui/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dered::test {

// A list box's lines as "text|item value".
inline std::vector<std::string> Lines(const ListBoxModel& list) {
    std::vector<std::string> lines;
    for (const auto& line : list.Lines()) {
        lines.push_back(line.text + "|" + std::to_string(line.itemData));
    }
    return lines;
}

// Chooses the line carrying the item value, as a click on it does.
inline void Choose(ListBoxModel& list, int32_t itemData) {
    list.SetListIndex(list.IndexOfItemData(itemData));
    EXPECT_GE(list.ListIndex(), 0) << "no line for item value " << itemData;
}

using LineList = std::vector<std::string>;

} // namespace dered::test
