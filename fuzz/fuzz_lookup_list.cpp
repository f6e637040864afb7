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

void checkList(const LookupList& list, std::size_t maxLine, std::size_t fileSize)
{
    // Every entry is a line of the file, so a huge count in a small file costs nothing.
    if (list.size() > fileSize)
        fail("more lookup entries than bytes in the file");
    for (const LookupEntry& e : list)
        if (e.name.size() + e.code.size() > maxLine)
            fail("a lookup entry is longer than its line capacity");
}

void searchTables(const LookupList& list)
{
    const CaseFreeTable words = makeWordTable(list);
    const CaseFreeTable cw = makeCwTable(list);
    const AccessModeTable modes(list);
    // The access table is searched from the front, so a few names are enough.
    const std::size_t searched = std::min<std::size_t>(list.size(), 64);
    for (std::size_t i = 0; i < searched; ++i) {
        const LookupEntry& e = list[i];
        words.find(e.name);
        modes.find(e.name);
        for (std::string_view token : cwTokens(e.code))
            cw.find(token);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
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
