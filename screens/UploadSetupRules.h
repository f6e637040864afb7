#pragma once

#include <string>
#include <string_view>

namespace merix {

class PortMap;

// What one change of the phone number field comes to. The widget only applies the verdict:
// the message, the corrected text and, for a bad character, the caret. Texts are the field's
// UTF-16 code units.
struct PhoneNumberCheck {
    enum class Verdict { Accepted, TooManyDigits, InvalidCharacter };
    Verdict verdict = Verdict::Accepted;
    std::u16string corrected; // the field's text afterwards; the text itself when accepted
    std::u16string invalid;   // the character removed for InvalidCharacter
    int caret = 0;            // where the caret goes for InvalidCharacter

    // The message box text; empty when accepted.
    std::u16string message() const;
};

// Separators ("-", "(", ")", blank) are not counted; more than eleven other characters lose
// the last character of the field. Otherwise the first character that is neither a digit nor a
// separator is removed.
PhoneNumberCheck checkPhoneNumber(std::u16string_view text);

// The first port whose endpoint cannot be read, and what is wrong with it, said with the
// port; port -1 when every one can. An empty entry passes: the connect says that the port
// has no device.
struct EndpointProblem {
    int port = -1;
    std::string message;
};
EndpointProblem checkPortEndpoints(const PortMap& ports);

} // namespace merix
