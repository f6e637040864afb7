#pragma once

#include "document/Prompter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace merix::fuzz {

// A folder of this process's own under the temp folder (TMPDIR), removed at exit. Readers
// take paths, so every input goes through a file here.
const std::string& scratchDir();
std::string scratchPath(std::string_view name);
std::string writeScratchFile(std::string_view name, std::string_view content);
std::string readWholeFile(const std::string& path);

inline std::string_view bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The shipped catalog set copied into a folder of the scratch directory, so the
// generator finds its lookup lists there and writes nothing beside the sources.
std::string copySampleCatalogs(std::string_view folderName);

// A finding that is not a crash: print what broke and abort, so libFuzzer keeps the input.
[[noreturn]] void fail(std::string_view what);

// Message boxes answered without anyone looking; the answer to questions is fixed.
class SilentPrompter final : public Prompter {
public:
    explicit SilentPrompter(bool answer = true) : m_answer(answer) {}
    void inform(const std::string&) override { ++informed; }
    bool ask(const std::string&) override { ++asked; return m_answer; }

    int informed = 0;
    int asked = 0;

private:
    bool m_answer;
};

} // namespace merix::fuzz
