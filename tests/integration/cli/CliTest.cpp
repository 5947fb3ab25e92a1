// The command-line host run as a user runs it: help, listing, selection errors, exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << "the CLI did not finish";
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char kModuleHelp[] =
    "Keyboard Module help:\n"
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
    "\n";

TEST(CliHelpTest, ModuleHelpIsPrintedByteForByte)
{
    const CliRun run = RunCli({"-Mkeyboard", "--help"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, kModuleHelp);
}

TEST(CliHelpTest, HelpAloneIsTheHostsUsageWithOptionsAndExitStatuses)
{
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(Contains(run.out, "Keyboard Module help:"));
    for (const char* part : {"-M<module>", "--quick", "--list", "--json", "--workdir=", "--module-path=",
                             "Exit status:", "  2  the command line"}) {
        EXPECT_TRUE(Contains(run.out, part)) << part;
    }
}

TEST(CliListTest, ListsTheDiagnosticWithItsNamesAndSelector)
{
    const CliRun run = RunCli({"-Mkeyboard", "--list"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Module KEYBOARD (KB), version 4.42.0.92")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Diagnostic 10.1.0: Quick Keyboard Tests  [-Q, --quick]")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Checks the keyboards of this computer")) << "description translated";
}

TEST(CliListTest, JsonListingIsMachineReadable)
{
    const CliRun run = RunCli({"-Mkeyboard", "--list", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    const QJsonObject root = document.object();
    EXPECT_EQ(root["module"].toString(), "KEYBOARD");
    EXPECT_EQ(root["version"].toString(), "4.42.0.92");
    const QJsonObject diagnostic = root["diagnostics"].toArray().at(0).toObject();
    EXPECT_EQ(diagnostic["id"].toString(), "10.1.0");
    EXPECT_EQ(diagnostic["nameKey"].toString(), "QUICK_KEYBOARD");
    EXPECT_EQ(diagnostic["shortName"].toString(), "Q");
    EXPECT_EQ(diagnostic["longName"].toString(), "quick");
    EXPECT_TRUE(diagnostic["tests"].isArray());
}

struct UsageErrorRow {
    QStringList arguments;
    std::string fragment;
};

class CliUsageErrorTest : public ::testing::TestWithParam<UsageErrorRow> {};

TEST_P(CliUsageErrorTest, ExitsWithTwoAndShowsTheUsage)
{
    const CliRun run = RunCli(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Contains(run.err, GetParam().fragment)) << run.err;
    EXPECT_TRUE(Contains(run.err, "Usage: HalvikDiagnosticsCLI")) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageErrorTest,
    ::testing::Values(UsageErrorRow{{"-Mkeyboard", "-Qz"}, "unknown test 'z' (known: p/ps2, u/usb, k/key, a/adv)"},
                      UsageErrorRow{{"-Mkeyboard", "--quick=ps2,bogus"}, "unknown test 'bogus'"},
                      UsageErrorRow{{"-Mkeyboard", "-Qp,,u"}, "empty test name"},
                      UsageErrorRow{{"-Mkeyboard", "--frobnicate"}, "unknown option '--frobnicate'"},
                      UsageErrorRow{{"-Mkeyboard", "-X"}, "unknown option '-X'"},
                      UsageErrorRow{{"-Mnosuchmodule", "-Q"}, "unknown module 'nosuchmodule'"},
                      UsageErrorRow{{"-Mkeyboard"}, "nothing to do"},
                      UsageErrorRow{{"stray"}, "unexpected argument 'stray'"}));

TEST(CliRunTest, ModuleThatCannotBeLoadedIsAnError)
{
    const CliRun run = RunCli({"--module-path=/nonexistent/libkeyboard.so", "-Q"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(Contains(run.err, "cannot load module /nonexistent/libkeyboard.so")) << run.err;
}

TEST(CliRunTest, LibraryWithoutTheEntryPointsIsAnError)
{
    // A real shared library that is not a module: the platform library.
    const CliRun run = RunCli({"--module-path=" + QStringLiteral(NOT_A_MODULE_PATH), "--list"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(Contains(run.err, "does not export GetModuleInterfaceInstance")) << run.err;
}

TEST(CliRunTest, UnusableWorkingFolderIsAnError)
{
    const CliRun run = RunCli({"-Mkeyboard", "--workdir=/nonexistent/folder", "-Q"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(Contains(run.err, "cannot use working folder /nonexistent/folder")) << run.err;
}

TEST(CliRunTest, EveryChosenTestGetsAResultLineAndTheSummaryDecidesTheStatus)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const CliRun run = RunCli({"-Mkeyboard", "-Qp,usb,p", "--workdir=" + folder.path()});
    // Each test once, in the order given.
    const std::size_t ps2 = run.out.find("PS/2 Keyboard Test: ");
    const std::size_t usb = run.out.find("USB Keyboard Test: ");
    ASSERT_NE(ps2, std::string::npos) << run.out;
    ASSERT_NE(usb, std::string::npos) << run.out;
    EXPECT_LT(ps2, usb);
    EXPECT_EQ(run.out.find("PS/2 Keyboard Test: ", ps2 + 1), std::string::npos) << "run once";
    EXPECT_TRUE(Contains(run.out, "Summary: ")) << run.out;
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 3) << run.exitCode << run.err;
}

TEST(CliRunTest, JsonReportHasOneEntryPerChosenTest)
{
    const CliRun run = RunCli({"-Mkeyboard", "--quick=u,k", "--json"});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    const QJsonObject root = document.object();
    EXPECT_EQ(root["exitStatus"].toInt(), run.exitCode);
    const QJsonArray tests = root["tests"].toArray();
    ASSERT_EQ(tests.size(), 2);
    EXPECT_EQ(tests[0].toObject()["id"].toString(), "10.1.2");
    EXPECT_EQ(tests[0].toObject()["shortName"].toString(), "u");
    EXPECT_EQ(tests[1].toObject()["id"].toString(), "10.1.3");
    // The keycode test needs a person at a dialog, which this host cannot show.
    EXPECT_EQ(tests[1].toObject()["status"].toString(), "not run");
    EXPECT_EQ(tests[1].toObject()["result"].toInt(), 3);
}

} // namespace
