// Writes a run report as JSON and as a printable HTML page.
#include "RunReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "TestOutcome.h"

namespace corvo::hosts {

namespace {

// Milliseconds are as fine as the clocks of a test run are worth reading.
double Rounded(double seconds) { return std::round(seconds * 1000.0) / 1000.0; }

QString Q(const std::string& text) { return QString::fromStdString(text); }

QJsonValue OptionalId(const std::optional<uint16_t>& id) { return id ? QJsonValue(*id) : QJsonValue(); }

QJsonValue OptionalHex(const std::optional<uint16_t>& id) { return id ? QJsonValue(Q(HexId(*id))) : QJsonValue(); }

const char* KindName(KeyboardDevice::Kind kind)
{
    switch (kind) {
    case KeyboardDevice::Kind::Ps2: return "ps2";
    case KeyboardDevice::Kind::Usb: return "usb";
    case KeyboardDevice::Kind::Other: break;
    }
    return "other";
}

QJsonArray Strings(const std::vector<std::string>& texts)
{
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(Q(text));
    }
    return array;
}

QJsonObject KeyboardJson(const KeyboardDevice& keyboard)
{
    QJsonArray properties;
    for (const auto& [key, value] : keyboard.properties) {
        properties.append(QJsonObject{{"key", Q(key)}, {"value", Q(value)}});
    }
    QJsonValue usb;
    if (keyboard.port) {
        const platform::UsbKeyboardPort& port = *keyboard.port;
        usb = QJsonObject{{"name", Q(port.name)},
                          {"bus", static_cast<int>(port.bus)},
                          {"portPath", Q(port.portPath)},
                          {"speedMbits", port.speedMbits ? QJsonValue(*port.speedMbits) : QJsonValue()},
                          {"driver", Q(port.driver)}};
    }
    return QJsonObject{{"index", Q(keyboard.index)},
                       {"label", Q(KeyboardLabel(keyboard))},
                       {"kind", KindName(keyboard.kind)},
                       {"name", Q(keyboard.name)},
                       {"vendorId", OptionalId(keyboard.vendorId)},
                       {"productId", OptionalId(keyboard.productId)},
                       {"vendorIdHex", OptionalHex(keyboard.vendorId)},
                       {"productIdHex", OptionalHex(keyboard.productId)},
                       {"usb", usb},
                       {"properties", properties}};
}

QJsonObject TestJson(const ReportTest& test)
{
    QJsonArray messages;
    for (const ReportMessage& message : test.messages) {
        messages.append(QJsonObject{
            {"key", Q(message.key)},
            {"text", Q(message.text)},
            {"kind", static_cast<int>(message.kind)},
            {"kindName", Q(MessageKindName(message.kind))},
            {"atSeconds", message.atSeconds},
            {"keyboard", message.keyboard ? QJsonValue(static_cast<int>(*message.keyboard)) : QJsonValue()}});
    }
    QJsonArray progress;
    for (const ReportProgress& step : test.progress) {
        progress.append(QJsonObject{{"percent", step.percent},
                                    {"key", Q(step.key)},
                                    {"text", Q(step.text)},
                                    {"atSeconds", step.atSeconds}});
    }
    const auto whenStarted = [&test](const QJsonValue& value) { return test.started ? value : QJsonValue(); };
    return QJsonObject{{"id", Q(test.id)},
                       {"nameKey", Q(test.nameKey)},
                       {"name", Q(test.name)},
                       {"shortName", Q(test.shortName)},
                       {"longName", Q(test.longName)},
                       {"interactive", test.interactive},
                       {"named", test.named},
                       {"available", test.available},
                       {"counted", test.counted},
                       {"started", test.started},
                       {"result", static_cast<int>(test.result)},
                       {"resultName", Q(ResultName(test.result))},
                       {"reason", Q(test.reason)},
                       {"startedAt", whenStarted(Q(IsoTimestamp(test.startedAt.wall)))},
                       {"duration", whenStarted(Q(IsoDuration(test.durationSeconds)))},
                       {"durationSeconds", whenStarted(Rounded(test.durationSeconds))},
                       {"messages", messages},
                       {"progress", progress},
                       {"systemEvents", Strings(test.systemEvents)}};
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char character : text) {
        switch (character) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += character;
        }
    }
    return escaped;
}

std::string Row(const std::string& label, const std::string& value)
{
    return "<tr><th>" + Escaped(label) + "</th><td>" + Escaped(value) + "</td></tr>\n";
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

std::string OrNone(const std::string& text) { return text.empty() ? "(none)" : text; }

std::string TestHtml(const RunReport& report, const ReportTest& test)
{
    std::string html = "<section class=\"test\">\n<h2>" + Escaped(test.name.empty() ? test.id : test.name) + ": "
        + Escaped(ResultName(test.result)) + (test.available ? "" : ", unavailable on this host") + " (result "
        + std::to_string(test.result) + ")</h2>\n<table>\n" + Row("Test", test.id + " (" + test.shortName + ", "
        + test.longName + ")" + (test.interactive ? ", interactive" : ""));
    html += Row("Chosen", std::string(test.named ? "by name" : "with its diagnostic")
                + (test.counted ? "; counts toward the exit status" : "; does not count toward the exit status"));
    if (!test.reason.empty()) {
        html += Row("Reason", test.reason);
    }
    if (test.started) {
        html += Row("Started", IsoTimestamp(test.startedAt.wall)) + Row("Duration", Seconds(test.durationSeconds));
    }
    for (const std::string& event : test.systemEvents) {
        html += Row("System event", event);
    }
    html += "</table>\n";
    if (!test.messages.empty()) {
        html += "<h3>Messages</h3>\n<table>\n<tr><th>Time</th><th>Kind</th><th>Keyboard</th><th>Message</th>"
                "<th>Key</th></tr>\n";
        for (const ReportMessage& message : test.messages) {
            const std::string keyboard = message.keyboard && *message.keyboard < report.keyboards.size()
                ? KeyboardLabel(report.keyboards[*message.keyboard])
                : "";
            html += "<tr><td>" + Seconds(message.atSeconds) + "</td><td>" + Escaped(MessageKindName(message.kind))
                + "</td><td>" + Escaped(keyboard) + "</td><td>" + Escaped(message.text) + "</td><td><code>"
                + Escaped(message.key) + "</code></td></tr>\n";
        }
        html += "</table>\n";
    }
    if (!test.progress.empty()) {
        html += "<h3>Progress</h3>\n<table>\n<tr><th>Time</th><th>Percent</th><th>Text</th></tr>\n";
        for (const ReportProgress& step : test.progress) {
            html += "<tr><td>" + Seconds(step.atSeconds) + "</td><td>" + std::to_string(step.percent) + "%</td><td>"
                + Escaped(step.text) + "</td></tr>\n";
        }
        html += "</table>\n";
    }
    return html + "</section>\n";
}

} // namespace

ReportTime ReportTime::Now() { return {std::chrono::system_clock::now(), std::chrono::steady_clock::now()}; }

double ReportTime::SecondsSince(const ReportTime& start) const
{
    return Rounded(std::chrono::duration<double>(steady - start.steady).count());
}

void ReportTest::AddMessage(std::string key, std::string text, uint32_t kind, std::optional<std::size_t> keyboard)
{
    messages.push_back({std::move(key), std::move(text), kind, ReportTime::Now().SecondsSince(startedAt), keyboard});
}

void ReportTest::AddProgress(uint8_t percent, std::string key, std::string text)
{
    progress.push_back({percent, std::move(key), std::move(text), ReportTime::Now().SecondsSince(startedAt)});
}

std::string IsoTimestamp(std::chrono::system_clock::time_point time)
{
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(milliseconds % 1000));
    return text;
}

std::string IsoDuration(double seconds)
{
    char text[40];
    std::snprintf(text, sizeof text, "PT%.3fS", Rounded(seconds < 0 ? 0 : seconds));
    return text;
}

std::string ReportJson(const RunReport& report)
{
    QJsonArray keyboards;
    for (const KeyboardDevice& keyboard : report.keyboards) {
        keyboards.append(KeyboardJson(keyboard));
    }
    QJsonArray tests;
    for (const ReportTest& test : report.tests) {
        tests.append(TestJson(test));
    }
    const platform::MachineIdentity& machine = report.machine;
    const DriverServiceState& service = report.driverService;
    const QJsonObject root{
        {"schemaVersion", kReportSchemaVersion},
        {"host", QJsonObject{{"name", Q(report.hostName)}, {"version", Q(report.hostVersion)}}},
        {"module", QJsonObject{{"name", Q(report.moduleName)},
                               {"version", Q(report.moduleVersion)},
                               {"path", Q(report.modulePath)}}},
        {"diagnostic", QJsonObject{{"id", Q(report.diagnosticId)},
                                   {"nameKey", Q(report.diagnosticNameKey)},
                                   {"name", Q(report.diagnosticName)}}},
        {"startedAt", Q(IsoTimestamp(report.startedAt.wall))},
        {"duration", Q(IsoDuration(report.durationSeconds))},
        {"durationSeconds", Rounded(report.durationSeconds)},
        {"machine", QJsonObject{{"vendor", Q(machine.vendor)},
                                {"product", Q(machine.product)},
                                {"productVersion", Q(machine.productVersion)},
                                {"boardVendor", Q(machine.boardVendor)},
                                {"boardName", Q(machine.boardName)},
                                {"kernelRelease", Q(machine.kernelRelease)}}},
        {"keyboards", keyboards},
        {"ps2Keyboard", QJsonObject{{"present", report.ps2Keyboard.present},
                                    {"evidence", Q(report.ps2Keyboard.reason)}}},
        {"driverService", QJsonObject{{"path", Q(service.path)},
                                      {"found", service.found},
                                      {"usable", service.usable},
                                      {"access", Q(service.access)},
                                      {"problem", Q(service.problem)}}},
        {"keyInput", KeyInputJson(report.keyInput)},
        {"systemEvents", QJsonObject{{"problems", Strings(report.systemEventProblems)}}},
        {"notes", Strings(report.notes)},
        {"tests", tests},
        {"cancelled", report.cancelled},
        {"exitStatus", report.exitStatus}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::string ReportHtml(const RunReport& report)
{
    const platform::MachineIdentity& machine = report.machine;
    const std::string title = report.diagnosticName + " - " + IsoTimestamp(report.startedAt.wall);
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        + Escaped(title) + "</title>\n<style>\n"
        "body { font-family: sans-serif; font-size: 10pt; margin: 1.5em; }\n"
        "table { border-collapse: collapse; margin-bottom: 1em; }\n"
        "th, td { border: 1px solid #999; padding: 2px 6px; text-align: left; vertical-align: top; }\n"
        "section.test { break-inside: avoid; }\n"
        "</style>\n</head>\n<body>\n<h1>" + Escaped(title) + "</h1>\n<table>\n"
        + Row("Host", report.hostName + " " + report.hostVersion)
        + Row("Module", report.moduleName + " " + report.moduleVersion + " (" + report.modulePath + ")")
        + Row("Diagnostic", report.diagnosticId + " " + report.diagnosticName)
        + Row("Started", IsoTimestamp(report.startedAt.wall)) + Row("Duration", Seconds(report.durationSeconds))
        + Row("Exit status", std::to_string(report.exitStatus) + (report.cancelled ? " (cancelled)" : ""))
        + "</table>\n<h2>Machine</h2>\n<table>\n" + Row("Vendor", OrNone(machine.vendor))
        + Row("Product", OrNone(machine.product) + (machine.productVersion.empty() ? "" : " " + machine.productVersion))
        + Row("Board", OrNone(machine.boardVendor) + " " + machine.boardName) + Row("Kernel", machine.kernelRelease)
        + Row("PS/2 keyboard", std::string(report.ps2Keyboard.present ? "present" : "not present")
              + (report.ps2Keyboard.reason.empty() ? "" : " - " + report.ps2Keyboard.reason))
        + Row("Driver service", report.driverService.Summary())
        + Row("Dialog keys", report.keyInput.dialogs) + Row("Watch for the user", report.keyInput.watch)
        + Row("System events", report.systemEventProblems.empty() ? "watched" : "not all watched, see below");
    // One row each: they are sentences of their own.
    for (const std::string& problem : report.systemEventProblems) {
        html += Row("", problem);
    }
    for (const std::string& note : report.notes) {
        const auto& problems = report.systemEventProblems;
        if (std::find(problems.begin(), problems.end(), note) == problems.end()) {
            html += Row("Note", note);
        }
    }
    html += "</table>\n<h2>Keyboards</h2>\n<table>\n<tr><th>Keyboard</th><th>USB ids</th><th>Connection</th></tr>\n";
    for (const KeyboardDevice& keyboard : report.keyboards) {
        const std::string ids = keyboard.vendorId && keyboard.productId
            ? HexId(*keyboard.vendorId) + ":" + HexId(*keyboard.productId) + " (" + std::to_string(*keyboard.vendorId)
                + ":" + std::to_string(*keyboard.productId) + ")"
            : "";
        html += "<tr><td>" + Escaped(KeyboardLabel(keyboard)) + "</td><td>" + Escaped(ids) + "</td><td>"
            + Escaped(keyboard.port ? PortSummary(*keyboard.port) : "") + "</td></tr>\n";
    }
    html += "</table>\n";
    for (const ReportTest& test : report.tests) {
        html += TestHtml(report, test);
    }
    return html + "</body>\n</html>\n";
}

} // namespace corvo::hosts
