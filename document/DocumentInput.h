#pragma once

#include "document/LineReader.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace merix {

// A document line may hold a message text or a macro of any length; past this it is cut.
inline constexpr std::size_t kDocumentLineCapacity = std::size_t(1) << 20;

// The lines of a document file as its sections read them.
class DocumentInput {
  public:
    explicit DocumentInput(LineReader& reader) : m_reader(reader) {}

    // The next line cut at its first ';' (the rest is a comment) that is not then empty;
    // nullopt at the end of the file. Like every line here, it holds until the next read.
    std::optional<std::string_view> entryLine();

    // Reads up to the next line beginning with '['; false at a line beginning with 'E'
    // (the "END" line) or at the end of the file.
    bool nextSection();

    int count() { return m_reader.readCount(); }

    std::optional<std::string_view> rawLine() { return m_reader.nextLine(kDocumentLineCapacity); }

  private:
    LineReader& m_reader;
};

// Which fields a file of a given version holds.
struct DocumentFeatures {
    explicit DocumentFeatures(double version)
        : interruptCommand(version > 1.0), dvrSection(version > 1.1), descriptions(version > 1.2),
          messageActions(version > 1.3), beepCommandNumber(version > 1.3),
          miscSection(version > 1.4) {}
    bool interruptCommand;
    bool dvrSection;
    bool descriptions;   // the user Description line and the I/O description
    bool messageActions; // interruptAction and cwIdCommand
    bool beepCommandNumber;
    bool miscSection;
};

} // namespace merix
