// What an upload keeps and shows, apart from the line: history entry files, the progress line.
#include "link/UploadHistory.h"
#include "link/UploadProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace merix {
namespace {

HistoryEntry stoppedEntry(const std::string& history) {
    HistoryEntry e;
    e.time = "2024-05-01T14:03:12+02:00";
    e.result = UploadResult::Stopped;
    e.linesSent = 12;
    e.linesTotal = 40;
    e.option = UploadOption::ChangesSinceInitialization;
    e.port = "COM2";
    e.endpoint = "/dev/serial/by-id/usb-FTDI";
    e.baudRate = "1200";
    e.transcript = history + "/transcripts/2024-05-01T12-03-10.000Z.txt";
    e.reason = "Upload stopped after line 12 of 40.";
    return e;
}

TEST(HistoryEntryFile, WrittenInFullAndReadBack) {
    const std::string history = "/data/SITE.history";
    const HistoryEntry e = stoppedEntry(history);
    const std::string text = historyEntryText(e, history);
    EXPECT_EQ(text, "[UPLOAD]\r\n"
                    "Time=2024-05-01T14:03:12+02:00\r\n"
                    "Result=stopped\r\n"
                    "Lines=12/40\r\n"
                    "Option=init\r\n"
                    "Port=COM2\r\n"
                    "Endpoint=/dev/serial/by-id/usb-FTDI\r\n"
                    "Baud=1200\r\n"
                    "Transcript=transcripts/2024-05-01T12-03-10.000Z.txt\r\n"
                    "Reason=Upload stopped after line 12 of 40.\r\n"
                    "END\r\n");
    // Moved with its document, the entry still finds its transcript.
    const HistoryEntry back = parseHistoryEntry(text, "/elsewhere/SITE.history");
    EXPECT_EQ(back.time, e.time);
    EXPECT_EQ(back.result, e.result);
    EXPECT_EQ(back.linesSent, 12);
    EXPECT_EQ(back.linesTotal, 40);
    EXPECT_EQ(back.option, e.option);
    EXPECT_EQ(back.port, e.port);
    EXPECT_EQ(back.endpoint, e.endpoint);
    EXPECT_EQ(back.baudRate, e.baudRate);
    EXPECT_EQ(back.transcript, "/elsewhere/SITE.history/transcripts/2024-05-01T12-03-10.000Z.txt");
    EXPECT_EQ(back.reason, e.reason);

    // A reason with line ends stays on its line.
    HistoryEntry multi = e;
    multi.reason = "first\r\nsecond";
    EXPECT_EQ(parseHistoryEntry(historyEntryText(multi, history), history).reason, "first  second");
}

TEST(HistoryEntryFile, DamagedFilesReadAsFailedUploadsWithBoundedValues) {
    const struct {
        std::string text;
        UploadResult result;
        int sent;
        int total;
        UploadOption option;
    } cases[] = {
        {"", UploadResult::Failed, 0, 0, UploadOption::ChangesSinceLastUpload},
        {"Result=completed\nLines=5/5\nOption=all", UploadResult::Completed, 5, 5,
         UploadOption::Everything},
        {"Result=maybe\r\nLines=12\r\nOption=xyz", UploadResult::Failed, 0, 0,
         UploadOption::Everything},
        {"Lines=-3/40", UploadResult::Failed, 0, 40, UploadOption::ChangesSinceLastUpload},
        {"Lines=99999999999999999999/7x", UploadResult::Failed, 0, 0,
         UploadOption::ChangesSinceLastUpload},
        {std::string("Result=stopped\0\xff\n=\n==\nLines=/\n", 30), UploadResult::Failed, 0, 0,
         UploadOption::ChangesSinceLastUpload},
    };
    for (const auto& c : cases) {
        const HistoryEntry e = parseHistoryEntry(c.text, "/h");
        EXPECT_EQ(e.result, c.result) << c.text;
        EXPECT_EQ(e.linesSent, c.sent) << c.text;
        EXPECT_EQ(e.linesTotal, c.total) << c.text;
        EXPECT_EQ(e.option, c.option) << c.text;
    }
    EXPECT_EQ(parseHistoryEntry("Reason=" + std::string(100000, 'x'), "/h").reason.size(), 8192u);
}

TEST(HistoryEntryFile, UploadsAreListedInTheOrderTheyStarted) {
    test::TempDir dir;
    const std::string document = dir.file("SITE.mrx");
    const std::string uploads = historyFolderPath(document) + "/uploads";
    EXPECT_EQ(historyFolderPath(document), dir.file("SITE.history"));
    EXPECT_TRUE(readUploadHistory(document).empty());
    // UTC names sort in time order; a folder without its entry file is no upload.
    for (const char* name : {"2024-05-01T12-00-00.000Z-2", "2023-12-31T23-59-59.999Z",
                             "2024-05-01T12-00-00.000Z", "2024-06-01T00-00-00.000Z"}) {
        std::filesystem::create_directories(uploads + "/" + name);
        if (std::string(name) != "2024-06-01T00-00-00.000Z")
            test::writeWhole(uploads + "/" + name + "/upload.txt", std::string("Time=") + name);
    }
    const std::vector<HistoryEntry> entries = readUploadHistory(document);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].time, "2023-12-31T23-59-59.999Z");
    EXPECT_EQ(entries[1].time, "2024-05-01T12-00-00.000Z");
    EXPECT_EQ(entries[2].time, "2024-05-01T12-00-00.000Z-2");
    EXPECT_EQ(entries[2].documentFile(), uploads + "/2024-05-01T12-00-00.000Z-2/document.mrx");
}

TEST(UploadProgressLine, SaysHowFarHowFastAndHowLong) {
    const struct {
        UploadProgress p;
        const char* text;
    } cases[] = {
        {{0, 1480}, "Line 0 of 1480 (0%)"},
        {{120, 1480, 2.1, 647600}, "Line 120 of 1480 (8%), 2.1 lines/s, about 10 min 48 s left"},
        {{1479, 1480, 250.0, 4}, "Line 1479 of 1480 (99%), 250 lines/s, about 0 s left"},
        {{40, 40, 3.0, 0}, "Line 40 of 40 (100%), 3.0 lines/s, about 0 s left"},
        {{0, 0}, "Line 0 of 0 (100%)"},
        {{10, 500, 0.05, 9800000}, "Line 10 of 500 (2%), 0.1 lines/s, about 2 h 43 min left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(progressText(c.p), c.text);
}

TEST(UploadProgressLine, TheRateIsTheRecentOne) {
    RateEstimate rate;
    rate.start(0);
    EXPECT_EQ(rate.update(0, 1000, 0).msLeft, -1);
    EXPECT_EQ(rate.update(1, 1000, 100).msLeft, -1); // too soon to tell
    UploadProgress p = rate.update(10, 1000, 1000);
    EXPECT_DOUBLE_EQ(p.linesPerSecond, 10.0);
    EXPECT_EQ(p.msLeft, 99000);
    // A fast first minute, then the line slows to one line a second: half a minute later
    // the estimate has followed.
    for (int s = 2; s <= 60; ++s)
        rate.update(10 * s, 1000, s * 1000);
    for (int s = 1; s <= 40; ++s)
        p = rate.update(600 + s, 1000, 60000 + s * 1000);
    EXPECT_NEAR(p.linesPerSecond, 1.0, 0.05);
    EXPECT_NEAR(static_cast<double>(p.msLeft), 360000.0, 20000.0);
}

} // namespace
} // namespace merix
