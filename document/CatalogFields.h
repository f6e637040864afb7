#pragma once

#include "document/LineReader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// How a catalog line is cut: fields end at ',' unless marked to end at ':';
// separators collapse; the last field may take the rest of the line.
struct FieldLayout {
    std::vector<bool> endsAtColon; // one entry per field before the rest of line
    bool restOfLine = false;       // a final field holding all that follows
};

// Missing fields come back empty; the result always has the layout's number of fields
// (plus one for the rest of the line).
std::vector<std::string> cutFields(std::string_view line, const FieldLayout& layout);

// The same fields as views into the line, written over `fields`, so that cutting line after
// line into one vector allocates nothing.
void cutFieldViews(std::string_view line, const FieldLayout& layout,
                   std::vector<std::string_view>& fields);

// A decimal integer: leading blanks, an optional sign, digits up to the first non-digit;
// no digits reads as 0. A value beyond the int range reads as INT_MAX or INT_MIN, so a
// narrower field then takes it modulo its own range.
int readInt(std::string_view field);

// The fields of each catalog line, in file order, by name. The loader and every screen
// that reads a catalog again index the cut fields with these, so a field moves in one place.
struct TimerFields {
    enum : std::size_t { Key, Label, Number, DefaultLength, MaximumLength, Description, Count };
};
struct MessageFields {
    enum : std::size_t {
        Key,
        Label,
        MacroNumber,
        MessageType,
        InterruptAction,
        CwIdCommand,
        Text,
        Description,
        Count
    };
};
struct DvrFields {
    enum : std::size_t { TrackName, Description, Count };
};
struct UserFields {
    enum : std::size_t { Key, Label, Description, Count };
};
struct IoFields {
    enum : std::size_t {
        Key,
        Label,
        IoNumber,
        AnalogInputNumber,
        Resolution,
        Decimals,
        RangeLow,
        RangeHigh,
        Description,
        Count
    };
};
struct CommandFields {
    enum : std::size_t { Key, Label, Name, ClearanceLevel, Description, Count };
};
struct MacroFields {
    enum : std::size_t { Key, Label, Description, Count };
};
struct ScheduleFields {
    enum : std::size_t { Key, Label, Description, Count };
};
// beep.cfg: key, label, number, five chords of four values (the pause ends at ':'), description.
struct BeepFields {
    enum : std::size_t { Key, Label, CommandNumber, FirstChord };
    enum ChordPart : std::size_t { Length, Freq1, Freq2, Pause, PartCount };
    static constexpr std::size_t chord(std::size_t index, ChordPart part) {
        return FirstChord + index * PartCount + part;
    }
    static constexpr std::size_t Description = FirstChord + 5 * PartCount;
    static constexpr std::size_t Count = Description + 1;
};
// dfltbeep.cfg (read by the Courtesy Beeps screen only): the set's name, which ends at ':' and
// may hold commas, then five chords shaped like beep.cfg's; the last pause runs to the line end.
struct DefaultBeepFields {
    enum : std::size_t { Name, FirstChord };
    using ChordPart = BeepFields::ChordPart;
    static constexpr std::size_t chord(std::size_t index, ChordPart part) {
        return FirstChord + index * BeepFields::PartCount + part;
    }
    static constexpr std::size_t Count = FirstChord + 5 * BeepFields::PartCount;
};
// tones.cfg line 2: title, label, then the groups of the whole tones record, description.
struct ToneFields {
    enum : std::size_t { Title, Label, FirstCw };
    enum CwPart : std::size_t { CwSpeed, CwFreq1, CwFreq2, CwPartCount };
    // Cover tone and reverse patch ring groups share their shape.
    enum RingPart : std::size_t { Number, Duration, Freq1, Freq2, Delay, RingPartCount };
    enum PortPairPart : std::size_t { First, Second, PairCount };

    static constexpr std::size_t cw(std::size_t port, CwPart part) {
        return FirstCw + port * CwPartCount + part;
    }
    static constexpr std::size_t CoverTone = FirstCw + 8 * CwPartCount;
    static constexpr std::size_t coverTone(RingPart part) { return CoverTone + part; }
    static constexpr std::size_t ReverseRing = CoverTone + RingPartCount;
    static constexpr std::size_t reverseRing(RingPart part) { return ReverseRing + part; }
    static constexpr std::size_t FirstDtmf = ReverseRing + RingPartCount;
    // Length and delay of a port's DTMF tones.
    static constexpr std::size_t dtmf(std::size_t port, PortPairPart part) {
        return FirstDtmf + port * PairCount + part;
    }
    static constexpr std::size_t FirstPreaccess = FirstDtmf + 8 * PairCount;
    static constexpr std::size_t preaccess(std::size_t port, PortPairPart part) {
        return FirstPreaccess + port * PairCount + part;
    }
    static constexpr std::size_t Description = FirstPreaccess + 8 * PairCount;
    static constexpr std::size_t Count = Description + 1;
};

// resolutn.cfg, read by the Analog Inputs screen only: a resolution's name, the low and high
// ends of its range and its number of decimals (the rest of the line).
struct ResolutionFields {
    enum : std::size_t { Name, Low, High, Decimals, Count };
};

// How each catalog line is cut; cutFields gives exactly the Count fields named above.
FieldLayout timersLayout();
FieldLayout messagesLayout();
FieldLayout dvrLayout();
FieldLayout usersLayout();
FieldLayout ioLayout();
FieldLayout commandsLayout();
FieldLayout macrosLayout();
FieldLayout scheduleLayout();
FieldLayout beepLayout();
FieldLayout tonesLayout();
FieldLayout resolutionsLayout();
FieldLayout defaultBeepLayout();

// Line capacities: the document loader reads catalog lines of up to 1999 characters
// (userdflt.cfg 999); the screens read theirs again with up to 999.
inline constexpr std::size_t kCatalogLineCapacity = 1999;
inline constexpr std::size_t kUserDefaultsLineCapacity = 999;
inline constexpr std::size_t kScreenLineCapacity = 999;

// No table is built with more entries than this, whatever a count line says; a count
// above it is cut to it and the user is told (see countCutMessage).
inline constexpr int kMaxCatalogEntries = 10000;

// The entry lines of a list catalog: the title and the count consumed, then exactly
// `count` lines (the count cut to 0..kMaxCatalogEntries), each cut to maxLine characters.
// Lines past the end of the file are empty, so their entries get empty keys and zeros.
struct CatalogLines {
    bool opened = false;
    int declaredCount = 0;     // the count as the file gives it
    std::size_t linesRead = 0; // entry lines the file really holds (the rest are empty)
    std::vector<std::string> lines;

    bool countCut() const { return declaredCount > kMaxCatalogEntries; }
};
CatalogLines readCatalogEntryLines(const std::string& path, std::size_t maxLine);

// The same lines one at a time, for a reader that keeps none of them.
class CatalogEntryReader {
  public:
    CatalogEntryReader(const std::string& path, std::size_t maxLine);

    bool opened() const { return m_reader.isOpen(); }
    int declaredCount() const { return m_declaredCount; }
    bool countCut() const { return m_declaredCount > kMaxCatalogEntries; }
    // How many entry lines there are: the count cut to 0..kMaxCatalogEntries.
    std::size_t count() const { return m_count; }
    // The next of them, empty once the file has ended; it holds until the next call.
    std::string_view next();
    // Entry lines the file really held so far.
    std::size_t linesRead() const { return m_linesRead; }

  private:
    LineReader m_reader;
    std::size_t m_maxLine;
    int m_declaredCount = 0;
    std::size_t m_count = 0;
    std::size_t m_linesRead = 0;
};

// What the user is told when a catalog's count is above kMaxCatalogEntries.
std::string countCutMessage(std::string_view fileName, int declaredCount);

} // namespace merix
