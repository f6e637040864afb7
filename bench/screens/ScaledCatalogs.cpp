#include "ScaledCatalogs.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace merix::bench {

namespace {

// Catalogs without a count of entries on their second line.
bool isSingleRecord(const std::string& name) {
    return name == "tones.cfg" || name == "misc.cfg" || name == "userdflt.cfg";
}

std::vector<std::string> lines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
    }
    return out;
}

// The copy's first field (key, name or word) gets a suffix, so lookups stay unique.
std::string renamed(std::string line, int copy) {
    if (copy == 0)
        return line;
    const std::size_t end = std::min(line.find_first_of(",:"), line.size());
    std::string suffix(1, '_');
    suffix += std::to_string(copy);
    line.insert(end, suffix);
    return line;
}

void writeScaled(const std::filesystem::path& from, const std::filesystem::path& to, int factor) {
    const std::vector<std::string> in = lines(from);
    std::ofstream out(to, std::ios::binary);
    if (in.size() < 2) {
        return;
    }
    std::vector<std::string> entries;
    for (std::size_t i = 2; i < in.size(); ++i)
        if (!in[i].empty())
            entries.push_back(in[i]);
    out << in[0] << "\r\n" << entries.size() * static_cast<std::size_t>(factor) << "\r\n";
    for (int copy = 0; copy < factor; ++copy)
        for (const std::string& entry : entries)
            out << renamed(entry, copy) << "\r\n";
}

} // namespace

void writeScaledCatalogs(const std::filesystem::path& dir, const CatalogScale& scale) {
    const std::filesystem::path samples = MERIX_SAMPLE_CATALOGS;
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".cfg")
            continue;
        if (isSingleRecord(name)) {
            std::filesystem::copy_file(entry.path(), dir / name,
                                       std::filesystem::copy_options::overwrite_existing);
            continue;
        }
        const auto it = scale.perFile.find(name);
        writeScaled(entry.path(), dir / name,
                    it == scale.perFile.end() ? scale.factor : it->second);
    }
}

} // namespace merix::bench
