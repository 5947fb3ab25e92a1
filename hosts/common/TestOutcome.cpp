// Result names and the exit status of a set of results.
#include "TestOutcome.h"

#include <QCoreApplication>
#include <QString>

#include "module/TestResult.h"

namespace corvo::hosts {

namespace {

constexpr char kContext[] = "TestOutcome";

struct CodeName {
    uint32_t code;
    const char* name; // English; the catalogues translate it in context "TestOutcome"
};

constexpr CodeName kResultNames[] = {
    {Passed, QT_TRANSLATE_NOOP("TestOutcome", "passed")},
    {Failed, QT_TRANSLATE_NOOP("TestOutcome", "failed")},
    {NotRun, QT_TRANSLATE_NOOP("TestOutcome", "not run")},
    {Aborted, QT_TRANSLATE_NOOP("TestOutcome", "aborted")},
    {PassedWithWarnings, QT_TRANSLATE_NOOP("TestOutcome", "passed with warnings")},
    {InternalError, QT_TRANSLATE_NOOP("TestOutcome", "internal error")},
};
constexpr char kUnknownResult[] = QT_TRANSLATE_NOOP("TestOutcome", "unknown result %1");

constexpr CodeName kKindNames[] = {
    {Information, QT_TRANSLATE_NOOP("TestOutcome", "info")},
    {Warning, QT_TRANSLATE_NOOP("TestOutcome", "warning")},
    {FailureDetail, QT_TRANSLATE_NOOP("TestOutcome", "failure")},
};
constexpr char kUnknownKind[] = QT_TRANSLATE_NOOP("TestOutcome", "kind %1");

// The name of code in table, or the fallback with the number; translated when asked to.
template <std::size_t N>
std::string Named(const CodeName (&table)[N], const char* fallback, uint32_t code, bool translated)
{
    const auto text = [translated](const char* english) {
        return translated ? QCoreApplication::translate(kContext, english) : QString::fromLatin1(english);
    };
    for (const CodeName& row : table) {
        if (row.code == code) {
            return text(row.name).toStdString();
        }
    }
    return text(fallback).arg(code).toStdString();
}

} // namespace

std::string ResultName(uint32_t result) { return Named(kResultNames, kUnknownResult, result, false); }
std::string MessageKindName(uint32_t kind) { return Named(kKindNames, kUnknownKind, kind, false); }
std::string ResultText(uint32_t result) { return Named(kResultNames, kUnknownResult, result, true); }
std::string MessageKindText(uint32_t kind) { return Named(kKindNames, kUnknownKind, kind, true); }

int ExitStatusFor(const std::vector<uint32_t>& results)
{
    int status = kExitPassed;
    auto rank = [](int exitStatus) {
        switch (exitStatus) {
        case kExitError: return 3;
        case kExitFailed: return 2;
        case kExitNotRun: return 1;
        default: return 0;
        }
    };
    for (uint32_t result : results) {
        int candidate = kExitPassed;
        if (result == Failed) {
            candidate = kExitFailed;
        } else if (result == NotRun || result == Aborted) {
            candidate = kExitNotRun;
        } else if (result != Passed && result != PassedWithWarnings) {
            candidate = kExitError;
        }
        if (rank(candidate) > rank(status)) {
            status = candidate;
        }
    }
    return status;
}

} // namespace corvo::hosts
