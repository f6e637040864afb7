#include "generator/TextFileOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace merix {
namespace {

namespace fs = std::filesystem;

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// n bytes of a line pattern with LF ends, and the same with CR LF ends.
std::string lines(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += i % 61 == 60 ? '\n' : static_cast<char>('a' + i % 26);
    return text;
}
std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Texts of every size around the pieces the output converts at a time, and in pieces of
// their own, so a line end at either side of a boundary is converted once.
TEST(TextFileOutput, EveryLineEndBecomesCrLfWhateverTheSizeOfTheWrites) {
    constexpr std::size_t k = 32 * 1024;
    const struct {
        std::string text;
        std::vector<std::size_t> writes; // sizes of the writes; the rest in a last one
    } cases[] = {
        {"", {}},
        {"\n", {}},
        {"\n\n\r\n", {1, 1}},
        {"no line end", {}},
        {lines(k - 1) + "\n", {}},
        {lines(k) + "\n", {}},
        {std::string(k, '\n'), {}},
        {std::string(3 * k + 7, '\n'), {k + 1, 5}},
        {lines(5 * k + 3), {k - 1, 2, 2 * k}},
        {lines(200000), {70000}},
    };
    const fs::path dir = fs::temp_directory_path() / ("merix-tfo-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path target = dir / "OUT.CMD";
    for (const auto& c : cases) {
        TextFileOutput out;
        ASSERT_EQ(out.create(target.string()), "");
        std::string_view rest = c.text;
        for (std::size_t n : c.writes) {
            out.write(rest.substr(0, n));
            rest.remove_prefix(std::min(n, rest.size()));
        }
        out.write(rest);
        ASSERT_EQ(out.commit(), "");
        const std::string written = readWhole(target);
        EXPECT_EQ(written.size(), withCrLf(c.text).size()) << c.text.size() << " bytes";
        EXPECT_TRUE(written == withCrLf(c.text)) << c.text.size() << " bytes";
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace merix
