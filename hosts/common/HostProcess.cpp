// Termination signals and standard streams of the hosts' processes.
#include "HostProcess.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace corvo::hosts {

void CatchTerminationSignals(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    // Restarted, so that a signal never turns a write in progress into an output error.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaction(signal, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}

void HoldClosedStandardStreams()
{
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // Opened read-only, it takes the lowest free number, this one, and fails every write.
            open("/dev/null", O_RDONLY);
        }
    }
}

std::string StandardOutputProblem()
{
    // A write that failed earlier lost its part of the output already; the last system call made
    // for standard output was most likely that write, so errno still says why.
    const bool lost = std::ferror(stdout) != 0;
    const int earlier = errno;
    errno = 0;
    if (std::fflush(stdout) == 0 && !lost) {
        return {};
    }
    const int error = errno != 0 ? errno : earlier != 0 ? earlier : EIO;
    std::clearerr(stdout);
    return QCoreApplication::translate("HostProcess", "cannot write to standard output: %1")
        .arg(QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

} // namespace corvo::hosts
