#include "generator/ScheduleNames.h"

#include "generator/Formatting.h"

#include <array>

namespace merix {

namespace {

template <std::size_t N>
std::optional<int> positionOf(std::string_view name, const std::array<std::string_view, N>& abbreviations)
{
    if (name.size() < 3)
        return std::nullopt;
    for (std::size_t i = 0; i < N; ++i)
        if (equalsIgnoringCase(name.substr(0, 3), abbreviations[i]))
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

} // namespace

std::optional<int> weekdayNumber(std::string_view name)
{
    static constexpr std::array<std::string_view, 7> days = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return positionOf(name, days);
}

std::optional<int> monthNumber(std::string_view name)
{
    static constexpr std::array<std::string_view, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return positionOf(name, months);
}

} // namespace merix
