// Launch-to-map time of the program against a bare Qt Widgets window with one
// button, launched in turn on one X display (run it under Xvfb:
// bench/run-startup.sh). The time ends when the X server reports the first
// top-level window of the launched process mapped; the peak resident memory
// is read 1.5 s after launch (main window, splash and database open). Where
// valgrind is installed, callgrind counts the instructions of each until its
// first window is mapped.
//   bench_startup [runs [program ... yardstick]]
// (default: tessival and bench_bare_window next to bench_startup; more
// programs, an older build for one, are measured against the last).
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto RssAt = std::chrono::milliseconds(1500);
constexpr auto GiveUp = std::chrono::seconds(20);

struct Sample {
    double ms = 0;
    double rssMb = 0;
};

std::string folderOf(const char* path) {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string self = n > 0 ? std::string(buf, n) : std::string(path);
    return self.substr(0, self.rfind('/'));
}

pid_t launch(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &fa, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    return rc == 0 ? pid : -1;
}

void stop(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

// The process that owns an X window, from the _NET_WM_PID Qt sets on it.
long ownerOf(xcb_connection_t* c, xcb_window_t w) {
    static xcb_atom_t pidAtom = [c] {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 11, "_NET_WM_PID"), nullptr);
        xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return a;
    }();
    auto* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (r && xcb_get_property_value_length(r) == 4) pid = *static_cast<uint32_t*>(xcb_get_property_value(r));
    free(r);
    return pid;
}

double peakRssMb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6) / 1024.0;
    return 0;
}

// Launches the program, waits for its first top-level window to be mapped,
// then for the memory mark; ends the process.
std::optional<Sample> timeToMap(xcb_connection_t* c, const std::string& exe) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) free(e);  // stale events
    const auto t0 = Clock::now();
    const pid_t pid = launch({exe});
    if (pid < 0) return std::nullopt;
    Sample s;
    bool mapped = false;
    const int fd = xcb_get_file_descriptor(c);
    while (!mapped && Clock::now() - t0 < GiveUp) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto now = Clock::now();
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!m->override_redirect && ownerOf(c, m->window) == pid) {
                s.ms = std::chrono::duration<double, std::milli>(now - t0).count();
                mapped = true;
            }
        }
        free(e);
    }
    if (!mapped) {
        stop(pid);
        return std::nullopt;
    }
    std::this_thread::sleep_until(t0 + RssAt);
    s.rssMb = peakRssMb(pid);
    stop(pid);
    return s;
}

// Instructions from launch to the first window map, counted by callgrind.
std::optional<double> instructionsToMap(const std::string& valgrind, const std::string& exe) {
    char dir[] = "/tmp/tessival-callgrind-XXXXXX";
    if (!mkdtemp(dir)) return std::nullopt;
    const std::string out = std::string(dir) + "/cg";
    const pid_t pid = launch({valgrind, "--tool=callgrind", "--dump-before=xcb_map_window",
                              "--callgrind-out-file=" + out, exe});
    std::optional<double> count;
    const auto t0 = Clock::now();
    while (pid > 0 && !count && Clock::now() - t0 < std::chrono::seconds(120)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ifstream in(out + ".1");
        std::string line;
        while (std::getline(in, line))
            if (line.rfind("totals:", 0) == 0) count = std::atof(line.c_str() + 7);
        int status = 0;
        if (!count && waitpid(pid, &status, WNOHANG) == pid) return std::nullopt;
    }
    if (pid > 0) stop(pid);
    std::remove((out + ".1").c_str());
    std::remove(out.c_str());
    rmdir(dir);
    return count;
}

struct Stats {
    double median, q1, q3, lo, hi;
};
Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        const double i = q * (v.size() - 1);
        const size_t k = static_cast<size_t>(i);
        return k + 1 < v.size() ? v[k] + (i - k) * (v[k + 1] - v[k]) : v[k];
    };
    return {at(0.5), at(0.25), at(0.75), v.front(), v.back()};
}

std::string describe(const Stats& s, const char* unit) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "median %.2f%s%s (quartiles %.2f-%.2f, range %.2f-%.2f)", s.median, *unit ? " " : "",
                  unit, s.q1, s.q3, s.lo, s.hi);
    return buf;
}

std::string onPath(const char* name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    std::string d;
    while (std::getline(dirs, d, ':')) {
        const std::string p = d + "/" + name;
        if (access(p.c_str(), X_OK) == 0) return p;
    }
    return {};
}
}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string dir = folderOf(argv[0]);
    // Programs to launch in turn; the last is the yardstick the others are
    // measured against.
    std::vector<std::string> programs(argv + std::min(argc, 2), argv + argc);
    if (programs.size() < 2) programs = {dir + "/tessival", dir + "/bench_bare_window"};
    const size_t n = programs.size(), bare = n - 1;

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_startup needs an X display (run bench/run-startup.sh)\n");
        return 2;
    }
    // Map notifications of every top-level window.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<std::vector<double>> ms(n), ratios(n), rss(n);
    // One launch of each warms the file cache; then they take turns.
    for (const auto& p : programs) timeToMap(c, p);
    for (int i = 0; i < runs; ++i) {
        std::vector<Sample> round;
        for (const auto& p : programs) {
            const auto s = timeToMap(c, p);
            if (!s) {
                std::fprintf(stderr, "%s did not map a window\n", p.c_str());
                return 1;
            }
            round.push_back(*s);
        }
        for (size_t k = 0; k < n; ++k) {
            ms[k].push_back(round[k].ms);
            ratios[k].push_back(round[k].ms / round[bare].ms);
            rss[k].push_back(round[k].rssMb);
        }
    }
    std::printf("launch to the first window mapped, %d runs each, in turn (budget: ratio 1.10 to %s)\n", runs,
                programs[bare].c_str());
    for (size_t k = 0; k < n; ++k) {
        const Stats t = stats(ms[k]), b = stats(ms[bare]);
        std::printf("  %s\n    %s\n", programs[k].c_str(), describe(t, "ms").c_str());
        if (k != bare)
            std::printf("    ratio of medians %.3f; paired ratio %s\n", t.median / b.median,
                        describe(stats(ratios[k]), "").c_str());
    }
    std::printf("peak RSS over the first 1.5 s, MB of 1024 kB (budget 34 MB):\n");
    for (size_t k = 0; k < n; ++k) {
        const Stats m = stats(rss[k]);
        std::printf("  %s\n    %s\n", programs[k].c_str(), describe(m, "MB").c_str());
    }

    const std::string valgrind = onPath("valgrind");
    if (valgrind.empty()) {
        std::printf("instructions to the map: valgrind not installed\n");
        return 0;
    }
    const int counts = 3;
    std::vector<std::vector<double>> ins(n);
    for (int i = 0; i < counts; ++i)
        for (size_t k = 0; k < n; ++k) {
            const auto x = instructionsToMap(valgrind, programs[k]);
            if (!x) {
                std::printf("instructions to the map: callgrind did not report for %s\n", programs[k].c_str());
                return 0;
            }
            ins[k].push_back(*x / 1e6);
        }
    std::printf("instructions to the map (callgrind, %d runs each; budget: ratio 1.15):\n", counts);
    for (size_t k = 0; k < n; ++k) {
        const Stats m = stats(ins[k]), b = stats(ins[bare]);
        std::printf("  %s\n    %s", programs[k].c_str(), describe(m, "M").c_str());
        if (k != bare) std::printf(", ratio %.3f", m.median / b.median);
        std::printf("\n");
    }
    return 0;
}
