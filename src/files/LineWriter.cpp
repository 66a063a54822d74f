#include "files/LineWriter.h"

#include <string>

namespace dered {

void LineWriter::BeforeItem() {
    if (join_ == Join::Zones && lineStarted_) {
        // On to the first zone that starts after the last item's start and not inside it: an
        // empty item still takes its zone, one that fills its zone exactly is followed at once.
        int nextZone = ((itemStart_ - 1) / ZoneWidth + 1) * ZoneWidth + 1;
        while (nextZone < column_) {
            nextZone += ZoneWidth;
        }
        while (column_ < nextZone) {
            Put(" ");
        }
    }
    lineStarted_ = true;
    itemStart_ = column_;
}

void LineWriter::Put(std::string_view text) {
    out_ << text;
    column_ += static_cast<int>(text.size());
}

LineWriter& LineWriter::Text(std::string_view text) {
    BeforeItem();
    Put(text);
    return *this;
}

LineWriter& LineWriter::Number(int16_t n) {
    BeforeItem();
    const std::string digits = std::to_string(n < 0 ? -static_cast<int32_t>(n) : n);
    Put(n < 0 ? "-" : " ");
    Put(digits);
    Put(" ");
    return *this;
}

void LineWriter::EndLine() {
    out_ << "\r\n";
    column_ = 1;
    lineStarted_ = false;
}

} // namespace dered
