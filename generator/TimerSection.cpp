#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"

namespace merix {

namespace {

Explanation explainTimer(const LineExplainer& x, const ConfigDocument& doc, std::size_t i) {
    const TimerEntry& t = doc.timers[i];
    return EntryExplainer(kTimersSection, CatalogLabels::pick(x.labels().timers, i, t.key.view()),
                          t, x.before(&ConfigDocument::timers, i))
        .field("", [](const TimerEntry& e) { return std::to_string(e.length); })
        .done();
}

} // namespace

void writeTimerSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed) {
    out << ";set up timers\n";
    for (std::size_t i = 0; i < doc.timers.size(); ++i) {
        if (!changed(i))
            continue;
        const TimerEntry& t = doc.timers[i];
        out << "N020 " << padByValue(t.timerNumber.view()) << ' ' << padByValue(long{t.length})
            << ";set timer number " << t.timerNumber.view() << " to " << int{t.length};
        if (LineExplainer* x = out.explainer())
            x->explain(explainTimer(*x, doc, i));
        out << '\n';
    }
    out << ";end of timers\n";
}

} // namespace merix
