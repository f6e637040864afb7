#include "generator/CatalogLabels.h"

#include "document/CatalogFields.h"
#include "document/ConfigDocument.h"
#include "generator/Formatting.h"

#include <array>

namespace merix {

namespace {

// Labels are shown on one line; a catalog could hold anything.
constexpr std::size_t kLabelLength = 80;

std::vector<std::string> readLabels(const ConfigDocument& doc, const char* file,
                                    const FieldLayout& layout, std::size_t labelField) {
    std::vector<std::string> labels;
    const CatalogLines catalog = readCatalogEntryLines(doc.catalogPath(file), kCatalogLineCapacity);
    labels.reserve(catalog.lines.size());
    for (const std::string& line : catalog.lines)
        labels.push_back(cutFields(line, layout)[labelField].substr(0, kLabelLength));
    return labels;
}

std::vector<TimerLimits> readTimerLimits(const ConfigDocument& doc) {
    std::vector<TimerLimits> limits;
    const CatalogLines catalog =
        readCatalogEntryLines(doc.catalogPath("timers.cfg"), kCatalogLineCapacity);
    limits.reserve(catalog.lines.size());
    for (const std::string& line : catalog.lines) {
        const std::vector<std::string> f = cutFields(line, timersLayout());
        limits.push_back({f[TimerFields::DefaultLength].substr(0, 4),
                          f[TimerFields::MaximumLength].substr(0, 4),
                          timerUnit(f[TimerFields::Description])});
    }
    return limits;
}

} // namespace

CatalogLabels CatalogLabels::read(const ConfigDocument& doc) {
    CatalogLabels l;
    l.timers = readLabels(doc, "timers.cfg", timersLayout(), TimerFields::Label);
    l.timerLimits = readTimerLimits(doc);
    l.messages = readLabels(doc, "messages.cfg", messagesLayout(), MessageFields::Label);
    l.users = readLabels(doc, "users.cfg", usersLayout(), UserFields::Label);
    l.ioPoints = readLabels(doc, "io.cfg", ioLayout(), IoFields::Label);
    l.commands = readLabels(doc, "commands.cfg", commandsLayout(), CommandFields::Label);
    l.macros = readLabels(doc, "macros.cfg", macrosLayout(), MacroFields::Label);
    l.events = readLabels(doc, "schedule.cfg", scheduleLayout(), ScheduleFields::Label);
    l.beeps = readLabels(doc, "beep.cfg", beepLayout(), BeepFields::Label);
    l.indexNumbers(doc);
    return l;
}

std::string CatalogLabels::pick(const std::vector<std::string>& labels, std::size_t i,
                                std::string_view fallback) {
    if (i < labels.size() && !labels[i].empty())
        return labels[i];
    return std::string(fallback);
}

void CatalogLabels::indexNumbers(const ConfigDocument& doc) {
    m_byNumber.clear();
    // Commands first: a number both lists hold names the command.
    for (std::size_t i = 0; i < doc.commands.size(); ++i)
        m_byNumber.try_emplace(padByLength(doc.commands[i].commandNumber()),
                               pick(commands, i, doc.commands[i].key.view()));
    for (std::size_t i = 0; i < doc.macros.size(); ++i)
        m_byNumber.try_emplace(padByLength(doc.macros[i].macroNumber()),
                               pick(macros, i, doc.macros[i].key.view()));
}

const std::string& CatalogLabels::commandOrMacro(std::string_view number) const {
    static const std::string none;
    const auto it = m_byNumber.find(padByLength(number));
    return it == m_byNumber.end() ? none : it->second;
}

std::string timerUnit(std::string_view description) {
    // Longest first, so "tenths of a second" is not taken for "seconds".
    static constexpr std::array<std::string_view, 7> units = {"hundredths of a second",
                                                              "tenths of a second",
                                                              "milliseconds",
                                                              "seconds",
                                                              "minutes",
                                                              "hours",
                                                              "days"};
    const std::string lower = asciiLower(description);
    for (std::string_view unit : units) {
        if (lower.find("in " + std::string(unit)) != std::string::npos)
            return std::string(unit);
    }
    return {};
}

} // namespace merix
