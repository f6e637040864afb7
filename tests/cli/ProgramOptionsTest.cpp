#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::runProgram;

struct OptionCase {
    const char* program;
    std::vector<std::string> words;
    int status;
    std::string outStart; // standard output starts with this ("" : stays empty)
    std::string errStart; // standard error starts with this ("" : stays empty)
};

const std::string kVersionLine = std::string(" ") + MERIX_PROJECT_VERSION + "\n";

TEST(ProgramOptions, HelpVersionAndUnknownWords) {
    const OptionCase cases[] = {
        {MERIX_CLI, {"--help"}, 0, "usage: merix-cli COMMAND ...\nWorks on MERIX", ""},
        {MERIX_CLI, {"--version"}, 0, "merix-cli" + kVersionLine, ""},
        {MERIX_CLI, {"new", "--help"}, 0, "usage: merix-cli new DOC [--catalogs DIR]\nCreates", ""},
        {MERIX_CLI, {"upload", "site.mrx", "--help"}, 0, "usage: merix-cli upload DOC", ""},
        {MERIX_CLI, {}, 2, "", "usage: merix-cli COMMAND ...\n  new DOC"},
        {MERIX_CLI, {"--bogus"}, 2, "", "usage: merix-cli COMMAND ...\n"},
        {MERIX_CLI, {"frobnicate"}, 2, "", "usage: merix-cli COMMAND ...\n"},
        {MERIX_CLI, {"--version", "extra"}, 2, "", "usage: merix-cli COMMAND ...\n"},
        {MERIX_CLI, {"new", "a.mrx", "--bogus", "x"}, 2, "", "usage: merix-cli new DOC"},
        {MERIX_SIM, {"--help"}, 0, "usage: merix-sim [--link PATH", ""},
        {MERIX_SIM, {"--modem", "--help"}, 0, "usage: merix-sim [--link PATH", ""},
        {MERIX_SIM, {"--version"}, 0, "merix-sim" + kVersionLine, ""},
        {MERIX_SIM,
         {"--bogus"},
         2,
         "",
         "merix-sim: unexpected or incomplete option --bogus\nusage: merix-sim"},
    };
    for (const OptionCase& c : cases) {
        const auto r = runProgram(c.program, c.words);
        std::string call = c.program;
        for (const auto& w : c.words)
            call += " " + w;
        EXPECT_EQ(r.status, c.status) << call;
        EXPECT_TRUE(r.out.starts_with(c.outStart) && (!c.outStart.empty() || r.out.empty()))
            << call << "\nstdout: " << r.out;
        EXPECT_TRUE(r.err.starts_with(c.errStart) && (!c.errStart.empty() || r.err.empty()))
            << call << "\nstderr: " << r.err;
    }
}

// The usage after a mistake and --help name the same commands, so neither falls behind.
TEST(ProgramOptions, UsageAndHelpListTheSameCommands) {
    const std::string usage = runProgram(MERIX_CLI, {}).err;
    const std::string help = runProgram(MERIX_CLI, {"--help"}).out;
    std::size_t lines = 0;
    for (std::size_t at = usage.find('\n') + 1; at < usage.size(); ++lines) {
        const std::size_t end = usage.find('\n', at);
        const std::string line = usage.substr(at, end - at);
        if (line != "  --help | --version") {
            EXPECT_NE(help.find(line + "\n"), std::string::npos) << line;
        }
        at = end + 1;
    }
    EXPECT_GE(lines, 6u);
}

} // namespace
} // namespace merix
