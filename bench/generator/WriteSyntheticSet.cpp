// Writes the benchmarks' large set into a folder, to run merix-cli or a profiler on it:
//   synthetic_set DIR
#include "SyntheticConfiguration.h"

#include "document/ConfigDocument.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: synthetic_set DIR\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        merix::ConfigDocument doc;
        merix::bench::writeSyntheticSet(argv[1], doc);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
