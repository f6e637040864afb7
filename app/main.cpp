#include "app/CVeskApp.h"

int main(int argc, char** argv) {
    merix::CVeskApp app(argc, argv);
    return app.run();
}
