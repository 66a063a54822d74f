#include "files/MapFiles.h"

#include "state/CodeTables.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "files/FieldReader.h"
#include "files/FileAccess.h"

namespace dered {

namespace {

constexpr int16_t NoExtentMin = 999;

// Reads the fields of one map file and keeps the first problem as a message naming the file.
class MapFileReader {
  public:
    MapFileReader(std::string text, std::string path)
        : reader_(std::move(text)), path_(std::move(path)) {}

    bool Number(int16_t& out) {
        if (!reader_.ReadNumber(out)) {
            return Fail(reader_.Error());
        }
        return true;
    }

    bool NumberIn(int16_t& out, int lo, int hi, const char* what) {
        if (!Number(out)) {
            return false;
        }
        if (out < lo || out > hi) {
            return Fail("line " + std::to_string(reader_.Line()) + ": " + what + " " +
                        std::to_string(out) + " is outside " + std::to_string(lo) + " to " +
                        std::to_string(hi));
        }
        return true;
    }

    bool Text(std::string& out) {
        if (!reader_.ReadText(out)) {
            return Fail(reader_.Error());
        }
        return true;
    }

    const std::string& Error() const { return error_; }

  private:
    bool Fail(const std::string& problem) {
        error_ = "Map file " + path_ + ": " + problem;
        return false;
    }

    FieldReader reader_;
    std::string path_;
    std::string error_;
};

// Reads a map file whole; a problem comes back naming the file.
std::string ReadMapFile(const std::string& path, MapFileText& file) {
    FileText read = ReadWholeFile(path);
    if (!read.Read()) {
        return "Map file " + path + ": " + read.reason;
    }
    file = {path, std::move(read.text)};
    return {};
}

void UnderscoresToBlanks(std::string& name) {
    for (char& c : name) {
        if (c == '_') {
            c = ' ';
        }
    }
}

bool ReadAreaRecord(MapFileReader& file, AreaRecord& area) {
    // A negative supply centre is nonsense.
    if (!file.NumberIn(area.Terrain, Land, NoEntry, "terrain") ||
        !file.NumberIn(area.Supply, 0, INT16_MAX, "supply")) {
        return false;
    }
    for (int16_t& neighbour : area.Neighbour) {
        if (!file.NumberIn(neighbour, 0, MaxArea, "neighbour area")) {
            return false;
        }
    }
    if (!file.Text(area.Name)) {
        return false;
    }
    UnderscoresToBlanks(area.Name);
    area.HomeCentre = 0;
    area.MinCol = NoExtentMin;
    area.MaxCol = 0;
    area.MinRow = NoExtentMin;
    area.MaxRow = 0;
    return true;
}

// The area section, then PlayerCount - 1 home records.
std::string ReadAreaFile(std::vector<AreaRecord>& areas, int playerCount, const MapFileText& text) {
    MapFileReader file(text.text, text.path);
    for (int n = 1; n <= MaxArea; ++n) {
        if (!ReadAreaRecord(file, areas[n])) {
            return file.Error();
        }
    }
    for (int i = 1; i <= playerCount - 1; ++i) {
        int16_t home = 0;
        std::string ignored;
        if (!file.NumberIn(home, 0, MaxArea, "home area") || !file.Text(ignored)) {
            return file.Error();
        }
        areas[home].HomeCentre = -1;
    }
    return {};
}

bool ReadCell(MapFileReader& file, HexCell& cell) {
    int16_t ignored = 0;
    if (!file.Number(ignored) || !file.Number(ignored) ||
        !file.NumberIn(cell.Area, 0, MaxArea, "area")) {
        return false;
    }
    for (int16_t& side : cell.Border) {
        if (!file.NumberIn(side, 0, 1, "border flag")) {
            return false;
        }
    }
    for (int16_t& shown : cell.Display) {
        if (!file.NumberIn(shown, -1, 0, "display flag")) {
            return false;
        }
    }
    return true;
}

void WidenExtent(AreaRecord& area, int16_t col, int16_t row) {
    if (col > area.MaxCol) {
        area.MaxCol = col;
    }
    if (col < area.MinCol) {
        area.MinCol = col;
    }
    if (row > area.MaxRow) {
        area.MaxRow = row;
    }
    if (row < area.MinRow) {
        area.MinRow = row;
    }
}

std::string ReadHexFile(HexMap& hexMap, std::vector<AreaRecord>& areas, const MapFileText& text) {
    MapFileReader file(text.text, text.path);
    for (int16_t c = 1; c <= MapColumns; ++c) {
        for (int16_t r = 1; r <= MapRows; ++r) {
            HexCell& cell = hexMap.At(c, r);
            if (!ReadCell(file, cell)) {
                return file.Error();
            }
            WidenExtent(areas[cell.Area], c, r);
        }
    }
    return {};
}

void WriteCell(std::ostream& out, int c, int r, const HexCell& cell) {
    out << c << ',' << r << ',' << cell.Area;
    for (int16_t side : cell.Border) {
        out << ',' << side;
    }
    for (int16_t shown : cell.Display) {
        out << ',' << shown;
    }
    out << "\r\n";
}

} // namespace

std::string LoadMapFiles(GameState& game, HexMap& hexMap, const MapFilePaths& files) {
    if (!files.problem.empty()) {
        return files.problem;
    }
    MapFileText area;
    MapFileText hex;
    if (std::string problem = ReadMapFile(files.area.string(), area); !problem.empty()) {
        return problem;
    }
    if (std::string problem = ReadMapFile(files.hex.string(), hex); !problem.empty()) {
        return problem;
    }
    return LoadMapTexts(game, hexMap, area, hex);
}

std::string LoadMapTexts(GameState& game, HexMap& hexMap, const MapFileText& area,
                         const MapFileText& hex) {
    std::vector<AreaRecord> areas;
    if (std::string problem = ReadMapAreas(game, area, areas); !problem.empty()) {
        return problem;
    }
    return LoadMapHex(game, hexMap, std::move(areas), hex);
}

std::string ReadMapAreas(const GameState& game, const MapFileText& area,
                         std::vector<AreaRecord>& areas) {
    areas.assign(game.Areas.begin(), game.Areas.end());
    if (std::string problem = ReadAreaFile(areas, game.PlayerCount, area); !problem.empty()) {
        return problem;
    }
    areas[MaxArea].Owner = 0;
    return {};
}

std::string LoadMapHex(GameState& game, HexMap& hexMap, std::vector<AreaRecord> areas,
                       const MapFileText& hex) {
    auto cells = std::make_unique<HexMap>();
    if (std::string problem = ReadHexFile(*cells, areas, hex); !problem.empty()) {
        return problem;
    }
    std::copy(areas.begin(), areas.end(), game.Areas.begin());
    hexMap = *cells;
    return {};
}

std::string LoadMapFiles(GameState& game, HexMap& hexMap, const MapFolders& folders) {
    return LoadMapFiles(game, hexMap, FindMapFiles(folders));
}

std::string SaveHexData(const HexMap& hexMap, const std::string& path, Disk& disk) {
    std::ostringstream text;
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            WriteCell(text, c, r, hexMap.At(c, r));
        }
    }
    if (std::string problem = WriteFileAtomically(path, text.str(), disk); !problem.empty()) {
        return "Cannot write " + path + ": " + problem;
    }
    return {};
}

} // namespace dered
