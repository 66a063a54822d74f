#include "files/OrdersFile.h"

#include "files/FieldReader.h"
#include "files/FileAccess.h"
#include "files/LineWriter.h"
#include "orders/OrderList.h"
#include "ui/Platform.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <system_error>
#include <vector>

namespace dered {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 7> kPlainAreaCodes = {"AA", "AC", "AF", "AS",
                                                             "DU", "RU", "UU"};
constexpr std::array<std::string_view, 3> kTargetAreaCodes = {"CO", "MO", "SD"};
constexpr std::array<std::string_view, 3> kOnePlayerCodes = {"DA", "DN", "DW"};
constexpr std::array<std::string_view, 3> kTwoNumberCodes = {"CA", "GA", "VC"};
constexpr int kSpySlots = 2;

template <size_t N>
bool IsOneOf(std::string_view code, const std::array<std::string_view, N>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

} // namespace

int CountOrders(std::string_view commands) {
    int count = 0;
    int line = 0;
    size_t start = 0;
    while (start < commands.size()) {
        size_t end = commands.find('\n', start);
        if (end == std::string_view::npos) {
            end = commands.size();
        }
        std::string_view text = commands.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        start = end + 1;
        // The header: "KPLSTART", the game, the player and a blank line.
        if (++line <= 4 || text.empty() || text == "KPLEND") {
            continue;
        }
        const bool emptySpy =
            text.starts_with("SP") && text.find_first_not_of("SP 0") == std::string_view::npos;
        if (!emptySpy) {
            ++count;
        }
    }
    return count;
}

namespace {

// Writes each order to both files: "commands.dat" joins tightly with a blank between
// items, "orders.tmp" puts the code on a line of its own and the numbers in zones below.
class OrdersWriter {
  public:
    OrdersWriter(std::ostream& commands, std::ostream& ordersTmp)
        : commands_(commands, LineWriter::Join::Tight),
          ordersTmp_(ordersTmp, LineWriter::Join::Zones) {}

    void Header(const GameState& game) {
        commands_.Text("KPLSTART").EndLine();
        commands_.Text(game.GameId).EndLine();
        commands_.Text(game.PlayerCode).EndLine();
        commands_.EndLine();
        ordersTmp_.Text(game.GameId).Text(",").Number(game.GameYear).Number(game.GameTurn);
        ordersTmp_.EndLine();
    }

    void AreaOrder(int16_t a, const AreaRecord& area) {
        const std::string& code = area.Command;
        if (IsOneOf(code, kPlainAreaCodes)) {
            Both(code, {a});
        } else if (IsOneOf(code, kTargetAreaCodes)) {
            Both(code, {a, area.Parm1});
        } else if (code == "SA" && area.Parm2 > 0) {
            Both(code, {a, area.Parm1, area.Parm2});
        } else if (code == "SA") {
            // Support of an own attack names no player for the game master.
            CommandsLine(code, {a, area.Parm1});
            OrdersTmpLines(code, {a, area.Parm1, 0});
        }
    }

    void Spy(const GameState& game) {
        for (int slot = 1; slot <= kSpySlots; ++slot) {
            const OrderSlot& s = game.Orders[slot];
            OrdersTmpLines("SP", {s.P1, s.P2, s.P3, s.P4});
        }
        const std::array<int16_t, 6> t = SpyTargets(game);
        CommandsLine("SP", {t[0], t[1], t[2], t[3], t[4], t[5]});
    }

    void ListOrder(const OrderSlot& slot) {
        const std::string& code = slot.Code;
        if (IsOneOf(code, kOnePlayerCodes)) {
            Both(code, {slot.P1});
        } else if (code == "GA" && slot.P2 == -1) {
            commands_.Text(code).Text(" ").Number(slot.P1).Text(" ").Text("ALL").EndLine();
            OrdersTmpLines(code, {slot.P1, slot.P2});
        } else if (IsOneOf(code, kTwoNumberCodes)) {
            Both(code, {slot.P1, slot.P2});
        }
    }

    void End() {
        commands_.Text("KPLEND").EndLine();
        ordersTmp_.Text("END").EndLine();
    }

  private:
    void CommandsLine(std::string_view code, std::initializer_list<int16_t> numbers) {
        commands_.Text(code);
        for (const int16_t n : numbers) {
            commands_.Text(" ").Number(n);
        }
        commands_.EndLine();
    }

    void OrdersTmpLines(std::string_view code, std::initializer_list<int16_t> numbers) {
        ordersTmp_.Text(code).EndLine();
        for (const int16_t n : numbers) {
            ordersTmp_.Number(n);
        }
        ordersTmp_.EndLine();
    }

    void Both(std::string_view code, std::initializer_list<int16_t> numbers) {
        CommandsLine(code, numbers);
        OrdersTmpLines(code, numbers);
    }

    LineWriter commands_;
    LineWriter ordersTmp_;
};

struct PendingWrite {
    std::string path;
    const std::string* text;
};

std::string WriteFailure(const std::string& path, const std::string& reason) {
    return "Can't write " + path + ": " + reason;
}

void RemoveTemporaries(const std::vector<PendingWrite>& files) {
    for (const PendingWrite& file : files) {
        std::error_code ignored;
        fs::remove(TemporaryName(file.path), ignored);
    }
}

// Both files are written beside their targets first and replace them only when both are whole.
// orders.tmp is replaced first: should the second rename fail, the player's own copy is the
// newer one and the message names commands.dat, which is then saved again.
std::string ReplaceTogether(const std::vector<PendingWrite>& files) {
    for (const PendingWrite& file : files) {
        if (std::string problem = CheckReplaceable(file.path); !problem.empty()) {
            return WriteFailure(file.path, problem);
        }
    }
    for (const PendingWrite& file : files) {
        if (std::string problem = WriteTemporary(TemporaryName(file.path), *file.text);
            !problem.empty()) {
            RemoveTemporaries(files);
            return WriteFailure(file.path, problem);
        }
    }
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (std::string problem = ReplaceWithTemporary(TemporaryName(file->path), file->path);
            !problem.empty()) {
            RemoveTemporaries(files);
            return WriteFailure(file->path, problem);
        }
    }
    return {};
}

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

bool ReadArea(FieldReader& reader, int16_t& a) {
    return reader.ReadNumber(a) && a >= 1 && a <= MaxArea;
}

// Reads the numbers of one entry and stores it. False stops the reading.
class EntryReader {
  public:
    EntryReader(FieldReader& reader, GameState& game, Platform& platform)
        : reader_(reader), game_(game), platform_(platform) {}

    bool Read(const std::string& code) {
        if (IsOneOf(code, kPlainAreaCodes)) {
            return AreaOrder(code, 0);
        }
        if (IsOneOf(code, kTargetAreaCodes)) {
            return AreaOrder(code, 1);
        }
        if (code == "SA") {
            return AreaOrder(code, 2);
        }
        if (IsOneOf(code, kOnePlayerCodes)) {
            return ListOrder(code, 1);
        }
        if (IsOneOf(code, kTwoNumberCodes)) {
            return ListOrder(code, 2);
        }
        if (code == "SP") {
            return Spy();
        }
        return true; // an unknown code carries nothing that could be read
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

    bool AreaOrder(const std::string& code, int parms) {
        int16_t a = 0;
        std::array<int16_t, 4> p{};
        if (!ReadArea(reader_, a) || !Numbers(p, parms) || !InDomain(code, p)) {
            return false;
        }
        AreaRecord& area = game_.Areas[a];
        area.Command = code;
        if (parms >= 1) {
            area.Parm1 = p[0];
        }
        if (parms >= 2) {
            area.Parm2 = p[1];
        }
        return true;
    }

    bool ListOrder(const std::string& code, int count) {
        std::array<int16_t, 4> p{};
        return Numbers(p, count) && InDomain(code, p) &&
               AddOrder(game_, platform_, code, p[0], p[1], 0, 0) != 0;
    }

    // The program writes only areas and players that exist; anything else is a broken file.
    static bool InDomain(const std::string& code, const std::array<int16_t, 4>& p) {
        const auto player = [](int16_t n) { return n >= 0 && n <= MaxPlayer; };
        const auto area = [](int16_t n) { return n >= 1 && n <= MaxArea; };
        if (IsOneOf(code, kTargetAreaCodes)) {
            return area(p[0]);
        }
        if (code == "SA") {
            return area(p[0]) && p[1] <= MaxPlayer; // none or less: support of an own attack
        }
        if (IsOneOf(code, kOnePlayerCodes)) {
            return player(p[0]);
        }
        if (code == "CA") {
            return player(p[0]) && player(p[1]);
        }
        if (code == "GA") {
            return player(p[0]) && p[1] <= MaxArea; // below 1: every area
        }
        return true;
    }

    // Slots from 3 on belong to the list orders, so a third spy entry is dropped.
    bool Spy() {
        std::array<int16_t, 4> p{};
        if (!Numbers(p, 4)) {
            return false;
        }
        if (++spyEntries_ <= kSpySlots) {
            game_.Orders[spyEntries_] = OrderSlot{"SP", 0, p[0], p[1], p[2], p[3]};
        }
        return true;
    }

    FieldReader& reader_;
    GameState& game_;
    Platform& platform_;
    int spyEntries_ = 0;
};

// False when the header names another game or turn; a broken entry ends the reading.
bool ReadOrdersText(GameState& game, Platform& platform, std::string text) {
    std::istringstream in(std::move(text));
    FieldReader reader(in);
    if (!HeaderMatches(reader, game)) {
        return false;
    }
    EntryReader entries(reader, game, platform);
    std::string code;
    while (reader.ReadText(code) && code != "END") {
        if (!entries.Read(code)) {
            break;
        }
    }
    return true;
}

} // namespace

OrdersTexts FormatOrders(const GameState& game) {
    std::ostringstream commands;
    std::ostringstream ordersTmp;
    OrdersWriter writer(commands, ordersTmp);
    writer.Header(game);
    for (int16_t a = 1; a <= MaxArea; ++a) {
        writer.AreaOrder(a, game.Areas[a]);
    }
    writer.Spy(game);
    const int last = std::min<int>(game.OrderCount, MaxOrderSlot);
    for (int slot = kSpySlots + 1; slot <= last; ++slot) {
        writer.ListOrder(game.Orders[slot]);
    }
    writer.End();
    return {commands.str(), ordersTmp.str()};
}

std::array<int16_t, 6> SpyTargets(const GameState& game) {
    const OrderSlot& first = game.Orders[1];
    const OrderSlot& second = game.Orders[2];
    return {first.P1, first.P2, first.P3, first.P4, second.P1, second.P2};
}

std::string WriteOrdersFiles(const GameState& game) {
    const OrdersTexts texts = FormatOrders(game);
    return ReplaceTogether({{game.ReportDir + std::string(kCommandsFileName), &texts.commands},
                            {game.ReportDir + std::string(kOrdersTmpFileName), &texts.ordersTmp}});
}

void ReadEarlierOrders(GameState& game, Platform& platform) {
    game.OrderCount = kSpySlots;
    const std::string path = FindOrdersTmp(game.ReportDir);
    FileText file = path.empty() ? FileText{FileProblem::Missing, {}, {}} : ReadWholeFile(path);
    if (file.problem == FileProblem::Missing) {
        platform.MsgBox(kNoOldOrders, MsgIcon::None);
        return;
    }
    if (!file.Read()) {
        platform.MsgBox("Can't read the earlier orders in " + path + ": " + file.reason,
                        MsgIcon::Critical);
        return;
    }
    if (!ReadOrdersText(game, platform, std::move(file.text))) {
        platform.MsgBox(kNoOldOrders, MsgIcon::None);
    }
}

bool RestoreOrders(GameState& game, Platform& platform, const std::string& path) {
    FileText file = ReadWholeFile(path);
    if (!file.Read()) {
        platform.MsgBox("Can't read the unsaved orders in " + path + ": " + file.reason,
                        MsgIcon::Critical);
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
    if (!ReadOrdersText(scratch, platform, std::move(file.text))) {
        platform.MsgBox("The unsaved orders in " + path + " are of another turn",
                        MsgIcon::Critical);
        return false;
    }
    game = std::move(scratch);
    return true;
}

} // namespace dered
