// The upload job against merix-sim's controller on a real pseudo-terminal: what it sends,
// where it stops, and what it keeps (reference copy, history, transcript).
#include "link/UploadJob.h"
#include "LinkDoubles.h"
#include "SimulatedController.h"
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/StopRequest.h"
#include "link/TermiosSerialPort.h"
#include "link/TranscriptWriter.h"
#include "link/UploadHistory.h"
#include "link/UploadSettings.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace merix {
namespace {

using namespace linktext;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using Lines = std::vector<std::string>;

// Records every report; may ask for a stop once a given line went.
class RecordingProgress : public UploadObserver {
  public:
    std::vector<UploadProgress> reports;
    std::function<void(const UploadProgress&)> then;
    void progress(const UploadProgress& p) override {
        reports.push_back(p);
        if (then)
            then(p);
    }
};

class UploadJobTest : public ::testing::Test {
  protected:
    UploadJobTest() {
        link.setTimings(LinkTimings{100, 200, 50, 2000, 300});
        link.setRecorder(&transcript);
        settings = defaultUploadSettings(dir.path());
        ensureSideFiles(dir.path());
        test::writeWhole(document, "[MERIX FILE VER 1.5]\r\nas edited\r\nEND");
        test::writeWhole(reference, "as last uploaded");
        test::writeWhole(commandFile,
                         ";changes\r\nN020 005 030 ;timer\r\n\r\nN011 1\r\nN012 2\r\n");
        job.setObserver(&progress);
        job.setStopRequest(&stop);
        job.setHistory(&history);
    }

    void start(sim::SimOptions options = {}) {
        options.connectDelayMs = 50;
        options.guardMs = 100;
        controller = std::make_unique<test::SimulatedController>(options);
        PortMap ports;
        ports.setDevice(0, controller->device());
        link.setPortMap(ports);
        ASSERT_TRUE(link.connect(settings));
        output.lines.clear();
    }

    UploadOutcome upload() { return job.run(commandFilesPlan(settings, commandFile, document)); }

    // The last n lines of the output list.
    Lines tail(std::size_t n) const {
        const auto from = output.lines.size() > n ? output.lines.end() - static_cast<long>(n)
                                                  : output.lines.begin();
        return Lines(from, output.lines.end());
    }

    // The commands the controller received after the connect's carriage return.
    Lines received() const {
        const Lines all = controller->lines();
        return all.empty() ? all : Lines(all.begin() + 1, all.end());
    }

    test::TempDir dir;
    const std::string document = dir.file("SITE.mrx");
    const std::string reference = dir.file("SITE.REF");
    const std::string commandFile = dir.file("SITE.CMD");
    TermiosSerialPort port;
    SteadyClock clock;
    test::RecordingOutput output;
    TranscriptWriter transcript{transcriptFolderPath(document)};
    UploadHistory history{document, &transcript};
    ControllerLink link{clock, output, test::lend(port)};
    RecordingProgress progress;
    StopRequest stop;
    UploadJob job{link, clock};
    UploadSettings settings;
    std::unique_ptr<test::SimulatedController> controller;
};

TEST_F(UploadJobTest, ACompletedUploadWritesTheReferenceCopyAndItsHistory) {
    start();
    const UploadOutcome outcome = upload();
    EXPECT_EQ(outcome.result, UploadResult::Completed);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.referenceCopyWritten);
    // Before file 1 line, command file 3, after file 1: comments and blank lines never count.
    EXPECT_EQ(outcome.linesTotal, 5);
    EXPECT_EQ(outcome.linesSent, 5);
    EXPECT_THAT(received(), ElementsAre("N050 0", "N020 005 030 ", "N011 1", "N012 2", "N050 01"));
    ASSERT_EQ(progress.reports.size(), 6u);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(progress.reports[i].linesSent, i);
        EXPECT_EQ(progress.reports[i].linesTotal, 5);
    }
    EXPECT_EQ(tail(2), (Lines{kFinished, kPrompt}));
    EXPECT_TRUE(link.isConnected());
    EXPECT_EQ(test::readWhole(reference), test::readWhole(document));

    const std::vector<HistoryEntry> entries = readUploadHistory(document);
    ASSERT_EQ(entries.size(), 1u);
    const HistoryEntry& e = entries[0];
    EXPECT_EQ(e.result, UploadResult::Completed);
    EXPECT_EQ(e.linesSent, 5);
    EXPECT_EQ(e.linesTotal, 5);
    EXPECT_EQ(e.option, UploadOption::ChangesSinceLastUpload);
    EXPECT_EQ(e.port, "COM1");
    EXPECT_EQ(e.endpoint, controller->device());
    EXPECT_EQ(e.baudRate, "9600");
    EXPECT_EQ(e.reason, "");
    EXPECT_THAT(e.time, ::testing::MatchesRegex("....-..-..T..:..:..[+-]..:.."));
    EXPECT_EQ(test::readWhole(e.documentFile()), test::readWhole(document));
    EXPECT_EQ(test::readWhole(e.commandFile()), test::readWhole(commandFile));
    EXPECT_EQ(e.transcript, transcript.currentFile());
}

TEST_F(UploadJobTest, AStopEndsAfterTheLineInFlightAndLeavesTheReferenceCopy) {
    start();
    progress.then = [this](const UploadProgress& p) {
        if (p.linesSent == 3)
            stop.request();
    };
    const UploadOutcome outcome = upload();
    EXPECT_EQ(outcome.result, UploadResult::Stopped);
    EXPECT_EQ(outcome.linesSent, 3);
    EXPECT_EQ(outcome.reason, stoppedAt(3, 5));
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_THAT(received(), ElementsAre("N050 0", "N020 005 030 ", "N011 1"));
    EXPECT_EQ(tail(3), (Lines{stoppedAt(3, 5), kDisconnected, kReferenceNotUpdated}));
    EXPECT_FALSE(link.isConnected());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(test::readWhole(reference), "as last uploaded");
    const std::vector<HistoryEntry> entries = readUploadHistory(document);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].result, UploadResult::Stopped);
    EXPECT_EQ(entries[0].linesSent, 3);
    EXPECT_EQ(entries[0].linesTotal, 5);
}

TEST_F(UploadJobTest, AStopOnAModemLineHangsItUp) {
    sim::SimOptions o;
    o.modem = true;
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "5551234";
    start(o);
    stop.request(); // before the first line
    const UploadOutcome outcome = upload();
    EXPECT_EQ(outcome.result, UploadResult::Stopped);
    EXPECT_EQ(outcome.linesSent, 0);
    EXPECT_THAT(controller->lines(), ElementsAre("ATDT5551234", "", "+++", "ATZ"));
    EXPECT_THAT(output.lines, ElementsAre(stoppedAt(0, 5), kDisconnecting, kDisconnected,
                                          kDisconnected, kReferenceNotUpdated));
    EXPECT_EQ(test::readWhole(reference), "as last uploaded");
}

TEST_F(UploadJobTest, ASilentControllerFailsItsLineAndLeavesTheReferenceCopy) {
    start();
    controller->setSilent(true);
    const UploadOutcome outcome = upload();
    EXPECT_EQ(outcome.result, UploadResult::Failed);
    EXPECT_EQ(outcome.failedLine, 1);
    EXPECT_EQ(outcome.linesSent, 0);
    EXPECT_THAT(outcome.messages, ElementsAre(kResponseTimeout));
    EXPECT_EQ(outcome.reason, kResponseTimeout);
    EXPECT_EQ(tail(3), (Lines{failedAt(1, 5), kDisconnected, kReferenceNotUpdated}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(test::readWhole(reference), "as last uploaded");
    const std::vector<HistoryEntry> entries = readUploadHistory(document);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].result, UploadResult::Failed);
    EXPECT_EQ(entries[0].linesSent, 0);
    EXPECT_EQ(entries[0].reason, kResponseTimeout);
}

TEST_F(UploadJobTest, AMissingCommandFileSendsNothingAndLeavesTheReferenceCopy) {
    start();
    std::filesystem::remove(commandFile);
    const UploadOutcome outcome = upload();
    EXPECT_EQ(outcome.result, UploadResult::Failed);
    EXPECT_EQ(outcome.reason, commandFile + ": " + kCannotOpenFile);
    EXPECT_TRUE(received().empty());
    EXPECT_THAT(output.lines, ElementsAre(kCannotOpenFile, kReferenceNotUpdated));
    EXPECT_TRUE(link.isConnected());
    EXPECT_EQ(test::readWhole(reference), "as last uploaded");
    const std::vector<HistoryEntry> entries = readUploadHistory(document);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].result, UploadResult::Failed);
    EXPECT_FALSE(std::filesystem::exists(entries[0].commandFile()));
}

TEST_F(UploadJobTest, OtherFilesKeepNothing) {
    start();
    const UploadOutcome outcome = job.run(otherFilesPlan({commandFile}, false));
    EXPECT_EQ(outcome.result, UploadResult::Completed);
    EXPECT_EQ(outcome.linesTotal, 4); // the comment line goes too without stripping
    EXPECT_EQ(test::readWhole(reference), "as last uploaded");
    EXPECT_TRUE(readUploadHistory(document).empty());
}

TEST_F(UploadJobTest, TheTranscriptHoldsEveryByteOfEachConnection) {
    start();
    upload();
    link.disconnect();
    const std::string first = transcript.currentFile();
    const std::string text = test::readWhole(first);
    EXPECT_THAT(text, HasSubstr(" # COM1 " + controller->device() +
                                ", 9600 baud, direct connection: port opened\r\n"));
    EXPECT_THAT(text, HasSubstr(" > \\r\r\n"));
    EXPECT_THAT(text, HasSubstr(" < DTMF>\r\n"));
    EXPECT_THAT(text, HasSubstr(" # upload of 5 lines\r\n"));
    EXPECT_THAT(text, HasSubstr(" > N020 005 030 \\r\r\n"));
    EXPECT_THAT(text, HasSubstr(" < N020 005 030 \\r\\nOK\\r\\nDTMF>\r\n"));
    EXPECT_THAT(text, HasSubstr(" # upload completed\r\n"));
    EXPECT_THAT(text, EndsWith(" # port closed\r\n"));
    EXPECT_THAT(text, ::testing::MatchesRegex("(....-..-..T..:..:..\\.... [#<>] [^\r\n]*\r\n)+"));

    ASSERT_TRUE(link.connect(settings));
    link.disconnect();
    EXPECT_NE(transcript.currentFile(), first);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(transcript.folder()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(UploadLines, CountedAsTheyWillGo) {
    test::TempDir dir;
    const struct {
        const char* text;
        bool strip;
        int lines;
    } cases[] = {
        {"", true, 0},
        {";only a comment\r\n\r\n", true, 0},
        {";only a comment\r\n\r\n", false, 1},
        {"N1;why\r\nN2\n   \n\nN3", true, 4}, // a line of blanks goes, a blank line does not
        {"N1 ;\r\n", true, 1},
    };
    for (const auto& c : cases) {
        test::writeWhole(dir.file("a.CMD"), c.text);
        EXPECT_EQ(countPlanLines(otherFilesPlan({dir.file("a.CMD")}, c.strip)), c.lines) << c.text;
    }
    // A line longer than the line buffer goes in pieces; missing files and folders add nothing.
    test::writeWhole(dir.file("long.CMD"), std::string(3000, 'N') + "\r\n");
    EXPECT_EQ(countPlanLines(
                  otherFilesPlan({dir.file("long.CMD"), dir.file("none.CMD"), dir.path()}, true)),
              3);
}

} // namespace
} // namespace merix
