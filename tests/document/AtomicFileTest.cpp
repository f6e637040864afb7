#include "document/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace merix;
namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct TempDir {
    fs::path path;
    TempDir()
    {
        std::string tmpl = (fs::temp_directory_path() / "merix-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
    }
    ~TempDir()
    {
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path);
    }
};

} // namespace

TEST(AtomicFile, ReplacesWholeAndLeavesNoTemporary)
{
    TempDir dir;
    const auto target = dir.path / "a.mrx";
    ASSERT_EQ(writeFileAtomically(target.string(), "first\r\n"), "");
    ASSERT_EQ(writeFileAtomically(target.string(), "second"), "");
    EXPECT_EQ(slurp(target), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(AtomicFile, FailureKeepsPreviousFileAndSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    TempDir dir;
    const auto target = dir.path / "a.mrx";
    ASSERT_EQ(writeFileAtomically(target.string(), "keep me"), "");
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    const std::string err = writeFileAtomically(target.string(), "lost");
    EXPECT_NE(err.find("Unable to write"), std::string::npos);
    EXPECT_EQ(slurp(target), "keep me");
}

TEST(AtomicFile, MissingFolderIsReported)
{
    TempDir dir;
    const std::string err = writeFileAtomically((dir.path / "no" / "a.mrx").string(), "x");
    EXPECT_NE(err.find("No such file or directory"), std::string::npos);
}
