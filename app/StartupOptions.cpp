#include "app/StartupOptions.h"

#include "MerixVersion.h"

#include <QCommandLineParser>

#include <cstdio>

namespace merix {

namespace {

const char* const kUsage = "usage: merix [FILE.mrx]\n"
                           "       merix --help | --version\n";

const char* const kHelp =
    "Starts the MERIX editor, the configuration editor for the MERIX repeater controller,\n"
    "and opens FILE.mrx, or asks for a document to open.\n\n"
    "  --help      Shows this text.\n"
    "  --version   Shows the version.\n\n"
    "The catalog files (*.cfg) are read from the folder the editor is started from.  When\n"
    "it holds none, they are read from the folder of FILE.mrx if that holds them, or else\n"
    "from the catalog folder chosen at an earlier start (the editor asks for one once).\n"
    "The toolkit's own options, such as -platform offscreen, are accepted too.\n"
    "The manual page merix(1) tells more.\n";

// Options the application object reads itself; they must not count as unknown here.
const char* const kToolkitValueOptions[] = {"platform",      "platformpluginpath",
                                            "platformtheme", "plugin",
                                            "qmljsdebugger", "qwindowgeometry",
                                            "qwindowicon",   "qwindowtitle",
                                            "session",       "display",
                                            "geometry",      "style",
                                            "stylesheet",    "title"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addToolkitOptions(QCommandLineParser& parser) {
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

StartupOptions usageError(QString error) {
    StartupOptions options;
    options.action = StartupOptions::Action::UsageError;
    options.error = std::move(error);
    return options;
}

} // namespace

StartupOptions parseStartupOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options come with one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    addToolkitOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    StartupOptions options;
    if (parser.isSet(help)) {
        options.action = StartupOptions::Action::ShowHelp;
        return options;
    }
    if (parser.isSet(version)) {
        options.action = StartupOptions::Action::ShowVersion;
        return options;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(QStringLiteral("only one document can be opened at a time."));
    if (!files.isEmpty())
        options.documentPath = files.constFirst();
    return options;
}

int answerOnTerminal(const StartupOptions& options) {
    switch (options.action) {
    case StartupOptions::Action::ShowHelp:
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return 0;
    case StartupOptions::Action::ShowVersion:
        std::printf("merix %s\n", kVersion);
        return 0;
    case StartupOptions::Action::UsageError:
        std::fprintf(stderr, "merix: %s\n%s", options.error.toLocal8Bit().constData(), kUsage);
        return 2;
    case StartupOptions::Action::RunEditor:
        break;
    }
    return 0;
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace merix
