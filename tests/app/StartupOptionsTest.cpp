#include "app/StartupOptions.h"
#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using Action = StartupOptions::Action;

TEST(StartupOptions, WhatTheWordsAfterMerixAskFor) {
    struct Case {
        QStringList words;
        Action action;
        QString document;
        QString error;
    };
    const Case cases[] = {
        {{}, Action::RunEditor, QString(), QString()},
        {{QStringLiteral("site.mrx")}, Action::RunEditor, QStringLiteral("site.mrx"), QString()},
        {{QStringLiteral("--help")}, Action::ShowHelp, QString(), QString()},
        {{QStringLiteral("-h")}, Action::ShowHelp, QString(), QString()},
        {{QStringLiteral("site.mrx"), QStringLiteral("--version")},
         Action::ShowVersion,
         QString(),
         QString()},
        {{QStringLiteral("--bogus")},
         Action::UsageError,
         QString(),
         QStringLiteral("Unknown option 'bogus'.")},
        {{QStringLiteral("a.mrx"), QStringLiteral("b.mrx")},
         Action::UsageError,
         QString(),
         QStringLiteral("only one document can be opened at a time.")},
        // The toolkit's own options are left for the application object.
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("site.mrx")},
         Action::RunEditor,
         QStringLiteral("site.mrx"),
         QString()},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse")},
         Action::RunEditor,
         QString(),
         QString()},
        {{QStringLiteral("--"), QStringLiteral("-odd name.mrx")},
         Action::RunEditor,
         QStringLiteral("-odd name.mrx"),
         QString()},
    };
    for (const Case& c : cases) {
        const StartupOptions o =
            parseStartupOptions(QStringList{QStringLiteral("merix")} + c.words);
        const std::string call = c.words.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(o.action, c.action) << call;
        EXPECT_EQ(o.documentPath, c.document) << call;
        EXPECT_EQ(o.error, c.error) << call;
    }
}

// The program itself, as a user or a package test runs it: no display is needed to answer.
TEST(StartupOptions, TheEditorAnswersOnTheTerminal) {
    const std::vector<std::string> noDisplay = {
        "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=xcb"};
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string out;
        std::string errStart;
    };
    const Case cases[] = {
        {{"--version"}, 0, std::string("merix ") + MERIX_PROJECT_VERSION + "\n", ""},
        {{"--help"}, 0, "", ""},
        {{"--bogus"}, 2, "", "merix: Unknown option 'bogus'.\nusage: merix [FILE.mrx]\n"},
        {{"a.mrx", "b.mrx"}, 2, "", "merix: only one document can be opened at a time.\n"},
    };
    for (const Case& c : cases) {
        const auto r = test::runProgram(MERIX_EDITOR, c.words, noDisplay);
        EXPECT_EQ(r.status, c.status) << c.words[0];
        if (c.words[0] == "--help") {
            EXPECT_TRUE(r.out.starts_with("usage: merix [FILE.mrx]\n")) << r.out;
            EXPECT_NE(r.out.find("merix(1)"), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.out, c.out) << c.words[0];
        }
        EXPECT_TRUE(r.err.starts_with(c.errStart) && (!c.errStart.empty() || r.err.empty()))
            << c.words[0] << "\nstderr: " << r.err;
    }
}

} // namespace
} // namespace merix
