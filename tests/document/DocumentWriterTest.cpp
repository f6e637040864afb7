#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "CatalogSet.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

using namespace merix;
using merix::test::RecordingPrompter;
using merix::test::TempDir;

namespace {

// The smallest catalog set: one entry in every list.
std::map<std::string, std::string> tinyCatalogs()
{
    auto files = test::smallCatalogs();
    files["timers.cfg"] = "T\n1\nTimer A,Label,5,70000\n";
    files["messages.cfg"] = "M\n1\nMsg A,Label,100,Voice,,\n";
    files["dvr.cfg"] = "D\n1\nT01\n";
    files["users.cfg"] = "U\n1\nUser001,Label,Desc\n";
    files["io.cfg"] = "I\n1\nAnalog 1,Label,1,1,Volts,1,-5,150\n";
    files["commands.cfg"] = "C\n1\nCommand020\n";
    files["macros.cfg"] = "M\n1\nMacro100\n";
    files["schedule.cfg"] = "S\n1\nSchedule01\n";
    files["beep.cfg"] = "B\n1\nBeep 1,Label,130,1,2,3,4:\n";
    files["userdflt.cfg"] = "U\n0\n2\n0\n\n0\nrb;\nnrb\n;\n0\n";
    return files;
}

} // namespace

TEST(DocumentWriter, WritesTheCurrentFormatExactly)
{
    TempDir dir;
    test::writeCatalogs(dir, tinyCatalogs());
    ConfigDocument doc;
    doc.setStartupDirectory(dir.path().string());
    RecordingPrompter prompter;
    ASSERT_TRUE(loadCatalogs(doc, prompter));
    doc.macros[0].lines = {{"020", "1 2"}, {"", ""}};
    doc.events[0].comment = "Morning";

    std::string expected =
        "[MERIX FILE VER 1.5]\r\n\r\n"
        "[TIMERS]\r\n1\r\nTimer A=4464:\r\n\r\n"
        "[MESSAGES]\r\n1\r\nMsg A:100:Voice= : : : :\r\n\r\n"
        "[DVR]\r\n1\r\nT01,\r\n\r\n"
        "[USERS]\r\n1\r\nUser001= : :0: :0:0:2:\r\nAutopatch001= :0:rb:nrb: :0: :\r\n"
        "Pager001= :0:0:\r\nDescription001=Desc:\r\n\r\n"
        "[INPUTS & OUTPUTS]\r\n1\r\nAnalog 1=1:-5:150:Volts: :\r\n\r\n"
        "[COMMANDS]\r\n1\r\nCommand020= :0:1:1:1:1:1:1:1:1:\r\n\r\n"
        "[MACROS]\r\n1\r\nMacro100= :2:020,1 2: , :\r\n\r\n"
        "[SCHEDULAR]\r\n1\r\nSchedule01=Morning: :January:Monday:0:0:12:1:0:\r\n\r\n"
        "[COURTESY BEEPS]\r\n1\r\nBeep 1= :130:1,2,3,4:0,0,0,0:0,0,0,0:0,0,0,0:0,0,0,0:\r\n\r\n"
        "[TONES]\r\n64\r\n";
    const char* cw[] = {"20", "700", "0", "21", "701", "1", "22", "702", "2", "23", "703", "3",
                        "24", "704", "4", "25", "705", "5", "26", "706", "6", "27", "707", "7"};
    for (int p = 0; p < 8; ++p) {
        const std::string n = std::to_string(p + 1);
        expected += "CWSpeedPort" + n + "=" + cw[3 * p] + "\r\nCWFreq1Port" + n + "=" + cw[3 * p + 1] +
                    "\r\nCWFreq2Port" + n + "=" + cw[3 * p + 2] + "\r\n";
    }
    expected += "DTMFCoverToneDuration=50\r\nDTMFCoverToneFreq1=1000\r\nDTMFCoverToneFreq2=1100\r\n"
                "DTMFCoverToneDelay=60\r\nDTMFReversePatchRingDuration=70\r\n"
                "DTMFReversePatchRingFreq1=1200\r\nDTMFReversePatchRingFreq2=1300\r\n"
                "DTMFReversePatchRingDelay=80\r\n";
    for (int p = 0; p < 8; ++p) {
        const std::string n = std::to_string(p + 1);
        expected += "DTMFToneLengthPort" + n + "=" + std::to_string(100 + p) + "\r\nDTMFToneDelayPort" +
                    n + "=" + std::to_string(110 + p) + "\r\n";
    }
    for (int p = 0; p < 8; ++p) {
        const std::string n = std::to_string(p + 1);
        expected += "DTMFPreaccessToneFreq1Port" + n + "=" + std::to_string(300 + p) +
                    "\r\nDTMFPreaccessToneFreq2Port" + n + "=" + std::to_string(310 + p) + "\r\n";
    }
    expected += "\r\n[MISC SETUP]\r\n8\r\n";
    for (int p = 0; p < 8; ++p) {
        const PortSetup& s = doc.ports[static_cast<std::size_t>(p)];
        expected += "Port " + std::to_string(p + 1) + "\r\n";
        expected += "DTMFMute=" + std::to_string(s.DTMFMute) + "\r\nCoverTone=" + std::to_string(s.CoverTone) +
                    "\r\nBypass=" + std::to_string(s.Bypass) + "\r\nCORPolarity=" +
                    std::to_string(s.CORPolarity) + "\r\nPLPolarity=" + std::to_string(s.PLPolarity) +
                    "\r\nPasswordSystem=" + std::to_string(s.PasswordSystem) + "\r\nAccessMode=" +
                    s.AccessMode.str() + "\r\nPreaccess=" + std::to_string(s.Preaccess) +
                    "\r\nDialTone=" + std::to_string(s.DialTone) + "\r\nAccessCode=" + s.AccessCode.str() +
                    "\r\nIDOnOff=" + std::to_string(s.IDOnOff) + "\r\nIDRandRotating=" +
                    std::to_string(s.IDRandRotating) + "\r\nChaining=" + std::to_string(s.Chaining) +
                    "\r\nTimedExecution=" + std::to_string(s.TimedExecution) +
                    "\r\nForceExecutionDigit=" + s.ForceExecutionDigit.str() + "\r\n";
    }
    expected += "\r\nEND";
    EXPECT_EQ(documentText(doc), expected);
    // Spot checks of the port lines against the catalog, so the loop above is not the only source.
    EXPECT_NE(expected.find("Port 1\r\nDTMFMute=1\r\nCoverTone=0\r\nBypass=1\r\n"), std::string::npos);
    EXPECT_NE(expected.find("Port 2\r\nDTMFMute=0\r\nCoverTone=1\r\n"), std::string::npos);
    EXPECT_NE(expected.find("AccessCode=\r\nIDOnOff=0"), std::string::npos);

    ASSERT_EQ(writeDocumentFile(doc, dir.file("A.MRX")), "");
    EXPECT_EQ(dir.read("A.MRX"), expected);
}

TEST(DocumentWriter, AnUnwritableTargetIsReportedAndThePreviousFileStays)
{
    TempDir dir;
    ConfigDocument doc;
    test::CountingBusy busy;
    const std::string missing = dir.file("no-such-folder/A.MRX");
    const std::string message = writeDocumentFile(doc, missing, &busy);
    EXPECT_NE(message.find(missing), std::string::npos) << message;
    EXPECT_EQ(busy.shown, 1);
    EXPECT_EQ(busy.depth, 0);

    // A folder standing where the file should be cannot be replaced; it is left alone.
    std::filesystem::create_directory(dir.path() / "B.MRX");
    dir.write("B.MRX/keep", "kept");
    EXPECT_NE(writeDocumentFile(doc, dir.file("B.MRX")), "");
    EXPECT_EQ(dir.read("B.MRX/keep"), "kept");
}

TEST(DocumentWriter, LineBreaksInsideTextsBecomeBlanks)
{
    ConfigDocument doc;
    doc.dvrTracks.resize(1);
    doc.dvrTracks[0].trackName = "T01";
    doc.dvrTracks[0].description = "two\r\nlines\n";
    EXPECT_NE(documentText(doc).find("\r\nT01,two  lines \r\n"), std::string::npos);
}
