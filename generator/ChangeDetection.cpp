#include "generator/ChangeDetection.h"

#include "generator/Formatting.h"

#include <algorithm>
#include <climits>
#include <fstream>

namespace merix {

namespace {

// One side of the walk. Reads whole lines, however long, without their line end; past
// the end of the file every line reads empty.
class LineSource {
public:
    explicit LineSource(std::istream& in) : m_in(in) {}

    const std::string& next()
    {
        if (!std::getline(m_in, m_line))
            m_line.clear();
        else if (!m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
        return m_line;
    }
    bool atEnd() const { return !m_in.good(); }

    // A count stands on a line of its own, so a count of 0 leaves the blank line
    // before the next section in place. Negative counts read as 0.
    long long count(long long linesPerCount)
    {
        const long value = std::clamp(leadingInteger(next()), 0L, static_cast<long>(INT_MAX));
        return static_cast<long long>(value) * linesPerCount;
    }

private:
    std::istream& m_in;
    std::string m_line;
};

struct SectionShape {
    long long linesPerCount = 1; // misc setup counts ports of 16 lines each
    int linesPerEntry = 1;       // users take four lines
    int comparedLines = 1;       // of which the first three decide
};

std::vector<bool> walkSection(LineSource& doc, LineSource& copy, SectionShape shape)
{
    // The blank line before the section and its header, alternating as they are read.
    doc.next();
    copy.next();
    doc.next();
    copy.next();
    const long long docCount = doc.count(shape.linesPerCount);
    const long long copyCount = copy.count(shape.linesPerCount);

    std::vector<bool> changed;
    std::string docLine;
    long long i = 0;
    for (; i < docCount && !doc.atEnd(); ++i) {
        bool differs = i >= copyCount;
        for (int k = 0; k < shape.linesPerEntry; ++k) {
            docLine = doc.next();
            if (i < copyCount) {
                const std::string& copyLine = copy.next();
                if (k < shape.comparedLines && !equalsIgnoringCase(docLine, copyLine))
                    differs = true;
            }
        }
        changed.push_back(differs);
    }
    // The copy's entries beyond those compared.
    for (long long j = std::min(i, copyCount) * shape.linesPerEntry;
         j < copyCount * shape.linesPerEntry && !copy.atEnd(); ++j)
        copy.next();
    return changed;
}

} // namespace

DocumentChanges compareDocuments(std::istream& document, std::istream& copy)
{
    LineSource doc(document);
    LineSource ref(copy);
    doc.next(); // the file header
    ref.next();

    const SectionShape single;
    DocumentChanges changes;
    changes.timers = SectionChanges(walkSection(doc, ref, single));
    changes.messages = SectionChanges(walkSection(doc, ref, single));
    walkSection(doc, ref, single); // DVR tracks write no commands
    changes.users = SectionChanges(walkSection(doc, ref, {1, 4, 3}));
    changes.inputsOutputs = SectionChanges(walkSection(doc, ref, single));
    changes.commands = SectionChanges(walkSection(doc, ref, single));
    changes.macros = SectionChanges(walkSection(doc, ref, single));
    changes.scheduler = SectionChanges(walkSection(doc, ref, single));
    changes.courtesyBeeps = SectionChanges(walkSection(doc, ref, single));
    changes.tones = SectionChanges(walkSection(doc, ref, single));
    changes.miscSetup = SectionChanges(walkSection(doc, ref, {16, 1, 1}));
    return changes;
}

std::optional<DocumentChanges> compareDocumentFiles(const std::string& documentPath,
                                                    const std::string& copyPath)
{
    std::ifstream document(documentPath, std::ios::binary);
    if (!document)
        return std::nullopt;
    std::ifstream copy(copyPath, std::ios::binary);
    if (!copy)
        return DocumentChanges{};
    return compareDocuments(document, copy);
}

} // namespace merix
