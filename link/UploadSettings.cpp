#include "link/UploadSettings.h"

#include "document/AtomicFile.h"
#include "document/SideFiles.h"
#include "link/SideFileTemplates.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <optional>
#include <string_view>

namespace merix {

namespace {

// Long enough for the before and after file paths of a deeply nested folder.
constexpr std::size_t kLineCapacity = kPathCapacity - 1;

struct SettingsLine {
    std::string text;
    bool hasLineEnd = false;
};

// One line, cut to its capacity; the rest of an over-long line is skipped so that a damaged
// line cannot shift the lines after it. Nothing when the file has ended.
std::optional<SettingsLine> readLine(std::istream& in)
{
    SettingsLine line;
    bool any = false;
    for (int c = in.get(); c != EOF; c = in.get()) {
        any = true;
        if (c == '\n') {
            line.hasLineEnd = true;
            break;
        }
        if (line.text.size() <= kLineCapacity)
            line.text.push_back(static_cast<char>(c));
    }
    if (!any)
        return std::nullopt;
    if (!line.text.empty() && line.text.back() == '\r')
        line.text.pop_back();
    if (line.text.size() > kLineCapacity)
        line.text.resize(kLineCapacity);
    return line;
}

// Decimal conversion as the old files expect it: leading blanks, a sign, digits; anything
// else ends the number, and no digits give 0. Clamped instead of overflowing.
int decimal(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > INT_MAX)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool isEndMarker(const SettingsLine& line)
{
    if (line.text.size() != 3)
        return false;
    return std::toupper(static_cast<unsigned char>(line.text[0])) == 'E' &&
           std::toupper(static_cast<unsigned char>(line.text[1])) == 'N' &&
           std::toupper(static_cast<unsigned char>(line.text[2])) == 'D';
}

// Line 6 and line 8 may close a short file: the last line of the file, or "END".
bool closesShortForm(const std::optional<SettingsLine>& line)
{
    return !line || !line->hasLineEnd || isEndMarker(*line);
}

void readConnection(std::istream& in, UploadSettings& s)
{
    if (auto l = readLine(in))
        s.connectionType = static_cast<ConnectionType>(decimal(l->text));
    if (auto l = readLine(in))
        s.phoneNumber = l->text;
    if (auto l = readLine(in))
        s.baudRate = l->text;
    if (auto l = readLine(in))
        s.comPort = decimal(l->text);
}

void readFiles(std::istream& in, UploadSettings& s, const UploadSettings& defaults)
{
    const auto line8 = readLine(in);
    if (closesShortForm(line8)) {
        s.beforeFile = defaults.beforeFile;
        s.afterFile = defaults.afterFile;
        s.uploadBefore = defaults.uploadBefore;
        s.uploadAfter = defaults.uploadAfter;
        return;
    }
    s.beforeFile = line8->text;
    if (auto l = readLine(in))
        s.uploadBefore = decimal(l->text);
    if (auto l = readLine(in))
        s.afterFile = l->text;
    if (auto l = readLine(in))
        s.uploadAfter = decimal(l->text);
}

} // namespace

std::string startupFilePath(const std::string& startupDirectory, const std::string& fileName)
{
    if (startupDirectory.empty())
        return fileName;
    if (startupDirectory.back() == '/')
        return startupDirectory + fileName;
    return startupDirectory + "/" + fileName;
}

UploadSettings defaultUploadSettings(const std::string& startupDirectory)
{
    UploadSettings s;
    s.beforeFile = startupFilePath(startupDirectory, "BEFORE.CMD");
    s.afterFile = startupFilePath(startupDirectory, "AFTER.CMD");
    return s;
}

bool loadUploadSettings(UploadSettings& settings, const std::string& documentPath,
                        const std::string& startupDirectory)
{
    const UploadSettings defaults = defaultUploadSettings(startupDirectory);
    settings = defaults;
    std::ifstream in(settingsFilePath(documentPath), std::ios::binary);
    if (!in)
        return false;

    readLine(in); // the section title
    readConnection(in, settings);
    const auto line6 = readLine(in);
    if (closesShortForm(line6))
        return true;
    settings.uploadOption = static_cast<UploadOption>(decimal(line6->text));
    if (auto l = readLine(in))
        settings.stripComments = decimal(l->text);
    readFiles(in, settings, defaults);
    return true;
}

std::string uploadSettingsText(const UploadSettings& s)
{
    std::string text = "[COMM SETTINGS]\r\n";
    auto line = [&text](std::string_view value) {
        text += value;
        text += "\r\n";
    };
    line(std::to_string(static_cast<int>(s.connectionType)));
    line(s.phoneNumber);
    line(s.baudRate);
    line(std::to_string(s.comPort));
    line(std::to_string(static_cast<int>(s.uploadOption)));
    line(std::to_string(s.stripComments));
    line(s.beforeFile);
    line(std::to_string(s.uploadBefore));
    line(s.afterFile);
    line(std::to_string(s.uploadAfter));
    text += "END";
    return text;
}

std::string saveUploadSettings(const UploadSettings& settings, const std::string& documentPath)
{
    return writeFileAtomically(settingsFilePath(documentPath), uploadSettingsText(settings));
}

void ensureSideFiles(const std::string& startupDirectory)
{
    createFileFromTemplate(startupFilePath(startupDirectory, "BEFORE.CMD"), beforeFileTemplate());
    createFileFromTemplate(startupFilePath(startupDirectory, "AFTER.CMD"), afterFileTemplate());
}

} // namespace merix
