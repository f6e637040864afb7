#pragma once

#include "document/FixedText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QString>

#include <string>
#include <string_view>

namespace merix {

// The store keeps texts as UTF-8 bytes; the widgets take QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
template <std::size_t N> QString toQString(const FixedText<N>& text) {
    return toQString(text.view());
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// Where a byte offset of a UTF-8 text falls in the widget's text, which counts UTF-16 units:
// the rules work on the store's bytes, carets and selections on the widget's characters.
inline int qtIndex(std::string_view text, std::size_t byteOffset) {
    const std::size_t bytes = byteOffset < text.size() ? byteOffset : text.size();
    return static_cast<int>(QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes)).size());
}

// Shows a text without running the field's change handler: for values the screen only shows,
// which the rules for typing must not judge (or send round in circles).
inline void setTextQuietly(QLineEdit* field, const QString& text) {
    const QSignalBlocker block(field);
    field->setText(text);
}
inline void setTextQuietly(QPlainTextEdit* field, const QString& text) {
    const QSignalBlocker block(field);
    field->setPlainText(text);
}

// Takes a refused character out of a field and leaves the caret where it stood; the field's
// change handler then judges the rest as a change of its own. `utf8Offset` is where the rules
// found it in the UTF-8 text. The character goes from the field's own text, whole, so a
// character of several bytes never leaves a broken rest behind.
inline void removeTypedCharacter(QLineEdit* field, std::size_t utf8Offset) {
    QString text = field->text();
    const int at = qtIndex(toStdString(text), utf8Offset);
    if (at >= text.size())
        return;
    const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    text.remove(at, length);
    field->setText(text);
    field->setCursorPosition(at);
}

} // namespace merix
