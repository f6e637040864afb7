#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace merix::bench {

// How many times each catalog's entries are repeated; files not named take `factor`.
struct CatalogScale {
    int factor = 10;
    std::map<std::string, int> perFile; // e.g. {"wordlist.cfg", 12}
};

// Writes the sample catalogs into dir with every list and lookup list repeated as the scale
// says (keys and names made unique), the single-record catalogs as they are.
void writeScaledCatalogs(const std::filesystem::path& dir, const CatalogScale& scale);

} // namespace merix::bench
