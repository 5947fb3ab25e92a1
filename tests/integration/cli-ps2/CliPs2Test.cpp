// The command-line host running the PS/2 test end to end: the real module loading the simulator
// plug-in and the scenario beside it from its working folder (or, as root, refusing a plug-in that
// others can write), with the fake platform library swapped in for a virtual clock.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

const char kNotIdentified[] =
    "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED";

TEST(CliPs2Test, ResultMessagesAndExitStatusFollowTheSimulatedKeyboard)
{
    // The simulated machine has no keyboard input device, so the repeat setting cannot be restored.
    const struct {
        const char* scenario; // empty: no driver service in the working folder
        bool othersCanWrite;  // the plug-in, which a root process then refuses to load
        int result;
        const char* message; // a key the run must have sent
        int exitStatus;
        const char* note;
    } rows[] = {
        {"good-keyboard", false, 5, "PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS", 0, ""},
        {"self-test-fails-fc", false, 1, "POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", 1, ""},
        {"input-buffer-stuck", false, 4, "KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE", 3, ""},
        {"", false, 3, kNotIdentified, 3, "driver service not found"},
        {"good-keyboard", true, 3, kNotIdentified, 3, "is writable by group or others"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.scenario) + (row.othersCanWrite ? " writable by others" : ""));
        if (row.othersCanWrite && geteuid() != 0) {
            continue; // only root refuses such a plug-in
        }
        QTemporaryDir work;
        ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (*row.scenario != '\0') {
            const QString plugin = work.filePath("HalvikDiagnosticsDriverService.so");
            ASSERT_TRUE(QFile::copy(SIMULATOR_PLUGIN, plugin));
            const auto othersWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther;
            ASSERT_TRUE(!row.othersCanWrite || QFile::setPermissions(plugin, othersWrite));
            ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-%1/i8042-scenario").arg(row.scenario),
                                    work.filePath("i8042-scenario")));
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LD_LIBRARY_PATH", FAKE_HWKIT_FOLDER);
        environment.insert("HALVIK_FAKE_HWKIT_FLAGS", "13=1");
        process.setProcessEnvironment(environment);
        process.start(CLI_PATH, {"-Mkeyboard", "-Qp", "--json", "--workdir=" + work.path()});
        ASSERT_TRUE(process.waitForFinished(120000));
        const QByteArray out = process.readAllStandardOutput();
        const QJsonObject test = QJsonDocument::fromJson(out).object()["tests"].toArray()[0].toObject();
        EXPECT_EQ(test["result"].toInt(), row.result) << out.toStdString() << process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitCode(), row.exitStatus);
        EXPECT_TRUE(out.contains(QByteArray("\"key\": \"") + row.message + '"')) << row.message << out.toStdString();
        EXPECT_TRUE(test["note"].toString().contains(QLatin1String(row.note))) << out.toStdString();
    }
}

} // namespace
