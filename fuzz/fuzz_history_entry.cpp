// An upload history entry file of any bytes. Whatever was read must write an entry file
// that reads back to the same entry.
#include "fuzz/FuzzSupport.h"
#include "link/UploadHistory.h"

#include <cstdint>
#include <string>

using namespace merix;

namespace {

bool same(const HistoryEntry& a, const HistoryEntry& b) {
    return a.time == b.time && a.result == b.result && a.linesSent == b.linesSent &&
           a.linesTotal == b.linesTotal && a.option == b.option && a.port == b.port &&
           a.endpoint == b.endpoint && a.baudRate == b.baudRate && a.transcript == b.transcript &&
           a.reason == b.reason;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string history = "/h/SITE.history";
    const HistoryEntry entry = parseHistoryEntry(fuzz::bytes(data, size), history);
    if (entry.linesSent < 0 || entry.linesTotal < 0)
        fuzz::fail("a negative line count was read");
    const std::string text = historyEntryText(entry, history);
    const HistoryEntry again = parseHistoryEntry(text, history);
    if (!same(entry, again) || historyEntryText(again, history) != text)
        fuzz::fail("an entry read back from its own text differs");
    return 0;
}
