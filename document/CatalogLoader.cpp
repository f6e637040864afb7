#include "document/CatalogLoader.h"

#include "document/CatalogFields.h"
#include "document/CatalogSections.h"
#include "document/ConfigDocument.h"
#include "document/LineReader.h"
#include "document/Prompter.h"

#include <string>

namespace merix {

namespace {

std::string openFailure(std::string_view file, std::string_view what) {
    return "Error.  Unable to open " + std::string(file) + " (" + std::string(what) + ").";
}

struct ListCatalog {
    std::string_view file;
    std::string_view what;
    void (*build)(ConfigDocument&, CatalogEntryReader&);
};

// The list catalogs in the order they are loaded.
constexpr ListCatalog kListCatalogs[] = {
    {"timers.cfg", "timer commands configure file", buildTimers},
    {"messages.cfg", "message commands configure file", buildMessages},
    {"dvr.cfg", "DVR descriptions configure file", buildDvrTracks},
    {"users.cfg", "user commands configure file", buildUsers},
    {"io.cfg", "inputs and outputs configure file", buildIoPoints},
    {"commands.cfg", "commands configure file", buildCommands},
    {"macros.cfg", "macros configure file", buildMacros},
    {"schedule.cfg", "schedular configure file", buildEvents},
    {"beep.cfg", "courtesy beeps configure file", buildBeeps},
};

bool loadList(ConfigDocument& doc, Prompter& prompter, const ListCatalog& catalog) {
    CatalogEntryReader lines(doc.catalogPath(catalog.file), kCatalogLineCapacity);
    if (!lines.opened()) {
        prompter.inform(openFailure(catalog.file, catalog.what));
        return false;
    }
    if (lines.countCut())
        prompter.inform(countCutMessage(catalog.file, lines.declaredCount()));
    catalog.build(doc, lines);
    return true;
}

// A missing userdflt.cfg is reported, and the load goes on with the defaults unchanged.
void loadUserDefaults(ConfigDocument& doc, Prompter& prompter) {
    LineReader reader(doc.catalogPath("userdflt.cfg"));
    if (!reader.isOpen()) {
        prompter.inform(openFailure("userdflt.cfg", "user defaults configure file"));
        return;
    }
    reader.nextLine(kUserDefaultsLineCapacity); // title
    doc.userDefaults = readUserDefaults(reader);
}

bool loadTones(ConfigDocument& doc, Prompter& prompter) {
    LineReader reader(doc.catalogPath("tones.cfg"));
    if (!reader.isOpen()) {
        prompter.inform(openFailure("tones.cfg", "tones configure file"));
        return false;
    }
    reader.nextLine(kCatalogLineCapacity); // title
    fillTonesFromCatalog(doc.tones,
                         reader.nextLine(kCatalogLineCapacity).value_or(std::string_view()));
    return true;
}

bool loadMisc(ConfigDocument& doc, Prompter& prompter) {
    LineReader reader(doc.catalogPath("misc.cfg"));
    if (!reader.isOpen()) {
        prompter.inform(openFailure("misc.cfg", "misc setup configure file"));
        return false;
    }
    reader.nextLine(kCatalogLineCapacity); // title
    readMiscCatalog(doc.ports, reader);
    return true;
}

} // namespace

bool loadCatalogs(ConfigDocument& doc, Prompter& prompter) {
    loadUserDefaults(doc, prompter);
    for (const ListCatalog& catalog : kListCatalogs)
        if (!loadList(doc, prompter, catalog))
            return false;
    return loadTones(doc, prompter) && loadMisc(doc, prompter);
}

} // namespace merix
