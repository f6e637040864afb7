#include "screens/PhoneNumberRule.h"

#include <algorithm>

namespace merix {

namespace {

constexpr int kMaxDigits = 11;

bool isSeparator(QChar c) {
    return c == u'-' || c == u'(' || c == u')' || c == u' ';
}

bool isAllowed(QChar c) {
    return (c >= u'0' && c <= u'9') || isSeparator(c);
}

// A character outside the basic plane is two code units; both go together.
int characterLength(const QString& text, qsizetype at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()
               ? 2
               : 1;
}

int lastCharacterLength(const QString& text) {
    const qsizetype n = text.size();
    return n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate() ? 2 : 1;
}

} // namespace

QString PhoneNumberCheck::message() const {
    switch (verdict) {
    case Verdict::TooManyDigits:
        return QStringLiteral("The Phone Number must be eleven digits or less.");
    case Verdict::InvalidCharacter:
        return invalid + QStringLiteral(" is an invalid character.  The Phone Number must consist "
                                        "only of the following characters. 1234567890-( ) ");
    case Verdict::Accepted:
        break;
    }
    return {};
}

PhoneNumberCheck checkPhoneNumber(const QString& text) {
    PhoneNumberCheck check;
    const auto counted =
        std::count_if(text.begin(), text.end(), [](QChar c) { return !isSeparator(c); });
    if (counted > kMaxDigits) {
        check.verdict = PhoneNumberCheck::Verdict::TooManyDigits;
        check.corrected = text.left(text.size() - lastCharacterLength(text));
        return check;
    }
    const auto bad = std::find_if(text.begin(), text.end(), [](QChar c) { return !isAllowed(c); });
    if (bad == text.end()) {
        check.corrected = text;
        return check;
    }
    const qsizetype at = bad - text.begin();
    const int length = characterLength(text, at);
    check.verdict = PhoneNumberCheck::Verdict::InvalidCharacter;
    check.invalid = text.mid(at, length);
    check.corrected = text;
    check.corrected.remove(at, length);
    // One past the removed character, as the field always did; never beyond the text.
    check.caret = static_cast<int>(std::min<qsizetype>(at + 1, check.corrected.size()));
    return check;
}

} // namespace merix
