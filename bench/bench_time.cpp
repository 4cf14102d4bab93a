// kest-bench-time: times a program from its start to its exit, several times in a row,
// under kest-pedal-sim like the program itself (the simulator's own start is not counted).
//
//   kest-bench-time COUNT PROGRAM [ARGS...]
//
// Prints one line per run, the milliseconds from the fork to the reaped exit, and exits
// 1 when a run did not end with status 0. The program's output goes to /dev/null.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: kest-bench-time COUNT PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const int count = std::atoi(argv[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        if (posix_spawn(&pid, argv[2], &actions, nullptr, argv + 2, environ) != 0)
            return 1;
        int status = 0;
        waitpid(pid, &status, 0);
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        std::printf("%.3f\n", took.count());
        std::fflush(stdout);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            failed = 1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return failed;
}
