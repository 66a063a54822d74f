#include "WorldFiles.h"

#include <fstream>
#include <sstream>

#include "HexGrid.h"
#include "files/MapFiles.h"
#include "platform/SystemDisk.h"

namespace dered::worldgen {

namespace {

constexpr int NeighbourSlots = 14;

std::string FileName(std::string name) {
    for (char& c : name) {
        if (c == ' ') {
            c = '_';
        }
    }
    return name;
}

std::string AreaFileText(const World& world) {
    std::ostringstream out;
    for (int a = 1; a <= AreaCount; ++a) {
        const WorldArea& area = world.areas[a];
        out << area.terrain << ',' << area.supply;
        for (int slot = 0; slot < NeighbourSlots; ++slot) {
            out << ','
                << (slot < static_cast<int>(area.neighbours.size()) ? area.neighbours[slot] : 0);
        }
        out << ',' << FileName(area.name) << "\r\n";
    }
    for (size_t i = 0; i < world.homes.size(); ++i) {
        out << world.homes[i] << ",Home_of_player_" << i + 1 << "\r\n";
    }
    return out.str();
}

} // namespace

HexMap MakeHexMap(const World& world) {
    HexMap hexMap;
    for (int cell = 0; cell < CellCount; ++cell) {
        HexCell& hex = hexMap.At(ColOf(cell), RowOf(cell));
        const int area = world.cellArea[cell];
        hex.Area = static_cast<int16_t>(area);
        for (int side = 0; side < 6; ++side) {
            const int n = NeighbourCell(cell, side);
            hex.Border[side] = (n != NoCell && world.cellArea[n] != area) ? 1 : 0;
        }
        if (world.areas[area].anchor == cell) {
            hex.Display[0] = -1;
            hex.Display[1] = -1;
            hex.Display[2] = world.areas[area].supply > 0 ? -1 : 0;
        }
    }
    return hexMap;
}

std::string WriteMapFiles(const World& world, const std::string& dir) {
    const std::string areaPath = dir + "/" + MapAreaFileName;
    std::ofstream out(areaPath, std::ios::binary | std::ios::trunc);
    out << AreaFileText(world);
    out.close();
    if (!out) {
        return "cannot write " + areaPath;
    }
    SystemDisk disk;
    return SaveHexData(MakeHexMap(world), dir + "/" + MapHexFileName, disk);
}

} // namespace dered::worldgen
