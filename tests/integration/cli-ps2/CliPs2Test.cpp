// The command-line host running the PS/2 test end to end: the real module loading the simulator
// plug-in from its working folder, with the fake platform library swapped in for a virtual clock.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace {

struct Ps2Row {
    const char* scenario; // empty: no driver service in the working folder
    int result;
    const char* message;  // a key the run must have sent, or empty
    int exitStatus;
};

class CliPs2Test : public ::testing::TestWithParam<Ps2Row> {};

TEST_P(CliPs2Test, ResultAndMessagesMatchTheSimulatedKeyboard)
{
    const Ps2Row& row = GetParam();
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (*row.scenario != '\0') {
        ASSERT_TRUE(QFile::copy(QStringLiteral(SIMULATOR_PLUGIN), work.filePath("HalvikDiagnosticsDriverService.so")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-%1/i8042-scenario").arg(row.scenario),
                                work.filePath("i8042-scenario")));
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKE_HWKIT_FOLDER));
    environment.insert(QStringLiteral("HALVIK_FAKE_HWKIT_FLAGS"), QStringLiteral("13=1"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CLI_PATH),
                  {QStringLiteral("-Mkeyboard"), QStringLiteral("-Qp"), QStringLiteral("--json"),
                   QStringLiteral("--workdir=") + work.path()});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QByteArray out = process.readAllStandardOutput();
    const QJsonObject root = QJsonDocument::fromJson(out).object();
    const QJsonObject test = root["tests"].toArray()[0].toObject();
    EXPECT_EQ(test["id"].toString(), "10.1.1") << out.toStdString() << process.readAllStandardError().toStdString();
    EXPECT_EQ(test["result"].toInt(), row.result) << out.toStdString();
    EXPECT_EQ(process.exitCode(), row.exitStatus);
    if (*row.message != '\0') {
        bool found = false;
        for (const QJsonValue& message : test["messages"].toArray()) {
            found = found || message.toObject()["key"].toString() == QLatin1String(row.message);
        }
        EXPECT_TRUE(found) << row.message << " in " << out.toStdString();
    }
    if (*row.scenario == '\0') {
        EXPECT_NE(test["note"].toString().indexOf(QLatin1String("driver service not found")), -1)
            << out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keyboards, CliPs2Test,
    ::testing::Values(
        // The simulated machine has no keyboard input device, so the repeat setting cannot be
        // restored: a pass with that warning.
        Ps2Row{"good-keyboard", 5, "PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS", 0},
        Ps2Row{"self-test-fails-fc", 1, "POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", 1},
        Ps2Row{"input-buffer-stuck", 4, "KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE", 3},
        Ps2Row{"", 3, "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED",
               3}),
    [](const ::testing::TestParamInfo<Ps2Row>& info) {
        std::string name = *info.param.scenario != '\0' ? info.param.scenario : "no_driver_service";
        for (char& c : name) {
            if (c == '-') {
                c = '_';
            }
        }
        return name;
    });

} // namespace
