#pragma once

#include <string_view>

namespace merix {

// The sections as explanations, comparisons and reports name them, in document order.
inline constexpr std::string_view kPreambleSection = "Preamble";
inline constexpr std::string_view kTimersSection = "Timers";
inline constexpr std::string_view kMessagesSection = "Messages";
inline constexpr std::string_view kDvrSection = "DVR Tracks";
inline constexpr std::string_view kUsersSection = "Users";
inline constexpr std::string_view kInputsOutputsSection = "Inputs and Outputs";
inline constexpr std::string_view kCommandsSection = "Commands";
inline constexpr std::string_view kMacrosSection = "Macros";
inline constexpr std::string_view kSchedulerSection = "Scheduler";
inline constexpr std::string_view kBeepsSection = "Courtesy Beeps";
inline constexpr std::string_view kTonesSection = "Tones";
inline constexpr std::string_view kMiscSetupSection = "Misc Setup";

} // namespace merix
