// map-area.dat as the program reads it at start-up and after each report.
#include "MapFileTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return dered::fuzz::LoadFuzzedMapFile(dered::MapAreaFileName, data, size);
}
