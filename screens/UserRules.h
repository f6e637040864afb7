#pragma once

#include "screens/FieldText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// The rules of the Users screen's fields, apart from the widgets.

inline constexpr std::size_t kUserNameCapacity = 149;
inline constexpr std::size_t kCallSignCapacity = 8;
inline constexpr std::size_t kPasswordCapacity = 8;
inline constexpr std::size_t kUserDescriptionCapacity = 1500;

inline constexpr const char* kCallSignTooLong = "The Call Sign must be eight characters or less.";
inline constexpr const char* kPasswordTooLong = "Your Password must be eight characters or less.";
inline constexpr const char* kChallengeTooLong =
    "The number of digits to check must not exceed the length of the password.";
inline constexpr const char* kUserDescriptionTooLong =
    "The description edit is limited to 1500 characters.";

// Name: ':' and ';' are removed as they are typed.
FieldEdit checkUserName(std::u16string_view text);

// Call sign: more than eight characters are cut with a message; the first lower-case letter
// turns the whole text into capitals (the caret after that letter); ':' and ';' are removed.
FieldEdit checkCallSign(std::u16string_view text);

// Password: more than eight characters are cut with a message; ':' and ';' are removed. Any
// other character is taken.
FieldEdit checkPassword(std::u16string_view text);

// The challenge cannot ask for more digits than the password has: the clamped number, when
// Challenge is on and the password is shorter than `digits`.
std::optional<int> clampedChallenge(bool challenge, std::size_t passwordLength, long digits);

// The X field: the clamp with its message first, then only digits are kept.
FieldEdit checkChallengeField(std::u16string_view text, bool challenge, std::size_t passwordLength);

// Description: more than 1500 characters are cut with a message; ':' and ';' are removed.
FieldEdit checkUserDescription(std::u16string_view text);

// A line of the user list: the catalog's list name, then " - " and the name when there is one.
std::string userListLine(const std::string& listName, const std::string& name);

} // namespace merix
