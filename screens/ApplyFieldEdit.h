#pragma once

#include "screens/DigitFieldRules.h"
#include "screens/FieldText.h"

#include <optional>

class QLineEdit;
class QPlainTextEdit;

namespace merix {

class Prompter;

// Applies what a field's rules made of its text: the message, then the corrected text (which
// the field's change handler checks again as a change of its own), then the caret. True when
// the text was put back, so the handler that asked leaves the storing to that new change.
bool applyFieldEdit(QLineEdit* field, const FieldEdit& edit, Prompter& prompter);
bool applyFieldEdit(QPlainTextEdit* field, const FieldEdit& edit, Prompter& prompter);

// Applies a digit field's verdict to the field; the value to store when the text stands. A
// refused text empties the field, which stores 0 as a change of its own.
std::optional<int> applyDigitVerdict(QLineEdit* field, const DigitVerdict& verdict,
                                     Prompter& prompter);

} // namespace merix
