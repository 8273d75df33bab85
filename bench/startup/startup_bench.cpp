// Start-up cost of the calculator's window against a bare Qt window of the same size holding one label of
// Cyrillic text, so that both bring up the same toolkit, font and text machinery.
//
// The benchmark spawns itself as a child in each of two modes, alternately: the program as its entry runs it
// (zelta::app::Run), and the bare window. A child reports the moment its window's first frame has been
// painted and quits; the parent takes the wall time from spawning the child to that moment and the child's
// peak resident memory (wait4's ru_maxrss), and prints the medians with their ratios against the targets.
// Every hook lives here: the program itself reads no argument and no environment variable of its own.
//
//   startup_bench [--runs=N] [--check]
//
// --check makes the exit code say whether both ratios are within target. The platform is the one in
// QT_QPA_PLATFORM; with neither it nor a display set, the headless "offscreen" one.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "ui/form1.h"

extern char** environ;

namespace {

constexpr double kTimeTarget = 1.25;    // the window may take at most this many times the bare one's time
constexpr double kMemoryTarget = 1.15;  // and this many times its peak memory
constexpr int kReportFd = 3;            // where a child writes the moment of its first frame
constexpr int kWindowWidth = 929;       // the calculator's window, inside its frame
constexpr int kWindowHeight = 815;

enum class Mode { Window, Bare };

const char* ModeName(Mode mode) {
    return mode == Mode::Window ? "window" : "bare";
}

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// ---- The child: bring a window up, report its first painted frame, quit. ----

// Watches a window for its first paint. The window paints itself and then its children in one pass, and
// the pass ends with the frame handed to the platform; the zero timer fires once that pass is over.
class FirstFrameReporter : public QObject {
public:
    explicit FirstFrameReporter(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                const std::string line = std::to_string(MonotonicNanoseconds()) + "\n";
                if (write(kReportFd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
                    std::perror("startup_bench: report");
                }
                close(kReportFd);
                window_.close();
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
};

int RunWindowChild() {
    char name[] = "zelta7-power";
    char* arguments[] = {name, nullptr};
    int count = 1;
    return zelta::app::Run(count, arguments, [](zelta::ui::TForm1& form) { new FirstFrameReporter(form); });
}

int RunBareChild() {
    char name[] = "bare";
    char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication application(count, arguments);
    QWidget window;
    window.resize(kWindowWidth, kWindowHeight);
    QLabel label(QStringLiteral("Кол-во датчиков ЛИР"), &window);
    label.move(80, 328);
    new FirstFrameReporter(window);
    window.show();
    return QApplication::exec();
}

// ---- The parent: spawn, time, measure, compare. ----

struct Sample {
    double milliseconds;     // wall time from spawning the child to its first frame
    double cpuMilliseconds;  // the child's processor time, user and system, over its whole run
    long peakKilobytes;
};

std::string SelfPath() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) {
        std::perror("startup_bench: /proc/self/exe");
        std::exit(2);
    }
    return std::string(path.data(), static_cast<std::size_t>(length));
}

Sample Measure(const std::string& self, Mode mode) {
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0) {
        std::perror("startup_bench: pipe");
        std::exit(2);
    }
    // The child's complaints (Qt's notes about the session, say) are kept aside and shown only if it fails.
    char complaintsPath[] = "/tmp/startup_bench.XXXXXX";
    const int complaints = mkostemp(complaintsPath, O_CLOEXEC);
    if (complaints < 0) {
        std::perror("startup_bench: mkostemp");
        std::exit(2);
    }
    unlink(complaintsPath);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], kReportFd);  // dup2 clears close-on-exec
    posix_spawn_file_actions_adddup2(&actions, complaints, STDERR_FILENO);
    const std::string modeArgument = std::string("--child=") + ModeName(mode);
    std::string program = self;
    char* arguments[] = {program.data(), const_cast<char*>(modeArgument.c_str()), nullptr};

    pid_t child = 0;
    const long long spawned = MonotonicNanoseconds();
    const int failed = posix_spawn(&child, self.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (failed != 0) {
        std::fprintf(stderr, "startup_bench: cannot start a child: %s\n", std::strerror(failed));
        std::exit(2);
    }

    std::string report;
    std::array<char, 64> buffer{};
    ssize_t got = 0;
    while ((got = read(channel[0], buffer.data(), buffer.size())) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0) {
            report.append(buffer.data(), static_cast<std::size_t>(got));
        }
    }
    close(channel[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        report.empty()) {
        const std::string how = WIFSIGNALED(status)
                                    ? "was killed by signal " + std::to_string(WTERMSIG(status))
                                : WIFEXITED(status) ? "exited with " + std::to_string(WEXITSTATUS(status))
                                                    : "stopped";
        std::fprintf(stderr, "startup_bench: the %s child %s before reporting its first frame:\n",
                     ModeName(mode), how.c_str());
        lseek(complaints, 0, SEEK_SET);
        while ((got = read(complaints, buffer.data(), buffer.size())) > 0) {
            std::fwrite(buffer.data(), 1, static_cast<std::size_t>(got), stderr);
        }
        std::exit(2);
    }
    close(complaints);
    const long long painted = std::stoll(report);
    const auto milliseconds = [](const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return {static_cast<double>(painted - spawned) / 1e6,
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double milliseconds;
    double fastest;
    double slowest;
    double cpuMilliseconds;
    double peakKilobytes;
};

Summary Summarise(const std::vector<Sample>& samples) {
    std::vector<double> times;
    std::vector<double> cpu;
    std::vector<double> peaks;
    for (const Sample& sample : samples) {
        times.push_back(sample.milliseconds);
        cpu.push_back(sample.cpuMilliseconds);
        peaks.push_back(static_cast<double>(sample.peakKilobytes));
    }
    return {Median(times), *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()), Median(cpu), Median(peaks)};
}

void PrintRow(const char* name, const Summary& summary) {
    std::printf("  %-22s %9.1f ms (%5.1f-%5.1f) %9.1f ms %10.0f KiB\n", name, summary.milliseconds,
                summary.fastest, summary.slowest, summary.cpuMilliseconds, summary.peakKilobytes);
}

int RunParent(int runs, bool check) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string self = SelfPath();

    // One start of each first, so that neither pays alone for a cold file cache.
    Measure(self, Mode::Window);
    Measure(self, Mode::Bare);
    std::vector<Sample> window;
    std::vector<Sample> bare;
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so that a slow phase of the machine falls on both alike.
        const bool windowFirst = run % 2 == 0;
        (windowFirst ? window : bare).push_back(Measure(self, windowFirst ? Mode::Window : Mode::Bare));
        (windowFirst ? bare : window).push_back(Measure(self, windowFirst ? Mode::Bare : Mode::Window));
    }

    const Summary ours = Summarise(window);
    const Summary base = Summarise(bare);
    const double timeRatio = ours.milliseconds / base.milliseconds;
    const double memoryRatio = ours.peakKilobytes / base.peakKilobytes;
    std::printf("Start-up to the first painted frame, %d runs of each, platform %s; medians\n", runs,
                platform ? platform : "default");
    std::printf("  %-22s %12s %13s %12s %14s\n", "", "wall time", "fastest-slowest", "CPU time", "peak RSS");
    PrintRow("bare Qt window", base);
    PrintRow("ZELTA-7 power window", ours);
    const bool timeMet = timeRatio <= kTimeTarget;
    const bool memoryMet = memoryRatio <= kMemoryTarget;
    std::printf("  wall time %.2f x the bare window's (target at most %.2f x): %s   [CPU time %.2f x]\n",
                timeRatio, kTimeTarget, timeMet ? "met" : "MISSED",
                ours.cpuMilliseconds / base.cpuMilliseconds);
    std::printf("  peak RSS  %.2f x the bare window's (target at most %.2f x): %s\n", memoryRatio,
                kMemoryTarget, memoryMet ? "met" : "MISSED");
    return check && !(timeMet && memoryMet) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--child=window") {
            return RunWindowChild();
        }
        if (argument == "--child=bare") {
            return RunBareChild();
        }
        if (argument.starts_with("--runs=")) {
            runs = std::atoi(argv[i] + std::strlen("--runs="));
        } else if (argument == "--check") {
            check = true;
        } else {
            std::fprintf(stderr, "usage: %s [--runs=N] [--check]\n", argv[0]);
            return 2;
        }
    }
    if (runs < 1) {
        std::fprintf(stderr, "startup_bench: --runs must be at least 1\n");
        return 2;
    }
    return RunParent(runs, check);
}
