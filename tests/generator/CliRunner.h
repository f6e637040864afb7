#pragma once

#include "GeneratorFixture.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace merix::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& word) {
    return "'" + word + "'";
}

// Runs the real merix-cli with the words after its name, its output caught in files of dir.
inline CliRun runCli(const std::filesystem::path& dir, const std::string& words) {
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    const std::string command = quoted(MERIX_CLI) + " " + words + " >" + quoted(out.string()) +
                                " 2>" + quoted(err.string());
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readWhole(out);
    run.err = readWhole(err);
    return run;
}

} // namespace merix::test
