#include "state/LeadingNumber.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace dered {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

size_t SkipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

} // namespace

double LeadingNumber(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const size_t start = pos;
    pos = SkipDigits(text, pos);
    size_t digits = pos - start;
    if (pos < text.size() && text[pos] == '.') {
        const size_t fraction = pos + 1;
        pos = SkipDigits(text, fraction);
        digits += pos - fraction;
    }
    if (digits == 0) {
        return 0.0;
    }
    // Only the order of magnitude matters when the number is too large or small for a double.
    const std::string_view whole = text.substr(start, SkipDigits(text, start) - start);
    const size_t firstNonZero = whole.find_first_not_of('0');
    long magnitude = firstNonZero == std::string_view::npos
                         ? -1
                         : static_cast<long>(whole.size() - firstNonZero) - 1;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exponent = pos + 1;
        const bool minus = exponent < text.size() && text[exponent] == '-';
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const size_t end = SkipDigits(text, exponent);
        if (end > exponent) {
            long power = 0;
            for (size_t i = exponent; i < end && power < 100000; ++i) {
                power = power * 10 + (text[i] - '0');
            }
            magnitude += minus ? -power : power;
            pos = end;
        }
    }
    // from_chars knows no plus sign, and reads the number whatever the C locale says.
    const std::string_view number = text.substr(start, pos - start);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc{} || end == number.data()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace dered
