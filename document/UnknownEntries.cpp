#include "document/UnknownEntries.h"

#include "document/ConfigDocument.h"
#include "document/DocumentInput.h"
#include "document/DocumentText.h"
#include "document/FieldReader.h"

#include <unordered_set>

namespace merix {

namespace {

using Keys = std::unordered_set<std::string_view>;

template <typename Entry, typename Field>
Keys keysOf(const std::vector<Entry>& table, Field field) {
    Keys keys;
    keys.reserve(table.size());
    for (const Entry& e : table)
        keys.insert((e.*field).view());
    return keys;
}

// The walk of one file; each section counts the keys it does not know.
class UnknownCounter {
  public:
    explicit UnknownCounter(DocumentInput& in) : m_in(in) {}

    // Entries of a section with one line each, keyed before the separator.
    bool section(const Keys& keys, char separator, bool blankRule, int subLines = 0) {
        const int count = m_in.count();
        for (int i = 0; i < count; ++i) {
            const auto line = m_in.entryLine();
            if (!line)
                return false;
            std::string_view key = splitKey(*line, separator).key;
            if (blankRule)
                key = unblank(key);
            if (!keys.contains(key))
                ++m_unknown;
            for (int s = 0; s < subLines; ++s)
                if (!m_in.entryLine())
                    return false;
        }
        return m_in.nextSection();
    }

    std::size_t unknown() const { return m_unknown; }

  private:
    DocumentInput& m_in;
    std::size_t m_unknown = 0;
};

} // namespace

std::size_t countUnknownEntries(const ConfigDocument& doc, const std::string& path) {
    LineReader reader(path);
    if (!reader.isOpen())
        return 0;
    DocumentInput in(reader);
    in.rawLine(); // header
    in.rawLine(); // the empty line
    in.rawLine(); // [TIMERS]
    const DocumentFeatures f(doc.documentVersion());
    UnknownCounter c(in);
    // Each step reads its section and moves on to the next; the file may end anywhere.
    // Tones and port setup are read by position, so they have no keys to check.
    [[maybe_unused]] const bool wholeFile =
        c.section(keysOf(doc.timers, &TimerEntry::key), '=', false) &&
        c.section(keysOf(doc.messages, &MessageEntry::key), ':', true) &&
        (!f.dvrSection || c.section(keysOf(doc.dvrTracks, &DvrTrack::trackName), ',', false)) &&
        c.section(keysOf(doc.users, &UserEntry::key), '=', false, f.descriptions ? 3 : 2) &&
        c.section(keysOf(doc.ioPoints, &IoPoint::key), '=', false) &&
        c.section(keysOf(doc.commands, &CommandEntry::key), '=', false) &&
        c.section(keysOf(doc.macros, &MacroEntry::key), '=', false) &&
        c.section(keysOf(doc.events, &ScheduleEvent::key), '=', true) &&
        c.section(keysOf(doc.beeps, &CourtesyBeep::key), '=', true);
    return c.unknown();
}

} // namespace merix
