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
