#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/ScheduleNames.h"
#include "generator/ValueWords.h"

namespace merix {

namespace {

enum Period { Hour = 0, Day = 1, Week = 2, Month = 3, Year = 4 };

// The date fields of the event, or nullopt when a day or month name is unknown: such
// an event is left out rather than scheduled on a wrong date.
std::optional<std::string> dateFields(const ScheduleEvent& e) {
    switch (e.period) {
    case Week: {
        if (e.dayName.empty())
            return std::string();
        const auto day = weekdayNumber(e.dayName.view());
        if (!day)
            return std::nullopt;
        return std::to_string(*day) + ' ';
    }
    case Month:
        return twoDigitPad(e.dayOfMonth) + ' ';
    case Year: {
        const auto month = monthNumber(e.monthName.view());
        if (!month)
            return std::nullopt;
        return twoDigitPad(*month) + ' ' + twoDigitPad(e.dayOfMonth) + ' ';
    }
    default:
        return std::string();
    }
}

void explainEvent(CommandText& out, const ConfigDocument& doc, std::size_t i) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    const ScheduleEvent& e = doc.events[i];
    const CatalogLabels& labels = x->labels();
    x->explain(EntryExplainer(kSchedulerSection,
                              CatalogLabels::pick(labels.events, i, e.key.view()), e,
                              x->before(&ConfigDocument::events, i))
                   .field("command",
                          [&](const ScheduleEvent& s) {
                              if (s.commandNumber.empty())
                                  return std::string("none");
                              return commandWords(s.commandNumber.view(), "", labels);
                          })
                   .field("when", scheduleWords)
                   .done());
}

void writeEvent(CommandText& out, const ConfigDocument& doc, std::size_t i) {
    const ScheduleEvent& e = doc.events[i];
    const std::optional<std::string> date = dateFields(e);
    if (!date)
        return;
    const std::string number = e.key.size() > 8 ? e.key.str().substr(8, 2) : std::string();
    out << "N082 " << number << ' ' << e.commandNumber.view() << ' ';
    if (e.period == Hour) {
        out << twoDigitPad(e.minutes);
        explainEvent(out, doc, i);
        out << '\n';
        return;
    }
    out << *date << twoDigitPad(e.hour) << ' ' << twoDigitPad(e.minutes) << ' ' << e.amPm
        << ";schedule command " << e.commandNumber.view();
    explainEvent(out, doc, i);
    out << '\n';
}

} // namespace

void writeSchedulerSection(CommandText& out, const ConfigDocument& doc,
                           const SectionChanges& changed) {
    out << "\n;set up scheduler\n";
    for (std::size_t i = 0; i < doc.events.size(); ++i)
        if (changed(i) && !doc.events[i].commandNumber.empty())
            writeEvent(out, doc, i);
    out << ";end of scheduler\n";
}

} // namespace merix
