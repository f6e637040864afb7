#pragma once

#include <optional>
#include <string>
#include <vector>

namespace merix::cli {

// Command-line words after the command name: positional words and "--name value" options.
class Args {
public:
    // flagNames are options without a value; every other "--x" takes the next word.
    Args(int argc, char** argv, int first, std::vector<std::string> flagNames = {});

    const std::vector<std::string>& positional() const { return m_positional; }
    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const;
    // A usage error: an option without its value, or one the command does not know.
    bool ok(const std::vector<std::string>& known) const;

private:
    std::vector<std::string> m_positional;
    std::vector<std::pair<std::string, std::string>> m_options;
    std::vector<std::string> m_flags;
    bool m_missingValue = false;
};

// The exit statuses every command shares.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

} // namespace merix::cli
