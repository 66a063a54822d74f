#include "Generate.h"

#include "DemoGame.h"
#include "World.h"
#include "WorldFiles.h"

namespace dered::worldgen {

std::string GenerateAll(const std::string& outDir) {
    std::string problem;
    const World world = BuildWorld(WorldSeed, problem);
    if (!problem.empty()) {
        return problem;
    }
    problem = WriteMapFiles(world, outDir);
    if (!problem.empty()) {
        return problem;
    }
    return WriteDemoGame(world, outDir);
}

} // namespace dered::worldgen
