#include "generator/ChangeDetection.h"

#include "document/LineReader.h"
#include "generator/Formatting.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace merix {

namespace {

// A document read from a stream: whole lines, however long, without their line end; past
// the end every line reads empty.
class StreamLines {
  public:
    explicit StreamLines(std::istream& in) : m_in(in) {}

    std::string_view next() {
        if (!std::getline(m_in, m_line))
            m_line.clear();
        else if (!m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
        return m_line;
    }
    bool atEnd() const { return !m_in.good(); }

  private:
    std::istream& m_in;
    std::string m_line;
};

// The same from a file, a buffer at a time; a line holds until the next one is read.
class FileLines {
  public:
    explicit FileLines(LineReader& reader) : m_reader(reader) {}

    std::string_view next() {
        return m_reader.nextLine(std::numeric_limits<std::size_t>::max())
            .value_or(std::string_view());
    }
    bool atEnd() const { return m_reader.atEnd(); }

  private:
    LineReader& m_reader;
};

// A count stands on a line of its own, so a count of 0 leaves the blank line before the
// next section in place. Negative counts read as 0.
template <typename Lines> long long readCount(Lines& lines, long long linesPerCount) {
    const long value = std::clamp(leadingInteger(lines.next()), 0L, static_cast<long>(INT_MAX));
    return static_cast<long long>(value) * linesPerCount;
}

struct SectionShape {
    long long linesPerCount = 1; // misc setup counts ports of 16 lines each
    int linesPerEntry = 1;       // users take four lines
    int comparedLines = 1;       // of which the first three decide
};

template <typename Lines>
std::vector<bool> walkSection(Lines& doc, Lines& copy, SectionShape shape) {
    // The blank line before the section and its header, alternating as they are read.
    doc.next();
    copy.next();
    doc.next();
    copy.next();
    const long long docCount = readCount(doc, shape.linesPerCount);
    const long long copyCount = readCount(copy, shape.linesPerCount);

    std::vector<bool> changed;
    long long i = 0;
    for (; i < docCount && !doc.atEnd(); ++i) {
        bool differs = i >= copyCount;
        for (int k = 0; k < shape.linesPerEntry; ++k) {
            // The two sides read into buffers of their own, so both lines hold here.
            const std::string_view docLine = doc.next();
            if (i < copyCount) {
                const std::string_view copyLine = copy.next();
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

template <typename Lines> DocumentChanges compare(Lines& doc, Lines& ref) {
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

} // namespace

DocumentChanges compareDocuments(std::istream& document, std::istream& copy) {
    StreamLines doc(document);
    StreamLines ref(copy);
    return compare(doc, ref);
}

std::optional<DocumentChanges> compareDocumentFiles(const std::string& documentPath,
                                                    const std::string& copyPath)
{
    LineReader documentReader(documentPath);
    if (!documentReader.isOpen())
        return std::nullopt;
    LineReader copyReader(copyPath);
    if (!copyReader.isOpen())
        return DocumentChanges{};
    FileLines doc(documentReader);
    FileLines ref(copyReader);
    return compare(doc, ref);
}

} // namespace merix
