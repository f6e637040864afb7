#include "document/CatalogFields.h"

#include "document/FieldCursor.h"
#include "document/LineReader.h"

#include <algorithm>
#include <climits>

namespace merix {

void cutFieldViews(std::string_view line, const FieldLayout& layout,
                   std::vector<std::string_view>& fields) {
    fields.clear();
    FieldCursor cursor(line);
    for (bool colon : layout.endsAtColon)
        fields.push_back(cursor.next(colon ? ':' : ',').value_or(std::string_view()));
    if (layout.restOfLine)
        fields.push_back(cursor.rest().value_or(std::string_view()));
}

std::vector<std::string> cutFields(std::string_view line, const FieldLayout& layout) {
    std::vector<std::string_view> views;
    cutFieldViews(line, layout, views);
    return {views.begin(), views.end()};
}

int readInt(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t' || field[i] == '\n' ||
                                field[i] == '\r' || field[i] == '\v' || field[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    // Stop growing once past the int range; the result saturates.
    constexpr long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (field[i] - '0'));
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

namespace {

// A layout of plain comma fields of which the last takes the rest of the line.
FieldLayout commaFields(std::size_t count) {
    return FieldLayout{std::vector<bool>(count - 1, false), true};
}

// Appends a group of fields of which the last ends at ':'.
void addGroup(FieldLayout& layout, std::size_t size) {
    for (std::size_t i = 0; i + 1 < size; ++i)
        layout.endsAtColon.push_back(false);
    layout.endsAtColon.push_back(true);
}

} // namespace

FieldLayout timersLayout() {
    return commaFields(TimerFields::Count);
}
FieldLayout messagesLayout() {
    return commaFields(MessageFields::Count);
}
FieldLayout dvrLayout() {
    return commaFields(DvrFields::Count);
}
FieldLayout usersLayout() {
    return commaFields(UserFields::Count);
}
FieldLayout ioLayout() {
    return commaFields(IoFields::Count);
}
FieldLayout commandsLayout() {
    return commaFields(CommandFields::Count);
}
FieldLayout macrosLayout() {
    return commaFields(MacroFields::Count);
}
FieldLayout scheduleLayout() {
    return commaFields(ScheduleFields::Count);
}

FieldLayout resolutionsLayout() {
    return commaFields(ResolutionFields::Count);
}

FieldLayout beepLayout() {
    FieldLayout layout{std::vector<bool>(BeepFields::FirstChord, false), true};
    for (int chord = 0; chord < 5; ++chord)
        addGroup(layout, BeepFields::PartCount);
    return layout;
}

FieldLayout defaultBeepLayout() {
    FieldLayout layout{{true}, false};
    for (int chord = 0; chord < 5; ++chord)
        addGroup(layout, BeepFields::PartCount);
    return layout;
}

FieldLayout tonesLayout() {
    FieldLayout layout{std::vector<bool>(ToneFields::FirstCw, false), true};
    for (int port = 0; port < 8; ++port)
        addGroup(layout, ToneFields::CwPartCount);
    addGroup(layout, ToneFields::RingPartCount); // cover tone
    addGroup(layout, ToneFields::RingPartCount); // reverse patch ring
    for (int port = 0; port < 16; ++port)        // DTMF, then preaccess pairs
        addGroup(layout, ToneFields::PairCount);
    return layout;
}

CatalogEntryReader::CatalogEntryReader(const std::string& path, std::size_t maxLine)
    : m_reader(path), m_maxLine(maxLine) {
    if (!m_reader.isOpen())
        return;
    m_reader.nextLine(maxLine); // title
    m_declaredCount = m_reader.readCount();
    m_count = static_cast<std::size_t>(std::clamp(m_declaredCount, 0, kMaxCatalogEntries));
}

std::string_view CatalogEntryReader::next() {
    const auto line = m_reader.nextLine(m_maxLine);
    if (!line)
        return {};
    ++m_linesRead;
    return *line;
}

CatalogLines readCatalogEntryLines(const std::string& path, std::size_t maxLine) {
    CatalogEntryReader reader(path, maxLine);
    CatalogLines result;
    result.opened = reader.opened();
    result.declaredCount = reader.declaredCount();
    result.lines.reserve(reader.count());
    for (std::size_t i = 0; i < reader.count(); ++i)
        result.lines.emplace_back(reader.next());
    result.linesRead = reader.linesRead();
    return result;
}

std::string countCutMessage(std::string_view fileName, int declaredCount) {
    const std::string limit = std::to_string(kMaxCatalogEntries);
    return "Warning.  " + std::string(fileName) + " gives a count of " +
           std::to_string(declaredCount) + " entries, more than the " + limit +
           " this program reads.  Only the first " + limit + " entries are used.";
}

} // namespace merix
