#pragma once

#include "SyntheticConfiguration.h"

#include "document/ConfigDocument.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace merix::bench {

// One large configuration on disk for every benchmark: its catalogs, its document file
// and a reference copy that differs in a few entries.
struct BenchSet {
    std::filesystem::path dir;
    ConfigDocument doc; // as the document file holds it
    std::vector<std::filesystem::path> catalogFiles;
    std::size_t catalogBytes = 0;
    std::size_t documentBytes = 0;

    std::filesystem::path documentPath() const { return dir / kSyntheticDocument; }
    std::filesystem::path referencePath() const { return dir / kSyntheticReference; }
    std::size_t inputBytes() const { return catalogBytes + documentBytes; }
};

// Written on first use into a folder of its own under the temp folder, removed at exit.
BenchSet& benchSet();

} // namespace merix::bench
