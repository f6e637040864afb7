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

} // namespace merix
