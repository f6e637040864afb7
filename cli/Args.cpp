#include "cli/Args.h"

#include <algorithm>

namespace merix::cli {

Args::Args(int argc, char** argv, int first, std::vector<std::string> flagNames)
{
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (word.rfind("--", 0) != 0) {
            m_positional.push_back(word);
            continue;
        }
        word.erase(0, 2);
        if (std::find(flagNames.begin(), flagNames.end(), word) != flagNames.end()) {
            m_flags.push_back(word);
        } else if (i + 1 < argc) {
            m_options.emplace_back(word, argv[++i]);
        } else {
            m_options.emplace_back(word, std::string());
            m_missingValue = true;
        }
    }
}

std::optional<std::string> Args::value(const std::string& name) const
{
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it)
        if (it->first == name)
            return it->second;
    return std::nullopt;
}

bool Args::flag(const std::string& name) const
{
    return std::find(m_flags.begin(), m_flags.end(), name) != m_flags.end();
}

bool Args::ok(const std::vector<std::string>& known) const
{
    if (m_missingValue)
        return false;
    auto isKnown = [&](const std::string& n) {
        return std::find(known.begin(), known.end(), n) != known.end();
    };
    return std::all_of(m_options.begin(), m_options.end(), [&](auto& o) { return isKnown(o.first); }) &&
           std::all_of(m_flags.begin(), m_flags.end(), isKnown);
}

} // namespace merix::cli
