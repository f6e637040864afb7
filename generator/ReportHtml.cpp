#include "generator/ConfigurationReport.h"

#include <cstdint>

namespace merix {

namespace {

// Page breaks between sections; Qt's rich text honours these and the table attributes.
constexpr const char* kStyle = "body { font-family: sans-serif; font-size: 10pt; }"
                               " h2.page { page-break-before: always; }"
                               " th { text-align: left; background-color: #e0e0e0; }"
                               " td, th { vertical-align: top; }"
                               " .note { font-style: italic; }";

void appendReplacement(std::string& out) {
    out += "\xEF\xBF\xBD";
}

// Length of the valid UTF-8 sequence at s[i] that XML allows, or 0.
std::size_t validSequence(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b = byte(i);
    std::size_t n = b < 0xC2 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    std::uint32_t cp = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    const bool notXml =
        (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF || cp > 0x10FFFF;
    return overlong || notXml ? 0 : n;
}

// Text as XML character data: markup escaped, bytes that are not UTF-8 (catalogs written
// in another code page) and control characters replaced, so the page always parses.
void escaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto u = static_cast<std::uint8_t>(c);
        if (u >= 0x80) {
            const std::size_t n = validSequence(text, i);
            if (n == 0) {
                appendReplacement(out);
                ++i;
            } else {
                out.append(text.substr(i, n));
                i += n;
            }
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += (u < 0x20 && c != '\t') ? ' ' : c;
        }
        ++i;
    }
}

void element(std::string& out, const char* tag, std::string_view text) {
    out += '<';
    out += tag;
    out += '>';
    escaped(out, text);
    out += "</";
    out += tag;
    out += '>';
}

bool sameColumns(const ReportEntry& a, const ReportEntry& b) {
    if (a.fields.size() != b.fields.size())
        return false;
    for (std::size_t k = 0; k < a.fields.size(); ++k)
        if (a.fields[k].first != b.fields[k].first)
            return false;
    return true;
}

void tableStart(std::string& out, const ReportEntry& columns) {
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr><th></th>";
    for (const auto& field : columns.fields)
        element(out, "th", field.first);
    out += "</tr>\n";
}

// Rows of one table for as long as the entries have the same fields.
void tables(std::string& out, const ReportSection& s) {
    const ReportEntry* columns = nullptr;
    for (const ReportEntry& e : s.entries) {
        if (!columns || !sameColumns(*columns, e)) {
            if (columns)
                out += "</table>\n";
            columns = &e;
            tableStart(out, e);
        }
        out += "<tr>";
        element(out, "th", e.label);
        for (const auto& field : e.fields)
            element(out, "td", field.second);
        out += "</tr>\n";
    }
    if (columns)
        out += "</table>\n";
}

void blocks(std::string& out, const ReportSection& s) {
    for (const ReportEntry& e : s.entries) {
        element(out, "h3", e.label);
        out += "<table cellspacing=\"0\" cellpadding=\"2\">";
        for (const auto& [name, value] : e.fields) {
            if (value.empty())
                continue;
            out += "<tr>";
            element(out, "th", name);
            element(out, "td", value);
            out += "</tr>";
        }
        out += "</table>\n";
    }
}

// A column per entry, a row per field; then the descriptions.
void sideBySide(std::string& out, const ReportSection& s) {
    if (s.entries.empty())
        return;
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr><th></th>";
    for (const ReportEntry& e : s.entries)
        element(out, "th", e.label);
    out += "</tr>\n";
    const auto& rows = s.entries.front().fields;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += "<tr>";
        element(out, "th", rows[r].first);
        for (const ReportEntry& e : s.entries)
            element(out, "td", r < e.fields.size() ? e.fields[r].second : std::string());
        out += "</tr>\n";
    }
    out += "</table>\n";
    for (const ReportEntry& e : s.entries) {
        if (e.description.empty())
            continue;
        out += "<p>";
        element(out, "b", e.label);
        out += ": ";
        escaped(out, e.description);
        out += "</p>\n";
    }
}

std::string anchor(const std::string& title) {
    std::string id;
    for (char c : title)
        id += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : (c == ' ' ? '-' : c);
    return id;
}

} // namespace

std::string reportHtml(const ConfigurationReport& report) {
    std::string out =
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>"
        "<meta charset=\"utf-8\"/>";
    element(out, "title", report.title);
    out += "<style>";
    out += kStyle;
    out += "</style></head>\n<body>\n";
    element(out, "h1", report.title);
    out += "\n<table cellspacing=\"0\" cellpadding=\"2\">";
    for (const auto& [name, value] : report.facts) {
        out += "<tr>";
        element(out, "th", name);
        element(out, "td", value);
        out += "</tr>";
    }
    out += "</table>\n";
    for (const ReportSection& s : report.sections) {
        // Every section but the first starts a page.
        out += "<h2 id=\"" + anchor(s.title) + '"' +
               (&s == &report.sections.front() ? "" : " class=\"page\"") + '>';
        escaped(out, s.title);
        out += "</h2>\n";
        if (!s.note.empty()) {
            out += "<p class=\"note\">";
            escaped(out, s.note);
            out += "</p>\n";
        }
        switch (s.layout) {
        case ReportLayout::Table:
            tables(out, s);
            break;
        case ReportLayout::Blocks:
            blocks(out, s);
            break;
        case ReportLayout::SideBySide:
            sideBySide(out, s);
            break;
        }
    }
    out += "</body>\n</html>\n";
    return out;
}

} // namespace merix
