// The session's runs as a run report (RunReport.h), which Save Report writes as JSON or as a page
// to print.
#pragma once

#include <string>
#include <vector>

#include "RunReport.h"
#include "TestRunRecord.h"

class Diagnostic;
class Resource;
class SystemComponent;

namespace corvo::hosts::gui {

struct SessionFacts {
    Resource* resource = nullptr;
    Diagnostic* diagnostic = nullptr;
    SystemComponent* device = nullptr; // its keyboards as the window last listed them
    std::string hostVersion;
    std::string moduleVersion;
    std::string modulePath;
    std::string workDirectory;
    std::vector<std::string> systemEventProblems;
    ReportTime started; // when the window opened
    bool cancelled = false;
};

// Every run of the session in the order they ended, a test as often as it ran. The keyboard a
// message is about is told from the keyboards listed now, which each run detected afresh.
RunReport SessionReport(const SessionFacts& session, const std::vector<TestRunRecord>& runs);

} // namespace corvo::hosts::gui
