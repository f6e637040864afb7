#include "tests/sim/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace merix {
namespace {

using test::cli;
using test::CliRun;
using test::readWhole;
using test::SimProcess;
using test::TempDir;
using test::writeWhole;

TEST(MerixSim, SendThroughTheSimulatorByItsLink)
{
    TempDir dir;
    const std::string link = dir.file("ttyMERIX");
    SimProcess sim({"--link", link, "--log", dir.file("sim.log")});
    ASSERT_THAT(sim.device(), ::testing::StartsWith("/dev/pts/"));
    ASSERT_EQ(std::filesystem::read_symlink(link), sim.device());

    writeWhole(dir.file("a.cmd"), "N050 0;voice off\r\n\r\n   \r\nN020 005 030");
    writeWhole(dir.file("b.cmd"), ";only a comment\n");
    CliRun r = cli(dir, {"send", dir.file("a.cmd"), dir.file("b.cmd"), "--device", link});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Get DTMF prompt\nDTMF>N050 0 \nOK \nDTMF>    \nOK \nDTMF>N020 005 030 \nOK \n"
                     "DTMF>\nFinished Upload\nDTMF>\nDisconnected\n");
    EXPECT_EQ(readWhole(dir.file("sim.log")), "\nN050 0\n   \nN020 005 030\n");

    r = cli(dir, {"send", dir.file("b.cmd"), "--keep-comments", "--baud", "19200", "--device", link});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readWhole(dir.file("sim.log")), "\nN050 0\n   \nN020 005 030\n\n;only a comment\n");

    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(MerixSim, RefusesToReplaceARealFileWithItsLink)
{
    TempDir dir;
    writeWhole(dir.file("taken"), "mine");
    SimProcess sim({"--link", dir.file("taken")});
    EXPECT_EQ(sim.device(), "");
    EXPECT_EQ(sim.stop(), 1);
    EXPECT_EQ(readWhole(dir.file("taken")), "mine");
}

TEST(MerixCliSend, UsageErrorsAndFailures)
{
    TempDir dir;
    writeWhole(dir.file("a.cmd"), "N1\n");
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"send", dir.file("a.cmd")},
             {"send", "--device", "/dev/null"},
             {"send", dir.file("a.cmd"), "--device", "/dev/null", "--phone", "555"},
             {"send", dir.file("a.cmd"), "--device", "/dev/null", "--modem"},
             {"send", dir.file("a.cmd"), "--device", "/dev/null", "--speed", "1"},
             {"send", dir.file("a.cmd"), "--device"}}) {
        EXPECT_EQ(cli(dir, words).status, 2) << words.size();
    }

    CliRun r = cli(dir, {"send", dir.file("missing.cmd"), "--device", "/dev/null"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, dir.file("missing.cmd") + ": Unable to Open File (Check Path and Filename)\n");

    r = cli(dir, {"send", dir.file("a.cmd"), "--device", dir.file("ttyUSB9")});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, ::testing::StartsWith("Unable to Connect\nNo such device " + dir.file("ttyUSB9")));
    EXPECT_THAT(r.out, ::testing::StartsWith("Unable to Connect\nNo such device "));

    SimProcess sim({});
    r = cli(dir, {"send", dir.file("a.cmd"), "--device", sim.device(), "--baud", "fast"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unable to open COM Port buffer structure.\n");
    EXPECT_EQ(r.out, "Unable to Connect\n");
}

TEST(MerixCliUpload, WholeUploadOnTheSampleCatalogs)
{
    TempDir dir;
    const std::string cats = dir.file("catalogs");
    std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
    const std::string doc = dir.file("SITE.mrx");
    ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
    writeWhole(dir.file("SITE.REF"), "stale");

    SimProcess sim({"--log", dir.file("sim.log")});
    CliRun r = cli(dir, {"upload", doc, "--catalogs", cats, "--device", sim.device(), "--option", "all"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_THAT(r.out, ::testing::EndsWith("DTMF>\nFinished Upload\nDTMF>\nDisconnected\n"));
    EXPECT_EQ(readWhole(dir.file("SITE.REF")), readWhole(doc));
    EXPECT_THAT(readWhole(cats + "/BEFORE.CMD"), ::testing::StartsWith(";if voice response is desired"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("SITE.SER"))); // defaults, nothing written

    // Before file first, after file last, the generated command file between them.
    const std::string log = readWhole(dir.file("sim.log"));
    EXPECT_THAT(log, ::testing::StartsWith("\nN050 0\n"));
    EXPECT_THAT(log, ::testing::EndsWith("\nN050 01\n"));
    EXPECT_GT(std::count(log.begin(), log.end(), '\n'), 100);

    // The stored settings decide, unless --option says otherwise for this run.
    writeWhole(dir.file("SITE.SER"), "[COMM SETTINGS]\r\n0\r\n\r\n9600\r\n0\r\n0\r\n1\r\n" + cats +
                                         "/BEFORE.CMD\r\n0\r\n" + cats + "/AFTER.CMD\r\n0\r\nEND");
    std::filesystem::remove(dir.file("sim.log"));
    r = cli(dir, {"upload", doc, "--catalogs", cats, "--device", sim.device()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string changesOnly = readWhole(dir.file("sim.log"));
    EXPECT_LT(std::count(changesOnly.begin(), changesOnly.end(), '\n'), 10);
    EXPECT_EQ(changesOnly.find("N050 0\n"), std::string::npos);
}

TEST(MerixCliUpload, UsageAndFailures)
{
    TempDir dir;
    EXPECT_EQ(cli(dir, {"upload"}).status, 2);
    EXPECT_EQ(cli(dir, {"upload", "a.mrx", "--option", "some"}).status, 2);
    EXPECT_EQ(cli(dir, {"upload", "a.mrx", "--port", "1"}).status, 2);

    writeWhole(dir.file("plain.mrx"), "hello\n");
    const CliRun r = cli(dir, {"upload", dir.file("plain.mrx"), "--catalogs", MERIX_SAMPLE_CATALOGS});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, ::testing::HasSubstr("This file is not an MERIX file."));

    const std::string cats = dir.file("catalogs");
    std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
    const std::string doc = dir.file("SITE.mrx");
    ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
    const std::string ref = readWhole(dir.file("SITE.REF"));
    const CliRun noPort = cli(dir, {"upload", doc, "--catalogs", cats, "--device", dir.file("ttyUSB9")});
    EXPECT_EQ(noPort.status, 1);
    EXPECT_THAT(noPort.err, ::testing::StartsWith("Unable to Connect\nNo such device "));
    EXPECT_EQ(readWhole(dir.file("SITE.REF")), ref); // no connection, no new reference copy
}

} // namespace
} // namespace merix
