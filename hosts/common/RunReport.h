// A run's report: what ran where, with what outcome and when, as JSON (docs/report-schema.json)
// and as a printable HTML page carrying the same facts.
//
// A host fills a RunReport as its tests run and asks ReportJson or ReportHtml for the document.
// Texts are kept both as the module's keys and as the host translated them, so that a report
// read in another language or by a script loses nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DriverServiceState.h"
#include "KeyInputState.h"
#include "KeyboardDevices.h"
#include "Ps2Readiness.h"
#include "platform/MachineInventory.h"

namespace corvo::hosts {

// Bumped when a field changes meaning or goes away; new fields come with a new schema file too.
inline constexpr int kReportSchemaVersion = 1;

// The wall clock says when, the steady clock how long: a clock set during a run bends no duration.
struct ReportTime {
    std::chrono::system_clock::time_point wall{};
    std::chrono::steady_clock::time_point steady{};

    static ReportTime Now();
    double SecondsSince(const ReportTime& start) const;
};

struct ReportMessage {
    std::string key;  // as the module sent it
    std::string text; // as the host showed it
    uint32_t kind = 0;
    double atSeconds = 0; // since the test began
    // Position in RunReport::keyboards of the keyboard the message is about (MessageAttribution).
    std::optional<std::size_t> keyboard;
};

struct ReportProgress {
    uint8_t percent = 0; // as the module reported it, also when it goes back
    std::string key;
    std::string text;
    double atSeconds = 0;
};

struct ReportTest {
    std::string id; // "10.1.2"
    std::string nameKey;
    std::string name;
    std::string shortName;
    std::string longName;
    bool interactive = false;
    // Named on the command line (or chosen one by one), not only part of a whole diagnostic.
    bool named = false;
    // False when this host cannot run the test (an interactive test where no dialog can be shown).
    bool available = true;
    // Whether the result enters the exit status: every test but an unavailable one nobody named.
    bool counted = true;
    bool started = false; // Run was called
    uint32_t result = 3;  // not run
    // Why it did not run, was unavailable or ended as it did, in words; empty when nothing to say.
    std::string reason;
    ReportTime startedAt;
    double durationSeconds = 0;
    std::vector<ReportMessage> messages;
    std::vector<ReportProgress> progress;
    std::vector<std::string> systemEvents; // what reached this run, in words

    // Stamped with the time since startedAt.
    void AddMessage(std::string key, std::string text, uint32_t kind, std::optional<std::size_t> keyboard);
    void AddProgress(uint8_t percent, std::string key, std::string text);
};

struct RunReport {
    std::string hostName;
    std::string hostVersion;
    std::string moduleName;
    std::string moduleVersion;
    std::string modulePath;
    std::string diagnosticId;
    std::string diagnosticNameKey;
    std::string diagnosticName;
    ReportTime startedAt;
    double durationSeconds = 0;
    platform::MachineIdentity machine;
    std::vector<KeyboardDevice> keyboards;
    Ps2KeyboardPresence ps2Keyboard;
    DriverServiceState driverService;
    KeyInputState keyInput;
    // Sources of system events this machine does not let the host watch, one sentence each.
    std::vector<std::string> systemEventProblems;
    // Every note the host showed before the first test, those about system events included.
    std::vector<std::string> notes;
    std::vector<ReportTest> tests;
    bool cancelled = false;
    int exitStatus = 0;
};

// "2026-03-14T09:26:53.589Z"
std::string IsoTimestamp(std::chrono::system_clock::time_point time);
// "PT4.213S"
std::string IsoDuration(double seconds);

// Indented JSON following docs/report-schema.json, ending with a line feed.
std::string ReportJson(const RunReport& report);
// A self-contained page (no scripts, no outside resources) that prints on paper as it shows.
std::string ReportHtml(const RunReport& report);

} // namespace corvo::hosts
