// What a host does about its own process: the signals that end it and its standard streams.
#pragma once

#include <string>

namespace corvo::hosts {

// SIGINT, SIGTERM, SIGHUP and SIGQUIT (a Ctrl-C, a service stop, a closed terminal, a Ctrl-\) go to
// handler, every time they come: the host turns them into a cancel request and ends once the
// running test has switched the keyboard interrupt back on. The handler must be async-signal-safe.
// SIGPIPE is ignored, so that output to a reader that went away is an error the host can report
// rather than the end of a test halfway.
void CatchTerminationSignals(void (*handler)(int));

// A standard stream that was closed before the program started gets a descriptor that refuses
// writes in its place: otherwise the next file opened (the report) would take its number and
// receive what was meant for the stream. Call before opening anything.
void HoldClosedStandardStreams();

// Empty when everything written to standard output got there; otherwise why not, for the user.
// A full disk or a closed stream must not pass for a complete listing or report.
std::string StandardOutputProblem();

} // namespace corvo::hosts
