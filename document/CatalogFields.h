#pragma once

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

// Missing fields come back empty; the result always has the layout's number of fields.
std::vector<std::string> cutFields(std::string_view line, const FieldLayout& layout);

// A decimal integer: leading blanks, an optional sign, digits up to the first non-digit;
// no digits reads as 0.
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

// The entry lines of a list catalog (title and count consumed), each cut to maxLine
// characters, at most `count` of them; nullopt-like empty result with ok=false when the
// file cannot be opened.
struct CatalogLines {
    bool opened = false;
    std::vector<std::string> lines;
};
CatalogLines readCatalogEntryLines(const std::string& path, std::size_t maxLine);

} // namespace merix
