#include "state/TurnDocument.h"

#include <utility>

namespace dered {

const char* TurnDocument::WhyReadOnly() const {
    switch (access) {
    case TurnAccess::HeldElsewhere:
        return kHeldElsewhereTurn;
    case TurnAccess::Earlier:
        return kReadOnlyTurn;
    case TurnAccess::Current:
        break;
    }
    return "";
}

Documents::Documents() : current_(std::make_unique<TurnDocument>()) {}

void Documents::Open(GameState records, TurnAccess access) {
    earlier_.reset();
    current_ = std::make_unique<TurnDocument>(TurnDocument{std::move(records), access, {}, {}, {}});
}

void Documents::ShowEarlier(GameState records) {
    earlier_ = std::make_unique<TurnDocument>(
        TurnDocument{std::move(records), TurnAccess::Earlier, {}, {}, {}});
}

} // namespace dered
