#pragma once

#include <string_view>

namespace dered {

// The number a text box's text starts with: leading blanks skipped, then an optional sign,
// digits, a decimal fraction and an exponent, read up to the first character that cannot
// continue it. 0 when the text starts with no number; an infinity when it is too large for
// a double, so that range checks refuse it.
double LeadingNumber(std::string_view text);

} // namespace dered
