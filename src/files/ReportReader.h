#pragma once

#include "orders/ListOrders.h" // VictoryConditionsAllowed, asked after each report
#include "state/GameState.h"
#include "ui/Notice.h"

#include <string>
#include <string_view>
#include <utility>

namespace dered {

inline constexpr std::string_view kInvalidFile = "Invalid File";
inline constexpr std::string_view kAreaArrayTooSmall = "Area array too small info KPL";

// True for texts between "QZ001".."QZ999", "QZ2001".."QZ2999" or "QZT001".."QZT999",
// compared as texts, so QZ1000 counts and qz042 does not.
bool IsGameIdentifier(std::string_view text);

// Read: the report is in the tables and the earlier orders were read.
// InvalidFile: no game identifier among the first fields ("Invalid File" shown).
// Refused: the report could not be read whole; the message has been shown.
// In every case but Read the tables are as they were.
enum class ReportOutcome { Read, InvalidFile, Refused };

// What a refused report would show, and with which icon.
struct ReportRefusal {
    std::string text;
    MsgIcon icon = MsgIcon::None;
};

// Reads the report at path into the game tables and nothing else: no message, no orders.
// When it is not Read, refusal says why and the tables are as they were.
[[nodiscard]] ReportOutcome ReadReportQuietly(GameState& game, const std::string& path,
                                              ReportRefusal& refusal);

// The same from the report's text, already read; folder and file name it in the refusal and
// folder becomes ReportDir.
[[nodiscard]] ReportOutcome ReadReportText(GameState& game, std::string text,
                                           const std::string& folder, const std::string& file,
                                           ReportRefusal& refusal);

// Reads folder + file into the game tables, then the earlier orders from the same folder.
// Sets ReportDir to folder when the report was read.
ReportOutcome ReadReport(GameState& game, Notices& said, const std::string& folder,
                         const std::string& file);

// Reads the area lines of a further report into the areas that no report has filled yet,
// and reports (after the whole file was read) each field that disagrees with data held.
// Returns Read or Refused.
ReportOutcome MergeReport(GameState& game, Notices& said, const std::string& folder,
                          const std::string& file);
// The same from the report's text, already read; folder and file name it in messages.
ReportOutcome MergeReportText(GameState& game, Notices& said, std::string text,
                              const std::string& folder, const std::string& file);

// The main window's title after a report: game, own player's name, the program's name and
// the date with its turn sequence number, ending in "Date: 1880.2(2)" for 1880 turn 2.
std::string GameTitle(const GameState& game);

// Splits a chosen path into the report folder (with its trailing "/", or empty for the
// current folder) and the file name.
std::pair<std::string, std::string> SplitReportPath(const std::string& path);

} // namespace dered
