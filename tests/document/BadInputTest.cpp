#include "document/CatalogFields.h"
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/LookupList.h"
#include "CatalogSet.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;

using namespace merix;
using merix::test::RecordingPrompter;
using merix::test::TempDir;

namespace {

// Bytes of every value, weighted toward the characters the readers act on.
std::string noise(std::mt19937& rng, std::size_t size)
{
    static const std::string special = "\n\r,:=; [E-0123456789\0"s;
    std::string out;
    for (std::size_t i = 0; i < size; ++i)
        out.push_back(rng() % 2 ? special[rng() % special.size()] : static_cast<char>(rng() % 256));
    return out;
}

} // namespace

TEST(BadInput, RandomCatalogsLoadWithoutHarm)
{
    std::mt19937 rng(20261208);
    for (int round = 0; round < 40; ++round) {
        TempDir dir;
        for (const auto& [name, content] : test::smallCatalogs())
            dir.write(name, round % 2 ? noise(rng, 3000) : content.substr(0, 4) + noise(rng, 3000));
        dir.write("cw.cfg", noise(rng, 500));
        ConfigDocument doc;
        doc.setStartupDirectory(dir.path().string());
        RecordingPrompter prompter;
        EXPECT_TRUE(loadCatalogs(doc, prompter));
        EXPECT_LE(doc.timers.size(), static_cast<std::size_t>(kMaxCatalogEntries));
        const auto list = readLookupList(dir.file("cw.cfg"), 199);
        ASSERT_TRUE(list.has_value());
        EXPECT_LE(list->size(), 500u);

        // A document of noise behind a valid header, read into those tables.
        dir.write("doc.mrx", "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n" + noise(rng, 20000));
        EXPECT_TRUE(readDocumentFile(doc, dir.file("doc.mrx")));
        // Whatever was read, the writer still produces a well-framed file.
        const std::string text = documentText(doc);
        EXPECT_TRUE(text.starts_with("[MERIX FILE VER 1.5]\r\n"));
        EXPECT_TRUE(text.ends_with("\r\n\r\nEND"));
    }
}

TEST(BadInput, HugeCountsInADocumentAllocateNothingExtra)
{
    TempDir dir;
    test::writeCatalogs(dir, test::smallCatalogs());
    ConfigDocument doc;
    doc.setStartupDirectory(dir.path().string());
    RecordingPrompter prompter;
    ASSERT_TRUE(loadCatalogs(doc, prompter));
    dir.write("doc.mrx",
              "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n2000000000\r\nHang Port 1=5:\r\n\r\n"
              "[MESSAGES]\r\n-7\r\n");
    ASSERT_TRUE(readDocumentFile(doc, dir.file("doc.mrx")));
    EXPECT_EQ(doc.timers[1].length, 5);

    // A macro line claiming two billion lines holds two: the macro gets two.
    const std::string frame = "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n0\r\n\r\n[MESSAGES]\r\n0\r\n\r\n"
                              "[DVR]\r\n0\r\n\r\n[USERS]\r\n0\r\n\r\n[INPUTS & OUTPUTS]\r\n0\r\n\r\n"
                              "[COMMANDS]\r\n0\r\n\r\n[MACROS]\r\n99999999999\r\n";
    dir.write("doc.mrx", frame + "Macro100=C:2000000000:020,1:021,2:\r\nMacro101=D:-3:\r\n\r\nEND");
    doc.macros[1].lines = {{"1", "2"}};
    ASSERT_TRUE(readDocumentFile(doc, dir.file("doc.mrx")));
    ASSERT_EQ(doc.macros[0].lines.size(), 2u);
    EXPECT_EQ(doc.macros[0].lines[1].commandNumber, "021");
    EXPECT_TRUE(doc.macros[1].lines.empty());
}

TEST(BadInput, OverlongDocumentLinesAreCutNotSplit)
{
    TempDir dir;
    test::writeCatalogs(dir, test::smallCatalogs());
    ConfigDocument doc;
    doc.setStartupDirectory(dir.path().string());
    RecordingPrompter prompter;
    ASSERT_TRUE(loadCatalogs(doc, prompter));
    // Two megabytes in one message line: cut at the line capacity, and the next line is
    // still the next entry.
    const std::string huge(2 << 20, 'W');
    dir.write("doc.mrx", "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n0\r\n\r\n[MESSAGES]\r\n2\r\n"
                         "ID Port 1:1:Voice=" + huge + "\r\nCW ID Port 1:2:CW=OK:\r\n\r\nEND");
    ASSERT_TRUE(readDocumentFile(doc, dir.file("doc.mrx")));
    EXPECT_GT(doc.messages[0].text.size(), 1000000u);
    EXPECT_LT(doc.messages[0].text.size(), huge.size());
    EXPECT_EQ(doc.messages[1].text, "OK");
}
