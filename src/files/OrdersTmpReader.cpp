// Reading orders.tmp and the recovery file back: every entry that can be read is kept, and the
// player is told once which lines could not be.
#include "files/OrdersFile.h"

#include "files/FieldReader.h"
#include "files/FileAccess.h"
#include "files/OrderCodes.h"
#include "orders/OrderList.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace dered {

using namespace order_codes;

namespace {

namespace fs = std::filesystem;

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// The writer's own name comes first; otherwise any name that differs only in case. A folder or
// an unreadable file of that name is found too, so that reading it can say what is wrong.
std::string FindOrdersTmp(const std::string& folder) {
    const std::string written = folder + std::string(kOrdersTmpFileName);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(written, ec))) {
        return written;
    }
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (SameNameIgnoringCase(name, kOrdersTmpFileName)) {
            matches.push_back(name);
        }
    }
    if (matches.empty()) {
        return {};
    }
    return folder + *std::min_element(matches.begin(), matches.end());
}

bool HeaderMatches(FieldReader& reader, const GameState& game) {
    std::string id;
    int16_t year = 0;
    int16_t turn = 0;
    return reader.ReadText(id) && reader.ReadNumber(year) && reader.ReadNumber(turn) &&
           id == game.GameId && year == game.GameYear && turn == game.GameTurn;
}

enum class Entry { Read, Broken, ListFull };

// Reads the numbers of one entry and stores it.
class EntryReader {
  public:
    EntryReader(FieldReader& reader, GameState& game, Notices& said)
        : reader_(reader), game_(game), said_(said) {}

    Entry Read(const std::string& code) {
        if (IsOneOf(code, kPlainArea)) {
            return AreaOrder(code, 0);
        }
        if (IsOneOf(code, kTargetArea)) {
            return AreaOrder(code, 1);
        }
        if (code == OrderCode::SupportAttack) {
            return AreaOrder(code, 2);
        }
        if (IsOneOf(code, kOnePlayer)) {
            return ListOrder(code, 1);
        }
        if (IsOneOf(code, kTwoNumber)) {
            return ListOrder(code, 2);
        }
        if (code == OrderCode::Spy) {
            return Spy();
        }
        return Entry::Read; // an unknown code carries nothing that could be read
    }

  private:
    bool Numbers(std::array<int16_t, 4>& p, int count) {
        for (int i = 0; i < count; ++i) {
            if (!reader_.ReadNumber(p[i])) {
                return false;
            }
        }
        return true;
    }

    Entry AreaOrder(const std::string& code, int parms) {
        int16_t a = 0;
        std::array<int16_t, 4> p{};
        if (!reader_.ReadNumber(a) || a < 1 || a > MaxArea || !Numbers(p, parms) ||
            !InDomain(code, p)) {
            return Entry::Broken;
        }
        AreaRecord& area = game_.Areas[a];
        area.Command = code;
        if (parms >= 1) {
            area.Parm1 = p[0];
        }
        if (parms >= 2) {
            area.Parm2 = p[1];
        }
        return Entry::Read;
    }

    Entry ListOrder(const std::string& code, int count) {
        std::array<int16_t, 4> p{};
        if (!Numbers(p, count) || !InDomain(code, p)) {
            return Entry::Broken;
        }
        const AddedOrder added = AddOrder(game_, code, p[0], p[1], 0, 0);
        said_.insert(said_.end(), added.refusal.begin(), added.refusal.end());
        return added.slot != 0 ? Entry::Read : Entry::ListFull;
    }

    // The program writes only areas and players that exist; anything else is a broken entry.
    static bool InDomain(const std::string& code, const std::array<int16_t, 4>& p) {
        const auto player = [](int16_t n) { return n >= 0 && n <= MaxPlayer; };
        const auto area = [](int16_t n) { return n >= 1 && n <= MaxArea; };
        if (IsOneOf(code, kTargetArea)) {
            return area(p[0]);
        }
        if (code == OrderCode::SupportAttack) {
            return area(p[0]) && p[1] <= MaxPlayer; // none or less: support of an own attack
        }
        if (IsOneOf(code, kOnePlayer)) {
            return player(p[0]);
        }
        if (code == OrderCode::CallToArms) {
            return player(p[0]) && player(p[1]);
        }
        if (code == OrderCode::GrantAccess) {
            return player(p[0]) && p[1] <= MaxArea; // below 1: every area
        }
        return true;
    }

    // Slots from 3 on belong to the list orders, so a third spy entry is dropped.
    Entry Spy() {
        std::array<int16_t, 4> p{};
        // A target is an area; 0 or less is none.
        if (!Numbers(p, 4) ||
            std::any_of(p.begin(), p.end(), [](int16_t target) { return target > MaxArea; })) {
            return Entry::Broken;
        }
        if (++spyEntries_ <= kSpySlots) {
            game_.Orders[spyEntries_] =
                OrderSlot{std::string(OrderCode::Spy), 0, p[0], p[1], p[2], p[3]};
        }
        return Entry::Read;
    }

    FieldReader& reader_;
    GameState& game_;
    Notices& said_;
    int spyEntries_ = 0;
};

struct LineRange {
    int first;
    int last;
};

// What reading a file of the right turn left out.
struct Damage {
    std::vector<LineRange> skipped;
    bool cutShort = false; // it ends without its END line

    bool Any() const { return cutShort || !skipped.empty(); }
};

// Empty when the header names another game or turn. A broken entry is skipped up to the next
// line that starts one.
std::optional<Damage> ReadOrdersText(GameState& game, Notices& said, std::string text) {
    std::istringstream in(std::move(text));
    FieldReader reader(in);
    if (!HeaderMatches(reader, game)) {
        return std::nullopt;
    }
    Damage damage;
    EntryReader entries(reader, game, said);
    std::string code;
    for (;;) {
        if (!reader.ReadText(code)) {
            damage.cutShort = true;
            break;
        }
        const int codeLine = reader.Line();
        if (code == "END") {
            break;
        }
        const Entry entry = entries.Read(code);
        if (entry == Entry::ListFull) {
            break; // AddOrder has said so
        }
        if (entry == Entry::Broken) {
            const int next = reader.ResumeAtLine(codeLine, StartsAnEntry);
            damage.skipped.push_back({codeLine, next != 0 ? next - 1 : reader.LastLine()});
            if (next == 0) {
                damage.cutShort = true;
                break;
            }
        }
    }
    return damage;
}

std::string LinesText(const std::vector<LineRange>& ranges) {
    std::string text;
    for (size_t i = 0; i < ranges.size(); ++i) {
        text += i == 0 ? "" : i + 1 == ranges.size() ? " and " : ", ";
        text += std::to_string(ranges[i].first);
        if (ranges[i].last > ranges[i].first) {
            text.append(1, '-').append(std::to_string(ranges[i].last));
        }
    }
    return text;
}

// Said once, before anything can be saved over the file.
void TellDamage(Notices& said, const std::string& path, const Damage& damage) {
    if (!damage.Any()) {
        return;
    }
    std::string text = path + " is damaged.";
    if (!damage.skipped.empty()) {
        const bool one =
            damage.skipped.size() == 1 && damage.skipped[0].first == damage.skipped[0].last;
        text.append(one ? " Line " : " Lines ").append(LinesText(damage.skipped));
        text.append(one ? " was" : " were").append(" not readable and skipped.");
    }
    if (damage.cutShort) {
        text += " It ends without its END line: it was cut short, and orders after its last line "
                "are missing.";
    }
    said.push_back({text + " Every other order in it was read.", MsgIcon::Exclamation});
}

// A save cut short between its two renames leaves orders.tmp new and commands.dat old.
void TellSplitSave(const GameState& game, Notices& said, const std::string& ordersPath) {
    const std::string commandsPath = game.ReportDir + std::string(kCommandsFileName);
    const FileText commands = ReadWholeFile(commandsPath);
    if (!commands.Read() || commands.text == FormatOrders(game).commands) {
        return;
    }
    said.push_back({commandsPath + " does not hold the orders of " + ordersPath +
                        ": a save was cut short. The orders shown are those of " + ordersPath +
                        "; save them to write both files again.",
                    MsgIcon::Exclamation});
}

} // namespace

void ReadEarlierOrders(GameState& game, Notices& said) {
    game.OrderCount = kSpySlots;
    const std::string path = FindOrdersTmp(game.ReportDir);
    FileText file = path.empty() ? FileText{FileProblem::Missing, {}, {}} : ReadWholeFile(path);
    if (file.problem == FileProblem::Missing) {
        said.push_back({std::string(kNoOldOrders), MsgIcon::None});
        return;
    }
    if (!file.Read()) {
        said.push_back(
            {"Can't read the earlier orders in " + path + ": " + file.reason, MsgIcon::Critical});
        return;
    }
    if (ReadEarlierOrdersText(game, said, std::move(file.text), path)) {
        TellSplitSave(game, said, path);
    }
}

bool ReadEarlierOrdersText(GameState& game, Notices& said, std::string text,
                           const std::string& path) {
    game.OrderCount = kSpySlots;
    const std::optional<Damage> damage = ReadOrdersText(game, said, std::move(text));
    if (!damage) {
        said.push_back({std::string(kNoOldOrders), MsgIcon::None});
        return false;
    }
    TellDamage(said, path, *damage);
    return !damage->Any();
}

std::string ReadWholeOrdersText(GameState& game, std::string text, const std::string& path) {
    Notices said;
    const std::optional<Damage> damage = ReadOrdersText(game, said, std::move(text));
    if (!damage) {
        return path + " is not of this game and turn";
    }
    if (!damage->skipped.empty()) {
        return path + ", line " + std::to_string(damage->skipped.front().first) +
               ": not an order the program reads";
    }
    if (damage->cutShort) {
        return path + " ends without its END line: it was cut short";
    }
    return said.empty() ? std::string() : path + ": " + said.front().text;
}

bool RestoreOrders(GameState& game, Notices& said, const std::string& path) {
    FileText file = ReadWholeFile(path);
    if (!file.Read()) {
        said.push_back(
            {"Can't read the unsaved orders in " + path + ": " + file.reason, MsgIcon::Critical});
        return false;
    }
    GameState scratch = game;
    for (AreaRecord& area : scratch.Areas) {
        area.Command.clear();
        area.Parm1 = 0;
        area.Parm2 = 0;
    }
    scratch.Orders = {};
    scratch.OrderCount = kSpySlots;
    const std::optional<Damage> damage = ReadOrdersText(scratch, said, std::move(file.text));
    if (!damage) {
        said.push_back(
            {"The unsaved orders in " + path + " are of another turn", MsgIcon::Critical});
        return false;
    }
    TellDamage(said, path, *damage);
    game = std::move(scratch);
    return true;
}

} // namespace dered
