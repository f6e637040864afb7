// wordlist.cfg, cw.cfg and access.cfg share one reader; the input is read with the
// capacities of the screens and of the generator, and the generator's tables are built
// from it and searched for names and for the CW symbols of codes.
#include "document/LookupList.h"
#include "fuzz/FuzzSupport.h"
#include "generator/CwScanner.h"
#include "generator/LookupTables.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace merix;
using merix::fuzz::fail;

namespace {

void checkList(const LookupList& list, std::size_t maxLine, std::size_t fileSize) {
    // Every entry is a line of the file, so a huge count in a small file costs nothing.
    if (list.size() > fileSize)
        fail("more lookup entries than bytes in the file");
    for (const LookupEntry& e : list)
        if (e.name.size() + e.code.size() > maxLine)
            fail("a lookup entry is longer than its line capacity");
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The word table against a search of the list from the front: the first name equal
// without regard to case, its code cut to seven characters.
void checkWordTable(const CaseFreeTable& words, const LookupList& list, std::string_view name) {
    const std::string* found = words.find(name);
    const auto first = std::find_if(list.begin(), list.end(), [&](const LookupEntry& e) {
        return sameIgnoringCase(e.name, name);
    });
    if ((found == nullptr) != (first == list.end()) ||
        (found && *found != std::string_view(first->code).substr(0, 7)))
        fail("the word table and a search of the list disagree");
}

void searchTables(const LookupList& list) {
    const CaseFreeTable words = makeWordTable(list);
    const CaseFreeTable cw = makeCwTable(list);
    const AccessModeTable modes(list);
    // The access table is searched from the front, so a few names are enough.
    const std::size_t searched = std::min<std::size_t>(list.size(), 64);
    for (std::size_t i = 0; i < searched; ++i) {
        const LookupEntry& e = list[i];
        checkWordTable(words, list, e.name);
        checkWordTable(words, list, e.code); // mostly a name that is not there
        modes.find(e.name);
        for (std::string_view token : cwTokens(e.code))
            cw.find(token);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::writeScratchFile("list.cfg", fuzz::bytes(data, size));
    for (std::size_t maxLine : {std::size_t{999}, kLookupLineLength}) {
        const auto list = readLookupList(path, maxLine);
        if (!list)
            fail("a lookup list written a moment ago did not open");
        checkList(*list, maxLine, size);
        searchTables(*list);
    }
    return 0;
}
