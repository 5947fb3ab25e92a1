// The desktop host on the test's X server: its window and input-request hand-over in this process
// over stand-in tests, and the real HalvikDiagnostics program driven with XTest keys and clicks.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QScreen>
#include <QThread>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <signal.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <numeric>
#include <optional>
#include <set>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <tuple>

#include "DialogEventCounter.h"
#include "EventLoopWait.h"
#include "InputRequestServer.h"
#include "InstalledCatalogue.h"
#include "KeyboardFixture.h"
#include "MainWindow.h"
#include "OutcomeDisplay.h"
#include "StandInLogind.h"
#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "advanced/AdvancedTestWidget.h"
#include "components/KeyboardComponentManager.h"
#include "keycode/AbstractWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/Diagnostic.h"
#include "module/ExecutionContext.h"
#include "module/InputRequest.h"
#include "module/KeyboardResource.h"
#include "module/MessageSink.h"
#include "module/ModuleInterface.h"
#include "module/ProgressReporter.h"
#include "module/Test.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::gui_testing;
using namespace corvo::hosts::gui;

const ObjectId kPs2(10, 1, 1);
const ObjectId kUsb(10, 1, 2);

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Whether every part is in the text, each after the one before.
bool InOrder(const std::string& text, std::initializer_list<const char*> parts)
{
    std::size_t at = 0;
    return std::all_of(parts.begin(), parts.end(), [&](std::string_view part) {
        at = text.find(part, at);
        return at != std::string::npos && (at += part.size()) > 0;
    });
}

// A test whose run is the given function; remembers the thread it ran on.
class ScriptedTest : public Test {
public:
    ScriptedTest(const ObjectId& identifier, std::function<uint32_t(ExecutionContext*)> run, bool asksUser = false)
        : Test(identifier), body(std::move(run)), interactive(asksUser) {}
    bool IsApplicable(SystemComponent*) override { return true; }
    uint32_t Run(ExecutionContext* execution) override
    {
        runThread = QThread::currentThread();
        return body(execution);
    }
    bool IsInteractive() override { return interactive; }

    std::function<uint32_t(ExecutionContext*)> body;
    bool interactive;
    std::atomic<QThread*> runThread{nullptr};
};

// Keys pressed together and released, as a person at the window would, by their XKB names.
void Press(std::initializer_list<const char*> keys)
{
    SyntheticInput input(TestDisplay());
    for (const char* key : keys) {
        input.PressKey(input.KeycodeOf(key));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        input.ReleaseKey(input.KeycodeOf(*key));
    }
    Wait(50);
}

// A dialog that notes what the host hands it, and answers as a broken dialog might.
struct StandInDialog : AbstractWidgetWrapper {
    int32_t Execute(QWidget* hostWindow, QObject* eventFilter, int value) override
    {
        handedOver = {hostWindow, eventFilter, value};
        return -1;
    }
    std::tuple<QWidget*, QObject*, int> handedOver;
};

// The window over the module's resource, its keyboard component on a scripted machine and three
// stand-in tests: the PS/2 one sends a notice, a warning and progress that goes back as the real
// one's does, then waits until the test has looked at the window; the USB one runs until the host
// asks it to stop; the keycode one asks nobody and passes.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Show(); }
    void Show()
    {
        QObject::connect(window.get(), &MainWindow::batchFinished, [this](int status) { batchStatus = status; });
        window->show();
    }

    uint32_t RunPs2(ExecutionContext* execution)
    {
        InputRequest notice =
            InputRequest::Notice("PS2_KEYBOARD_TEST", "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE", execution);
        execution->GetProgressReporter()->RequestInput(notice);
        execution->GetProgressReporter()->ReportProgress(50, std::string());
        execution->GetMessageSink()->AddMessage("PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS", Warning, 0);
        execution->GetProgressReporter()->ReportProgress(100, "PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS");
        execution->GetProgressReporter()->ReportProgress(75, std::string());
        while (!windowChecked && !execution->IsCancelRequested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return PassedWithWarnings;
    }
    uint32_t RunUsb(ExecutionContext* execution)
    {
        for (int step = 0; step < 1000 && !execution->IsCancelRequested(); ++step) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return usbResult = execution->IsCancelRequested() ? Aborted : Passed; // Passed after ten seconds
    }

    template <typename T>
    T* Child(const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
    std::string Log() { return Child<QPlainTextEdit>("log")->toPlainText().toStdString(); }
    // The exit status of the batch, once it has ended; ready for the next.
    int BatchStatus()
    {
        const int status = WaitFor([this] { return batchStatus >= 0; }, 15000) ? batchStatus : -1;
        batchStatus = -1;
        return status;
    }
    // One column of the results table (or another tree), top to bottom.
    QStringList Column(const char* tree, int column)
    {
        QStringList texts;
        for (QTreeWidgetItemIterator item(Child<QTreeWidget>(tree)); *item != nullptr; ++item) {
            texts << (*item)->text(column);
        }
        return texts;
    }

    const InstalledCatalogue catalogue{QStringLiteral(KEYBOARD_QM_FILE)};
    int batchStatus = -1;
    std::atomic<bool> windowChecked{false};
    std::atomic<uint32_t> usbResult{NotRun};
    keyboardtest::ScriptedMachine machine;
    KeyboardComponentManager keyboards{ObjectId(10, 0, 0), machine.Platform()};
    KeyboardResource resource{ObjectId(10, 0, 0)};
    ScriptedTest ps2{kPs2, [this](ExecutionContext* execution) { return RunPs2(execution); }};
    ScriptedTest usb{kUsb, [this](ExecutionContext* execution) { return RunUsb(execution); }};
    ScriptedTest keycode{ObjectId(10, 1, 3), [](ExecutionContext*) -> uint32_t { return Passed; }, true};
    Diagnostic diagnostic{ObjectId(10, 1, 0), {&ps2, &usb, &keycode}};
    ModuleInterface module{{&diagnostic}, &resource, &keyboards};
    const WindowSettings settings{"/nonexistent", "libkeyboard.so", "4.42.0.92", nullptr};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(module, settings);
};

TEST_F(MainWindowTest, SelectedTestRunsWithItsNoticeAndProgressShown)
{
    auto* tests = Child<QTreeWidget>("tests");
    EXPECT_EQ(Column("tests", 0).join('|'), QStringLiteral("PS/2 Keyboard Test|USB Keyboard Test|Keycode Verification Test"));
    EXPECT_TRUE(tests->topLevelItem(1)->text(2).startsWith(QStringLiteral("Checks that every USB keyboard")));
    EXPECT_EQ(tests->selectedItems().size(), 2);
    EXPECT_FALSE(tests->topLevelItem(2)->isSelected()) << "only the automatic tests are chosen at start";
    tests->clearSelection();
    EXPECT_FALSE(Child<QPushButton>("runButton")->isEnabled()) << "nothing selected";
    tests->topLevelItem(0)->setSelected(true);

    Child<QPushButton>("runButton")->click();
    EXPECT_FALSE(window->RunTests({kUsb})) << "one batch at a time";
    auto* notice = Child<QLabel>("notice");
    ASSERT_TRUE(WaitFor([&] { return notice->isVisible() && Contains(Log(), "[ 75%]"); }));
    // The bar keeps the highest value reported; the log keeps every value as it came.
    EXPECT_EQ(Child<QProgressBar>("progress")->value(), 100);
    EXPECT_TRUE(InOrder(Log(), {"[ 50%]\n", "[warning] The keyboard's repeat", "[100%] The keyboard's repeat",
                                "[ 75%]"})) << Log();
    EXPECT_TRUE(notice->text().startsWith(QStringLiteral("<b>PS/2 Keyboard Test</b><br>Please do not touch")))
        << notice->text().toStdString();
    EXPECT_FALSE(Child<QPushButton>("runButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("cancelButton")->isEnabled());
    windowChecked = true;
    EXPECT_EQ(BatchStatus(), 0) << "passed with warnings exits like a pass";

    EXPECT_EQ(Column("results", 0) + Column("results", 1),
              (QStringList{"PS/2 Keyboard Test", "passed with warnings"}));
    EXPECT_EQ(usb.runThread.load(), nullptr) << "not selected";
    EXPECT_FALSE(notice->isVisible()) << "the notice goes with its run";
    EXPECT_TRUE(Child<QPushButton>("runButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("cancelButton")->isEnabled());
}

// A driver service that loads but cannot serve is not shown as ready.
TEST_F(MainWindowTest, DriverServiceThatIsNotReadyIsShownSo)
{
    const MainWindow other(module, {TEST_PLUGIN_FOLDER "/not-ready", "libkeyboard.so", "4.42.0.92", nullptr});
    EXPECT_EQ(other.findChild<QLabel*>(QStringLiteral("driverService"))->text().toStdString(), "Driver service: not ready");
}

TEST_F(MainWindowTest, EscapingExceptionIsAnInternalErrorWithItsText)
{
    usb.body = [](ExecutionContext*) -> uint32_t { throw std::runtime_error("descriptor walk failed"); };
    ASSERT_TRUE(window->RunTests({kUsb}));
    EXPECT_EQ(BatchStatus(), 4);
    EXPECT_TRUE(InOrder(Log(), {"The test stopped with an exception: descriptor walk failed\n",
                                "USB Keyboard Test: internal error (result 6)"})) << Log();
}

TEST_F(MainWindowTest, ClosingTheWindowStopsARunningTest)
{
    ASSERT_TRUE(window->RunTests({kUsb}));
    ASSERT_TRUE(WaitFor([&] { return usb.runThread.load() != nullptr; }));
    window.reset();
    // Passed would mean the test ran its full course: the window waited but never asked it to stop.
    EXPECT_EQ(usbResult.load(), static_cast<uint32_t>(Aborted));
}

// No test of ours asks on the UI thread itself, where a queued call to itself would never run. A
// negative answer and a request without a dialog are both no verdict.
TEST_F(MainWindowTest, RequestsOnTheUiThreadItselfAndANoticeThatDoesNotWait)
{
    auto* server = window->findChild<InputRequestServer*>();
    ASSERT_NE(server, nullptr);
    StandInDialog broken;
    for (AbstractWidgetWrapper* dialog : std::initializer_list<AbstractWidgetWrapper*>{&broken, nullptr}) {
        InputRequest request = InputRequest::Dialog(dialog, "KEYCODE_INPUT_TITLE");
        request.answer = 3;
        server->Serve(request);
        EXPECT_EQ(request.answer, 0u);
    }
    EXPECT_EQ(broken.handedOver, std::make_tuple(static_cast<QWidget*>(window.get()),
                                                 static_cast<QObject*>(window->findChild<DialogEventCounter*>()), 0));

    // This thread runs no events until the worker has returned: a blocking hand-over never would.
    InputRequest notice =
        InputRequest::Notice("PS2_KEYBOARD_TEST", "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE", nullptr);
    notice.answer = 77;
    std::future<void> served = std::async(std::launch::async, [&] { server->Serve(notice); });
    ASSERT_EQ(served.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "the worker was blocked";
    EXPECT_EQ(notice.answer, 77u) << "notices have no answer";
    EXPECT_TRUE(WaitFor([&] { return Child<QLabel>("notice")->isVisible(); }));
}

// Shortcuts as a technician uses them, through the X server: F5 and Ctrl+R run the selected tests,
// Esc cancels, Ctrl+Q quits. Every run stays in the results with a word and a picture of its own.
TEST_F(MainWindowTest, ShortcutsRunCancelAndQuitWhileEveryRunStaysInTheResults)
{
    machine.SetPs2Flag(10);
    machine.usb->controllers = {{fakeusb::DeviceFacts{3, 1, 1, 0x3a7c, 0x0b7a, "Halvik", "Compact Keyboard"}}};
    window->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return window->isActiveWindow(); })) << "the window never got the keyboard";
    windowChecked = true;
    Press({"FK05"});
    ASSERT_TRUE(WaitFor([&] { return usb.runThread.load() != nullptr; })) << "F5 started nothing";
    // Alive for all to see: the elapsed time moves on while the test reports nothing.
    auto* elapsed = Child<QLabel>("elapsed");
    const QString before = elapsed->text();
    EXPECT_TRUE(WaitFor([&] { return elapsed->text() != before; }, 2000)) << before.toStdString();
    Press({"ESC"});
    EXPECT_EQ(BatchStatus(), 3) << "Esc cancelled nothing";
    usb.body = [](ExecutionContext* execution) -> uint32_t {
        execution->GetProgressReporter()->ReportProgress(100, std::string());
        return Passed;
    };
    Press({"LCTL", "AD04"});
    EXPECT_EQ(BatchStatus(), 0) << "Ctrl+R ran nothing";

    EXPECT_EQ(Column("results", 1),
              (QStringList{"passed with warnings", "aborted", "passed with warnings", "passed"}));
    auto* results = Child<QTreeWidget>("results");
    results->setCurrentItem(results->topLevelItem(0));
    EXPECT_TRUE(InOrder(Child<QPlainTextEdit>("resultDetails")->toPlainText().toStdString(),
                        {"PS/2 Keyboard Test: passed with warnings\n", "[warning] The keyboard's repeat"}));
    // The pictures in docs/ come from here: the window after two runs.
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
    EXPECT_TRUE(window->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/gui-host.png")));

    // The session's report holds the four runs, as the report's schema has them.
    QTemporaryDir reports;
    QString error;
    const QString json = reports.filePath("session.json");
    ASSERT_TRUE(window->SaveReport(json, error) && window->SaveReport(reports.filePath("session.html"), error))
        << error.toStdString();
    EXPECT_TRUE(QList<int>({0, 77}).contains(QProcess::execute("python3", {CHECK_REPORT, json})));
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject report = QJsonDocument::fromJson(file.readAll()).object();
    QStringList outcomes;
    for (const QJsonValue test : report["tests"].toArray()) {
        outcomes << test["resultName"].toString() + " " + test["id"].toString();
    }
    EXPECT_EQ(outcomes, (QStringList{"passed with warnings 10.1.1", "aborted 10.1.2", "passed with warnings 10.1.1",
                                     "passed 10.1.2"}));
    EXPECT_EQ(report["tests"][0]["messages"][0]["kindName"], "warning");
    QStringList percents;
    for (const QJsonValue step : report["tests"][0]["progress"].toArray()) {
        percents << QString::number(step["percent"].toInt());
    }
    EXPECT_EQ(percents.join(' '), "50 100 75") << "kept as the test reported them";
    EXPECT_EQ(report["exitStatus"], 3);
    // The notes the window showed at start go into the report too.
    EXPECT_EQ(report["notes"].toArray().size() >= report["systemEvents"]["problems"].toArray().size() &&
                  report["notes"].toArray().contains(report["systemEvents"]["problems"][0]),
              !report["systemEvents"]["problems"].toArray().isEmpty());

    // Told apart without colour: every outcome has its own word, and its icon its own shape of what
    // is drawn (#), light (+) and left clear.
    QStringList words;
    QStringList shapes;
    for (const uint32_t result : {0u, 1u, 2u, 3u, 4u, 5u, 6u}) {
        words << OutcomeDisplay::Text(result);
        const QImage icon = OutcomeDisplay::Icon(result).pixmap(32).toImage();
        shapes << QString();
        for (int pixel = 0; pixel < icon.width() * icon.height(); ++pixel) {
            const QColor colour = icon.pixelColor(pixel % icon.width(), pixel / icon.width());
            shapes.back() += colour.alpha() < 128 ? ' ' : colour.lightness() > 200 ? '+' : '#';
        }
        for (const QString& other : shapes.mid(0, shapes.size() - 1)) {
            // Edges blend into what is behind them: a few pixels apart is still the same shape.
            const auto differing = std::inner_product(other.begin(), other.end(), shapes.back().begin(), 0,
                                                      std::plus<>(), std::not_equal_to<>());
            EXPECT_GT(differing, 40) << "result " << result;
        }
    }
    EXPECT_EQ(words.removeDuplicates(), 0) << words.join('|').toStdString();

    Press({"LCTL", "AD01"});
    EXPECT_TRUE(WaitFor([&] { return !window->isVisible(); })) << "Ctrl+Q did not close the window";
}

// The keyboards are detected again on Ctrl+D and on each run, and never while a test holds them.
// USB ids show in hexadecimal beside the module's decimal, as lsusb writes them. Cancel stops the
// running test and the rest of its batch.
TEST_F(MainWindowTest, DeviceListFollowsTheKeyboardsAndShowsUsbIdsInHexAndCancelStopsTheBatch)
{
    const std::vector<std::tuple<uint16_t, uint16_t, QString, QString>> rows = {
        {0x3a7c, 0x0b7a, "14972 (3a7c)", "2938 (0b7a)"},
        {0x0000, 0xffff, "0 (0000)", "65535 (ffff)"},
        {0x1234, 0x00ab, "4660 (1234)", "171 (00ab)"}};
    window->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return window->isActiveWindow(); }));
    windowChecked = true;
    std::vector<fakeusb::DeviceFacts> plugged;
    for (const auto& [vendor, product, vendorText, productText] : rows) {
        plugged.push_back(fakeusb::DeviceFacts{3, 1, 1, vendor, product});
        machine.usb->controllers = {plugged};
        if (plugged.size() == 1) {
            Press({"LCTL", "AC03"});
        } else if (plugged.size() == 2) {
            ASSERT_TRUE(window->RunTests({kPs2}));
            EXPECT_EQ(BatchStatus(), 0);
        } else {
            ps2.runThread = nullptr;
            ASSERT_TRUE(window->RunTests({kUsb, kPs2}));
            ASSERT_TRUE(WaitFor([&] { return usb.runThread.load() != nullptr; }));
            EXPECT_NE(usb.runThread.load(), QThread::currentThread()) << "tests never run on the UI thread";
            const int walks = machine.usb->walks;
            window->RefreshDevices();
            EXPECT_EQ(machine.usb->walks, walks) << "the running test's device was replaced";
            Child<QPushButton>("cancelButton")->click();
            EXPECT_EQ(BatchStatus(), 3) << "aborted exits as not run";
            EXPECT_TRUE(InOrder(Log(), {"Cancel requested\n", "USB Keyboard Test: aborted (result 4)"})) << Log();
            EXPECT_EQ(ps2.runThread.load(), nullptr) << "not started after the cancel";
        }
        const QStringList values = Column("devices", 1);
        EXPECT_EQ(values.first(), QStringLiteral("%1 found").arg(plugged.size()));
        EXPECT_TRUE(values.contains(vendorText) && values.contains(productText)) << values.join(' ').toStdString();
    }
}

// Stands in for a language whose texts run longer than English, in wider letters, and marks them:
// every text of the window's own must come through it, and still fit.
class LongStandInCatalogue : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        // The module's contexts and Qt's own ("QGuiApplication", ...) have catalogues of their own.
        if (std::string_view(context) == "KEYBOARD" || context[0] == 'Q') {
            return {};
        }
        asked.emplace(context, source, disambiguation != nullptr ? disambiguation : "");
        const QString text = QString::fromUtf8(source);
        return "\u00ab" + text + ' ' + QString(text.size() * 3 / 5, QChar(0x30C6)) + "\u00bb";
    }
    mutable std::set<std::tuple<std::string, std::string, std::string>> asked;
};

TEST_F(MainWindowTest, EveryTextOfTheWindowIsTranslatableAndFits)
{
    window.reset();
    LongStandInCatalogue standIn;
    QCoreApplication::installTranslator(&standIn);
    window = std::make_unique<MainWindow>(module, settings);
    Show();
    windowChecked = true;
    ASSERT_TRUE(window->RunTests({kPs2, kUsb}));
    ASSERT_TRUE(WaitFor([&] { return usb.runThread.load() != nullptr && !Child<QLabel>("elapsed")->text().isEmpty(); }));
    Wait(200);

    QStringList texts{window->windowTitle()};
    for (const QAction* action : window->findChildren<QAction*>()) {
        texts << action->text();
    }
    for (const QTreeWidget* tree : window->findChildren<QTreeWidget*>()) {
        for (int column = 0; column < tree->columnCount(); ++column) {
            texts << tree->headerItem()->text(column);
        }
    }
    texts << Column("tests", 1) << Column("devices", 1).first() << Column("results", 1) << Column("results", 3);
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) {
        texts << box->title();
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        texts << button->text();
    }
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        // The diagnostic and the running test are named in the module's words.
        if (!QStringList{"diagnosticName", "diagnosticDescription", "currentTest", "notice"}.contains(label->objectName())) {
            texts << label->text();
        }
        const QSize needed = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                               : label->sizeHint();
        if (label->isVisible() && (needed.width() > label->width() || needed.height() > label->height())) {
            clipped << label->text();
        }
    }
    const QStringList english = texts.filter(QRegularExpression(QStringLiteral("^[^\u00ab]+$")));
    EXPECT_TRUE(english.isEmpty()) << "not translatable: " << english.join(" | ").toStdString();
    EXPECT_TRUE(clipped.isEmpty()) << "clipped: " << clipped.join(" | ").toStdString();
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry())) << "wider than the screen";

    // The catalogue built for the host holds every text the window asked for.
    QTranslator hostCatalogue;
    ASSERT_TRUE(hostCatalogue.load(QStringLiteral(HOST_QM_FILE)));
    for (const auto& [context, source, disambiguation] : standIn.asked) {
        EXPECT_FALSE(hostCatalogue.translate(context.c_str(), source.c_str(), disambiguation.c_str(), 1).isEmpty())
            << context << ": " << source;
    }
    Child<QPushButton>("cancelButton")->click();
    EXPECT_EQ(BatchStatus(), 3);
}

// The real program in a working folder of its own (config.ini and the driver service are read
// there), with a firmware that reports a PS/2 keyboard so that every test finds a keyboard.
class HostProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid() &&
                    QFile::setPermissions(m_work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // The i8042 simulator as the driver service, playing the keyboard of a fixture.
    void InstallSimulator(const char* scenario)
    {
        const QString service = m_work.filePath("HalvikDiagnosticsDriverService.so");
        ASSERT_TRUE(QFile::copy(QStringLiteral(SIMULATOR_PLUGIN), service));
        ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-%1/i8042-scenario").arg(scenario),
                                m_work.filePath("i8042-scenario")));
    }
    void Start(const char* program, QStringList arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(TestDisplay()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKE_HWKIT_FOLDER));
        environment.insert(QStringLiteral("HALVIK_FAKE_HWKIT_FLAGS"), QStringLiteral("9=1,13=1"));
        if (!m_systemBus.isEmpty()) {
            environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus);
        }
        // Read only by sanitizer builds; the exit status is what the tests check.
        const QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
        environment.insert(QStringLiteral("LSAN_OPTIONS"), (leakOptions.isEmpty() ? QString() : leakOptions + ':') +
                                                               QStringLiteral("suppressions=" HOST_LSAN_SUPPRESSIONS));
        m_process.setProcessEnvironment(environment);
        m_out = m_err = std::string();
        if (arguments.filter(QStringLiteral("--workdir")).isEmpty()) {
            arguments.prepend(QStringLiteral("--workdir=") + m_work.path());
        }
        m_process.start(QString::fromUtf8(program), arguments);
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }
    int Finish()
    {
        // The program may have ended while this process waited in its own event loop.
        EXPECT_TRUE(m_process.state() == QProcess::NotRunning || m_process.waitForFinished(120000)) << "no exit";
        m_out += m_process.readAllStandardOutput().toStdString();
        m_err += m_process.readAllStandardError().toStdString();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    QTemporaryDir m_work;
    QString m_systemBus;
    QProcess m_process;
    std::string m_out;
    std::string m_err;
};

TEST_F(HostProcessTest, CommandLinesAnsweredBeforeAnyWindow)
{
    // Arguments, exit status, and what standard output (status 0) or standard error says.
    const std::vector<std::tuple<QStringList, int, std::vector<const char*>>> rows = {
        // Qt's own options are left to QApplication.
        {{"-h", "-platform", "xcb", "-reverse"}, 0, {"--run <tests>", "--exit-when-done", "--module-path=", "  3  no"}},
        {{"--version"}, 0, {"HalvikDiagnostics 4.42.0.92\nmodule ", "libkeyboard.so 4.42.0.92"}},
        {{"--run", "p,bogus", "--exit-when-done"}, 2, {"unknown test 'bogus' (known: p/ps2, u/usb"}},
        {{"--run"}, 2, {"option --run needs a value"}},
        {{"--run=", "--exit-when-done"}, 2, {"option --run needs a value"}},
        {{"--quick"}, 2, {"unknown option '--quick'"}},
        {{"stray"}, 2, {"unexpected argument 'stray'"}},
        {{"--exit-when-done"}, 2, {"--exit-when-done needs tests to run: add --run <tests>"}},
        // Values after "=" or as the next argument.
        {{"--module-path", "/none/m.so", "--run", "u", "--exit-when-done"}, 4, {"cannot load module /none/m.so"}},
        {{"--run=u", "--workdir", "/none/w", "--exit-when-done"}, 4, {"cannot use working folder /none/w"}}};
    for (const auto& [arguments, exitCode, parts] : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        Start(HOST_PATH, arguments);
        EXPECT_EQ(Finish(), exitCode) << m_err;
        for (const char* part : parts) {
            EXPECT_TRUE(Contains(exitCode == 0 ? m_out : m_err, part)) << part << " in " << m_out << m_err;
        }
        if (exitCode == 2) {
            EXPECT_TRUE(Contains(m_err, "Usage: HalvikDiagnostics [options]")) << m_err;
            EXPECT_EQ(m_out, "");
        }
    }
}

// The program finds the window's catalogue beside the module's: a missing one is a warning.
TEST_F(HostProcessTest, FailingPs2KeyboardIsNamedAsTheSuspect)
{
    InstallSimulator("self-test-fails-fc");
    Start(HOST_PATH, {QStringLiteral("--run=p"), QStringLiteral("--exit-when-done")});
    EXPECT_EQ(Finish(), 1) << m_out << m_err;
    EXPECT_FALSE(Contains(m_err, "warning")) << m_err;
    // The hint follows a failed run only, as information and then as full progress.
    EXPECT_TRUE(InOrder(m_out, {"[info] Possible defective components: Keyboard\n",
                                "[100%] Possible defective components: Keyboard\n",
                                "PS/2 Keyboard Test: failed (result 1)"})) << m_out << m_err;
}

// The viewable top-level windows on the test's server, as the other process placed them.
std::vector<QRect> ViewableWindows()
{
    xcb_connection_t* connection = xcb_connect(TestDisplay().c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    std::vector<QRect> windows;
    if (xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr)) {
        for (int child = 0; child < xcb_query_tree_children_length(tree); ++child) {
            const xcb_window_t window = xcb_query_tree_children(tree)[child];
            auto* attributes =
                xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
            auto* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
            if (attributes != nullptr && geometry != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE) {
                windows.emplace_back(geometry->x, geometry->y, geometry->width, geometry->height);
            }
            std::free(attributes);
            std::free(geometry);
        }
        std::free(tree);
    }
    xcb_disconnect(connection);
    return windows;
}

// Where the other process's dialog is on the screen: the one viewable top-level window of its size.
std::optional<QPoint> DialogOrigin(QSize size)
{
    for (const QRect& window : ViewableWindows()) {
        if (window.size() == size) {
            return window.topLeft();
        }
    }
    return std::nullopt;
}

// The size of a dialog and the centre of its Yes button: the same dialog laid out in this process,
// with the same texts.
template <typename Dialog>
std::pair<QSize, QPoint> LayoutOf(const char* yesButton)
{
    const InstalledCatalogue catalogue(QStringLiteral(KEYBOARD_QM_FILE));
    Dialog dialog(nullptr, nullptr, nullptr, 0);
    dialog.show();
    Wait(100);
    auto* button = dialog.template findChild<QPushButton*>(yesButton);
    return {dialog.size(), button != nullptr ? button->mapTo(&dialog, button->rect().center()) : QPoint()};
}

TEST_F(HostProcessTest, AllFourTestsInOneSessionWithBothDialogsAnsweredByKeysAndClicks)
{
    // The PS/2 test against the simulated controller, the USB test on this machine, then both
    // dialogs answered as a technician would.
    InstallSimulator("good-keyboard");
    const auto [keycodeSize, keycodeYes] = LayoutOf<WinKeycodeTestWidget>("keycode_test_button_yes");
    const auto [advancedSize, advancedYes] = LayoutOf<AdvancedTestWidget>("keyboard_advanced_test_button_yes");
    ASSERT_FALSE(keycodeYes.isNull() || advancedYes.isNull());
    SyntheticInput input(TestDisplay());
    ASSERT_TRUE(input.IsConnected());
    ASSERT_EQ(std::system(("setxkbmap -display " + TestDisplay() + " us").c_str()), 0);

    // Keys first, each in a tick of its own even on a busy machine, then Yes where the dialog
    // finally is: the window may be placed again as the dialog starts.
    const auto answer = [&](QSize size, QPoint yes, std::initializer_list<const char*> keys) {
        const auto shown = [&] { return input.IsKeyboardGrabbedElsewhere() && DialogOrigin(size).has_value(); };
        ASSERT_TRUE(WaitFor([&] { return shown() || m_process.state() == QProcess::NotRunning; }, 120000) && shown())
            << "no dialog of " << size.width() << "x" << size.height() << " took the keyboard\n"
            << m_out + m_process.readAllStandardOutput().toStdString();
        for (const char* key : keys) {
            input.PressKey(input.KeycodeOf(key));
            Wait(70);
            input.ReleaseKey(input.KeycodeOf(key));
            Wait(250);
        }
        const std::optional<QPoint> origin = DialogOrigin(size);
        ASSERT_TRUE(origin.has_value());
        input.MovePointer(origin->x() + yes.x(), origin->y() + yes.y());
        input.PressButton(1);
        input.ReleaseButton(1);
    };
    Start(HOST_PATH, {QStringLiteral("--run=p,u,k,a"), QStringLiteral("--exit-when-done")});
    answer(keycodeSize, keycodeYes, {"AC01", "AC02"});
    ASSERT_FALSE(HasFatalFailure());
    answer(advancedSize, advancedYes, {"AC01", "AC02", "AC03"});
    const int status = Finish();
    // The type-2 request is a notice, translated; the host's filter counts the events of the keys
    // each dialog showed, afresh for each dialog.
    EXPECT_TRUE(InOrder(m_out, {"[notice] PS/2 Keyboard Test: Please do not touch",
                                // A finding names the keyboard it is about.
                                "[warning] The keyboard's repeat delay and rate could not be restored. (Keyboard 1: PS/2)\n",
                                "PS/2 Keyboard Test: passed with warnings (result 5)", "Starting USB Keyboard Test\n",
                                "\nUSB Keyboard Test: ", "[dialog] Keycode Verification: opened\n",
                                "Keycode Verification: closed with 3 (yes), keys shown: 2\n",
                                "Keycode Verification Test: passed (result 0)",
                                "Advanced Keyboard Test: closed with 3 (yes), keys shown: 3\n",
                                "Advanced Test: passed (result 0)"})) << m_out << m_err;
    // The other three pass: what the USB test makes of this machine decides the status.
    const bool usbFailed = Contains(m_out, "USB Keyboard Test: failed");
    EXPECT_EQ(status, Contains(m_out, "USB Keyboard Test: passed") ? 0 : usbFailed ? 1 : 3) << m_out;
    EXPECT_TRUE(usbFailed || !Contains(m_out, "Possible defective")) << m_out;
}

// A termination signal closes the window as its close button does: the running test is asked to
// stop, and one stuck in a call of its driver service is given up, so that the program still ends.
TEST_F(HostProcessTest, TerminationSignalEndsTheProgramEvenWithATestThatIsStuck)
{
    ASSERT_TRUE(QFile::copy(TEST_PLUGIN_FOLDER "/hangs/HalvikDiagnosticsDriverService.so",
                            m_work.filePath("HalvikDiagnosticsDriverService.so")));
    Start(HOST_PATH, {QStringLiteral("--run=p,u"), QStringLiteral("--exit-when-done")});
    for (int wait = 0; wait < 300 && !Contains(m_err, "hanging"); ++wait) {
        m_process.waitForReadyRead(100);
        m_err += m_process.readAllStandardError().toStdString();
    }
    ASSERT_EQ(kill(static_cast<pid_t>(m_process.processId()), SIGTERM), 0);
    EXPECT_EQ(Finish(), 3) << m_out << m_err;
    EXPECT_TRUE(InOrder(m_out, {"Stopping the running test before closing\n",
                                "The test did not stop within 5 s of the cancel request and was given up\n",
                                "PS/2 Keyboard Test: aborted (result 4)\n"})) << m_out;
    EXPECT_FALSE(Contains(m_out, "Starting USB")) << m_out;
}

// The login manager announces a suspend while the advanced dialog waits for its verdict: the dialog
// goes within a second, with no verdict, and the log says why.
TEST_F(HostProcessTest, SuspendClosesAnOpenDialogWithoutAVerdict)
{
    corvo::testing::StandInLogind logind;
    m_systemBus = logind.Address();
    ASSERT_FALSE(m_systemBus.isEmpty()) << "no private bus with the stand-in on it";
    const QSize size = LayoutOf<AdvancedTestWidget>("keyboard_advanced_test_button_yes").first;
    SyntheticInput input(TestDisplay());
    Start(HOST_PATH, {QStringLiteral("--run=a"), QStringLiteral("--exit-when-done")});
    const auto shown = [&] { return input.IsKeyboardGrabbedElsewhere() && DialogOrigin(size).has_value(); };
    ASSERT_TRUE(WaitFor([&] { return shown() || m_process.state() == QProcess::NotRunning; }, 60000) && shown());
    logind.PrepareForSleep(true);
    EXPECT_TRUE(WaitFor([&] { return !DialogOrigin(size).has_value(); }, 1000)) << "the dialog is still open";
    EXPECT_EQ(Finish(), 3) << m_out << m_err;
    EXPECT_TRUE(Contains(m_out, "System event: the system is about to suspend\n")) << m_out;
    EXPECT_TRUE(InOrder(m_out, {"Advanced Keyboard Test: closed with 0 (no verdict)",
                                "Advanced Test: aborted (result 4)"})) << m_out << m_err;
}

} // namespace
