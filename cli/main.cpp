#include <cstdio>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::fputs("usage: merix-cli new|resave|generate|send|upload ...\n", stderr);
    return 2;
}
