// A private Xvfb per benchmark, so that neither a developer's desktop nor another program's windows
// take part in what is measured.
#include "BenchmarkSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "XvfbServer.h"

namespace corvo::advanced_bench {

double MillisecondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

int RunOnPrivateXvfb(int argc, char** argv, const std::function<int(const std::string& display)>& body)
{
    using corvo::gui_testing::XvfbServer;
    if (!XvfbServer::IsInstalled()) {
        std::printf("SKIP: Xvfb is not installed\n");
        return kSkip;
    }
    std::string failure;
    std::unique_ptr<XvfbServer> server = XvfbServer::Start(failure);
    if (!server) {
        std::printf("Xvfb did not start: %s\n", failure.c_str());
        return 1;
    }
    setenv("DISPLAY", server->DisplayName().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication application(argc, argv);
        result = body(server->DisplayName());
    }
    server->Stop();
    return result;
}

Summary Summarise(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty()) {
        return summary;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = [&samples](double fraction) {
        const auto index = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
        return samples[std::min(samples.size(), std::max<std::size_t>(index, 1)) - 1];
    };
    summary.count = samples.size();
    summary.median = rank(0.5);
    summary.p90 = rank(0.9);
    summary.p99 = rank(0.99);
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

bool ParseCountOption(int argc, char** argv, const char* program, const char* name, int& count)
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], name) == 0 && index + 1 < argc) {
            char* end = nullptr;
            errno = 0;
            const long value = std::strtol(argv[++index], &end, 10);
            if (errno != 0 || *end != '\0' || value < 1 || value > 100000) {
                std::printf("%s: %s needs a count from 1 to 100000\n", program, name);
                return false;
            }
            count = static_cast<int>(value);
        } else {
            std::printf("usage: %s [%s N]\n", program, name);
            return false;
        }
    }
    return true;
}

} // namespace corvo::advanced_bench
