#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/LineExplainer.h"
#include "generator/LookupTables.h"
#include "generator/ValueWords.h"

namespace merix {

namespace {

std::optional<EntryExplainer<UserEntry>> explainUser(CommandText& out, const ConfigDocument& doc,
                                                     std::size_t i) {
    const LineExplainer* x = out.explainer();
    if (!x)
        return std::nullopt;
    const UserEntry& u = doc.users[i];
    return EntryExplainer(kUsersSection, CatalogLabels::pick(x->labels().users, i, u.key.view()), u,
                          x->before(&ConfigDocument::users, i));
}

void explain(CommandText& out, std::optional<EntryExplainer<UserEntry>>& e) {
    if (e)
        out.explainer()->explain(e->done());
}

void writeEnableLine(CommandText& out, const ConfigDocument& doc, std::size_t i,
                     const std::string& number) {
    const UserEntry& u = doc.users[i];
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
    auto e = explainUser(out, doc, i);
    if (e) {
        e->field("enabled", [](const UserEntry& v) {
             return yesNo(v.enabled);
         }).field("clearance", [](const UserEntry& v) { return std::to_string(v.clearanceLevel); });
        if (!u.password.empty())
            e->field("password", [](const UserEntry& v) {
                 return v.password;
             }).field("password mode", [](const UserEntry& v) {
                return passwordModeWords(v.passwordMode, v.challengeDigits);
            });
    }
    explain(out, e);
    out << '\n';
}

// The call sign spoken letter by letter: each character is a word of its own.
void writeCallSign(CommandText& out, const ConfigDocument& doc, std::size_t i,
                   const std::string& number, const CaseFreeTable& words) {
    const UserEntry& u = doc.users[i];
    if (u.callSign.empty())
        return;
    out << "N191 " << number;
    std::string missing;
    for (char c : u.callSign) {
        if (const std::string* code = words.find(std::string_view(&c, 1)))
            out << ' ' << *code;
        else
            missing += c;
    }
    auto e = explainUser(out, doc, i);
    if (e)
        e->field("call sign", [](const UserEntry& v) {
             return v.callSign;
         }).note("not in the word list", missing);
    explain(out, e);
    out << '\n';
}

void writeAutodial(CommandText& out, const ConfigDocument& doc, std::size_t i,
                   const std::string& number) {
    const UserEntry& u = doc.users[i];
    if (u.autodialNumber.empty())
        return;
    out << "N124 " << number << ' ';
    // The separators the user may type are not dialed.
    for (char c : u.autodialNumber)
        if (c != '-' && c != '(' && c != ')' && c != ' ')
            out << c;
    out << ";set autodial number to " << u.autodialNumber << " for user " << number;
    auto e = explainUser(out, doc, i);
    if (e)
        e->field("autodial number", [](const UserEntry& v) { return v.autodialNumber; });
    explain(out, e);
    out << '\n';
    if (u.sendPredialDigits == 0) {
        out << "N126 " << number << " 0;turn send predial digits off for user " << number;
        auto p = explainUser(out, doc, i);
        if (p)
            p->field("send predial digits",
                     [](const UserEntry& v) { return onOff(v.sendPredialDigits); });
        explain(out, p);
        out << '\n';
    }
}

} // namespace

void writeUserSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                      const CaseFreeTable& words) {
    out << "\n;set up users\n";
    for (std::size_t i = 0; i < doc.users.size(); ++i) {
        if (!changed(i))
            continue;
        const UserEntry& u = doc.users[i];
        const std::string number = u.key.size() > 4 ? u.key.str().substr(4, 4) : std::string();
        writeEnableLine(out, doc, i, number);
        writeCallSign(out, doc, i, number, words);
        writeAutodial(out, doc, i, number);
    }
    out << ";end of users\n";
}

} // namespace merix
