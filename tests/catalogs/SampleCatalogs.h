#pragma once

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/LookupList.h"
#include "tests/support/RecordingPrompter.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>

namespace merix::test {

inline std::string sampleCatalog(std::string_view file)
{
    return std::string(MERIX_SAMPLE_CATALOGS) + "/" + std::string(file);
}

// The store as a New on the shipped catalogs leaves it.
struct SampleDocument {
    ConfigDocument doc;
    RecordingPrompter prompter;
    bool loaded = false;

    SampleDocument()
    {
        doc.setStartupDirectory(MERIX_SAMPLE_CATALOGS);
        loaded = loadCatalogs(doc, prompter);
    }
};

inline std::string upper(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

inline bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The names of a lookup list in upper case, for the case-blind lookups of the program.
inline std::set<std::string> upperNames(const LookupList& list)
{
    std::set<std::string> names;
    for (const LookupEntry& e : list)
        names.insert(upper(e.name));
    return names;
}

} // namespace merix::test
