// Times our USB walk on a whole machine's testbed against lsusb and lsusb -t in the same testbed.
//
// Run inside umockdev:  umockdev-run -d tests/fixtures/usb-large-tree/usb-large-tree.umockdev --
//                           usb-walk-benchmark [--walks N] [--runs N]
// It prints figures and never judges them: the target (our walk at most half of lsusb's time) is
// shown next to the ratio for a reader. lsusb is timed as a whole process, start-up included,
// because that is what a person comparing the two runs; the cost of starting any process in
// this environment is printed as well, so the two can be told apart.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "usb/UsbComponent.h"
#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

extern char** environ;

namespace {

constexpr int kSkip = 77;
using Clock = std::chrono::steady_clock;

struct Options {
    int walks = 200;
    int runs = 20;
};

struct Figures {
    double mean = 0.0;
    double median = 0.0;
    double fastest = 0.0;
};

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Figures Summarise(std::vector<double> samples) {
    Figures figures;
    if (samples.empty()) {
        return figures;
    }
    std::sort(samples.begin(), samples.end());
    double sum = 0.0;
    for (double sample : samples) {
        sum += sample;
    }
    figures.mean = sum / static_cast<double>(samples.size());
    figures.median = samples[samples.size() / 2];
    figures.fastest = samples.front();
    return figures;
}

bool ParseCount(const char* text, int& count) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 1 || value > 1000000) {
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if ((argument == "--walks" || argument == "--runs") && index + 1 < argc) {
            int& target = argument == "--walks" ? options.walks : options.runs;
            if (!ParseCount(argv[++index], target)) {
                std::fprintf(stderr, "usb-walk-benchmark: %s needs a count from 1 to 1000000\n", argument.c_str());
                return false;
            }
        } else {
            std::fprintf(stderr, "usage: usb-walk-benchmark [--walks N] [--runs N]\n");
            return false;
        }
    }
    return true;
}

enum class RunResult { Ran, Missing, Failed };

// Runs a program found on PATH with its output discarded; the child inherits the environment,
// so under umockdev-run it sees the same testbed as this process.
RunResult TimeProgram(const std::vector<std::string>& arguments, double& milliseconds) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return spawned == ENOENT ? RunResult::Missing : RunResult::Failed;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return RunResult::Failed;
        }
    }
    milliseconds = MillisecondsSince(start);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
        return RunResult::Missing;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? RunResult::Ran : RunResult::Failed;
}

// Times a program several times; false after printing why when it cannot be timed.
bool TimeRuns(const std::vector<std::string>& arguments, int runs, Figures& figures, bool& missing) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        double milliseconds = 0.0;
        const RunResult result = TimeProgram(arguments, milliseconds);
        if (result != RunResult::Ran) {
            missing = result == RunResult::Missing;
            std::printf("%s: %s\n", arguments.front().c_str(),
                        missing ? "not found on PATH" : "did not run to a successful end");
            return false;
        }
        samples.push_back(milliseconds);
    }
    figures = Summarise(samples);
    return true;
}

size_t CountDevices(const std::vector<UsbHostControllerDevice*>& controllers) {
    size_t devices = 0;
    for (const UsbHostControllerDevice* controller : controllers) {
        devices += controller->GetUsbDevices().size();
    }
    return devices;
}

// One complete walk and release; false when the walk reports an error.
bool Walk(UsbComponent& component, size_t& controllerCount, size_t& deviceCount) {
    std::vector<UsbHostControllerDevice*> controllers;
    const UsbError error = component.GetHostControllers(controllers);
    controllerCount = controllers.size();
    deviceCount = CountDevices(controllers);
    component.ReleaseHostControllers(controllers);
    if (error.code != 0) {
        std::printf("the walk failed with code %u: %s\n", static_cast<unsigned>(error.code), error.message.c_str());
        return false;
    }
    return true;
}

void PrintFigures(const char* label, int count, const char* unit, const Figures& figures) {
    std::printf("%-14s %6d %-5s  mean %9.3f ms  median %9.3f ms  fastest %9.3f ms\n", label, count, unit,
                figures.mean, figures.median, figures.fastest);
}

void PrintRatio(const char* against, double walk, double other) {
    const double ratio = other > 0.0 ? walk / other : 0.0;
    std::printf("ratio our walk / %-9s %8.4f (target at most 0.5: %s)\n", against, ratio,
                ratio <= 0.5 ? "met" : "missed");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    const char* testbed = std::getenv("UMOCKDEV_DIR");
    if (testbed == nullptr) {
        std::printf("SKIP: not inside a umockdev testbed; run me under "
                    "umockdev-run -d usb-large-tree.umockdev -- usb-walk-benchmark\n");
        return kSkip;
    }

    std::unique_ptr<UsbComponent> component = CreateUsbComponent();
    size_t controllers = 0;
    size_t devices = 0;
    component->SetIncludeHubs(true);
    if (!Walk(*component, controllers, devices)) {
        return 1;
    }
    const size_t devicesWithHubs = devices;
    component->SetIncludeHubs(false);
    if (!Walk(*component, controllers, devices)) {
        return 1;
    }
    // A walk that finds nothing would be timed doing nothing, and its figures would mislead.
    if (controllers == 0) {
        std::printf("the walk found no USB host controller in the testbed at %s\n", testbed);
        return 1;
    }

    std::vector<double> walkSamples;
    walkSamples.reserve(static_cast<size_t>(options.walks));
    for (int walk = 0; walk < options.walks; ++walk) {
        const Clock::time_point start = Clock::now();
        size_t walkControllers = 0;
        size_t walkDevices = 0;
        if (!Walk(*component, walkControllers, walkDevices)) {
            return 1;
        }
        walkSamples.push_back(MillisecondsSince(start));
        if (walkControllers != controllers || walkDevices != devices) {
            std::printf("walk %d found %zu controllers and %zu devices, the first found %zu and %zu\n", walk,
                        walkControllers, walkDevices, controllers, devices);
            return 1;
        }
    }
    const Figures walkFigures = Summarise(walkSamples);

    Figures lsusb;
    Figures lsusbTree;
    Figures processStart;
    bool missing = false;
    if (!TimeRuns({"lsusb"}, options.runs, lsusb, missing) ||
        !TimeRuns({"lsusb", "-t"}, options.runs, lsusbTree, missing) ||
        !TimeRuns({"true"}, options.runs, processStart, missing)) {
        if (missing) {
            std::printf("SKIP: lsusb is needed for the comparison\n");
            return kSkip;
        }
        return 1;
    }

    std::printf("USB walk against lsusb, testbed %s\n", testbed);
    std::printf("our walk finds %zu controller records and %zu devices (%zu with hubs)\n", controllers, devices,
                devicesWithHubs);
    PrintFigures("our walk", options.walks, "walks", walkFigures);
    PrintFigures("lsusb", options.runs, "runs", lsusb);
    PrintFigures("lsusb -t", options.runs, "runs", lsusbTree);
    PrintFigures("process start", options.runs, "runs", processStart);
    PrintRatio("lsusb", walkFigures.median, lsusb.median);
    PrintRatio("lsusb -t", walkFigures.median, lsusbTree.median);
    return 0;
}
