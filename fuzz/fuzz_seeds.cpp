// Writes the seed corpora of the fuzz targets into the folder given, one subfolder per
// target: the shipped catalogs, and a document, settings and command file made from them,
// and a few controller answers.
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "fuzz/CatalogKinds.h"
#include "fuzz/FuzzSupport.h"
#include "generator/CommandFileGenerator.h"
#include "link/SideFileTemplates.h"
#include "link/UploadHistory.h"
#include "link/UploadSettings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace merix;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

fs::path g_out;

void seed(const std::string& target, const std::string& name, const std::string& content)
{
    fs::create_directories(g_out / target);
    std::ofstream(g_out / target / name, std::ios::binary) << content;
}

std::string sample(const std::string& file)
{
    return fuzz::readWholeFile(std::string(MERIX_SAMPLE_CATALOGS) + "/" + file);
}

void catalogSeeds()
{
    for (std::size_t i = 0; i < fuzz::kCatalogKindCount; ++i)
        seed("fuzz_catalog", fuzz::kCatalogKinds[i], std::string(1, static_cast<char>(i)) + sample(fuzz::kCatalogKinds[i]));
    for (const char* list : {"wordlist.cfg", "cw.cfg", "access.cfg"})
        seed("fuzz_lookup_list", list, sample(list));
    // Buffer size, capacity, then title line, count and entry lines, as a catalog is read.
    const std::string header = "\x06\x14\x01\x00\x01\x01\x01\x01\x01\x01"s;
    const std::string whole = "\x3f\xff\x01\x00\x01\x01\x01\x01\x01\x01"s;
    for (const char* file : {"timers.cfg", "misc.cfg", "tones.cfg", "userdflt.cfg"}) {
        seed("fuzz_line_reader", std::string("cut-") + file, header + sample(file));
        seed("fuzz_line_reader", std::string("whole-") + file, whole + sample(file));
    }
}

// The same document with only the first few entries of each list section: small inputs
// make many more runs a second.
std::string shortened(const std::string& text)
{
    std::istringstream in(text);
    std::string out;
    std::string line;
    int sinceHeader = -1;
    bool fixedSection = false;
    while (std::getline(in, line)) {
        if (line.starts_with("[")) {
            sinceHeader = 0;
            fixedSection = line.starts_with("[TONES]") || line.starts_with("[MISC SETUP]");
        } else if (sinceHeader >= 0) {
            ++sinceHeader;
        }
        if (sinceHeader <= 9 || fixedSection || line.empty() || line == "\r" || line.starts_with("END"))
            out += line + "\n";
    }
    return out;
}

bool documentSeeds()
{
    ConfigDocument doc;
    doc.setStartupDirectory(MERIX_SAMPLE_CATALOGS);
    fuzz::SilentPrompter prompter;
    if (!loadCatalogs(doc, prompter))
        return false;
    const std::string text = documentText(doc);
    seed("fuzz_document", "sample.mrx", text);
    seed("fuzz_document", "short.mrx", shortened(text));
    seed("fuzz_diff", "pair.mrx", shortened(text) + '\0' + shortened(text));

    // The command file of that document, everything in it, and the side files.
    doc.setDocumentPath(fuzz::scratchPath("sample.mrx"));
    const CommandFileResult generated =
        generateCommandFile(doc, UploadOption::Everything, prompter);
    if (!generated.produced())
        return false;
    // In pieces of whole lines: small inputs make many more runs a second.
    const std::string commands = fuzz::readWholeFile(generated.path);
    for (std::size_t start = 0, n = 0; start < commands.size(); ++n) {
        std::size_t end = commands.find('\n', std::min(start + 3000, commands.size()));
        end = end == std::string::npos ? commands.size() : end + 1;
        seed("fuzz_command_lines", "sample-" + std::to_string(n) + ".CMD", commands.substr(start, end - start));
        seed("fuzz_explained_command_file", "sample-" + std::to_string(n) + ".CMD",
             commands.substr(start, end - start));
        start = end;
    }
    seed("fuzz_command_lines", "BEFORE.CMD", std::string(beforeFileTemplate()));
    seed("fuzz_command_lines", "AFTER.CMD", std::string(afterFileTemplate()));
    return true;
}

void settingsSeeds()
{
    UploadSettings s = defaultUploadSettings("/opt/merix");
    seed("fuzz_upload_settings", "defaults.SER", uploadSettingsText(s));
    s.connectionType = ConnectionType::Modem;
    s.phoneNumber = "(555) 123-4567";
    s.baudRate = "19200";
    s.comPort = 3;
    s.uploadOption = UploadOption::Everything;
    s.stripComments = 0;
    s.uploadBefore = 0;
    seed("fuzz_upload_settings", "modem.SER", uploadSettingsText(s));
    seed("fuzz_upload_settings", "short.SER", "[COMM SETTINGS]\r\n0\r\n\r\n9600\r\n0\r\nEND");
}

// Answers as a controller and a modem give them; the dictionary supplies the rest.
void answerSeeds()
{
    seed("fuzz_link_answers", "prompt", std::string("\r\nDTMF>OK\r\nDTMF>\r\nDTMF>OK\r\nDTMF>"));
    seed("fuzz_link_answers", "modem", "\x01" "5551234" "\x00" "CONNECT 9600\r\n" "\x00\r\nDTMF>"s + std::string(8, '\0'));
    // ser2net's opening, its answers to the line settings, and data with an IAC in it.
    seed("fuzz_telnet", "ser2net",
         "\x03\xff\xfb\x03\xff\xfd\x03\xff\xfb\x01\xff\xfe\x01\xff\xfd\x00\xff\xfb\x00\xff\xfd,"
         "\xff\xfa,e\x00\x00\x09\x60\xff\xf0\xff\xfa,f\x08\xff\xf0\xff\xfa,g\x01\xff\xf0"
         "\xff\xfa,h\x01\xff\xf0N1 \xff\xff\r\nOK\r\nDTMF>"s);
}

} // namespace

void historySeeds() {
    HistoryEntry e;
    e.time = "2024-05-01T14:03:12+02:00";
    e.result = UploadResult::Stopped;
    e.linesSent = 12;
    e.linesTotal = 40;
    e.port = "COM1";
    e.endpoint = "/dev/ttyUSB0";
    e.baudRate = "9600";
    e.transcript = "/h/SITE.history/transcripts/2024-05-01T12-03-10.000Z.txt";
    e.reason = "Upload stopped after line 12 of 40.";
    seed("fuzz_history_entry", "stopped.txt", historyEntryText(e, "/h/SITE.history"));
    seed("fuzz_history_entry", "short.txt", "[UPLOAD]\nResult=completed\nLines=5/5\nEND");
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    g_out = argv[1];
    catalogSeeds();
    settingsSeeds();
    historySeeds();
    answerSeeds();
    if (!documentSeeds()) {
        std::fprintf(stderr, "fuzz_seeds: the sample catalogs do not load\n");
        return 1;
    }
    return 0;
}
