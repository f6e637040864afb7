// merix-cli upload stopped by a signal, its history, and generate --against, run as the
// programs they are against merix-sim.
#include "tests/sim/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

namespace merix {
namespace {

using test::cli;
using test::CliProcess;
using test::CliRun;
using test::readWhole;
using test::SimProcess;
using test::TempDir;
using test::writeWhole;

const char* const kNotUpdated =
    "Reference copy not updated: the upload did not finish; the next upload of changes sends "
    "them again.\n";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
    }
    return out;
}

// The commands a command file sends with comments stripped.
std::set<std::string> commandsOf(const std::string& path) {
    std::set<std::string> out;
    for (std::string line : linesOf(readWhole(path))) {
        line = line.substr(0, line.find(';'));
        if (!line.empty())
            out.insert(line);
    }
    return out;
}

bool waitFor(const std::function<bool()>& ready) {
    for (int i = 0; i < 1000; ++i) {
        if (ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A new document of the sample catalogs, a stale reference copy, and a slow controller.
class CliUploadStop : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
        ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
        writeWhole(dir.file("SITE.REF"), "as last uploaded");
    }

    // The lines the controller received since the last look at them.
    std::vector<std::string> received() const {
        const std::vector<std::string> all = linesOf(readWhole(dir.file("sim.log")));
        return {all.begin() + static_cast<long>(std::min(seen, all.size())), all.end()};
    }

    // An upload of everything, interrupted once the controller took a few lines.
    CliProcess& startUpload() {
        upload = std::make_unique<CliProcess>(
            dir, std::vector<std::string>{"upload", doc, "--catalogs", cats, "--device",
                                          sim->device(), "--option", "all"});
        EXPECT_TRUE(waitFor([this] { return received().size() >= 4; }));
        return *upload;
    }

    // Every line that reached the controller is a whole command of the files, and the port
    // is free again: another program's line arrives whole after the stopped upload.
    void expectWholeLinesAndAFreePort() {
        writeWhole(dir.file("probe.cmd"), "N999 1\r\n");
        ASSERT_EQ(cli(dir, {"send", dir.file("probe.cmd"), "--device", sim->device()}).status, 0);
        std::set<std::string> allowed = commandsOf(cats + "/BEFORE.CMD");
        allowed.merge(commandsOf(dir.file("SITE.CMD")));
        allowed.insert({"", "N999 1", "ATDT5551234", "+++", "ATZ"});
        const std::vector<std::string> lines = received();
        for (const std::string& line : lines)
            EXPECT_TRUE(allowed.count(line)) << "half or foreign line: " << line;
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "");
        EXPECT_EQ(lines.back(), "N999 1");
        seen += lines.size();
    }

    TempDir dir;
    const std::string cats = dir.file("catalogs");
    const std::string doc = dir.file("SITE.mrx");
    std::unique_ptr<SimProcess> sim = std::make_unique<SimProcess>(
        std::vector<std::string>{"--baud", "1200", "--log", dir.file("sim.log")});
    std::unique_ptr<CliProcess> upload;
    std::size_t seen = 0;
};

TEST_F(CliUploadStop, ASignalStopsAfterTheLineInFlightDisconnectsAndKeepsTheReferenceCopy) {
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        startUpload().signal(signal);
        EXPECT_EQ(upload->wait(), status);
        const std::string out = readWhole(dir.file("out.txt"));
        std::smatch m;
        ASSERT_TRUE(std::regex_search(
            out, m, std::regex("Upload stopped after line (\\d+) of (\\d+)\\.\n")))
            << out;
        EXPECT_THAT(out, ::testing::EndsWith(m.str(0) + "Disconnected\n" + kNotUpdated));
        // Standard error is no terminal here: no progress line, nothing else.
        EXPECT_EQ(readWhole(dir.file("err.txt")), "");
        EXPECT_EQ(readWhole(dir.file("SITE.REF")), "as last uploaded");
        // What the controller took is what the upload says it sent (and the connect's CR).
        const int sent = std::stoi(m.str(1));
        EXPECT_GE(sent, 3);
        const std::vector<std::string> lines = received();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string()), 1);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(sent) + 1);

        const CliRun history = cli(dir, {"history", doc});
        EXPECT_EQ(history.status, 0);
        EXPECT_THAT(history.out,
                    ::testing::MatchesRegex(
                        "([^ ]+ [a-z]+ [0-9]+/[0-9]+ all [^\n]+\n)*[0-9T:+-]+ stopped " + m.str(1) +
                        "/" + m.str(2) + " all " + sim->device() + "\n"));
        expectWholeLinesAndAFreePort();
    }
}

TEST_F(CliUploadStop, ASecondSignalEndsAtOnceAndTheHistoryKeepsTheUploadAsFailed) {
    // A modem line: the stop's hang-up waits out the modem's guard times, long enough for the
    // second signal to come while it does.
    sim = std::make_unique<SimProcess>(
        std::vector<std::string>{"--modem", "--log", dir.file("sim.log")});
    writeWhole(dir.file("SITE.SER"),
               "[COMM SETTINGS]\r\n1\r\n5551234\r\n9600\r\n0\r\n2\r\n1\r\nEND");
    CliProcess& run = startUpload();
    run.signal(SIGINT);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    run.signal(SIGINT);
    EXPECT_EQ(run.wait(), 130);
    // Cut short in the hang-up: no closing lines, and the upload never got to record its end.
    EXPECT_THAT(readWhole(dir.file("out.txt")), ::testing::HasSubstr("Upload stopped after line "));
    EXPECT_THAT(readWhole(dir.file("out.txt")), ::testing::Not(::testing::HasSubstr(kNotUpdated)));
    EXPECT_EQ(readWhole(dir.file("SITE.REF")), "as last uploaded");
    const CliRun history = cli(dir, {"history", doc});
    EXPECT_THAT(history.out, ::testing::MatchesRegex("[0-9T:+-]+ failed 0/[0-9]+ all [^\n]+\n"));
    expectWholeLinesAndAFreePort();
}

TEST(MerixCliHistory, CompletedAndFailedUploadsOldestFirst) {
    TempDir dir;
    const std::string cats = dir.file("catalogs");
    std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
    const std::string doc = dir.file("SITE.mrx");
    ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
    CliRun r = cli(dir, {"history", doc});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(cli(dir, {"history"}).status, 2);
    EXPECT_EQ(cli(dir, {"history", doc, "--catalogs", cats}).status, 2);

    {
        SimProcess sim({});
        ASSERT_EQ(cli(dir, {"upload", doc, "--catalogs", cats, "--device", sim.device()}).status,
                  0);
    }
    {
        SimProcess silent({"--silent"});
        // The connect fails: no upload, nothing in the history.
        EXPECT_EQ(cli(dir, {"upload", doc, "--catalogs", cats, "--device", silent.device()}).status,
                  1);
    }
    r = cli(dir, {"history", doc});
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 1u) << r.out;
    std::smatch m;
    ASSERT_TRUE(
        std::regex_match(lines[0], m,
                         std::regex("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d "
                                    "completed (\\d+)/(\\d+) last /dev/pts/\\d+")))
        << lines[0];
    EXPECT_EQ(m.str(1), m.str(2));
}

TEST(MerixCliGenerate, AgainstAnyDocumentFile) {
    TempDir dir;
    const std::string cats = dir.file("catalogs");
    std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
    const std::string doc = dir.file("SITE.mrx");
    ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
    ASSERT_EQ(cli(dir, {"resave", doc, "--catalogs", cats}).status, 0);
    // An older state: the document with one timer changed.
    std::string older = readWhole(doc);
    const auto at = older.find("HangTimePort1=30:");
    ASSERT_NE(at, std::string::npos);
    older.replace(at, 17, "HangTimePort1=99:");
    writeWhole(dir.file("older.mrx"), older);

    CliRun r = cli(dir, {"generate", doc, "--catalogs", cats, "--against", dir.file("older.mrx")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.file("SITE.CMD") + "\n");
    const std::string changes = readWhole(dir.file("SITE.CMD"));
    // The same as against the reference copy once that copy holds the older state.
    writeWhole(dir.file("SITE.REF"), older);
    ASSERT_EQ(cli(dir, {"generate", doc, "--catalogs", cats, "--option", "last"}).status, 0);
    EXPECT_EQ(changes, readWhole(dir.file("SITE.CMD")));
    EXPECT_NE(changes.find("\nN020 "), std::string::npos);

    EXPECT_EQ(cli(dir, {"generate", doc, "--against", doc, "--option", "all"}).status, 2);
    EXPECT_EQ(cli(dir, {"generate", doc, "--against"}).status, 2);
    r = cli(dir, {"generate", doc, "--catalogs", cats, "--against", dir.file("none.mrx")});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, ::testing::StartsWith("Unable to open " + dir.file("none.mrx") + ": "));
    writeWhole(dir.file("plain.txt"), "hello\n");
    r = cli(dir, {"generate", doc, "--catalogs", cats, "--against", dir.file("plain.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Cannot load " + dir.file("plain.txt") + " - This file is not an MERIX file.\n");
}

} // namespace
} // namespace merix
