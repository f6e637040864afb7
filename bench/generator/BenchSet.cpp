#include "BenchSet.h"

#include "SyntheticConfiguration.h"

#include <unistd.h>

namespace merix::bench {

namespace {

struct OwnedSet : BenchSet {
    OwnedSet() {
        namespace fs = std::filesystem;
        dir = fs::temp_directory_path() / ("merix-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        catalogBytes = writeSyntheticSet(dir, doc);
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() == ".cfg")
                catalogFiles.push_back(entry.path());
        documentBytes = fs::file_size(documentPath());
    }
    ~OwnedSet() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

} // namespace

BenchSet& benchSet() {
    static OwnedSet set;
    return set;
}

} // namespace merix::bench
