#include "state/CodeTables.h"

#include <array>

namespace dered {

std::string_view TerrainWord(int16_t terrain) {
    switch (terrain) {
    case Land:
        return "land";
    case Coast:
        return "coast";
    case Water:
        return "water";
    default:
        return "no-entry";
    }
}

std::string_view UnitWord(int16_t unitKind) {
    static constexpr std::array<std::string_view, 5> kWords = {"", "army", "corps", "fleet",
                                                               "squadron"};
    return unitKind >= 1 && unitKind <= 4 ? kWords[unitKind] : std::string_view{};
}

int16_t UnitKindSize(int16_t unitKind) {
    switch (unitKind) {
    case Army:
    case Fleet:
        return 2;
    case Corps:
    case Squadron:
        return 1;
    default:
        return 0;
    }
}

} // namespace dered
