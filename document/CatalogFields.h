#pragma once

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

// A decimal integer: leading blanks, an optional sign, digits up to the first non-digit;
// no digits reads as 0. A value beyond the int range reads as INT_MAX or INT_MIN, so a
// narrower field then takes it modulo its own range.
int readInt(std::string_view field);

// The fields of each list catalog, in file order (see the catalog readers).
FieldLayout timersLayout();   // key,label,number,default,maximum,description
FieldLayout messagesLayout(); // key,label,macro,type,action,cwid,text,description
FieldLayout dvrLayout();      // track,description
FieldLayout usersLayout();    // key,label,description
FieldLayout ioLayout();       // key,label,io,analog,resolution,decimals,low,high,description
FieldLayout commandsLayout(); // key,label,name,clearance,description
FieldLayout macrosLayout();   // key,label,description
FieldLayout scheduleLayout(); // key,label,description
FieldLayout beepLayout();     // key,label,number,5 x (len,f1,f2,pause:),description
FieldLayout tonesLayout();    // title,label,8 x (speed,f1,f2:),cover,ring,8 x (len,delay:),
                              // 8 x (f1,f2:),description

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
    int declaredCount = 0; // the count as the file gives it
    std::vector<std::string> lines;

    bool countCut() const { return declaredCount > kMaxCatalogEntries; }
};
CatalogLines readCatalogEntryLines(const std::string& path, std::size_t maxLine);

// What the user is told when a catalog's count is above kMaxCatalogEntries.
std::string countCutMessage(std::string_view fileName, int declaredCount);

} // namespace merix
