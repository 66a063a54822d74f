#include "files/ReportReader.h"

#include "state/CodeTables.h"

#include "files/FieldReader.h"
#include "files/FileAccess.h"
#include "files/OrdersFile.h"
#include "state/Numbers.h"
#include "ui/Notice.h"

#include <utility>
#include <vector>

namespace dered {

namespace {

constexpr int kIdentifierSearchLimit = 100;
constexpr std::string_view kAreaLabel = "Number of Areas =";

struct AreaLine {
    int16_t area = 0;
    int16_t owner = 0;
    int16_t unitOwner = 0;
    int16_t unitKind = 0;
};

// Reads the fields of one report and keeps the first problem found, as it will be shown.
class ReportScan {
  public:
    explicit ReportScan(std::string text) : reader_(std::move(text)) {}

    bool Text(std::string& out) { return reader_.ReadText(out) || Fail(reader_.Error()); }
    bool Number(int16_t& out) { return reader_.ReadNumber(out) || Fail(reader_.Error()); }

    // what, value and where make e.g. "owner 13 of area 5".
    bool InRange(const std::string& what, int16_t value, int low, int high,
                 const std::string& where = "") {
        if (value >= low && value <= high) {
            return true;
        }
        return FailAtLine(what + " " + std::to_string(value) + where + " is outside " +
                          std::to_string(low) + " to " + std::to_string(high));
    }

    bool FailAtLine(const std::string& problem) {
        return Fail("line " + std::to_string(reader_.Line()) + ": " + problem);
    }
    bool Fail(const std::string& problem) {
        problem_ = problem;
        return false;
    }
    // The one refusal that keeps its own fixed text and carries no icon.
    bool TooManyAreas() {
        tooManyAreas_ = true;
        return false;
    }

    FieldReader& Reader() { return reader_; }

    ReportRefusal Refusal(const std::string& prefix) const {
        if (tooManyAreas_) {
            return {std::string(kAreaArrayTooSmall), MsgIcon::None};
        }
        return {prefix + problem_, MsgIcon::Critical};
    }
    void SayRefusal(Notices& said, const std::string& prefix) const {
        const ReportRefusal refusal = Refusal(prefix);
        said.push_back({refusal.text, refusal.icon});
    }

  private:
    FieldReader reader_;
    std::string problem_;
    bool tooManyAreas_ = false;
};

bool FindGameIdentifier(FieldReader& reader, std::string& id) {
    for (int i = 0; i < kIdentifierSearchLimit; ++i) {
        // A file that ends before any identifier is no report either.
        if (!reader.ReadText(id)) {
            return false;
        }
        if (IsGameIdentifier(id)) {
            return true;
        }
    }
    return false;
}

bool ReadHeader(ReportScan& scan, GameState& game) {
    return scan.Number(game.OwnPlayer) &&
           scan.InRange("own player", game.OwnPlayer, 0, MaxPlayer) && scan.Text(game.PlayerCode) &&
           scan.Number(game.GameYear) && scan.Number(game.GameTurn);
}

void SetRelations(PlayerRecord& player, const std::string& letters, int count) {
    for (int j = 0; j <= count; ++j) {
        player.Relation[j] = j < static_cast<int>(letters.size()) ? letters.substr(j, 1) : "";
    }
}

bool ReadPlayers(ReportScan& scan, GameState& game) {
    std::string label;
    if (!scan.Text(label) || !scan.Number(game.PlayerCount) ||
        !scan.InRange("player count", game.PlayerCount, 0, MaxPlayer)) {
        return false;
    }
    for (int i = 0; i <= game.PlayerCount; ++i) {
        PlayerRecord& player = game.Players[i];
        std::string letters;
        if (!scan.Text(player.Abbrev) || !scan.Text(player.Name) || !scan.Text(letters)) {
            return false;
        }
        // The last player's line carries names only.
        if (i < game.PlayerCount) {
            SetRelations(player, letters, game.PlayerCount);
        }
    }
    return true;
}

bool ReadAreaCount(ReportScan& scan, int16_t& count) {
    if (!scan.Number(count)) {
        return false;
    }
    if (count > MaxArea) {
        return scan.TooManyAreas();
    }
    return count >= 0 ||
           scan.FailAtLine("the area count " + std::to_string(count) + " is negative");
}

bool ReadAreaLine(ReportScan& scan, AreaLine& line) {
    if (!scan.Number(line.area) || !scan.InRange("area", line.area, 1, MaxArea)) {
        return false;
    }
    const std::string where = " of area " + std::to_string(line.area);
    return scan.Number(line.owner) && scan.InRange("owner", line.owner, 0, MaxPlayer, where) &&
           scan.Number(line.unitOwner) &&
           scan.InRange("unit owner", line.unitOwner, 0, MaxPlayer, where) &&
           scan.Number(line.unitKind) &&
           scan.InRange("unit kind", line.unitKind, NoUnit, Squadron, where);
}

bool ReadAreaLines(ReportScan& scan, std::vector<AreaLine>& lines) {
    int16_t count = 0;
    if (!ReadAreaCount(scan, count)) {
        return false;
    }
    lines.resize(count);
    for (AreaLine& line : lines) {
        if (!ReadAreaLine(scan, line)) {
            return false;
        }
    }
    return true;
}

bool ReadAreas(ReportScan& scan, GameState& game) {
    std::string label;
    std::vector<AreaLine> lines;
    if (!scan.Text(label) || !ReadAreaLines(scan, lines)) {
        return false;
    }
    for (int a = 1; a <= MaxArea; ++a) {
        game.Areas[a].Owner = NoReportData;
    }
    game.Areas[MaxArea].Owner = 0;
    for (const AreaLine& line : lines) {
        AreaRecord& area = game.Areas[line.area];
        area.Owner = line.owner;
        area.UnitOwner = line.unitOwner;
        area.UnitKind = line.unitKind;
    }
    return true;
}

bool SkipToAreaLabel(ReportScan& scan) {
    std::string field;
    while (scan.Reader().ReadText(field)) {
        if (field == kAreaLabel) {
            return true;
        }
    }
    return scan.Fail("the file holds no \"" + std::string(kAreaLabel) + "\"");
}

std::string Mismatch(const char* what, int16_t area) {
    return std::string(what) + SignedText(area) + " does not match previous data";
}

// Fills the areas no report has filled yet; returns the disagreements with data held.
std::vector<std::string> ApplyMerge(GameState& game, const std::vector<AreaLine>& lines) {
    std::vector<std::string> mismatches;
    for (const AreaLine& line : lines) {
        AreaRecord& area = game.Areas[line.area];
        if (area.Owner == NoReportData) {
            area.Owner = line.owner;
            area.UnitOwner = line.unitOwner;
            area.UnitKind = line.unitKind;
            continue;
        }
        if (area.Owner != line.owner) {
            mismatches.push_back(Mismatch("Owner for area ", line.area));
        }
        if (area.UnitOwner != line.unitOwner) {
            mismatches.push_back(Mismatch("Unit owner in area ", line.area));
        }
        if (area.UnitKind != line.unitKind) {
            mismatches.push_back(Mismatch("Unit type in area ", line.area));
        }
    }
    return mismatches;
}

std::string ReadPrefix(const std::string& folder, const std::string& file) {
    return "Can't read report " + (file.empty() ? folder : file) + ": ";
}

std::string MergePrefix(const std::string& folder, const std::string& file) {
    return "Can't merge report " + (file.empty() ? folder : file) + ": ";
}

} // namespace

bool IsGameIdentifier(std::string_view text) {
    const auto between = [text](std::string_view low, std::string_view high) {
        return text >= low && text <= high;
    };
    return between("QZ001", "QZ999") || between("QZ2001", "QZ2999") || between("QZT001", "QZT999");
}

namespace {

ReportOutcome ReadInto(GameState& game, const std::string& folder, const std::string& file,
                       ReportRefusal& refusal) {
    FileText text = ReadWholeFile(folder + file);
    if (!text.Read()) {
        refusal = {ReadPrefix(folder, file) + text.reason, MsgIcon::Critical};
        return ReportOutcome::Refused;
    }
    return ReadReportText(game, std::move(text.text), folder, file, refusal);
}

} // namespace

ReportOutcome ReadReportText(GameState& game, std::string text, const std::string& folder,
                             const std::string& file, ReportRefusal& refusal) {
    ReportScan scan(std::move(text));
    std::string id;
    if (!FindGameIdentifier(scan.Reader(), id)) {
        refusal = {std::string(kInvalidFile), MsgIcon::None};
        return ReportOutcome::InvalidFile;
    }
    GameState scratch = game;
    scratch.GameId = id;
    if (!ReadHeader(scan, scratch) || !ReadPlayers(scan, scratch) || !ReadAreas(scan, scratch)) {
        refusal = scan.Refusal(ReadPrefix(folder, file));
        return ReportOutcome::Refused;
    }
    scratch.ReportDir = folder;
    game = std::move(scratch);
    return ReportOutcome::Read;
}

ReportOutcome ReadReportQuietly(GameState& game, const std::string& path, ReportRefusal& refusal) {
    const auto [folder, file] = SplitReportPath(path);
    return ReadInto(game, folder, file, refusal);
}

ReportOutcome ReadReport(GameState& game, Notices& said, const std::string& folder,
                         const std::string& file) {
    ReportRefusal refusal;
    const ReportOutcome outcome = ReadInto(game, folder, file, refusal);
    if (outcome != ReportOutcome::Read) {
        said.push_back({refusal.text, refusal.icon});
        return outcome;
    }
    ReadEarlierOrders(game, said);
    return ReportOutcome::Read;
}

ReportOutcome MergeReport(GameState& game, Notices& said, const std::string& folder,
                          const std::string& file) {
    FileText text = ReadWholeFile(folder + file);
    if (!text.Read()) {
        said.push_back({MergePrefix(folder, file) + text.reason, MsgIcon::Critical});
        return ReportOutcome::Refused;
    }
    return MergeReportText(game, said, std::move(text.text), folder, file);
}

ReportOutcome MergeReportText(GameState& game, Notices& said, std::string text,
                              const std::string& folder, const std::string& file) {
    ReportScan scan(std::move(text));
    std::vector<AreaLine> lines;
    if (!SkipToAreaLabel(scan) || !ReadAreaLines(scan, lines)) {
        scan.SayRefusal(said, MergePrefix(folder, file));
        return ReportOutcome::Refused;
    }
    game.ReportDir = folder;
    for (const std::string& text : ApplyMerge(game, lines)) {
        said.push_back({text, MsgIcon::None});
    }
    return ReportOutcome::Read;
}

std::string GameTitle(const GameState& game) {
    const bool known = game.OwnPlayer >= 0 && game.OwnPlayer <= MaxPlayer;
    const std::string& name = known ? game.Players[game.OwnPlayer].Name : std::string();
    const int32_t sequence = (int32_t{game.GameYear} - 1880) * 4 + game.GameTurn;
    return game.GameId + " " + name +
           "           Der-ED             Date:" + SignedText(game.GameYear) + "." +
           std::to_string(game.GameTurn) + "(" + std::to_string(sequence) + ")";
}

std::pair<std::string, std::string> SplitReportPath(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    // A bare name lies in the current folder.
    if (slash == std::string::npos) {
        return {std::string(), path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

} // namespace dered
