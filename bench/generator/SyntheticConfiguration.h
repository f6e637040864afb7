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

// The whole set in dir: the catalogs, a reference copy BIG.REF, then a handful of edits
// and the document BIG.mrx. doc ends up holding what BIG.mrx holds. Returns the bytes of
// the catalogs; throws when they do not load.
inline constexpr const char* kSyntheticDocument = "BIG.mrx";
inline constexpr const char* kSyntheticReference = "BIG.REF";
std::size_t writeSyntheticSet(const std::filesystem::path& dir, ConfigDocument& doc,
                              const SyntheticSize& size = {});

} // namespace merix::bench
