#include "generator/CrLf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace merix {
namespace {

std::string withCrLf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Line ends at every place of a block and its neighbours, runs of them, NUL and high
// bytes, and every length up to a few blocks; the output buffer is exactly as large as
// promised, so a store beyond it shows under the address sanitizer.
TEST(CrLf, BothCopiesPutACrBeforeEveryLfAndNothingElse) {
    std::vector<std::string> texts = {"", "\n", "\n\n\n", std::string(40, '\n'),
                                      std::string("a\0\n\xff\n\r\n", 7)};
    for (std::size_t length = 1; length <= 50; ++length)
        for (std::size_t lf = 0; lf < length; lf += 3) {
            std::string text(length, 'x');
            text[lf] = '\n';
            text[length - 1 - lf / 2] = '\n';
            texts.push_back(text);
        }
    for (const std::string& text : texts) {
        const std::string expected = withCrLf(text);
        for (auto copy : {copyWithCrLf, copyWithCrLfByRuns}) {
            std::vector<char> out(2 * text.size() + kCrLfSlack);
            const std::size_t n = copy(text, out.data());
            EXPECT_EQ(std::string(out.data(), n), expected)
                << (copy == copyWithCrLf ? "fast" : "by runs") << ", " << text.size() << " bytes";
        }
    }
}

} // namespace
} // namespace merix
