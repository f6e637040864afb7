#include "app/CVeskApp.h"
#include "app/StartupOptions.h"

int main(int argc, char** argv) {
    const merix::StartupOptions options =
        merix::parseStartupOptions(merix::argumentsOf(argc, argv));
    if (options.action != merix::StartupOptions::Action::RunEditor)
        return merix::answerOnTerminal(options);
    merix::CVeskApp app(argc, argv);
    return app.run(options.documentPath);
}
