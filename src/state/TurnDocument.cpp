#include "state/TurnDocument.h"

#include "state/EnumTable.h"

#include <array>
#include <utility>

namespace dered {

const char* TurnDocument::WhyReadOnly() const {
    // In the order of TurnAccess.
    static constexpr std::array<const char*, 3> kWhy{"", kHeldElsewhereTurn, kReadOnlyTurn};
    return EntryOf(kWhy, access, "");
}

Documents::Documents() : current_(std::make_unique<TurnDocument>()) {}

void Documents::Open(GameState records, TurnAccess access) {
    earlier_.reset();
    current_ =
        std::make_unique<TurnDocument>(TurnDocument{std::move(records), access, {}, {}, {}, {}});
}

void Documents::ShowEarlier(GameState records) {
    earlier_ = std::make_unique<TurnDocument>(
        TurnDocument{std::move(records), TurnAccess::Earlier, {}, {}, {}, {}});
}

} // namespace dered
