#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"

namespace merix {

void writeTimerSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed)
{
    out << ";set up timers\n";
    for (std::size_t i = 0; i < doc.timers.size(); ++i) {
        if (!changed(i))
            continue;
        const TimerEntry& t = doc.timers[i];
        out << "N020 " << padByValue(t.timerNumber.view()) << ' ' << padByValue(long{t.length})
            << ";set timer number " << t.timerNumber.view() << " to " << int{t.length} << '\n';
    }
    out << ";end of timers\n";
}

} // namespace merix
