#pragma once

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace merix::test {

// What a program run as a user runs it left behind.
struct ProgramResult {
    int status = -1; // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs program with the words given; env is put in front as "NAME=value" words for env(1).
inline ProgramResult runProgram(const std::string& program, const std::vector<std::string>& words,
                                const std::vector<std::string>& env = {}) {
    TempDir dir;
    std::string command = "env";
    for (const std::string& e : env)
        command += " " + shellQuoted(e);
    command += " " + shellQuoted(program);
    for (const std::string& w : words)
        command += " " + shellQuoted(w);
    command +=
        " </dev/null >" + shellQuoted(dir.file("out")) + " 2>" + shellQuoted(dir.file("err"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWhole(dir.file("out")),
            readWhole(dir.file("err"))};
}

} // namespace merix::test
