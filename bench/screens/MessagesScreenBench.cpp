#include "ScreenBench.h"

#include "screens/MessagesScreen.h"

#include <QLineEdit>
#include <QListWidget>

namespace merix::bench {
namespace {

// 429 words and 40 messages in the sample set: 5,148 words and 1,000 messages.
ScaledDocument& manyWordsAndMessages() {
    static ScaledDocument scaled(CatalogScale{10, {{"wordlist.cfg", 12}, {"messages.cfg", 25}}});
    return scaled;
}

void BM_OpenMessagesScreen(benchmark::State& state) {
    ScaledDocument& scaled = manyWordsAndMessages();
    benchOpenScreen<MessagesScreen>(state, scaled);
    state.counters["messages"] = static_cast<double>(scaled.doc.messages.size());
}
BENCHMARK(BM_OpenMessagesScreen)->Unit(benchmark::kMillisecond);

// One keystroke's type-ahead, judged against the whole word list at the end of a text as long
// as a message can be: a digit that makes a word found near the end of the list, a Backspace,
// and a letter refused because it begins no word (both look-ups through the whole list, and
// the text put back).
void BM_MessagesKeystroke(benchmark::State& state) {
    ScaledDocument& scaled = manyWordsAndMessages();
    std::string text;
    while (text.size() + 9 + 7 <= 1499) // room left for the word typed and one more letter
        text += "REPEATER ";
    scaled.doc.messages[0].text = text;
    MessagesScreen screen(scaled.context(), nullptr);
    screen.show();
    QApplication::processEvents();
    QLineEdit* field = screen.textField();
    field->end(false);
    field->insert(QStringLiteral("ZULU_1"));
    for (auto _ : state) {
        field->insert(QStringLiteral("1"));
        field->backspace();
        field->insert(QStringLiteral("X"));
    }
    if (field->text().size() != static_cast<qsizetype>(text.size() + 6))
        state.SkipWithError("a keystroke was not judged as it should be");
    state.SetItemsProcessed(state.iterations() * 3);
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(state.iterations() * 3),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
    state.counters["words"] = static_cast<double>(screen.vocabularyList()->count());
}
BENCHMARK(BM_MessagesKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace merix::bench
