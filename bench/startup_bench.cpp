#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

// Start-up of two Qt Widgets programs side by side: the time from starting
// the process to its first window on the display, and the peak resident
// memory of the process (its own, from wait4). first_frame_hook, preloaded
// into each program, tells when the first frame is out and ends the program
// a quarter of a second later (the peak memory includes that quarter).
// The programs run in turns, a warm-up turn first, so that a busy moment of
// the machine falls on both; medians make single slow runs harmless.
//
//   startup_bench --hook LIB [--runs N] NAME=PROGRAM NAME=PROGRAM
namespace {

constexpr int kTimeoutMs = 30000;
constexpr std::string_view kFrameLine = "first-frame-ns ";

struct Sample {
    double startup_ms;
    double peak_mib;
};

struct Program {
    std::string name;
    std::string path;
    std::vector<Sample> samples;
};

long long monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The environment of this process with the hook preloaded as well.
std::vector<std::string> environment_with(const std::string& hook) {
    std::vector<std::string> out;
    std::string preload = "LD_PRELOAD=" + hook;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        if (variable.starts_with("LD_PRELOAD=")) {
            preload += ":" + std::string(variable.substr(11));
        } else {
            out.emplace_back(variable);
        }
    }
    out.push_back(preload);
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings) {
        out.push_back(s.data());
    }
    out.push_back(nullptr);
    return out;
}

// Everything the child writes on its standard output, until it closes it or
// the time is up.
std::string read_output(int fd, long long deadline_ns) {
    std::string out;
    char buffer[512];
    for (;;) {
        const long long left_ms = (deadline_ns - monotonic_ns()) / 1000000;
        pollfd watch{fd, POLLIN, 0};
        if (left_ms <= 0 || poll(&watch, 1, static_cast<int>(left_ms)) <= 0) {
            return out;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return out;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<long long> frame_time(const std::string& output) {
    const auto at = output.find(kFrameLine);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return std::atoll(output.c_str() + at + kFrameLine.size());
}

std::optional<Sample> run_once(const Program& program, std::vector<std::string> environment) {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    std::vector<std::string> arguments = {program.path};
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);

    pid_t pid = 0;
    const long long start = monotonic_ns();
    const int error =
        posix_spawn(&pid, program.path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    if (error != 0) {
        std::fprintf(stderr, "%s: %s\n", program.path.c_str(), std::strerror(error));
        close(pipe_fds[0]);
        return std::nullopt;
    }
    const std::string output = read_output(pipe_fds[0], start + kTimeoutMs * 1000000LL);
    close(pipe_fds[0]);
    const auto frame = frame_time(output);
    if (!frame) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!frame || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no first frame, or it did not end cleanly\n",
                     program.name.c_str());
        return std::nullopt;
    }
    return Sample{static_cast<double>(*frame - start) / 1e6,
                  static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<double> startup_ms(const Program& program) {
    std::vector<double> out;
    for (const Sample& sample : program.samples) {
        out.push_back(sample.startup_ms);
    }
    return out;
}

std::vector<double> peak_mib(const Program& program) {
    std::vector<double> out;
    for (const Sample& sample : program.samples) {
        out.push_back(sample.peak_mib);
    }
    return out;
}

void print_summary(const std::vector<Program>& programs) {
    std::printf("\n%-14s %8s %22s %16s\n", "program", "runs", "start-up median (min-max)",
                "peak RSS median");
    for (const Program& program : programs) {
        const std::vector<double> ms = startup_ms(program);
        std::printf("%-14s %8zu %10.1f ms (%.1f-%.1f) %12.1f MiB\n", program.name.c_str(),
                    ms.size(), median(ms), *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), median(peak_mib(program)));
    }
    const Program& ours = programs[0];
    const Program& bare = programs[1];
    std::printf("\n%s / %s: start-up %.2f, peak memory %.2f\n", ours.name.c_str(),
                bare.name.c_str(), median(startup_ms(ours)) / median(startup_ms(bare)),
                median(peak_mib(ours)) / median(peak_mib(bare)));
}

int usage() {
    std::fprintf(stderr, "usage: startup_bench --hook LIB [--runs N] NAME=PROGRAM NAME=PROGRAM\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string hook;
    int runs = 10;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--hook" && i + 1 < argc) {
            hook = argv[++i];
        } else if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (const auto equals = argument.find('='); equals != std::string_view::npos) {
            programs.push_back({std::string(argument.substr(0, equals)),
                                std::string(argument.substr(equals + 1)),
                                {}});
        } else {
            return usage();
        }
    }
    if (hook.empty() || programs.size() != 2) {
        return usage();
    }
    const std::vector<std::string> environment = environment_with(hook);
    for (int turn = 0; turn <= runs; ++turn) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            // Every other turn the other program goes first.
            Program& program = programs[turn % 2 == 0 ? k : programs.size() - 1 - k];
            const auto sample = run_once(program, environment);
            if (!sample) {
                return 1;
            }
            const bool warm_up = turn == 0;
            std::printf("%-14s %-8s %8.1f ms %8.1f MiB\n", program.name.c_str(),
                        warm_up ? "warm-up" : ("run " + std::to_string(turn)).c_str(),
                        sample->startup_ms, sample->peak_mib);
            if (!warm_up) {
                program.samples.push_back(*sample);
            }
        }
    }
    print_summary(programs);
    return 0;
}
