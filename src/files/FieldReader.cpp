#include "files/FieldReader.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <vector>

namespace dered {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

FieldReader::FieldReader(std::istream& in) {
    try {
        data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        data_.clear();
        readFailed_ = true;
    }
}

bool FieldReader::AtLineEnd() const {
    return pos_ < data_.size() && (data_[pos_] == '\n' || data_[pos_] == '\r');
}

void FieldReader::SkipBlanks() {
    while (pos_ < data_.size() && IsBlank(data_[pos_])) {
        ++pos_;
    }
}

void FieldReader::SkipLineEnd() {
    if (pos_ < data_.size() && data_[pos_] == '\r') {
        ++pos_;
    }
    if (pos_ < data_.size() && data_[pos_] == '\n') {
        ++pos_;
    }
    ++line_;
}

// Skips the blanks before a field, and whole blank lines between fields.
bool FieldReader::StartField() {
    if (readFailed_) {
        return Fail("the file cannot be read");
    }
    for (;;) {
        SkipBlanks();
        if (pos_ >= data_.size()) {
            fieldLine_ = line_;
            return Fail("the file ends early");
        }
        if (AtLineEnd() && lastEndedLine_) {
            SkipLineEnd();
            continue;
        }
        fieldLine_ = line_;
        return true;
    }
}

// A field ends at a comma or a line end; anything else before it is dropped.
void FieldReader::EndField() {
    while (pos_ < data_.size() && data_[pos_] != ',' && !AtLineEnd()) {
        ++pos_;
    }
    if (pos_ >= data_.size()) {
        lastEndedLine_ = true;
    } else if (data_[pos_] == ',') {
        ++pos_;
        lastEndedLine_ = false;
    } else {
        SkipLineEnd();
        lastEndedLine_ = true;
    }
}

bool FieldReader::ReadText(std::string& out) {
    if (!StartField()) {
        return false;
    }
    out.clear();
    if (data_[pos_] == '"') {
        ++pos_;
        while (pos_ < data_.size() && data_[pos_] != '"') {
            if (data_[pos_] == '\n') {
                ++line_;
            }
            out += data_[pos_++];
        }
        if (pos_ < data_.size()) {
            ++pos_;
        }
    } else {
        while (pos_ < data_.size() && data_[pos_] != ',' && !AtLineEnd()) {
            out += data_[pos_++];
        }
        while (!out.empty() && IsBlank(out.back())) {
            out.pop_back();
        }
    }
    EndField();
    return true;
}

// Most fields of the map files are a few digits, perhaps after a minus, and a comma or a line
// end: read in one pass. Anything else (blanks, a blank line, a large number) takes the general
// path.
bool FieldReader::ReadPlainNumber(int16_t& out) {
    const char* const begin = data_.data();
    const char* const end = begin + data_.size();
    const char* p = begin + pos_;
    const bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    int32_t value = 0;
    int digits = 0;
    for (; p < end && IsDigit(*p) && digits < 4; ++p, ++digits) {
        value = value * 10 + (*p - '0');
    }
    if (digits == 0 || readFailed_ || (p < end && *p != ',' && *p != '\r' && *p != '\n')) {
        return false;
    }
    fieldLine_ = line_;
    out = static_cast<int16_t>(negative ? -value : value);
    pos_ = static_cast<size_t>(p - begin);
    if (p == end) {
        lastEndedLine_ = true;
    } else if (*p == ',') {
        ++pos_;
        lastEndedLine_ = false;
    } else {
        SkipLineEnd();
        lastEndedLine_ = true;
    }
    return true;
}

bool FieldReader::ReadNumber(int16_t& out) {
    if (ReadPlainNumber(out)) {
        return true;
    }
    if (!StartField()) {
        return false;
    }
    // Scanned through a pointer: the map files hold some 28,000 numbers.
    const char* const end = data_.data() + data_.size();
    const char* const start = data_.data() + pos_;
    const char* p = start;
    if (*p == '-' || *p == '+') {
        ++p;
    }
    const char* const firstDigit = p;
    int32_t value = 0;
    bool tooLarge = false;
    for (; p < end && IsDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > 32768) {
            tooLarge = true;
            value = 32768;
        }
    }
    pos_ = static_cast<size_t>(p - data_.data());
    const bool ended = p == end || *p == ',' || IsBlank(*p) || *p == '\r' || *p == '\n';
    if (p == firstDigit || !ended) {
        const char* stop = start;
        while (stop < end && *stop != ',' && *stop != '\r' && *stop != '\n') {
            ++stop;
        }
        // Built by appending: GCC 12 warns falsely (-Wrestrict) on the chain of operator+.
        std::string problem;
        problem.reserve(static_cast<size_t>(stop - start) + 26);
        problem.append(1, '"').append(start, stop).append("\" where a number belongs");
        return Fail(problem);
    }
    if (*start == '-') {
        value = -value;
    }
    if (tooLarge || value > 32767) {
        return Fail("the number " + std::string(start, p) + " is outside -32768 to 32767");
    }
    out = static_cast<int16_t>(value);
    SkipBlanks();
    if (pos_ >= data_.size() || data_[pos_] == ',' || AtLineEnd()) {
        EndField();
    } else {
        lastEndedLine_ = false; // the next field follows on the same line
    }
    return true;
}

bool FieldReader::AtEnd() {
    size_t p = pos_;
    while (p < data_.size() &&
           (IsBlank(data_[p]) || data_[p] == '\r' || data_[p] == '\n' || data_[p] == '\x1a')) {
        ++p;
    }
    return p >= data_.size();
}

namespace {

// Where each line starts; a line ends at CR LF, LF or a lone CR, as SkipLineEnd takes them.
std::vector<size_t> LineStarts(const std::string& data) {
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') {
            ++i;
        }
        if (data[i] == '\r' || data[i] == '\n') {
            starts.push_back(i + 1);
        }
    }
    return starts;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

} // namespace

int FieldReader::ResumeAtLine(int after, const std::function<bool(std::string_view)>& wanted) {
    const std::vector<size_t> starts = LineStarts(data_);
    for (size_t n = static_cast<size_t>(std::max(after, 0)); n < starts.size(); ++n) {
        const size_t end = n + 1 < starts.size() ? starts[n + 1] : data_.size();
        std::string_view text(data_.data() + starts[n], end - starts[n]);
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
            text.remove_suffix(1);
        }
        if (wanted(Trimmed(text))) {
            pos_ = starts[n];
            line_ = static_cast<int>(n) + 1;
            lastEndedLine_ = true;
            return line_;
        }
    }
    return 0;
}

int FieldReader::LastLine() const {
    const std::vector<size_t> starts = LineStarts(data_);
    // A final line end opens no further line.
    return static_cast<int>(starts.size()) - (starts.back() == data_.size() ? 1 : 0);
}

bool FieldReader::Fail(const std::string& problem) {
    error_ = "line " + std::to_string(fieldLine_) + ": " + problem;
    return false;
}

} // namespace dered
