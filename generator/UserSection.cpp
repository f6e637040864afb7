#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/LookupTables.h"

namespace merix {

namespace {

void writeEnableLine(CommandText& out, const UserEntry& u, const std::string& number)
{
    if (u.password.empty() && u.name.empty())
        return;
    out << "N186 " << number << ' ' << u.enabled << ' ' << u.clearanceLevel;
    if (!u.password.empty()) {
        if (u.passwordMode == 1)
            out << ' ' << u.challengeDigits;
        else
            out << " 0";
        out << ' ' << u.password;
    }
    out << '\n';
}

// The call sign spoken letter by letter: each character is a word of its own.
void writeCallSign(CommandText& out, const UserEntry& u, const std::string& number,
                   const CaseFreeTable& words)
{
    if (u.callSign.empty())
        return;
    out << "N191 " << number;
    for (char c : u.callSign)
        if (const std::string* code = words.find(std::string_view(&c, 1)))
            out << ' ' << *code;
    out << '\n';
}

void writeAutodial(CommandText& out, const UserEntry& u, const std::string& number)
{
    if (u.autodialNumber.empty())
        return;
    out << "N124 " << number << ' ';
    // The separators the user may type are not dialed.
    for (char c : u.autodialNumber)
        if (c != '-' && c != '(' && c != ')' && c != ' ')
            out << c;
    out << ";set autodial number to " << u.autodialNumber << " for user " << number << '\n';
    if (u.sendPredialDigits == 0)
        out << "N126 " << number << " 0;turn send predial digits off for user " << number << '\n';
}

} // namespace

void writeUserSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                      const CaseFreeTable& words)
{
    out << "\n;set up users\n";
    for (std::size_t i = 0; i < doc.users.size(); ++i) {
        if (!changed(i))
            continue;
        const UserEntry& u = doc.users[i];
        const std::string number = u.key.size() > 4 ? u.key.str().substr(4, 4) : std::string();
        writeEnableLine(out, u, number);
        writeCallSign(out, u, number, words);
        writeAutodial(out, u, number);
    }
    out << ";end of users\n";
}

} // namespace merix
