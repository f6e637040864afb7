#include "screens/ApplyFieldEdit.h"

#include "document/Prompter.h"
#include "screens/QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace merix {

namespace {

QString fromUtf16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

} // namespace

bool applyFieldEdit(QLineEdit* field, const FieldEdit& edit, Prompter& prompter) {
    if (!edit.message.empty())
        prompter.inform(edit.message);
    const QString corrected = fromUtf16(edit.text);
    if (field->text() == corrected)
        return false;
    field->setText(corrected);
    // The new change may have corrected the text again; the caret belongs to this one only.
    if (edit.caret >= 0 && field->text() == corrected)
        field->setCursorPosition(edit.caret);
    return true;
}

bool applyFieldEdit(QPlainTextEdit* field, const FieldEdit& edit, Prompter& prompter) {
    if (!edit.message.empty())
        prompter.inform(edit.message);
    const QString corrected = fromUtf16(edit.text);
    if (field->toPlainText() == corrected)
        return false;
    field->setPlainText(corrected);
    if (field->toPlainText() != corrected)
        return true;
    // Unlike a line edit, a text box puts the caret at the start of a new text.
    QTextCursor cursor = field->textCursor();
    if (edit.caret >= 0)
        cursor.setPosition(edit.caret);
    else
        cursor.movePosition(QTextCursor::End);
    field->setTextCursor(cursor);
    return true;
}

std::optional<int> applyDigitVerdict(QLineEdit* field, const DigitVerdict& verdict,
                                     Prompter& prompter) {
    switch (verdict.action) {
    case DigitVerdict::Action::RemoveCharacter:
        removeTypedCharacter(field, verdict.position);
        return std::nullopt;
    case DigitVerdict::Action::Refuse:
        prompter.inform(verdict.message);
        field->setText(QString());
        return std::nullopt;
    case DigitVerdict::Action::Store:
        break;
    }
    return verdict.value;
}

} // namespace merix
