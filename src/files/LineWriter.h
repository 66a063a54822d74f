#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace dered {

// Writes lines of text and number items with CR LF ends. A number is written with its
// sign place (a blank or "-") and one trailing blank. Items are joined tightly, or by
// print zones of 14 columns.
class LineWriter {
  public:
    enum class Join { Tight, Zones };
    static constexpr int ZoneWidth = 14;

    LineWriter(std::ostream& out, Join join) : out_(out), join_(join) {}

    LineWriter& Text(std::string_view text);
    LineWriter& Number(int16_t n);
    void EndLine();

  private:
    void BeforeItem();
    void Put(std::string_view text);

    std::ostream& out_;
    Join join_;
    int column_ = 1;
    int itemStart_ = 1;
    bool lineStarted_ = false;
};

} // namespace dered
