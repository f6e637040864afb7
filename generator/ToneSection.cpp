#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"

namespace merix {

namespace {

// Lines of the document's tone section that feed the commands.
constexpr std::size_t kCoverToneLines = 24;  // duration, freq 1, freq 2, delay
constexpr std::size_t kReverseRingLines = 28; // duration, freq 1, freq 2, delay

void writeBeep(CommandText& out, const CourtesyBeep& b)
{
    const std::string_view number = b.commandNumber.view();
    out << "\n;program courtesy beep macro " << number;
    out << "\nN055 " << number << '\n';
    for (int c = 0; c < kChordCount; ++c) {
        if (b.chordLength[c] == 0)
            continue;
        out << "N056 " << number << " 040 " << fourDigitField(b.chordLength[c], kMaxDuration) << ' '
            << fourDigitField(b.chordPause[c], kMaxDuration) << ' '
            << fourDigitField(b.chordFreq1[c], kMaxFrequency) << ' '
            << fourDigitField(b.chordFreq2[c], kMaxFrequency) << '\n';
    }
}

void writeCwSettings(CommandText& out, const ToneSettings& t, const SectionChanges& lines)
{
    for (int p = 1; p <= kPortCount; ++p) {
        const std::size_t first = 3 * static_cast<std::size_t>(p - 1);
        if (lines(first))
            out << "\nN042 " << p << ' ' << t.cwSpeed[p - 1] << ";set cw speed for port " << p
                << " to " << t.cwSpeed[p - 1];
        if (lines.any(first + 1, 2))
            out << "\nN043 " << p << ' ' << fourDigitField(t.cwFreq1[p - 1], kMaxFrequency) << ' '
                << fourDigitField(t.cwFreq2[p - 1], kMaxFrequency) << ";set cw frequencies for port "
                << p;
    }
}

void writeCoverTone(CommandText& out, const ToneSettings& t)
{
    out << "\n\n;program macro " << t.coverToneMacro << " (DTMF Cover Tone)";
    out << "\nN055 " << t.coverToneMacro << '\n';
    out << "N056 " << t.coverToneMacro << " 040 " << fourDigitField(t.coverToneDuration, kMaxDuration)
        << ' ' << fourDigitField(t.coverToneDelay, kMaxDuration) << ' '
        << fourDigitField(t.coverToneFreq1, kMaxFrequency) << ' '
        << fourDigitField(t.coverToneFreq2, kMaxFrequency) << '\n';
}

// The controller takes no delay for the ring, so a changed delay resends the rest.
void writeReverseRing(CommandText& out, const ToneSettings& t)
{
    out << "\nN136 " << fourDigitField(t.reversePatchRingDuration, kMaxDuration) << ' '
        << fourDigitField(t.reversePatchRingFreq1, kMaxFrequency) << ' '
        << fourDigitField(t.reversePatchRingFreq2, kMaxFrequency) << ";set reverse patch ring tone";
}

} // namespace

void writeToneSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& beeps,
                      const SectionChanges& toneLines)
{
    out << "\n;set up tones";
    for (std::size_t i = 0; i < doc.beeps.size(); ++i)
        if (beeps(i))
            writeBeep(out, doc.beeps[i]);
    writeCwSettings(out, doc.tones, toneLines);
    if (toneLines.any(kCoverToneLines, 4))
        writeCoverTone(out, doc.tones);
    if (toneLines.any(kReverseRingLines, 4))
        writeReverseRing(out, doc.tones);
    out << "\n;end of tones\n";
}

} // namespace merix
