#include "CliRunner.h"

#include "document/DocumentFile.h"
#include "document/UnknownEntries.h"
#include "generator/CatalogLabels.h"
#include "generator/DocumentDiff.h"

namespace merix::test {
namespace {

class Diff : public GeneratorFixture {
  protected:
    // The document as Open reads it: fresh catalogs, then the file.
    ConfigDocument opened(const std::string& name, const std::string& text) {
        ConfigDocument d;
        d.setStartupDirectory((dir() / "catalogs").string());
        EXPECT_TRUE(loadCatalogs(d, prompter));
        writeWhole(dir() / name, text);
        EXPECT_TRUE(readDocumentFile(d, (dir() / name).string()));
        return d;
    }
    std::string lines(const ConfigDocument& a, const ConfigDocument& b,
                      bool showPasswords = false) {
        std::string out;
        for (const FieldDifference& d :
             documentDifferences(a, b, CatalogLabels::read(doc), showPasswords))
            out += d.line() + '\n';
        return out;
    }
    std::string path(const std::string& name) const { return quoted((dir() / name).string()); }
    std::string catalogs() const { return " --catalogs " + quoted((dir() / "catalogs").string()); }
};

TEST_F(Diff, TwoVersionsOfOneConfigurationFieldByField) {
    const ConfigDocument before = opened("A.mrx", documentText(doc));
    editEveryKindOfEntry(doc);
    doc.timers[2].length = 8;
    doc.dvrTracks[1].description = "Second, renamed";
    doc.ioPoints[1].description = "Back door";
    doc.beeps[1].chordLength[0] = 40;
    doc.beeps[1].chordFreq1[0] = 700;
    doc.tones.cwSpeed[7] = 30;
    doc.tones.reversePatchRingDelay = 10;
    doc.ports[7].AccessMode = "PL";
    doc.ports[7].CORPolarity = 1;
    const ConfigDocument after = opened("B.mrx", documentText(doc));

    EXPECT_EQ(lines(before, after), expected("defaults-to-edited.diff"));
    EXPECT_EQ(lines(after, after), "");
    // The passwords themselves only when asked for.
    EXPECT_NE(lines(before, after, true).find("Users: User 1, Password: (empty) -> 4321\n"),
              std::string::npos);
}

TEST_F(Diff, AVersion11FileComparesByItsValues) {
    // No DVR section, no description lines, no interrupt actions, no beep command numbers
    // and no port setup: those keep their catalog values.
    const std::string old =
        "[MERIX FILE VER 1.1]\r\n\r\n[TIMERS]\r\n1\r\nHangTimer=45:\r\n\r\n"
        "[MESSAGES]\r\n1\r\nWelcome:501:Voice=hello there: :\r\n\r\n"
        "[USERS]\r\n1\r\nUser002=Bob:K1BOB:1: :0:3:4:\r\n"
        "Autopatch002=555:1: : : :0: :\r\nPager002= :0:0:\r\n\r\n"
        "[INPUTS & OUTPUTS]\r\n1\r\nAnalog1=2:-50:100:Volts:\r\n\r\n"
        "[COMMANDS]\r\n1\r\nCommand190=CLEAR:6:1:1:1:1:1:1:1:0:\r\n\r\n"
        "[MACROS]\r\n1\r\nMacro201=Tail:1:036,1:\r\n\r\n"
        "[SCHEDULAR]\r\n0\r\n\r\n[COURTESY BEEPS]\r\n1\r\nBeep2= :5,600,0,0:\r\n\r\n"
        "[TONES]\r\n1\r\nCWSpeedPort1=30\r\n\r\nEND";
    const ConfigDocument v11 = opened("OLD.mrx", old);
    ASSERT_DOUBLE_EQ(v11.documentVersion(), 1.1);
    ConfigDocument v15 = opened("NEW.mrx", documentText(v11));
    ASSERT_DOUBLE_EQ(v15.documentVersion(), 1.5);
    EXPECT_EQ(lines(v11, v15), "");

    v15.users[1].callSign = "K1BOC";
    v15.ports[0].Bypass = 1;
    EXPECT_EQ(lines(v11, v15), "Users: User 2, Call sign: K1BOB -> K1BOC\n"
                               "Misc Setup: Port 1, Bypass: off -> on\n");
}

TEST_F(Diff, EntriesTheCatalogsDoNotKnowAreCountedAndLeftOut) {
    std::string text = documentText(doc);
    const auto insertAfter = [&](const std::string& header, const std::string& lines) {
        const auto at = text.find(header);
        ASSERT_NE(at, std::string::npos) << header;
        // The count line names one more entry, which follows it.
        const auto countEnd = text.find("\r\n", at + header.size() + 2);
        const int count =
            std::stoi(text.substr(at + header.size() + 2, countEnd - at - header.size() - 2));
        text.replace(at + header.size() + 2, countEnd - at - header.size() - 2,
                     std::to_string(count + 1));
        text.insert(text.find("\r\n", at + header.size() + 2) + 2, lines);
    };
    insertAfter("[TIMERS]", "Stranger=5:\r\n");
    insertAfter("[MESSAGES]", "Unknown:600:Voice=hello: :NOCOMMAND:000:\r\n");
    insertAfter("[DVR]", "Track9,Nowhere\r\n");
    insertAfter("[USERS]",
                "User999=Eve: :1: :0:0:7:\r\nAutopatch999= :0: : : :0: :\r\nPager999= :0:0:\r\n"
                "Description999=Not here:\r\n");
    insertAfter("[INPUTS & OUTPUTS]", "Analog9=1:0:5: : :\r\n");
    insertAfter("[COMMANDS]", "Command999=NONE:1:1:1:1:1:1:1:1:1:\r\n");
    insertAfter("[MACROS]", "Macro999= :1:036, :\r\n");
    insertAfter("[SCHEDULAR]", "Schedule99= : :May:Monday:1:0:1:1:0:\r\n");
    insertAfter("[COURTESY BEEPS]", "Beep9= :159:1,1,1,1:\r\n");
    const ConfigDocument other = opened("OTHER.mrx", text);
    EXPECT_EQ(countUnknownEntries(other, (dir() / "OTHER.mrx").string()), 9u);
    EXPECT_EQ(lines(opened("SAME.mrx", documentText(doc)), other), "");
    // The unknown user's further lines are skipped, so the known users still read right.
    EXPECT_EQ(other.users[0].description, "The club president");
    EXPECT_EQ(countUnknownEntries(other, (dir() / "NONE.mrx").string()), 0u);

    writeWhole(dir() / "SAME.mrx", documentText(doc));
    const CliRun run =
        runCli(dir(), "diff " + path("SAME.mrx") + " " + path("OTHER.mrx") + catalogs());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "9 entries of " + (dir() / "OTHER.mrx").string() +
                           " are not in the catalogs and were not compared.\n");
}

TEST_F(Diff, ExitStatusLikeDiff) {
    writeWhole(dir() / "A.mrx", documentText(doc));
    doc.timers[0].length = 31;
    writeWhole(dir() / "B.mrx", documentText(doc));
    writeWhole(dir() / "NOT.mrx", "hello\r\n");
    const std::string usage = "usage: merix-cli diff A.mrx B.mrx [--catalogs DIR] [--passwords]\n";
    const struct {
        std::string words;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {path("A.mrx") + " " + path("A.mrx") + catalogs(), 0, "", ""},
        {path("A.mrx") + " " + path("B.mrx") + catalogs(), 1,
         "Timers: Hang time, Length: 30 -> 31\n", ""},
        {path("B.mrx") + " " + path("A.mrx") + catalogs(), 1,
         "Timers: Hang time, Length: 31 -> 30\n", ""},
        {path("A.mrx") + " " + path("NOT.mrx") + catalogs(), 2, "",
         "Cannot load " + (dir() / "NOT.mrx").string() + " - This file is not an MERIX file.\n"},
        {path("A.mrx") + " " + path("GONE.mrx") + catalogs(), 2, "",
         "Unable to open " + (dir() / "GONE.mrx").string() + ": No such file or directory.\n"},
        {path("A.mrx") + " " + path("B.mrx") + " --catalogs " + path("nowhere"), 2, "",
         "Error.  Unable to open userdflt.cfg (user defaults configure file).\n"
         "Error.  Unable to open timers.cfg (timer commands configure file).\n"},
        {path("A.mrx"), 2, "", usage},
        {path("A.mrx") + " " + path("B.mrx") + " --colour red", 2, "", usage},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(dir(), "diff " + c.words);
        EXPECT_EQ(run.status, c.status) << c.words;
        EXPECT_EQ(run.out, c.out) << c.words;
        EXPECT_EQ(run.err, c.err) << c.words;
    }
}

} // namespace
} // namespace merix::test
