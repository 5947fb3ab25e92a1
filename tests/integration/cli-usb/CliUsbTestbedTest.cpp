// The command-line host on whole machines' USB trees (umockdev testbeds): the keyboards it lists
// with --devices and what the USB keyboard test makes of them.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace {

struct Keyboard {
    int vendorId;
    int productId;
    std::string name; // the "USB_KEYBOARD" value
};

struct Message {
    std::string key;
    int kind;
};

struct TestbedRow {
    const char* state;
    std::vector<Keyboard> keyboards;
    int usbResult;
    std::vector<Message> messages;
};

const char kNotIdentified[] =
    "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED";

struct Outputs {
    QJsonObject devices;
    QJsonObject usbRun;
    int usbExitCode = -1;
};

class CliUsbTestbedTest : public ::testing::TestWithParam<TestbedRow> {
protected:
    // Both commands run inside one umockdev session: setting a testbed up is the slow part.
    Outputs RunInTestbed(const std::string& state)
    {
        const QString testbed = QStringLiteral(FIXTURES_FOLDER "/%1/%1.umockdev").arg(QString::fromStdString(state));
        const QString script = QStringLiteral("\"$0\" -Mkeyboard --devices --json; echo @@@; "
                                              "\"$0\" -Mkeyboard -Qu --json; echo \"@@@$?\"");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // umockdev's preload library comes first, which the address sanitizer would refuse.
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("umockdev-run"),
                      {QStringLiteral("-d"), testbed, QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                       script, QStringLiteral(CLI_PATH)});
        EXPECT_TRUE(process.waitForFinished(300000));
        const QByteArray out = process.readAllStandardOutput();
        Outputs outputs;
        // "devices@@@usb@@@<status>"
        const int first = out.indexOf("@@@");
        const int last = out.lastIndexOf("@@@");
        EXPECT_GT(last, first) << out.toStdString() << process.readAllStandardError().toStdString();
        if (first < 0 || last <= first) {
            return outputs;
        }
        outputs.devices = QJsonDocument::fromJson(out.left(first)).object();
        outputs.usbRun = QJsonDocument::fromJson(out.mid(first + 3, last - first - 3)).object();
        outputs.usbExitCode = out.mid(last + 3).trimmed().toInt();
        return outputs;
    }
};

std::string Property(const QJsonArray& properties, const char* key)
{
    for (const QJsonValue& property : properties) {
        if (property.toObject()["key"].toString() == QLatin1String(key)) {
            return property.toObject()["value"].toString().toStdString();
        }
    }
    return "(absent)";
}

TEST_P(CliUsbTestbedTest, DevicesAndUsbTestMatchTheMachine)
{
    if (QStandardPaths::findExecutable(QStringLiteral("umockdev-run")).isEmpty()) {
        GTEST_SKIP() << "umockdev-run is not installed";
    }
    const TestbedRow& row = GetParam();
    const Outputs outputs = RunInTestbed(row.state);

    const QJsonArray components = outputs.devices["components"].toArray();
    ASSERT_EQ(components.size(), 1);
    const QJsonArray devices = components[0].toObject()["devices"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(devices.size()), row.keyboards.size());
    for (std::size_t index = 0; index < row.keyboards.size(); ++index) {
        const QJsonArray properties = devices[static_cast<int>(index)].toObject()["properties"].toArray();
        const Keyboard& keyboard = row.keyboards[index];
        EXPECT_EQ(Property(properties, "INDEX"), std::to_string(index + 1));
        EXPECT_EQ(Property(properties, "USB_KEYBOARD_VENDOR_ID"), std::to_string(keyboard.vendorId));
        EXPECT_EQ(Property(properties, "USB_KEYBOARD_PRODUCT_ID"), std::to_string(keyboard.productId));
        EXPECT_EQ(Property(properties, "USB_KEYBOARD"), keyboard.name);
        // No firmware facts reach a testbed machine, so no PS/2 entry comes first.
        EXPECT_EQ(Property(properties, "PS2_KEYBOARD"), "(absent)");
    }

    const QJsonObject test = outputs.usbRun["tests"].toArray()[0].toObject();
    EXPECT_EQ(test["id"].toString(), "10.1.2");
    EXPECT_EQ(test["result"].toInt(), row.usbResult);
    const QJsonArray messages = test["messages"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(messages.size()), row.messages.size());
    for (std::size_t index = 0; index < row.messages.size(); ++index) {
        EXPECT_EQ(messages[static_cast<int>(index)].toObject()["key"].toString().toStdString(), row.messages[index].key);
        EXPECT_EQ(messages[static_cast<int>(index)].toObject()["kind"].toInt(), row.messages[index].kind);
    }
    const int expectedStatus = row.usbResult == 0 || row.usbResult == 5 ? 0 : row.usbResult == 1 ? 1 : 3;
    EXPECT_EQ(outputs.usbExitCode, expectedStatus);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, CliUsbTestbedTest,
    ::testing::Values(
        TestbedRow{"usb-no-keyboard", {}, 4, {{kNotIdentified, 0}}},
        TestbedRow{"usb-mouse-only", {}, 4, {{kNotIdentified, 0}}},
        TestbedRow{"usb-boot-keyboard", {{0x3a7c, 0x0101, "[Acme Input - Acme Office Keyboard]"}}, 0, {}},
        TestbedRow{"usb-wireless-receiver", {{0x3b12, 0x52a1, "[Northwind Peripherals - Northwind Nano Receiver]"}}, 0,
                   {}},
        TestbedRow{"usb-superspeed-hub", {{0x3a7c, 0x0102, "[Acme Input - Acme Compact Keyboard]"}}, 0, {}},
        // Absent string descriptors read "-", which the test does not count as missing strings.
        TestbedRow{"usb-keyboard-no-strings", {{0x3b12, 0x0c11, "[- - -]"}}, 0, {}},
        TestbedRow{"usb-vendor-zero",
                   {{0, 0x3825, "[Tallow Devices - ]"}},
                   5,
                   {{"USB_KEYBOARD_VID_FAIL_MESSAGE", 1}, {"USB_KEYBOARD_DEVICE_FAIL_MESSAGE", 1}}},
        TestbedRow{"usb-truncated-descriptors", {{0x3b12, 0x0c12, "[Northwind Peripherals - Northwind Slim Keyboard]"}},
                   0, {}},
        TestbedRow{"usb-large-tree",
                   {{0x3a7c, 0x0101, "[Acme Input - Acme Office Keyboard]"},
                    {0x3b12, 0x52a1, "[Northwind Peripherals - Northwind Nano Receiver]"},
                    {0x3a7c, 0x0104, "[Acme Input - Acme Pro Keyboard]"},
                    {0x3c55, 0x3901, "[Tallow Devices - Tallow Ten-Key Board]"},
                    {0x3b12, 0x6a10, "[Northwind Peripherals - Commutateur KVM \xc3\xa0 2 ports]"}},
                   0,
                   {}}),
    [](const ::testing::TestParamInfo<TestbedRow>& info) {
        std::string name = info.param.state;
        for (char& c : name) {
            if (c == '-') {
                c = '_';
            }
        }
        return name;
    });

} // namespace
