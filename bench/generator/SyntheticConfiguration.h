#pragma once

#include <cstddef>
#include <filesystem>

namespace merix {
class ConfigDocument;
}

namespace merix::bench {

struct SyntheticSize {
    int commands = 5000;
    int macros = 5000;
    int linesPerMacro = 20;
    int users = 2000;
    int messages = 1000;
    int wordsPerMessage = 30;
};

// Writes a catalog set of the given size into dir and returns the bytes written.
std::size_t writeSyntheticCatalogs(const std::filesystem::path& dir, const SyntheticSize& size);

// Fills what the catalogs leave empty: macro lines, users' call signs, autodial numbers
// and passwords, scheduled commands.
void fillSyntheticValues(ConfigDocument& doc, const SyntheticSize& size);

} // namespace merix::bench
