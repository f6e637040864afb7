// Runs a command and prints its exit status, peak resident memory in KiB and CPU seconds:
//   measure_child COMMAND [ARG...]
// The benchmark starts the tool through this small process: a child forked straight from
// the large benchmark process would count the benchmark's pages in its own peak.
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure_child COMMAND [ARG...]\n");
        return 2;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execv(argv[1], argv + 1);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return 1;
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    std::printf("%d %ld %.6f\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128, usage.ru_maxrss,
                seconds(usage.ru_utime) + seconds(usage.ru_stime));
    return 0;
}
