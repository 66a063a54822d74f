// The driver's word for pictures of the map: "export map".
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "files/FileAccess.h"
#include "map/MapExport.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <ostream>
#include <sstream>
#include <vector>

namespace dered::words {

// export map <file.svg> [<cell size> [hex|square] [arrows|noarrows] [allies|noallies] [reach]];
// unset choices are the map window's own, and the allies' orders go in when any are loaded.
void ExportMap(Script& s, ScriptArgs& args) {
    Program& program = s.program;
    const std::string path = args.Word("file");
    // Only a picture is ever replaced, whatever name a script gives.
    std::string ending = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending != ".svg" || path.size() == 4) {
        throw ScriptError("the map is exported to a file ending in .svg, not " + path);
    }
    const SettingsRecord& settings = program.records.settings;
    const AllyOrderSets& allies = program.records.documents.Shown().allies;
    MapExportOptions options{settings.CellSize, settings.HexDisplay != 0, true, &allies};
    std::istringstream choices(args.OptionalRest());
    std::vector<std::string> words{std::istream_iterator<std::string>(choices), {}};
    if (words.size() > 5) {
        throw ScriptError("export map takes a file, a cell size, hex or square, arrows or "
                          "noarrows, allies or noallies and reach, no more");
    }
    if (!words.empty()) {
        ScriptArgs size(words[0]);
        options.cellSize = static_cast<int16_t>(
            std::clamp(size.Number("cell size"), int{MinCellSize}, int{MaxSquareCellSize}));
    }
    if (words.size() > 1) {
        if (words[1] != "hex" && words[1] != "square") {
            throw ScriptError("the cells are hex or square, not " + words[1]);
        }
        options.hexDisplay = words[1] == "hex";
    }
    if (words.size() > 2) {
        if (words[2] != "arrows" && words[2] != "noarrows") {
            throw ScriptError("arrows or noarrows, not " + words[2]);
        }
        options.arrows = words[2] == "arrows";
    }
    for (size_t i = 3; i < words.size(); ++i) {
        if (words[i] == "allies" || words[i] == "noallies") {
            options.allies = words[i] == "allies" ? &allies : nullptr;
        } else if (words[i] == "reach") {
            options.reach = true;
        } else {
            throw ScriptError("allies, noallies or reach, not " + words[i]);
        }
    }
    const MapSvg svg = ExportMapSvg(program.records.documents.Shown().records,
                                    program.records.hexMap, settings, TheMapPictures(), options);
    if (const std::string problem = WriteFileAtomically(path, svg.text, program.disk);
        !problem.empty()) {
        s.platform.MsgBox("Can't export the map to " + path + ": " + problem, MsgIcon::Critical);
        return;
    }
    s.out << "EXPORTED " << path << ' ' << svg.width << ' ' << svg.height << '\n';
}

} // namespace dered::words
