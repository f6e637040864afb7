#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LookupTables.h"

namespace merix {

namespace {

// Positions of the settings within a port's 16 lines of the misc setup section.
enum PortLine : std::size_t {
    DTMFMuteLine = 1,
    PasswordSystemLine = 6,
    AccessModeLine = 7,
    PreaccessLine = 8,
    IDOnOffLine = 11,
    IDRandRotatingLine = 12,
    ChainingLine = 13,
};
constexpr std::size_t kLinesPerPort = 16;

void writePreaccess(CommandText& out, int p, const PortSetup& s)
{
    if (s.Preaccess == 0) {
        out << "\nN072 " << p << ";set preaccess off for port " << p;
    } else if (s.Preaccess == 1) {
        out << "\nN070 " << p << ";set preaccess to repeater for port " << p;
    } else {
        out << "\nN071 " << p << ' ' << s.DialTone << ' ' << s.AccessCode.view() << ";set port " << p
            << " as a link with " << onOffPhrase("dial tone", s.DialTone) << " and access code of "
            << s.AccessCode.view();
    }
}

void writePort(CommandText& out, int p, const PortSetup& s, const SectionChanges& lines,
               const AccessModeTable& accessModes)
{
    const std::size_t n = kLinesPerPort * static_cast<std::size_t>(p - 1);
    if (lines.any(n + DTMFMuteLine, 3))
        out << "\nN007 " << p << ' ' << s.DTMFMute << ' ' << s.CoverTone << ' ' << s.Bypass
            << ";setup port " << p << " with " << onOffPhrase("dtmf mute", s.DTMFMute) << ' '
            << onOffPhrase("cover tone", s.CoverTone) << ' ' << onOffPhrase("bypass", s.Bypass);
    // One password system serves the whole controller; port 1 holds it.
    if (p == 1 && lines(n + PasswordSystemLine))
        out << "\nN190 000 "
            << (s.PasswordSystem != 0 ? "0;activate password system" : "7;deactivate password system");
    if (lines(n + AccessModeLine)) {
        if (const AccessModeTable::Mode* mode = accessModes.find(s.AccessMode.view()))
            out << "\nN005 " << p << ' ' << mode->code << ";set access mode for port " << p << " to "
                << mode->name;
    }
    if (lines.any(n + PreaccessLine, 3))
        writePreaccess(out, p, s);
    if (lines(n + IDOnOffLine))
        out << "\nN085 " << p << ' ' << s.IDOnOff << ";setup port " << p << " with "
            << onOffPhrase("id's", s.IDOnOff);
    if (lines(n + IDRandRotatingLine))
        out << "\nN087 " << p << ' ' << s.IDRandRotating << ";setup port " << p << " with (id's - "
            << (s.IDRandRotating != 0 ? "random" : "rotating") << ')';
    if (lines.any(n + ChainingLine, 3))
        out << "\nN078 " << p << ' ' << s.Chaining << ' ' << s.TimedExecution << ' '
            << s.ForceExecutionDigit.view() << ";setup port " << p << " with "
            << onOffPhrase("command chaining", s.Chaining) << ' '
            << onOffPhrase("timed execution", s.TimedExecution) << " and the force execution digit "
            << s.ForceExecutionDigit.view();
}

} // namespace

void writePortSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& lines,
                      const AccessModeTable& accessModes)
{
    out << "\n;misc setup";
    for (int p = 1; p <= kPortCount; ++p)
        writePort(out, p, doc.ports[p - 1], lines, accessModes);
    out << "\n;end of misc setup\n";
}

} // namespace merix
