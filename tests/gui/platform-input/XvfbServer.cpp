// Starts Xvfb with -displayfd so the server itself picks a free display, and stops it again.
#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>
#include <utility>

namespace corvo::gui_testing {

namespace {

constexpr int kStartTimeoutMilliseconds = 15000;

} // namespace

bool IsOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && ::access((folder + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

bool XvfbServer::IsInstalled()
{
    return IsOnPath("Xvfb");
}

std::unique_ptr<XvfbServer> XvfbServer::Start(std::string& failure)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        failure = "no pipe for Xvfb's display number";
        return nullptr;
    }
    const std::string displayFd = std::to_string(pipeEnds[1]);
    const pid_t process = ::fork();
    if (process < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        failure = "fork failed";
        return nullptr;
    }
    if (process == 0) {
        // A test program that aborts (a sanitizer finding, a crash) runs no destructor; the
        // server then goes with it instead of living on.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The child keeps only the write end open across exec; Xvfb's chatter goes nowhere.
        ::fcntl(pipeEnds[1], F_SETFD, 0);
        const int quiet = ::open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
        }
        // -noreset keeps what setxkbmap and XTest set when their clients leave.
        ::execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
                 "1024x768x24", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);

    // Xvfb writes the display number once it accepts connections.
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMilliseconds);
    while (number.empty() || number.back() != '\n') {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd readable{pipeEnds[0], POLLIN, 0};
        if (left <= 0 || ::poll(&readable, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        char buffer[16];
        const ssize_t count = ::read(pipeEnds[0], buffer, sizeof(buffer));
        if (count <= 0) {
            break;
        }
        number.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    if (number.empty() || number.back() != '\n') {
        XvfbServer failed(process, {});
        failed.Stop();
        failure = "Xvfb did not report a display within " + std::to_string(kStartTimeoutMilliseconds) + " ms";
        return nullptr;
    }
    number.pop_back();
    return std::unique_ptr<XvfbServer>(new XvfbServer(process, ":" + number));
}

XvfbServer::XvfbServer(pid_t process, std::string displayName)
    : m_process(process), m_displayName(std::move(displayName))
{
}

XvfbServer::~XvfbServer()
{
    Stop();
}

void XvfbServer::Stop()
{
    if (m_process <= 0) {
        return;
    }
    ::kill(m_process, SIGTERM);
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (::waitpid(m_process, nullptr, WNOHANG) == m_process) {
            m_process = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(m_process, SIGKILL);
    ::waitpid(m_process, nullptr, 0);
    m_process = -1;
}

} // namespace corvo::gui_testing
