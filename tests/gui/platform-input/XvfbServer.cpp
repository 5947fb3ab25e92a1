// Starts Xvfb with -displayfd so the server itself picks a free display, and stops it again.
#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace corvo::gui_testing {

bool IsOnPath(const std::string& program)
{
    return std::system(("command -v '" + program + "' >/dev/null 2>&1").c_str()) == 0;
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
    // A test program that needs a larger screen (a scale-factor run) names it in its environment.
    const char* screenSize = std::getenv("HALVIK_XVFB_SCREEN");
    const std::string screen = screenSize != nullptr && *screenSize != '\0' ? screenSize : "1024x768x24";
    const pid_t process = ::fork();
    if (process == 0) {
        // A test program that dies without running destructors (a sanitizer finding, a crash)
        // takes its server with it. Only the write end stays open across exec.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::fcntl(pipeEnds[1], F_SETFD, 0);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        // -noreset keeps what setxkbmap and XTest set when their clients leave.
        ::execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
                 screen.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    // Xvfb writes the display number and a newline once it accepts connections; a server that
    // fails closes the pipe.
    std::string number;
    pollfd readable{pipeEnds[0], POLLIN, 0};
    char buffer[16];
    ssize_t count = 0;
    while ((number.empty() || number.back() != '\n') && ::poll(&readable, 1, 15000) > 0 &&
           (count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        number.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    std::unique_ptr<XvfbServer> server(new XvfbServer(process, ":" + number.substr(0, number.find('\n'))));
    if (process < 0 || number.empty() || number.back() != '\n') {
        failure = process < 0 ? "fork failed" : "Xvfb reported no display within 15 s";
        return nullptr;
    }
    return server;
}

void XvfbServer::Stop()
{
    if (m_process > 0) {
        ::kill(m_process, SIGTERM);
        ::waitpid(m_process, nullptr, 0);
        m_process = -1;
    }
}

} // namespace corvo::gui_testing
