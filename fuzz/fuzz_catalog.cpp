// Every catalog the program reads, chosen by the first byte of the input; the rest is
// the file. The list catalogs go through the same two steps as a New or Open (entry
// lines, then the section builder) and through the screens' second reading of their
// labels and descriptions.
#include "document/CatalogFields.h"
#include "document/CatalogSections.h"
#include "document/ConfigDocument.h"
#include "document/LineReader.h"
#include "fuzz/CatalogKinds.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace merix;
using merix::fuzz::fail;
using merix::fuzz::writeScratchFile;

namespace {

using Builder = void (*)(ConfigDocument&, CatalogEntryReader&);

struct ListKind {
    const char* file;
    Builder build;
    FieldLayout (*layout)();
    std::size_t screenCapacity;
};

const ListKind kLists[] = {
    {"timers.cfg", buildTimers, timersLayout, kScreenLineCapacity},
    {"messages.cfg", buildMessages, messagesLayout, kCatalogLineCapacity},
    {"dvr.cfg", buildDvrTracks, dvrLayout, kScreenLineCapacity},
    {"users.cfg", buildUsers, usersLayout, kScreenLineCapacity},
    {"io.cfg", buildIoPoints, ioLayout, kScreenLineCapacity},
    {"commands.cfg", buildCommands, commandsLayout, kScreenLineCapacity},
    {"macros.cfg", buildMacros, macrosLayout, kScreenLineCapacity},
    {"schedule.cfg", buildEvents, scheduleLayout, kScreenLineCapacity},
    {"beep.cfg", buildBeeps, beepLayout, kScreenLineCapacity},
};
constexpr int kListCount = sizeof(kLists) / sizeof(kLists[0]);

// The catalog only a screen reads whose layout is not among the document's: a name and
// three numbers. dfltbeep.cfg is read with the Courtesy Beeps screen's own layout.
FieldLayout resolutionLayout() { return {{false, false, false}, true}; }

void checkLines(const CatalogLines& lines, std::size_t capacity)
{
    if (!lines.opened)
        fail("a catalog written a moment ago did not open");
    const int expected = std::clamp(lines.declaredCount, 0, kMaxCatalogEntries);
    if (lines.lines.size() != static_cast<std::size_t>(expected))
        fail("entry line count differs from the bounded count");
    for (const std::string& line : lines.lines)
        if (line.size() > capacity)
            fail("an entry line is longer than its capacity");
}

void screenReading(const std::string& path, const FieldLayout& layout, std::size_t capacity)
{
    const CatalogLines lines = readCatalogEntryLines(path, capacity);
    checkLines(lines, capacity);
    const std::size_t fieldCount = layout.endsAtColon.size() + (layout.restOfLine ? 1 : 0);
    for (const std::string& line : lines.lines) {
        const std::vector<std::string> fields = cutFields(line, layout);
        if (fields.size() != fieldCount)
            fail("cutFields gave a different number of fields than its layout");
        for (const std::string& f : fields)
            readInt(f);
    }
}

void listCatalog(const ListKind& kind, std::string_view content)
{
    const std::string path = writeScratchFile(kind.file, content);
    const CatalogLines lines = readCatalogEntryLines(path, kCatalogLineCapacity);
    checkLines(lines, kCatalogLineCapacity);
    ConfigDocument doc;
    CatalogEntryReader reader(path, kCatalogLineCapacity);
    kind.build(doc, reader);
    if (reader.count() != lines.lines.size() || reader.linesRead() != lines.linesRead)
        fail("the loader read other entry lines than the screens");
    screenReading(path, kind.layout(), kind.screenCapacity);
}

void tonesCatalog(std::string_view content)
{
    LineReader reader(writeScratchFile("tones.cfg", content));
    reader.nextLine(kCatalogLineCapacity);
    ToneSettings tones;
    fillTonesFromCatalog(tones, reader.nextLine(kCatalogLineCapacity).value_or(std::string_view()));
}

void miscCatalog(std::string_view content)
{
    LineReader reader(writeScratchFile("misc.cfg", content));
    reader.nextLine(kCatalogLineCapacity);
    std::array<PortSetup, kPortCount> ports{};
    readMiscCatalog(ports, reader);
}

void userDefaultsCatalog(std::string_view content)
{
    LineReader reader(writeScratchFile("userdflt.cfg", content));
    reader.nextLine(kUserDefaultsLineCapacity);
    readUserDefaults(reader);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static_assert(fuzz::kCatalogKindCount == kListCount + 5);
    if (size == 0)
        return 0;
    const std::size_t kind = data[0] % fuzz::kCatalogKindCount;
    const std::string_view content = fuzz::bytes(data + 1, size - 1);
    const std::string_view file = fuzz::kCatalogKinds[kind];
    if (kind < kListCount) {
        if (file != kLists[kind].file)
            fuzz::fail("the catalog kinds are out of order");
        listCatalog(kLists[kind], content);
    } else if (file == "tones.cfg")
        tonesCatalog(content);
    else if (file == "misc.cfg")
        miscCatalog(content);
    else if (file == "userdflt.cfg")
        userDefaultsCatalog(content);
    else if (file == "resolutn.cfg")
        screenReading(writeScratchFile(file, content), resolutionLayout(), kScreenLineCapacity);
    else
        screenReading(writeScratchFile(file, content), defaultBeepLayout(), kScreenLineCapacity);
    return 0;
}
