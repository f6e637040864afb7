#pragma once

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "generator/CommandFileGenerator.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace merix::test {

inline std::string readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeWhole(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// One edit of every kind the sections write commands for.
inline void editEveryKindOfEntry(ConfigDocument& doc) {
    UserEntry& president = doc.users[0];
    president.name = "Ann";
    president.enabled = 1;
    president.password = "4321";
    president.callSign = "wa1xk";
    president.autodialNumber = "(555) 123-4567";
    president.sendPredialDigits = 0;
    UserEntry& second = doc.users[1];
    second.password = "99";
    second.passwordMode = 1;
    second.challengeDigits = 2;
    second.autodialNumber = "911";

    doc.messages[1].text = "Hello  nowhere world";
    doc.messages[2].interruptAction = "COMMAND";
    doc.messages[2].interruptCommand = "5";

    doc.macros[0].lines = {{"5", "1 2"}, {"123", ""}, {"", "dropped"}};

    doc.events[0].commandNumber = "200";
    doc.events[0].period = 0;
    doc.events[0].minutes = 30;
    doc.events[1].commandNumber = "036";
    doc.events[1].period = 2;
    doc.events[1].dayName = "Saturday";
    doc.events[1].hour = 7;
    doc.events[1].minutes = 5;
    doc.events[1].amPm = 1;
    doc.events[2].commandNumber = "201";
    doc.events[2].period = 4;
    doc.events[2].monthName = "march";
    doc.events[2].dayOfMonth = 17;

    doc.commands[0].portEnabled = {1, 0, 1, 0, 0, 0, 0, 0};
}

// A document named TEST.mrx in a fresh folder, built from the tests' own catalog set.
class GeneratorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("merix-gen-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "catalogs");
        for (const auto& f : std::filesystem::directory_iterator(MERIX_TEST_DATA "/catalogs"))
            std::filesystem::copy_file(f.path(), m_dir / "catalogs" / f.path().filename());
        doc.setStartupDirectory((m_dir / "catalogs").string());
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        ASSERT_TRUE(prompter.boxes.empty());
        doc.setDocumentPath((m_dir / "TEST.mrx").string());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path dir() const { return m_dir; }
    std::filesystem::path commandFile() const { return m_dir / "TEST.CMD"; }

    CommandFileResult generate(UploadOption option) {
        return generateCommandFile(doc, option, prompter, &busy);
    }

    static std::string expected(const std::string& name)
    {
        return readWhole(std::filesystem::path(MERIX_TEST_DATA) / name);
    }

    ConfigDocument doc;
    RecordingPrompter prompter;
    CountingBusy busy;

private:
    std::filesystem::path m_dir;
};

} // namespace merix::test
