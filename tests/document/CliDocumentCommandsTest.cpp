#include "CatalogSet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

using merix::test::TempDir;

namespace {

struct CliRun {
    int status;
    std::string errors;
};

// Runs merix-cli with the words given (each quoted for the shell) and collects its errors.
CliRun cli(const TempDir& dir, std::initializer_list<std::string> words)
{
    std::string command = "'" MERIX_CLI "'";
    for (const std::string& w : words)
        command += " '" + w + "'";
    command += " 2>'" + dir.file("stderr.txt") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("stderr.txt")};
}

} // namespace

TEST(CliNewResave, NewOnTheSampleCatalogsResavesByteIdentical)
{
    TempDir dir;
    const std::string doc = dir.file("MERX_1.MRX");
    const CliRun made = cli(dir, {"new", doc, "--catalogs", MERIX_SAMPLE_CATALOGS});
    ASSERT_EQ(made.status, 0) << made.errors;
    EXPECT_EQ(made.errors, "");
    const std::string created = dir.read("MERX_1.MRX");
    ASSERT_TRUE(created.starts_with("[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n"));
    ASSERT_TRUE(created.ends_with("\r\n\r\nEND"));
    EXPECT_EQ(dir.read("MERX_1.REF"), created);
    EXPECT_EQ(dir.read("MERX_1.INI"), created);

    const CliRun copy = cli(dir, {"resave", doc, "--catalogs", MERIX_SAMPLE_CATALOGS, "--out", dir.file("B.MRX")});
    ASSERT_EQ(copy.status, 0) << copy.errors;
    EXPECT_EQ(dir.read("B.MRX"), created);
    ASSERT_EQ(cli(dir, {"resave", doc, "--catalogs", MERIX_SAMPLE_CATALOGS}).status, 0);
    EXPECT_EQ(dir.read("MERX_1.MRX"), created);
}

TEST(CliNewResave, ResaveKeepsValuesAndUpgradesOlderFiles)
{
    TempDir dir;
    merix::test::writeCatalogs(dir, merix::test::smallCatalogs());
    const std::string doc = dir.file("site");
    ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", dir.path().string()}).status, 0);
    EXPECT_NE(dir.read("site.REF"), ""); // no '.' in the name: the extension is appended
    EXPECT_NE(dir.read("site.INI"), "");

    // An edited value survives, and the canonical file comes back unchanged.
    std::string text = dir.read("site");
    const auto at = text.find("Timeout Port 1=180:");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 19, "Timeout Port 1=555:");
    dir.write("site", text);
    ASSERT_EQ(cli(dir, {"resave", doc, "--catalogs", dir.path().string()}).status, 0);
    EXPECT_EQ(dir.read("site"), text);

    // A version 1.1 file comes back in the current version with its values.
    dir.write("old.mrx", "[MERIX FILE VER 1.1]\n\n[TIMERS]\n1\nHang Port 1=45:\n\nEND\n");
    const CliRun up = cli(dir, {"resave", dir.file("old.mrx"), "--catalogs", dir.path().string()});
    ASSERT_EQ(up.status, 0) << up.errors;
    const std::string upgraded = dir.read("old.mrx");
    EXPECT_TRUE(upgraded.starts_with("[MERIX FILE VER 1.5]\r\n"));
    EXPECT_NE(upgraded.find("\r\nHang Port 1=45:\r\n"), std::string::npos);
}

TEST(CliNewResave, FailuresAndUsage)
{
    TempDir dir;
    merix::test::writeCatalogs(dir, merix::test::smallCatalogs());
    dir.remove("io.cfg");
    CliRun r = cli(dir, {"new", dir.file("A.MRX"), "--catalogs", dir.path().string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors, "Error.  Unable to open io.cfg (inputs and outputs configure file).\n");
    EXPECT_EQ(dir.read("A.MRX"), "");

    dir.write("notes.mrx", "just some notes\n");
    r = cli(dir, {"resave", dir.file("notes.mrx"), "--catalogs", dir.path().string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors, "Cannot load " + dir.file("notes.mrx") + " - This file is not an MERIX file.\n");
    EXPECT_EQ(dir.read("notes.mrx"), "just some notes\n");

    // The target cannot be written: the message says so.
    merix::test::writeCatalogs(dir, merix::test::smallCatalogs());
    r = cli(dir, {"new", dir.file("missing/A.MRX"), "--catalogs", dir.path().string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find(dir.file("missing/A.MRX")), std::string::npos) << r.errors;

    EXPECT_EQ(cli(dir, {"new"}).status, 2);
    EXPECT_EQ(cli(dir, {"new", "a", "b"}).status, 2);
    EXPECT_EQ(cli(dir, {"new", "a", "--catalog", "x"}).status, 2);
    EXPECT_EQ(cli(dir, {"resave", "a", "--out"}).status, 2);
    EXPECT_NE(cli(dir, {"resave"}).errors.find("usage: merix-cli resave DOC"), std::string::npos);
}
