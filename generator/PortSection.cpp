#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/LookupTables.h"
#include "generator/ValueWords.h"

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

using Phrase = std::string (*)(const PortSetup&);
struct PortField {
    const char* name;
    Phrase phrase;
};

// Explains the line just written for port p by the settings it carries.
void explainPort(CommandText& out, int p, const PortSetup& s,
                 std::initializer_list<PortField> fields) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    const PortSetup* before =
        x->copy() ? &x->copy()->ports[static_cast<std::size_t>(p - 1)] : nullptr;
    EntryExplainer e(kMiscSetupSection, "Port " + std::to_string(p), s, before);
    for (const PortField& f : fields)
        e.field(f.name, f.phrase);
    x->explain(e.done());
}

std::string dtmfMute(const PortSetup& s) {
    return onOff(s.DTMFMute);
}
std::string coverTone(const PortSetup& s) {
    return onOff(s.CoverTone);
}
std::string bypass(const PortSetup& s) {
    return onOff(s.Bypass);
}
std::string passwordSystem(const PortSetup& s) {
    return onOff(s.PasswordSystem);
}
std::string accessMode(const PortSetup& s) {
    return s.AccessMode.str();
}
std::string preaccess(const PortSetup& s) {
    return preaccessWords(s.Preaccess);
}
std::string dialTone(const PortSetup& s) {
    return onOff(s.DialTone);
}
std::string accessCode(const PortSetup& s) {
    return s.AccessCode.str();
}
std::string ids(const PortSetup& s) {
    return onOff(s.IDOnOff);
}
std::string idOrder(const PortSetup& s) {
    return s.IDRandRotating != 0 ? "random" : "rotating";
}
std::string chaining(const PortSetup& s) {
    return onOff(s.Chaining);
}
std::string timedExecution(const PortSetup& s) {
    return onOff(s.TimedExecution);
}
std::string forceDigit(const PortSetup& s) {
    return s.ForceExecutionDigit.str();
}

void writePreaccess(CommandText& out, int p, const PortSetup& s) {
    if (s.Preaccess == 0) {
        out << "\nN072 " << p << ";set preaccess off for port " << p;
        explainPort(out, p, s, {{"preaccess", preaccess}});
    } else if (s.Preaccess == 1) {
        out << "\nN070 " << p << ";set preaccess to repeater for port " << p;
        explainPort(out, p, s, {{"preaccess", preaccess}});
    } else {
        out << "\nN071 " << p << ' ' << s.DialTone << ' ' << s.AccessCode.view() << ";set port "
            << p << " as a link with " << onOffPhrase("dial tone", s.DialTone)
            << " and access code of " << s.AccessCode.view();
        explainPort(
            out, p, s,
            {{"preaccess", preaccess}, {"dial tone", dialTone}, {"access code", accessCode}});
    }
}

void writePort(CommandText& out, int p, const PortSetup& s, const SectionChanges& lines,
               const AccessModeTable& accessModes) {
    const std::size_t n = kLinesPerPort * static_cast<std::size_t>(p - 1);
    if (lines.any(n + DTMFMuteLine, 3)) {
        out << "\nN007 " << p << ' ' << s.DTMFMute << ' ' << s.CoverTone << ' ' << s.Bypass
            << ";setup port " << p << " with " << onOffPhrase("dtmf mute", s.DTMFMute) << ' '
            << onOffPhrase("cover tone", s.CoverTone) << ' ' << onOffPhrase("bypass", s.Bypass);
        explainPort(out, p, s,
                    {{"DTMF mute", dtmfMute}, {"cover tone", coverTone}, {"bypass", bypass}});
    }
    // One password system serves the whole controller; port 1 holds it.
    if (p == 1 && lines(n + PasswordSystemLine)) {
        out << "\nN190 000 "
            << (s.PasswordSystem != 0 ? "0;activate password system"
                                      : "7;deactivate password system");
        explainPort(out, p, s, {{"password system", passwordSystem}});
    }
    if (lines(n + AccessModeLine)) {
        if (const AccessModeTable::Mode* mode = accessModes.find(s.AccessMode.view())) {
            out << "\nN005 " << p << ' ' << mode->code << ";set access mode for port " << p
                << " to " << mode->name;
            explainPort(out, p, s, {{"access mode", accessMode}});
        }
    }
    if (lines.any(n + PreaccessLine, 3))
        writePreaccess(out, p, s);
    if (lines(n + IDOnOffLine)) {
        out << "\nN085 " << p << ' ' << s.IDOnOff << ";setup port " << p << " with "
            << onOffPhrase("id's", s.IDOnOff);
        explainPort(out, p, s, {{"IDs", ids}});
    }
    if (lines(n + IDRandRotatingLine)) {
        out << "\nN087 " << p << ' ' << s.IDRandRotating << ";setup port " << p << " with (id's - "
            << (s.IDRandRotating != 0 ? "random" : "rotating") << ')';
        explainPort(out, p, s, {{"ID order", idOrder}});
    }
    if (lines.any(n + ChainingLine, 3)) {
        out << "\nN078 " << p << ' ' << s.Chaining << ' ' << s.TimedExecution << ' '
            << s.ForceExecutionDigit.view() << ";setup port " << p << " with "
            << onOffPhrase("command chaining", s.Chaining) << ' '
            << onOffPhrase("timed execution", s.TimedExecution) << " and the force execution digit "
            << s.ForceExecutionDigit.view();
        explainPort(out, p, s,
                    {{"command chaining", chaining},
                     {"timed execution", timedExecution},
                     {"force execution digit", forceDigit}});
    }
}

} // namespace

void writePortSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& lines,
                      const AccessModeTable& accessModes) {
    out << "\n;misc setup";
    for (int p = 1; p <= kPortCount; ++p)
        writePort(out, p, doc.ports[p - 1], lines, accessModes);
    out << "\n;end of misc setup\n";
}

} // namespace merix
