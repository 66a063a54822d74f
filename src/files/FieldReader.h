#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <utility>

namespace dered {

// Reads the comma- or line-separated fields of the report, orders and map files.
// A failed read returns false and leaves a message naming the problem and the line.
class FieldReader {
  public:
    // A stream that fails while it is read counts as a file that cannot be read, never throws.
    explicit FieldReader(std::istream& in);
    // The text already in memory: nothing to copy.
    explicit FieldReader(std::string text) : data_(std::move(text)) {}

    [[nodiscard]] bool ReadText(std::string& out);
    [[nodiscard]] bool ReadNumber(int16_t& out);
    // True when nothing but blanks and line ends is left.
    bool AtEnd();
    // Goes on from the first line after `after` whose text, blanks trimmed, is wanted; that
    // line's number, or 0 (and nothing moves) when no such line follows.
    int ResumeAtLine(int after, const std::function<bool(std::string_view)>& wanted);
    // The number of the file's last line.
    int LastLine() const;

    const std::string& Error() const { return error_; }
    // The line (1-based) of the last field read or attempted.
    int Line() const { return fieldLine_; }

  private:
    bool ReadPlainNumber(int16_t& out);
    bool StartField();
    bool AtLineEnd() const;
    void SkipBlanks();
    void SkipLineEnd();
    void EndField();
    bool Fail(const std::string& problem);

    std::string data_;
    size_t pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    bool lastEndedLine_ = true;
    bool readFailed_ = false;
    std::string error_;
};

} // namespace dered
