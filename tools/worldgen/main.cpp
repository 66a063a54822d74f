// Writes the bundled world: der-ed-worldgen <output folder>
#include <iostream>

#include "Generate.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: der-ed-worldgen <output folder>\n";
        return 2;
    }
    const std::string problem = dered::worldgen::GenerateAll(argv[1]);
    if (!problem.empty()) {
        std::cerr << "der-ed-worldgen: " << problem << "\n";
        return 1;
    }
    return 0;
}
