#pragma once

#include "screens/FieldText.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace merix::test {

// One change of a field and what its rules are to make of it.
struct EditCase {
    std::u16string typed;
    std::u16string text; // the field afterwards
    int caret = -1;
    std::string message = {};
};

inline std::string shown(const std::u16string& text) {
    return QString::fromStdU16String(text).toStdString();
}

inline void expectEdit(const FieldEdit& actual, const EditCase& c) {
    const std::string where = "typed \"" + shown(c.typed) + "\"";
    EXPECT_EQ(shown(actual.text), shown(c.text)) << where;
    EXPECT_EQ(actual.caret, c.caret) << where;
    EXPECT_EQ(actual.message, c.message) << where;
}

} // namespace merix::test
