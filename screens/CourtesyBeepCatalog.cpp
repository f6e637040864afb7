#include "screens/CourtesyBeepCatalog.h"

#include "screens/CatalogRows.h"

namespace merix {

namespace {

constexpr std::size_t kSetNameCapacity = 99;

DefaultBeepSet defaultBeepSet(const std::string& line) {
    using D = DefaultBeepFields;
    const std::vector<std::string> f = cutFields(line, defaultBeepLayout());
    DefaultBeepSet set;
    set.name = cut(f[D::Name], kSetNameCapacity);
    for (std::size_t n = 0; n < set.chords.size(); ++n) {
        set.chords[n] = BeepChord{
            readInt(f[D::chord(n, BeepFields::Length)]), readInt(f[D::chord(n, BeepFields::Freq1)]),
            readInt(f[D::chord(n, BeepFields::Freq2)]), readInt(f[D::chord(n, BeepFields::Pause)])};
    }
    return set;
}

} // namespace

BeepCatalog readBeepCatalog(const std::string& path, std::size_t beepCount) {
    using B = BeepFields;
    CatalogRows catalog = readCatalogRows(path, "beep.cfg", beepLayout(), beepCount);
    BeepCatalog result;
    result.notice = std::move(catalog.notice);
    result.info.reserve(catalog.rows.size());
    for (std::vector<std::string>& f : catalog.rows)
        result.info.push_back(BeepInfo{std::move(f[B::Label]), std::move(f[B::Description])});
    return result;
}

DefaultBeepCatalog readDefaultBeepCatalog(const std::string& path) {
    const CatalogLines file = readCatalogEntryLines(path, kScreenLineCapacity);
    DefaultBeepCatalog result;
    if (!file.opened) {
        result.notice = unreadableFileNotice("dfltbeep.cfg", "Set to Defaults offers only Other");
        return result;
    }
    // Only the lines the file really holds: a count beyond them names no sets.
    for (std::size_t i = 0; i < file.linesRead; ++i) {
        if (!file.lines[i].empty())
            result.sets.push_back(defaultBeepSet(file.lines[i]));
    }
    return result;
}

} // namespace merix
