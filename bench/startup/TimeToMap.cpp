// time_to_map [--hold ms] [--idle ms] <program> [args...]
//
// Starts the program and waits until the X server maps a top-level window of it, then prints
//   map_ms=<exec to map> width=<w> height=<h> maxrss_kb=<peak resident set of the program>
// and, with --idle, after one settling second and then <ms> of idling:
//   idle_ms=<ms> idle_cpu_ms=<CPU of all its threads> idle_wakeups=<voluntary switches>
// Then it ends the program with SIGTERM (after --hold ms) and reaps it.
//
// The clock starts right before fork/exec for every program alike, and nothing is polled:
// the map is an event from the server. A program run under valgrind or with a preloaded
// library keeps its pid, which is how its window is recognised (_NET_WM_PID).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void sleepMs(long ms) {
    const timespec t{ms / 1000, (ms % 1000) * 1000000};
    nanosleep(&t, nullptr);
}

long windowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data != nullptr)
        XFree(data);
    return pid;
}

// The mapped window itself or, under a reparenting window manager, one of its children.
Window windowOf(Display* display, Window mapped, pid_t pid) {
    if (windowPid(display, mapped) == pid)
        return mapped;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, mapped, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            if (windowPid(display, children[i]) == pid)
                found = children[i];
        }
        if (children != nullptr)
            XFree(children);
    }
    return found;
}

struct ThreadTotals {
    double cpuMs = 0;
    long voluntarySwitches = 0;
};

// Summed over all threads: on-CPU time from schedstat (ns), voluntary context switches
// (every return from a blocking wait such as the event loop's poll counts one).
ThreadTotals threadTotals(pid_t pid) {
    ThreadTotals totals;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr)
        return totals;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = tasks + "/" + entry->d_name;
        if (FILE* f = std::fopen((task + "/schedstat").c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(f, "%llu", &ns) == 1)
                totals.cpuMs += static_cast<double>(ns) / 1e6;
            std::fclose(f);
        }
        if (FILE* f = std::fopen((task + "/status").c_str(), "r")) {
            char line[256];
            long n = 0;
            while (std::fgets(line, sizeof line, f)) {
                if (std::sscanf(line, "voluntary_ctxt_switches: %ld", &n) == 1)
                    totals.voluntarySwitches += n;
            }
            std::fclose(f);
        }
    }
    closedir(dir);
    return totals;
}

} // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    long holdMs = 0;
    long idleMs = -1;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--hold") == 0)
            holdMs = std::atol(argv[first + 1]);
        else if (std::strcmp(argv[first], "--idle") == 0)
            idleMs = std::atol(argv[first + 1]);
        else
            break;
        first += 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: time_to_map [--hold ms] [--idle ms] program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "time_to_map: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }

    double mappedAt = -1;
    XWindowAttributes attributes{};
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (mappedAt < 0) {
        while (XPending(display) > 0 && mappedAt < 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const double at = nowMs();
            const Window window = windowOf(display, event.xmap.window, child);
            if (window != 0 && XGetWindowAttributes(display, window, &attributes))
                mappedAt = at;
        }
        if (mappedAt >= 0)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "time_to_map: %s ended before mapping a window\n", argv[first]);
            return 1;
        }
        poll(&fd, 1, 100);
    }
    std::printf("map_ms=%.1f width=%d height=%d", mappedAt - start, attributes.width,
                attributes.height);
    if (idleMs >= 0) {
        sleepMs(1000);
        const ThreadTotals before = threadTotals(child);
        sleepMs(idleMs);
        const ThreadTotals after = threadTotals(child);
        std::printf(" idle_ms=%ld idle_cpu_ms=%.3f idle_wakeups=%ld", idleMs,
                    after.cpuMs - before.cpuMs, after.voluntarySwitches - before.voluntarySwitches);
    }
    if (holdMs > 0)
        sleepMs(holdMs);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf(" maxrss_kb=%ld\n", usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
