#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/ValueWords.h"

namespace merix {

namespace {

// Lines of the document's tone section that feed the commands.
constexpr std::size_t kCoverToneLines = 24;   // duration, freq 1, freq 2, delay
constexpr std::size_t kReverseRingLines = 28; // duration, freq 1, freq 2, delay

std::string hertz(int value) {
    return std::to_string(sentValue(value, kMaxFrequency)) + " Hz";
}
std::string millis(int value) {
    return std::to_string(sentValue(value, kMaxDuration)) + " ms";
}

std::optional<EntryExplainer<ToneSettings>>
explainTones(CommandText& out, const ConfigDocument& doc, std::string label) {
    const LineExplainer* x = out.explainer();
    if (!x)
        return std::nullopt;
    return EntryExplainer(kTonesSection, std::move(label), doc.tones,
                          x->copy() ? &x->copy()->tones : nullptr);
}

template <typename Entry> void explain(CommandText& out, std::optional<EntryExplainer<Entry>>& e) {
    if (e)
        out.explainer()->explain(e->done());
}

void explainBeep(CommandText& out, const ConfigDocument& doc, std::size_t i,
                 std::optional<int> chord) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    const CourtesyBeep& b = doc.beeps[i];
    auto e = EntryExplainer(kBeepsSection, CatalogLabels::pick(x->labels().beeps, i, b.key.view()),
                            b, x->before(&ConfigDocument::beeps, i));
    if (chord) {
        const int c = *chord;
        e.field("chord " + std::to_string(c + 1), [c](const CourtesyBeep& v) {
            return toneWords(sentValue(v.chordLength[c], kMaxDuration),
                             sentValue(v.chordPause[c], kMaxDuration),
                             sentValue(v.chordFreq1[c], kMaxFrequency),
                             sentValue(v.chordFreq2[c], kMaxFrequency));
        });
    } else {
        e.field("macro", [](const CourtesyBeep& v) { return v.commandNumber.str(); });
    }
    x->explain(e.done());
}

void writeBeep(CommandText& out, const ConfigDocument& doc, std::size_t i) {
    const CourtesyBeep& b = doc.beeps[i];
    const std::string_view number = b.commandNumber.view();
    out << "\n;program courtesy beep macro " << number;
    out << "\nN055 " << number;
    explainBeep(out, doc, i, std::nullopt);
    out << '\n';
    for (int c = 0; c < kChordCount; ++c) {
        if (b.chordLength[c] == 0)
            continue;
        out << "N056 " << number << " 040 " << fourDigitField(b.chordLength[c], kMaxDuration) << ' '
            << fourDigitField(b.chordPause[c], kMaxDuration) << ' '
            << fourDigitField(b.chordFreq1[c], kMaxFrequency) << ' '
            << fourDigitField(b.chordFreq2[c], kMaxFrequency);
        explainBeep(out, doc, i, c);
        out << '\n';
    }
}

void writeCwSettings(CommandText& out, const ConfigDocument& doc, const SectionChanges& lines) {
    const ToneSettings& t = doc.tones;
    for (int p = 1; p <= kPortCount; ++p) {
        const std::size_t first = 3 * static_cast<std::size_t>(p - 1);
        const std::size_t k = static_cast<std::size_t>(p - 1);
        const std::string port = "Port " + std::to_string(p);
        if (lines(first)) {
            out << "\nN042 " << p << ' ' << t.cwSpeed[k] << ";set cw speed for port " << p << " to "
                << t.cwSpeed[k];
            auto e = explainTones(out, doc, port);
            if (e)
                e->field("CW speed", [k](const ToneSettings& v) {
                    return std::to_string(v.cwSpeed[k]) + " wpm";
                });
            explain(out, e);
        }
        if (lines.any(first + 1, 2)) {
            out << "\nN043 " << p << ' ' << fourDigitField(t.cwFreq1[k], kMaxFrequency) << ' '
                << fourDigitField(t.cwFreq2[k], kMaxFrequency) << ";set cw frequencies for port "
                << p;
            auto e = explainTones(out, doc, port);
            if (e)
                e->field("CW frequency 1", [k](const ToneSettings& v) {
                     return hertz(v.cwFreq1[k]);
                 }).field("CW frequency 2", [k](const ToneSettings& v) {
                    return hertz(v.cwFreq2[k]);
                });
            explain(out, e);
        }
    }
}

void writeCoverTone(CommandText& out, const ConfigDocument& doc) {
    const ToneSettings& t = doc.tones;
    out << "\n\n;program macro " << t.coverToneMacro << " (DTMF Cover Tone)";
    out << "\nN055 " << t.coverToneMacro;
    auto macro = explainTones(out, doc, "DTMF Cover Tone");
    if (macro)
        macro->field("macro",
                     [](const ToneSettings& v) { return std::to_string(v.coverToneMacro); });
    explain(out, macro);
    out << '\n';
    out << "N056 " << t.coverToneMacro << " 040 "
        << fourDigitField(t.coverToneDuration, kMaxDuration) << ' '
        << fourDigitField(t.coverToneDelay, kMaxDuration) << ' '
        << fourDigitField(t.coverToneFreq1, kMaxFrequency) << ' '
        << fourDigitField(t.coverToneFreq2, kMaxFrequency);
    auto e = explainTones(out, doc, "DTMF Cover Tone");
    if (e)
        e->field("duration", [](const ToneSettings& v) { return millis(v.coverToneDuration); })
            .field("delay", [](const ToneSettings& v) { return millis(v.coverToneDelay); })
            .field("frequency 1", [](const ToneSettings& v) { return hertz(v.coverToneFreq1); })
            .field("frequency 2", [](const ToneSettings& v) { return hertz(v.coverToneFreq2); });
    explain(out, e);
    out << '\n';
}

// The controller takes no delay for the ring, so a changed delay resends the rest.
void writeReverseRing(CommandText& out, const ConfigDocument& doc) {
    const ToneSettings& t = doc.tones;
    out << "\nN136 " << fourDigitField(t.reversePatchRingDuration, kMaxDuration) << ' '
        << fourDigitField(t.reversePatchRingFreq1, kMaxFrequency) << ' '
        << fourDigitField(t.reversePatchRingFreq2, kMaxFrequency) << ";set reverse patch ring tone";
    auto e = explainTones(out, doc, "Reverse Patch Ring");
    if (e)
        e->field("duration",
                 [](const ToneSettings& v) { return millis(v.reversePatchRingDuration); })
            .field("frequency 1",
                   [](const ToneSettings& v) { return hertz(v.reversePatchRingFreq1); })
            .field("frequency 2",
                   [](const ToneSettings& v) { return hertz(v.reversePatchRingFreq2); });
    explain(out, e);
}

} // namespace

void writeToneSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& beeps,
                      const SectionChanges& toneLines) {
    out << "\n;set up tones";
    for (std::size_t i = 0; i < doc.beeps.size(); ++i)
        if (beeps(i))
            writeBeep(out, doc, i);
    writeCwSettings(out, doc, toneLines);
    if (toneLines.any(kCoverToneLines, 4))
        writeCoverTone(out, doc);
    if (toneLines.any(kReverseRingLines, 4))
        writeReverseRing(out, doc);
    out << "\n;end of tones\n";
}

} // namespace merix
