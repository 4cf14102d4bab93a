// kest-bench-watch: starts a program on the X display and tells when its window first
// shows something.
//
//   kest-bench-watch [--size WxH] -- PROGRAM [ARGS...]
//
// Prints to stdout, each line as soon as it is known:
//   pid N       the program's process id
//   map MS      milliseconds from the start to the mapping of its top-level window
//   frame MS    milliseconds from the start to the first drawing into that window
//   cpu MS      the CPU time the program had used by then, all its threads (the figure
//               the machine's load moves least)
// The clock starts just before the program is forked. The window is the first top-level
// window of the given size (900x500 by default) created on the display; its first
// drawing is seen through the DAMAGE extension. Afterwards the watcher only waits for
// the program, passing SIGINT, SIGTERM and SIGHUP on to it, and ends with its status.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <poll.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

pid_t g_child = -1;

void forward(int signal)
{
    if (g_child > 0)
        ::kill(g_child, signal);
}

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

/// CPU time of every thread of the child so far, in milliseconds (0 when unknown).
double childCpuMs()
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", int(g_child));
    DIR *tasks = ::opendir(path);
    if (!tasks)
        return 0;
    double ns = 0;
    while (const dirent *task = ::readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        char stat[320];
        std::snprintf(stat, sizeof stat, "/proc/%d/task/%s/schedstat", int(g_child), task->d_name);
        if (FILE *f = std::fopen(stat, "r")) {
            unsigned long long used = 0;
            if (std::fscanf(f, "%llu", &used) == 1)
                ns += double(used);
            std::fclose(f);
        }
    }
    ::closedir(tasks);
    return ns / 1e6;
}

int waitChild()
{
    int status = 0;
    while (::waitpid(g_child, &status, 0) < 0) {
        if (errno != EINTR)
            return 1;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

} // namespace

int main(int argc, char **argv)
{
    int width = 900, height = 500;
    int i = 1;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        }
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc
            && std::sscanf(argv[++i], "%dx%d", &width, &height) == 2)
            continue;
        std::fprintf(stderr, "usage: kest-bench-watch [--size WxH] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    if (i >= argc) {
        std::fprintf(stderr, "kest-bench-watch: no program given\n");
        return 2;
    }

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "kest-bench-watch: cannot open the display\n");
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "kest-bench-watch: the display has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    struct sigaction sa
    {
    };
    sa.sa_handler = forward;
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        sigaction(s, &sa, nullptr);

    const double start = nowMs();
    g_child = ::fork();
    if (g_child == 0) {
        ::close(xcb_get_file_descriptor(x));
        execvp(argv[i], argv + i);
        std::fprintf(stderr, "kest-bench-watch: cannot run %s: %s\n", argv[i],
                     std::strerror(errno));
        _exit(127);
    }
    if (g_child < 0)
        return 127;
    std::printf("pid %d\n", int(g_child));
    std::fflush(stdout);

    std::set<xcb_window_t> candidates; // top-level windows of the size, watched for damage
    xcb_window_t mapped = XCB_NONE;
    bool done = false;
    while (!done) {
        pollfd p {xcb_get_file_descriptor(x), POLLIN, 0};
        ::poll(&p, 1, 100);
        int status = 0;
        if (::waitpid(g_child, &status, WNOHANG) == g_child) {
            std::fprintf(stderr, "kest-bench-watch: the program ended before it showed a window\n");
            return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
        }
        if (xcb_connection_has_error(x))
            return 1;
        while (xcb_generic_event_t *e = xcb_poll_for_event(x)) {
            const std::uint8_t type = e->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *c = reinterpret_cast<xcb_create_notify_event_t *>(e);
                if (c->parent == root && c->width == width && c->height == height) {
                    candidates.insert(c->window);
                    xcb_damage_create(x, xcb_generate_id(x), c->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(x);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (mapped == XCB_NONE && candidates.count(m->window)) {
                    mapped = m->window;
                    std::printf("map %.1f\n", nowMs() - start);
                    std::fflush(stdout);
                }
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(e);
                if (!done && mapped != XCB_NONE && d->drawable == mapped) {
                    std::printf("frame %.1f\n", nowMs() - start);
                    std::printf("cpu %.1f\n", childCpuMs());
                    std::fflush(stdout);
                    done = true;
                }
            }
            std::free(e);
        }
    }
    xcb_disconnect(x);
    return waitChild();
}
