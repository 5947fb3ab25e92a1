// The desktop host's window over a stand-in module: translated names, notices, cancel, results.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <chrono>
#include <thread>

#include "HostTestDoubles.h"
#include "InputRequestServer.h"
#include "MainWindow.h"
#include "MessageTranslator.h"
#include "TestRunController.h"
#include "module/Diagnostic.h"
#include "module/InputRequest.h"
#include "module/ModuleInterface.h"
#include "module/ProgressReporter.h"
#include "module/Resource.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::gui_testing;
using corvo::hosts::gui::MainWindow;
using corvo::hosts::gui::WindowSettings;

const ObjectId kDiagnostic(10, 1, 0);
const ObjectId kPs2Test(10, 1, 1);
const ObjectId kUsbTest(10, 1, 2);

class StandInResource : public Resource {
public:
    StandInResource() : Resource(ObjectId(10, 0, 0))
    {
        m_testNames.emplace(kPs2Test, CommandNameEntry{"p", "ps2", 0});
        m_testNames.emplace(kUsbTest, CommandNameEntry{"u", "usb", 0});
    }
    std::string GetDiagnosticName(const ObjectId&) override { return "QUICK_KEYBOARD"; }
    std::string GetTestName(const ObjectId& identifier) override
    {
        return identifier == kPs2Test ? "PS2_KEYBOARD_TEST" : "USB_KEYBOARD_TEST";
    }
    std::string GetDiagnosticDescription(const ObjectId&) override { return "QUICK_KEYBOARD_TESTS_TOOLTIP"; }
    std::string GetTestDescription(const ObjectId& identifier) override
    {
        return identifier == kPs2Test ? "PS2_KEYBOARD_TEST_DESCRIPTION" : "USB_KEYBOARD_TEST_DESCRIPTION";
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static corvo::hosts::MessageTranslator translator;
        const std::string file = KEYBOARD_QM_FILE;
        ASSERT_TRUE(translator.Install("en_US", {file.substr(0, file.rfind('/'))}));
    }

    MainWindowTest()
        : ps2(kPs2Test, [this](ExecutionContext* execution) { return RunPs2(execution); })
        , usb(kUsbTest, [this](ExecutionContext* execution) { return RunUsb(execution); })
        , diagnostic(kDiagnostic, {&ps2, &usb})
        , module({&diagnostic}, &resource, nullptr)
    {
    }

    // Sends the notice the PS/2 test sends, then waits until the test has looked at the window.
    uint32_t RunPs2(ExecutionContext* execution)
    {
        InputRequest notice =
            InputRequest::Notice("PS2_KEYBOARD_TEST", "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE", execution);
        execution->GetProgressReporter()->RequestInput(notice);
        execution->GetProgressReporter()->ReportProgress(40, std::string());
        while (!windowChecked.load() && !execution->IsCancelRequested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        execution->GetProgressReporter()->ReportProgress(100, std::string());
        return PassedWithWarnings;
    }

    uint32_t RunUsb(ExecutionContext* execution)
    {
        usbStarted = true;
        while (!execution->IsCancelRequested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return Aborted;
    }

    template <typename T>
    T* Child(MainWindow& window, const char* name)
    {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    std::atomic<bool> windowChecked{false};
    std::atomic<bool> usbStarted{false};
    StandInResource resource;
    ScriptedTest ps2;
    ScriptedTest usb;
    Diagnostic diagnostic;
    ModuleInterface module;
    WindowSettings settings{"/nonexistent", "libkeyboard.so", "4.42.0.92", nullptr};
};

TEST_F(MainWindowTest, ListsTheTestsByTranslatedNameAndDescription)
{
    MainWindow window(module, settings);
    window.show();
    auto* tests = Child<QTreeWidget>(window, "tests");
    ASSERT_EQ(tests->topLevelItemCount(), 2);
    EXPECT_EQ(tests->topLevelItem(0)->text(0), QStringLiteral("PS/2 Keyboard Test"));
    EXPECT_EQ(tests->topLevelItem(1)->text(0), QStringLiteral("USB Keyboard Test"));
    EXPECT_FALSE(tests->topLevelItem(1)->text(2).isEmpty());
    EXPECT_NE(tests->topLevelItem(1)->text(2), QStringLiteral("USB_KEYBOARD_TEST_DESCRIPTION")) << "translated";
    EXPECT_EQ(Child<QTreeWidget>(window, "devices")->topLevelItemCount(), 0) << "no component manager";
}

TEST_F(MainWindowTest, NoticeIsShownWhileTheTestRunsAndTheResultLineFollows)
{
    MainWindow window(module, settings);
    window.show();
    QSignalSpy batch(&window, &MainWindow::batchFinished);
    ASSERT_TRUE(window.RunTests({kPs2Test}));
    auto* notice = Child<QLabel>(window, "notice");
    ASSERT_TRUE(ProcessEventsUntil([&] { return notice->isVisible(); }, 5000));
    EXPECT_TRUE(notice->text().contains(QStringLiteral("PS/2 Keyboard Test"))) << notice->text().toStdString();
    EXPECT_FALSE(notice->text().contains(QStringLiteral("KEYBOARD_AVOID_USER_INTERVATION_MESSAGE")));
    EXPECT_TRUE(ProcessEventsUntil([&] { return Child<QProgressBar>(window, "progress")->value() == 40; }, 5000));
    EXPECT_FALSE(Child<QPushButton>(window, "runButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(window, "cancelButton")->isEnabled());
    windowChecked = true;

    ASSERT_TRUE(ProcessEventsUntil([&] { return batch.count() == 1; }, 5000));
    EXPECT_EQ(batch.at(0).at(0).toInt(), 0) << "passed with warnings exits like a pass";
    auto* results = Child<QListWidget>(window, "results");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("PS/2 Keyboard Test: passed with warnings (result 5)"));
    EXPECT_FALSE(notice->isVisible()) << "the notice goes with its run";
    EXPECT_TRUE(Child<QPlainTextEdit>(window, "log")->toPlainText().contains(QStringLiteral("[notice] PS/2 Keyboard Test: ")));
    EXPECT_TRUE(Child<QPushButton>(window, "runButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(window, "cancelButton")->isEnabled());
}

TEST_F(MainWindowTest, CancelButtonStopsTheRunningTestAndTheRestOfTheBatch)
{
    MainWindow window(module, settings);
    window.show();
    QSignalSpy batch(&window, &MainWindow::batchFinished);
    ASSERT_TRUE(window.RunTests({kUsbTest, kPs2Test}));
    ASSERT_TRUE(ProcessEventsUntil([&] { return usbStarted.load(); }, 5000));
    Child<QPushButton>(window, "cancelButton")->click();
    ASSERT_TRUE(ProcessEventsUntil([&] { return batch.count() == 1; }, 5000));
    EXPECT_EQ(batch.at(0).at(0).toInt(), 3) << "aborted exits as not run";
    auto* results = Child<QListWidget>(window, "results");
    ASSERT_EQ(results->count(), 1) << "the PS/2 test was not started after the cancel";
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("USB Keyboard Test: aborted (result 4)"));
    EXPECT_EQ(ps2.runThread.load(), nullptr);
}

TEST_F(MainWindowTest, RunButtonRunsTheSelectedTests)
{
    MainWindow window(module, settings);
    window.show();
    QSignalSpy batch(&window, &MainWindow::batchFinished);
    auto* tests = Child<QTreeWidget>(window, "tests");
    tests->clearSelection();
    EXPECT_FALSE(Child<QPushButton>(window, "runButton")->isEnabled()) << "nothing selected";
    tests->topLevelItem(0)->setSelected(true);
    windowChecked = true;
    Child<QPushButton>(window, "runButton")->click();
    ASSERT_TRUE(ProcessEventsUntil([&] { return batch.count() == 1; }, 5000));
    EXPECT_EQ(batch.at(0).at(0).toInt(), 0);
    EXPECT_NE(ps2.runThread.load(), nullptr);
    EXPECT_EQ(usb.runThread.load(), nullptr);
}

} // namespace
