#include "SampleCatalogs.h"

#include "generator/CommandFileGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace merix;
using merix::test::SampleDocument;

namespace {

std::vector<std::string> linesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& command)
{
    std::istringstream in(command.substr(0, command.find(';')));
    std::vector<std::string> fields;
    for (std::string f; in >> f;)
        fields.push_back(f);
    return fields;
}

// How many codes a message text should yield when every part of it is known.
std::size_t expectedCodes(const MessageEntry& m)
{
    if (merix::test::upper(m.messageType.view()) != "CW") {
        std::istringstream in(m.text);
        std::size_t n = 0;
        for (std::string w; in >> w;)
            ++n;
        return n;
    }
    static constexpr std::string_view kNamed[] = {" SPACE", " PAUSE", " AR", " INTERNAL_DVR_1",
                                                  " INTERNAL_DVR_2", " INTERNAL_DVR_3"};
    std::size_t n = 0;
    for (std::size_t i = 0; i < m.text.size();) {
        if (m.text[i] != ' ') {
            ++n;
            ++i;
            continue;
        }
        std::size_t step = 1; // a lone space yields nothing
        for (std::string_view symbol : kNamed) {
            if (m.text.compare(i, symbol.size(), symbol) == 0) {
                ++n;
                step = symbol.size();
                break;
            }
        }
        i += step;
    }
    return n;
}

class SampleCommandFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("merix-sample-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        ASSERT_TRUE(sample.loaded);
        sample.doc.setDocumentPath((m_dir / "SAMPLE.mrx").string());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path m_dir;
    SampleDocument sample;
};

} // namespace

// Everything the shipped catalogs name must be found when the whole set is uploaded.
TEST_F(SampleCommandFile, EverythingModeFindsEveryWordSymbolTrackAndAccessMode)
{
    const CommandFileResult result =
        generateCommandFile(sample.doc, UploadOption::Everything, sample.prompter);
    ASSERT_TRUE(result.produced()) << result.message;
    EXPECT_TRUE(sample.prompter.boxes.empty());
    const std::vector<std::string> lines = linesOf(result.path);

    std::map<std::string, std::vector<std::string>> messageLines; // macro -> N056 fields
    int accessModes = 0;
    std::vector<std::string> passwordClearances;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = fieldsOf(line);
        if (f.size() >= 3 && f[0] == "N056")
            messageLines.emplace(f[1], f); // the first N056 of a macro: messages have one
        if (!f.empty() && f[0] == "N005")
            ++accessModes;
        if (f.size() == 3 && f[0] == "N190" && f[1] == "000")
            passwordClearances.push_back(f[2]);
    }

    for (const MessageEntry& m : sample.doc.messages) {
        const auto it = messageLines.find(m.macroNumber.str());
        ASSERT_NE(it, messageLines.end()) << m.key.str();
        // N056, macro, macro command, and for 064 the command run on interruption.
        const std::size_t head = it->second[2] == "064" ? 4 : 3;
        ASSERT_GE(it->second.size(), head) << m.key.str();
        EXPECT_EQ(it->second.size() - head, expectedCodes(m)) << m.key.str() << ": " << m.text;
    }
    EXPECT_EQ(accessModes, kPortCount);
    ASSERT_EQ(passwordClearances.size(), 2u); // command 000, then the password system
    EXPECT_EQ(passwordClearances[0], passwordClearances[1]) << "the upload contradicts itself";
}
