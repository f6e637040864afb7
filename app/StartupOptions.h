#pragma once

#include <QString>
#include <QStringList>

namespace merix {

// What the words after "merix" ask for. Read before the application object exists, so
// --help and --version answer on a machine without a display.
struct StartupOptions {
    enum class Action { RunEditor, ShowHelp, ShowVersion, UsageError };
    Action action = Action::RunEditor;
    QString documentPath; // the document to open at start; empty: the Open dialog
    QString error;        // what was wrong, for a usage error
};

// arguments[0] is the program. The toolkit's own options (-platform NAME, -style NAME, ...)
// are let through for the application object to take.
StartupOptions parseStartupOptions(const QStringList& arguments);

// Prints the help, the version or the usage error and gives the exit status.
int answerOnTerminal(const StartupOptions& options);

// argv as the program received it.
QStringList argumentsOf(int argc, char** argv);

} // namespace merix
