// The command-line host run as a user runs it: its grammar, help, listings, runs and exit statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "ReportCheck.h"

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// On a machine whose firmware reports a PS/2 keyboard (the fake platform library says so), so that
// what the host does with each test does not depend on the machine the suite runs on.
// A first argument that starts with ">" is a shell's redirection of the program's standard output.
CliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_LIBRARY_PATH", FAKE_HWKIT_FOLDER);
    environment.insert("HALVIK_FAKE_HWKIT_FLAGS", "9=1");
    process.setProcessEnvironment(environment);
    if (arguments.value(0).startsWith('>')) {
        process.start("sh", QStringList{"-c", "exec \"$0\" \"$@\" " + arguments[0], CLI_PATH} + arguments.mid(1));
    } else {
        process.start(QStringLiteral(CLI_PATH), arguments);
    }
    EXPECT_TRUE(process.waitForFinished(60000)) << "the CLI did not finish";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliTest, EachCommandLineGetsItsAnswerAndExitStatus)
{
    // A FIFO is refused, not waited on, as the module or the driver service; as root, so is a
    // module in a folder others can write.
    QTemporaryDir special;
    ASSERT_EQ(mkfifo(special.filePath("HalvikDiagnosticsDriverService.so").toLocal8Bit(), 0600), 0);
    ASSERT_TRUE(QDir(special.path()).mkdir("open") && QFile::copy(NOT_A_MODULE_PATH, special.filePath("open/libhwkit.so")));
    ASSERT_EQ(chmod(special.filePath("open").toLocal8Bit(), 0777), 0);
    // Arguments, exit status, and what standard output (status 0) or standard error says.
    const std::vector<std::tuple<QStringList, int, std::vector<const char*>>> rows = {
        {{"--module-path=" + special.filePath("HalvikDiagnosticsDriverService.so"), "-Q"}, 4, {"not a regular file"}},
        {{"--module-path=" + special.filePath("open/libhwkit.so"), "--list"}, 4,
         {geteuid() == 0 ? "is writable by group or others" : "does not export GetModuleInterfaceInstance"}},
        {{"-Mkeyboard", "--devices", "--workdir=" + special.path()}, 0, {"is not a regular file"}},
        {{"-h"}, 0,
         {"-M<module>", "--quick", "--list", "--devices", "--json", "--report=", "--workdir=", "--module-path="}},
        {{"--version"}, 0, {"HalvikDiagnosticsCLI 4.42.0.92\nmodule ", "libkeyboard.so 4.42.0.92\n"}},
        {{"--module=keyboard", "--list"}, 0, {"Module KEYBOARD (KB), version 4.42.0.92\n\nDiagnostic 10.1.0: "
                                              "Quick Keyboard Tests  [-Q, --quick]\n  Checks the keyboards of this"}},
        {{"-Mkeyboard", "-Qz"}, 2, {"unknown test 'z' (known: p/ps2, u/usb, k/key, a/adv)"}},
        {{"-Mkeyboard", "--frobnicate"}, 2, {"unknown option '--frobnicate'"}},
        {{"-Mnosuchmodule", "-Q"}, 2, {"unknown module 'nosuchmodule'"}},
        {{"-Mkeyboard"}, 2, {"nothing to do"}},
        {{"-M"}, 2, {"option -M needs a module name, as in -Mkeyboard"}},
        {{"keyboard"}, 2, {"unexpected argument 'keyboard'"}},
        {{"-Mkeyboard", "-"}, 2, {"unexpected argument '-'"}},
        {{"--module-path=/nonexistent/libkeyboard.so", "-Q"}, 4, {"cannot load module /nonexistent/libkeyboard.so"}},
        // A real shared library that is not a module: the platform library.
        {{"--module-path=" NOT_A_MODULE_PATH, "--list"}, 4, {"does not export GetModuleInterfaceInstance"}},
        {{"-Mkeyboard", "--workdir=/nonexistent/folder", "-Q"}, 4, {"cannot use working folder /nonexistent/folder"}},
        {{"-Mkeyboard", "-Qu", "--report=/nonexistent/folder/report.json"}, 4,
         {"cannot write the report to /nonexistent/folder/report.json: No such file or directory"}},
        {{"-Mkeyboard", "-Q", "--report="}, 2, {"option --report needs a value"}},
        // A listing or report that cannot be written completely.
        {{">/dev/full", "-Mkeyboard", "--list", "--json"}, 4, {"cannot write to standard output: No space left on device"}},
        {{">&-", "-Mkeyboard", "-Qu", "--json"}, 4, {"cannot write to standard output: Bad file descriptor"}},
        {{">/dev/full", "-h"}, 4, {"cannot write to standard output: No space left on device"}},
        {{"-Mkeyboard", "-Qu", "--report=/dev/full"}, 4, {"cannot write the report to /dev/full: No space left on device"}}};
    for (const auto& [arguments, exitCode, parts] : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        for (const char* part : parts) {
            EXPECT_TRUE(Contains(exitCode == 0 ? run.out : run.err, part)) << part << " in " << run.out << run.err;
        }
        if (exitCode == 2) {
            EXPECT_TRUE(Contains(run.err, "Usage: HalvikDiagnosticsCLI")) << run.err;
            EXPECT_EQ(run.out, "");
        }
    }
}

TEST(CliTest, ModuleHelpIsPrintedByteForByte)
{
    const CliRun run = RunCli({"-Mkeyboard", "--help"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Keyboard Module help:\n"
                       "  Usage: HalvikDiagnosticsCLI -Mkeyboard [diagnostic]\"[test(s)]\"\n"
                       " Diagnostics:\n"
                       "   -Q, --quick  Runs all test(s) of Keyboard diagnostic\n"
                       "   -Q\"[test(s)]\", --quick=\"[test(s)]\"  Runs chosen test(s) of Keyboard diagnostic\n"
                       "\n"
                       " Quick Tests:\n"
                       "   p, ps2        PS/2 Keyboard Test\n"
                       "   u, usb        USB Keyboard Test\n"
                       "   k, key        Keycode Verification Test (Unavailable on CLI)\n"
                       "   a, adv        Advanced Test (Unavailable on CLI)\n"
                       "\n"
                       " Examples:\n"
                       "  => Performs tests on PS/2 keyboards:\n"
                       "      HalvikDiagnosticsCLI -Mkeyboard -Q\"p\"\n"
                       "\n"
                       "  => Performs tests on PS/2 and USB on keyboards:\n"
                       "      HalvikDiagnosticsCLI -Mkeyboard -Q\"p,u\"\n"
                       "\n");
}

TEST(CliTest, ChosenTestsRunOnceInTheOrderGivenAndATestThatDidNotRunSaysWhy)
{
    QTemporaryDir folder;
    const QString workOption = "--workdir=" + folder.path();
    const CliRun run = RunCli({"--module=keyboard", "-Qp,usb", "--quick=p,keycode", workOption});
    const std::string parts[] = {"[1/3] PS/2 Keyboard Test\n",
                                 "note: driver service not found (" + folder.path().toStdString(),
                                 "PS/2 Keyboard Test: not run (result 3)\n[2/3] USB Keyboard Test\n",
                                 "[3/3] Keycode Verification Test\n",
                                 "note: interactive test: needs a person at a dialog",
                                 "Keycode Verification Test: not run (result 3)\nSummary: "};
    std::size_t at = 0;
    for (const std::string& part : parts) {
        at = run.out.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << " in order in " << run.out;
    }
    EXPECT_TRUE(run.exitCode == 3 || run.exitCode == 1) << run.exitCode << run.err;
    EXPECT_TRUE(run.exitCode == 1 || !Contains(run.out, "Possible defective")) << "no hint without a failure";
}

TEST(CliTest, JsonListingAndReport)
{
    const QJsonObject listing =
        QJsonDocument::fromJson(QByteArray::fromStdString(RunCli({"-Mkeyboard", "--list", "--json"}).out)).object();
    const QJsonObject diagnostic = listing["diagnostics"].toArray().at(0).toObject();
    EXPECT_EQ(QStringList({listing["module"].toString(), listing["version"].toString(), diagnostic["id"].toString(),
                           diagnostic["nameKey"].toString(), diagnostic["shortName"].toString(),
                           diagnostic["longName"].toString(), QString::number(diagnostic["tests"].toArray().size())}),
              QStringList({"KEYBOARD", "4.42.0.92", "10.1.0", "QUICK_KEYBOARD", "Q", "quick", "4"}));

    // Every test once, however often the whole diagnostic is chosen; the report also goes to a
    // page with the same facts.
    QTemporaryDir folder;
    const CliRun run = RunCli({"-Mkeyboard", "-Q", "--quick", "--json", "--report=" + folder.filePath("report.html")});
    Reports reports;
    reports.Keep(QByteArray::fromStdString(run.out));
    EXPECT_EQ(reports.Problems(), "");
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(root["exitStatus"].toInt(), run.exitCode) << run.out;
    QString chosen;
    for (const QJsonValue& test : root["tests"].toArray()) {
        chosen += test["id"].toString() + " " + test["shortName"].toString() + " ";
    }
    EXPECT_EQ(chosen, "10.1.1 p 10.1.2 u 10.1.3 k 10.1.4 a ");
    // The keycode test needs a person at a dialog, which this host cannot show: left out, and of
    // the exit status too.
    const QJsonObject keycode = root["tests"].toArray().at(2).toObject();
    EXPECT_EQ(QJsonDocument(QJsonObject{{"available", keycode["available"]}, {"counted", keycode["counted"]},
                                        {"started", keycode["started"]}, {"result", keycode["result"]}})
                  .toJson(QJsonDocument::Compact),
              R"({"available":false,"counted":false,"result":3,"started":false})");
    // Where no USB keyboard can be identified the test aborts, and says why as information, about
    // no keyboard in particular.
    const QJsonObject usb = root["tests"].toArray().at(1).toObject();
    for (const QJsonValue& message : usb["messages"].toArray()) {
        EXPECT_TRUE(usb["resultName"].toString() != "aborted"
                    || (message["kindName"].toString() == "info" && message["keyboard"].isNull())) << run.out;
    }

    QFile page(folder.filePath("report.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QStringList facts{root["machine"]["kernelRelease"].toString(), root["driverService"]["path"].toString(),
                      root["startedAt"].toString()};
    for (const QJsonValue& test : root["tests"].toArray()) {
        facts << test["name"].toString() << test["resultName"].toString() << test["reason"].toString();
        for (const QJsonValue& message : test["messages"].toArray()) {
            facts << message["text"].toString();
        }
    }
    for (const QJsonValue& keyboard : root["keyboards"].toArray()) {
        facts << keyboard["label"].toString();
    }
    for (const QString& fact : facts) {
        EXPECT_TRUE(html.contains(fact.toHtmlEscaped())) << fact.toStdString();
    }
}

} // namespace
