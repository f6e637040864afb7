#pragma once

#include <QString>

namespace merix {

// What one change of the phone number field comes to. The widget only applies the verdict:
// the message, the corrected text and, for a bad character, the caret.
struct PhoneNumberCheck {
    enum class Verdict { Accepted, TooManyDigits, InvalidCharacter };
    Verdict verdict = Verdict::Accepted;
    QString corrected; // the field's text afterwards; the text itself when accepted
    QString invalid;   // the character removed for InvalidCharacter
    int caret = 0;     // where the caret goes for InvalidCharacter

    // The message box text; empty when accepted.
    QString message() const;
};

// Separators ("-", "(", ")", blank) are not counted; more than eleven other characters lose
// the last character of the field. Otherwise the first character that is neither a digit nor a
// separator is removed.
PhoneNumberCheck checkPhoneNumber(const QString& text);

} // namespace merix
