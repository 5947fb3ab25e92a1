// Layout and behaviour of the desktop host's window.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <utility>

#include "DialogEventCounter.h"
#include "DriverServiceState.h"
#include "KeyInputState.h"
#include "InputRequestServer.h"
#include "MessageTranslator.h"
#include "OutcomeDisplay.h"
#include "Ps2Readiness.h"
#include "SessionReport.h"
#include "SessionResultsView.h"
#include "SystemEventMonitor.h"
#include "TestOutcome.h"
#include "TestRunController.h"
#include "UdevKeyboardWatch.h"
#include "module/DeviceEntry.h"
#include "module/Diagnostic.h"
#include "module/ModuleInterface.h"
#include "module/Resource.h"
#include "module/SystemComponent.h"
#include "module/SystemComponentManager.h"
#include "module/Test.h"
#include "module/TestResult.h"
#include "platform/MachineInventory.h"

namespace corvo::hosts::gui {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;
constexpr int kInteractiveRole = Qt::UserRole + 1;
// Long enough that a healthy test has reported again; a keyboard that never answers makes the PS/2
// test wait minutes at one value.
constexpr qint64 kQuietMs = 10000;

// The driver service's port-access answers, in the few words the status bar has room for.
constexpr std::pair<const char*, const char*> kServiceStates[] = {
    {"needs-root", QT_TRANSLATE_NOOP("corvo::hosts::gui::MainWindow", "needs root")},
    {"kernel-lockdown", QT_TRANSLATE_NOOP("corvo::hosts::gui::MainWindow", "kernel lockdown")},
    {"no-controller", QT_TRANSLATE_NOOP("corvo::hosts::gui::MainWindow", "no keyboard controller")},
    {"kernel-refused", QT_TRANSLATE_NOOP("corvo::hosts::gui::MainWindow", "refused by the kernel")},
};

QString Translated(const std::string& key) { return QString::fromStdString(MessageTranslator::Translate(key)); }
QString Translated(const QString& key) { return Translated(key.toStdString()); }

// "1:05": minutes and seconds, as a stopwatch shows them.
QString ClockText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// lsusb and the kernel's log write USB ids as four hexadecimal digits; the module gives decimal.
QString WithHexadecimal(const std::string& decimal)
{
    bool number = false;
    const uint value = QString::fromStdString(decimal).toUInt(&number, 10);
    if (!number || value > 0xFFFF) {
        return QString::fromStdString(decimal);
    }
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(decimal)).arg(value, 4, 16, QLatin1Char('0'));
}

} // namespace

MainWindow::MainWindow(ModuleInterface& module, WindowSettings settings, QWidget* parent)
    : QMainWindow(parent)
    , m_module(module)
    , m_settings(std::move(settings))
{
    m_resource = m_module.GetResource();
    m_diagnostic = m_module.GetDiagnosticCount() > 0 ? m_module.GetDiagnostic(0) : nullptr;

    m_eventCounter = new DialogEventCounter(this);
    m_server = new InputRequestServer(this, m_eventCounter, this);
    m_systemEvents = std::make_unique<SystemEventMonitor>();
    m_runner = new TestRunController(*m_server, m_systemEvents.get(), this);

    BuildUi();
    BuildMenus();
    BuildStatusBar();
    FillTests();
    FillDevices();
    WatchScreens();
    WatchKeyboards();
    for (const std::string& problem : m_systemEvents->Problems()) {
        Log(tr("System events: %1").arg(QString::fromStdString(problem)));
    }

    connect(m_runner, &TestRunController::messageReceived, this, &MainWindow::OnMessage);
    connect(m_runner, &TestRunController::progressReported, this, &MainWindow::OnProgress);
    connect(m_runner, &TestRunController::finished, this, &MainWindow::OnFinished);
    connect(m_runner, &TestRunController::systemEventRaised, this,
            [this](const QString& description) { Log(tr("System event: %1").arg(description)); });
    connect(m_server, &InputRequestServer::noticeRequested, this, &MainWindow::OnNotice);
    connect(m_server, &InputRequestServer::dialogStarted, this, [this](const QString& title) {
        m_eventCounter->Reset();
        m_dialogOpen = true;
        Log(tr("[dialog] %1: opened").arg(Translated(title)));
    });
    connect(m_server, &InputRequestServer::dialogFinished, this, [this](const QString& title, int answer) {
        m_dialogOpen = false;
        const QString answerName = answer == 3 ? tr("yes") : answer == 4 ? tr("no") : tr("no verdict");
        Log(tr("[dialog] %1: closed with %2 (%3), keys shown: %4")
                .arg(Translated(title))
                .arg(answer)
                .arg(answerName)
                .arg(m_eventCounter->Count()));
    });
    connect(m_eventCounter, &DialogEventCounter::countChanged, this,
            [this](int count) { m_dialogEvents->setText(tr("Keys shown in dialog: %1").arg(count)); });
}

MainWindow::~MainWindow()
{
    // The runner waits for a running test; it must go while the server and counter still exist.
    delete m_runner;
    m_runner = nullptr;
}

const std::vector<TestRunRecord>& MainWindow::Results() const { return m_results->Records(); }

void MainWindow::BuildUi()
{
    setWindowTitle(tr("Halvik Diagnostics"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 12, 12, 8);
    layout->setSpacing(8);

    // Texts of any length wrap here, so a long folder or a long translation never pushes the window
    // wider than the screen.
    m_title = new QLabel(central);
    m_title->setObjectName(QStringLiteral("diagnosticName"));
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setWordWrap(true);
    m_description = new QLabel(central);
    m_description->setObjectName(QStringLiteral("diagnosticDescription"));
    m_description->setWordWrap(true);
    auto* folder = new QLabel(tr("Working folder: %1").arg(QString::fromStdString(m_settings.workDirectory)), central);
    folder->setObjectName(QStringLiteral("workFolder"));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* version = new QLabel(tr("Module %1").arg(QString::fromStdString(m_settings.moduleVersion)), central);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version->setToolTip(QString::fromStdString(m_settings.modulePath));
    auto* header = new QHBoxLayout;
    auto* headerText = new QVBoxLayout;
    headerText->addWidget(m_title);
    headerText->addWidget(m_description);
    headerText->addWidget(folder);
    header->addLayout(headerText, 1);
    header->addWidget(version);
    layout->addLayout(header);

    // Tests and devices above, the run's log and results below; the user may move the border.
    auto* rows = new QSplitter(Qt::Vertical, central);
    rows->setChildrenCollapsible(false);
    auto* splitter = new QSplitter(Qt::Horizontal, rows);
    auto* testsBox = new QGroupBox(tr("Tests"), splitter);
    auto* testsLayout = new QVBoxLayout(testsBox);
    m_tests = new QTreeWidget(testsBox);
    m_tests->setObjectName(QStringLiteral("tests"));
    m_tests->setHeaderLabels({tr("Test"), tr("Kind"), tr("Description")});
    m_tests->setRootIsDecorated(false);
    m_tests->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tests->setWordWrap(true);
    testsLayout->addWidget(m_tests);
    auto* devicesBox = new QGroupBox(tr("Devices"), splitter);
    auto* devicesLayout = new QVBoxLayout(devicesBox);
    m_devices = new QTreeWidget(devicesBox);
    m_devices->setObjectName(QStringLiteral("devices"));
    m_devices->setHeaderLabels({tr("Property"), tr("Value")});
    devicesLayout->addWidget(m_devices);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    rows->addWidget(splitter);

    m_notice = new QLabel(central);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setMargin(8);
    m_notice->setStyleSheet(QStringLiteral("QLabel#notice { background: #fff4ce; color: #3b2f00; border: 1px solid #e0c36a; }"));
    m_notice->hide();

    auto* controls = new QHBoxLayout;
    m_runButton = new QPushButton(tr("Run"), central);
    m_runButton->setObjectName(QStringLiteral("runButton"));
    m_runButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), central);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_currentTest = new QLabel(central);
    m_currentTest->setObjectName(QStringLiteral("currentTest"));
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setMinimumWidth(160);
    m_elapsed = new QLabel(central);
    m_elapsed->setObjectName(QStringLiteral("elapsed"));
    controls->addWidget(m_runButton);
    controls->addWidget(m_cancelButton);
    controls->addSpacing(12);
    controls->addWidget(m_currentTest);
    controls->addWidget(m_progress, 1);
    controls->addWidget(m_elapsed);

    // The run pane: notice, controls and progress over the log and the session's results.
    auto* runPane = new QWidget(rows);
    auto* runLayout = new QVBoxLayout(runPane);
    runLayout->setContentsMargins(0, 4, 0, 0);
    runLayout->addWidget(m_notice);
    runLayout->addLayout(controls);
    auto* lower = new QSplitter(Qt::Horizontal, runPane);
    runLayout->addWidget(lower, 1);
    auto* logBox = new QGroupBox(tr("Log"), lower);
    auto* logLayout = new QVBoxLayout(logBox);
    m_log = new QPlainTextEdit(logBox);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    logLayout->addWidget(m_log);
    auto* resultsBox = new QGroupBox(tr("Results"), lower);
    auto* resultsLayout = new QVBoxLayout(resultsBox);
    m_results = new SessionResultsView(resultsBox);
    resultsLayout->addWidget(m_results);
    lower->setStretchFactor(0, 1);
    lower->setStretchFactor(1, 1);
    rows->addWidget(runPane);
    rows->setStretchFactor(0, 2);
    rows->setStretchFactor(1, 3);
    rows->setSizes({200, 380});
    layout->addWidget(rows, 1);

    setCentralWidget(central);

    connect(m_runButton, &QPushButton::clicked, this, &MainWindow::OnRunClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &MainWindow::OnCancelClicked);
    connect(m_tests, &QTreeWidget::itemSelectionChanged, this, &MainWindow::UpdateActions);
    connect(m_tests, &QTreeWidget::itemDoubleClicked, this, [this] { OnRunClicked(); });

    m_ticker = new QTimer(this);
    m_ticker->setInterval(500);
    connect(m_ticker, &QTimer::timeout, this, &MainWindow::ShowElapsed);
    resize(1000, 700);
}

void MainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setToolTipsVisible(true);
    m_saveReportAction = file->addAction(tr("&Save Report..."), this, &MainWindow::OnSaveReportClicked);
    m_saveReportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveReportAction->setToolTip(tr("The results of this session as a page to print (.html) or as JSON (.json)"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* tests = menuBar()->addMenu(tr("&Tests"));
    m_runAction = tests->addAction(tr("&Run Selected Tests"), this, &MainWindow::OnRunClicked);
    m_runAction->setObjectName(QStringLiteral("runAction"));
    m_runAction->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)});
    m_cancelAction = tests->addAction(tr("&Cancel"), this, &MainWindow::OnCancelClicked);
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    tests->addSeparator();
    QAction* automatic = tests->addAction(tr("Select All &Automatic Tests"), this, &MainWindow::SelectAutomaticTests);
    automatic->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    // F5 runs the tests, as a technician expects of this window; refreshing is the rarer wish.
    m_refreshAction = view->addAction(tr("&Refresh Devices"), this, &MainWindow::RefreshDevices);
    m_refreshAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Halvik Diagnostics"), this, &MainWindow::ShowAbout);
    UpdateActions();
}

void MainWindow::BuildStatusBar()
{
    // Short words here; the whole story goes into the tool tip and the log, where it can wrap.
    const DriverServiceState service = DescribeDriverService(m_settings.workDirectory);
    QString state = service.found ? tr("refused") : tr("not found");
    if (service.usable) {
        state = tr("ready");
    }
    if (!service.usable && !service.access.empty()) {
        // Loaded and asked: a port-access answer of its own, or a service that is not ready.
        state = tr("not ready");
        for (const auto& [access, words] : kServiceStates) {
            if (service.access == access) {
                state = tr(words);
            }
        }
    }
    auto* serviceLabel = new QLabel(tr("Driver service: %1").arg(state));
    serviceLabel->setObjectName(QStringLiteral("driverService"));
    serviceLabel->setToolTip(QString::fromStdString(service.Summary()));
    // Which keys the dialogs will see on this session: a short word, the grounds in the tip.
    const KeyInputState keyInput = DescribeKeyInput(QGuiApplication::platformName() == QLatin1String("xcb"));
    auto* keyInputLabel = new QLabel(tr("Keys: %1").arg(QString::fromStdString(keyInput.dialogsWord)));
    keyInputLabel->setObjectName(QStringLiteral("keyInput"));
    keyInputLabel->setToolTip(QString::fromStdString(keyInput.dialogs));
    Log(tr("Dialog keys: %1").arg(QString::fromStdString(keyInput.dialogs)));
    if (const std::string note = WatchNote(keyInput); !note.empty()) {
        Log(tr("Note: %1").arg(QString::fromStdString(note)));
    }
    m_dialogEvents = new QLabel(tr("Keys shown in dialog: %1").arg(0));
    m_dialogEvents->setObjectName(QStringLiteral("dialogEvents"));
    statusBar()->addPermanentWidget(serviceLabel);
    statusBar()->addPermanentWidget(keyInputLabel);
    statusBar()->addPermanentWidget(m_dialogEvents);
    if (!service.usable) {
        Log(tr("Driver service: %1").arg(QString::fromStdString(service.Summary())));
    }
}

void MainWindow::WatchScreens()
{
    // A screen added, removed or resized moves the dialogs about; the tests read it as harmless.
    const auto changed = [this] {
        m_systemEvents->Raise(system_events::kScreensChanged,
                              QCoreApplication::translate("SystemEvents", "the screen configuration changed").toStdString());
    };
    const auto watch = [this, changed](QScreen* screen) { connect(screen, &QScreen::geometryChanged, this, changed); };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [watch, changed](QScreen* screen) {
        watch(screen);
        changed();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, changed);
}

void MainWindow::WatchKeyboards()
{
    // A listener of the window's own: the monitor's events reach running tests only, and the list
    // may be rebuilt only between runs anyway.
    m_refreshDelay = new QTimer(this);
    m_refreshDelay->setSingleShot(true);
    m_refreshDelay->setInterval(500);
    connect(m_refreshDelay, &QTimer::timeout, this, &MainWindow::RefreshDevices);
    m_keyboardWatch = std::make_unique<UdevKeyboardWatch>([this](uint32_t, const std::string& description) {
        m_hotPlug = QString::fromStdString(description);
        m_refreshDelay->start();
    });
}

void MainWindow::FillTests()
{
    if (m_resource == nullptr || m_diagnostic == nullptr) {
        m_title->setText(tr("The module offers no diagnostic"));
        return;
    }
    const ObjectId diagnosticId = m_diagnostic->GetIdentifier();
    m_title->setText(Translated(m_resource->GetDiagnosticName(diagnosticId)));
    m_description->setText(Translated(m_resource->GetDiagnosticDescription(diagnosticId)));
    for (uint32_t index = 0; index < m_diagnostic->GetTestCount(); ++index) {
        Test* test = m_diagnostic->GetTest(index);
        if (test == nullptr) {
            continue;
        }
        const ObjectId identifier = test->GetIdentifier();
        const bool interactive = test->IsInteractive();
        auto* item = new QTreeWidgetItem(m_tests);
        item->setText(0, Translated(m_resource->GetTestName(identifier)));
        item->setText(1, interactive ? tr("interactive") : tr("automatic"));
        const QString description = Translated(m_resource->GetTestDescription(identifier));
        item->setText(2, description);
        item->setToolTip(2, description);
        item->setData(0, kIdentifierRole, QVariant::fromValue<qulonglong>(identifier.GetKey()));
        item->setData(0, kInteractiveRole, interactive);
    }
    for (int column = 0; column < 2; ++column) {
        m_tests->resizeColumnToContents(column);
    }
    SelectAutomaticTests();
}

void MainWindow::SelectAutomaticTests()
{
    for (int index = 0; index < m_tests->topLevelItemCount(); ++index) {
        QTreeWidgetItem* item = m_tests->topLevelItem(index);
        item->setSelected(!item->data(0, kInteractiveRole).toBool());
    }
}

void MainWindow::RefreshDevices()
{
    if (IsBusy() || m_runner->HasGivenUpRun()) {
        m_devicesStale = true;
        return;
    }
    if (!m_hotPlug.isEmpty()) {
        Log(tr("Device list refreshed: %1").arg(m_hotPlug));
        m_hotPlug.clear();
    }
    FillDevices();
}

void MainWindow::FillDevices()
{
    m_devicesStale = false;
    m_devices->clear();
    SystemComponentManager* manager = m_module.GetComponentManager();
    if (manager == nullptr) {
        return;
    }
    manager->DetectComponents();
    m_device = manager->GetComponent(0);
    for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
        SystemComponent* component = manager->GetComponent(index);
        if (component == nullptr) {
            continue;
        }
        const std::vector<DeviceEntry> devices = component->GetDevices();
        auto* componentItem = new QTreeWidgetItem(m_devices);
        componentItem->setText(0, Translated(component->GetSummary().typeName));
        componentItem->setText(1, tr("%n found", "devices of a component", static_cast<int>(devices.size())));
        for (const DeviceEntry& device : devices) {
            QString number;
            for (const auto& [key, value] : device.properties) {
                if (key == "INDEX") {
                    number = QString::fromStdString(value);
                }
            }
            auto* deviceItem = new QTreeWidgetItem(componentItem);
            deviceItem->setText(0, (Translated(device.name) + QLatin1Char(' ') + number).trimmed());
            for (const auto& [key, value] : device.properties) {
                if (key == "INDEX") {
                    continue;
                }
                const bool usbId = key == "USB_KEYBOARD_VENDOR_ID" || key == "USB_KEYBOARD_PRODUCT_ID";
                auto* property = new QTreeWidgetItem(deviceItem);
                property->setText(0, Translated(key));
                property->setText(1, usbId ? WithHexadecimal(value) : Translated(value));
            }
        }
    }
    m_devices->expandAll();
    m_devices->resizeColumnToContents(0);
}

bool MainWindow::IsBusy() const { return m_runner->IsRunning() || !m_queue.empty(); }

bool MainWindow::RunTests(const std::vector<ObjectId>& tests)
{
    // A test given up may still be using the keyboard component that detection would replace.
    if (IsBusy() || m_runner->HasGivenUpRun() || m_diagnostic == nullptr || tests.empty()) {
        return false;
    }
    // The test is handed the keyboards as they are now, not as they were when the list was made.
    FillDevices();
    m_queue.assign(tests.begin(), tests.end());
    m_batchResults.clear();
    StartNext();
    return true;
}

void MainWindow::StartNext()
{
    while (!m_queue.empty()) {
        const ObjectId identifier = m_queue.front();
        m_queue.pop_front();
        m_current = TestRunRecord();
        m_current.identifier = identifier;
        m_current.nameKey = m_resource->GetTestName(identifier);
        m_current.startedAt = std::chrono::system_clock::now();
        const QString name = Translated(m_current.nameKey);
        Test* test = m_diagnostic->FindTest(identifier);
        if (test == nullptr) {
            // Named by the resource but not built into this module: reported like a run.
            m_current.result = NotRun;
            m_current.note = tr("this build of the module does not contain this test").toStdString();
            Log(tr("%1: %2").arg(name, QString::fromStdString(m_current.note)));
            AddResult(std::move(m_current));
            continue;
        }
        m_current.started = true;
        m_currentTest->setText(name);
        m_progress->setValue(0);
        m_lastProgressMs = 0;
        m_notice->hide();
        Log(tr("Starting %1").arg(name));
        m_runKeyboards = DescribeKeyboards(m_device != nullptr ? m_device->GetDevices() : std::vector<DeviceEntry>(),
                                           corvo::platform::CreateMachineInventory()->UsbKeyboards());
        m_attribution.emplace(m_current.nameKey, m_runKeyboards);
        m_runner->Start(*test, m_device);
        m_ticker->start();
        ShowElapsed();
        UpdateActions();
        return;
    }
    m_ticker->stop();
    m_elapsed->clear();
    m_currentTest->clear();
    UpdateActions();
    if (m_devicesStale) {
        RefreshDevices();
    }
    emit batchFinished(ExitStatusFor(m_batchResults));
    if (m_closeWhenIdle) {
        close();
    }
}

void MainWindow::AddResult(TestRunRecord record)
{
    Log(tr("%1: %2 (result %3)")
            .arg(Translated(record.nameKey), OutcomeDisplay::Text(record.result))
            .arg(record.result));
    m_batchResults.push_back(record.result);
    m_results->Add(std::move(record));
}

void MainWindow::OnRunClicked()
{
    std::vector<ObjectId> chosen;
    for (int index = 0; index < m_tests->topLevelItemCount(); ++index) {
        QTreeWidgetItem* item = m_tests->topLevelItem(index);
        if (item->isSelected()) {
            const uint64_t key = item->data(0, kIdentifierRole).toULongLong();
            chosen.push_back(ObjectId(static_cast<uint16_t>(key >> 48), (key >> 24) & 0xFFFFFFu, key & 0xFFFFFFu));
        }
    }
    RunTests(chosen);
}

void MainWindow::OnCancelClicked()
{
    if (!IsBusy()) {
        return;
    }
    m_queue.clear();
    m_runner->Cancel();
    m_cancelled = true;
    Log(tr("Cancel requested"));
    m_cancelButton->setEnabled(false);
    m_cancelAction->setEnabled(false);
}

void MainWindow::OnMessage(const QString& key, uint kind, qint64 sinceStartMs)
{
    const std::size_t order = m_current.messages.size() + m_current.progress.size();
    m_current.messages.push_back({key.toStdString(), kind, std::chrono::milliseconds(sinceStartMs), order});
    const std::optional<std::size_t> keyboard = m_attribution ? m_attribution->Message(kind) : std::nullopt;
    const QString about = keyboard ? QStringLiteral(" (%1)").arg(QString::fromStdString(KeyboardLabel(m_runKeyboards[*keyboard])))
                                   : QString();
    Log(QStringLiteral("[%1] %2%3").arg(OutcomeDisplay::KindText(kind), Translated(key), about));
}

void MainWindow::OnProgress(int percent, const QString& key, qint64 sinceStartMs)
{
    const std::size_t order = m_current.messages.size() + m_current.progress.size();
    m_current.progress.push_back(
        {static_cast<uint8_t>(percent), key.toStdString(), std::chrono::milliseconds(sinceStartMs), order});
    m_lastProgressMs = sinceStartMs;
    if (m_attribution) {
        m_attribution->Progress(static_cast<uint8_t>(percent));
    }
    // A test may report a lower value after a higher one (the PS/2 test's warning comes at 100
    // before its last steps); the bar keeps the highest, the log keeps what was reported.
    m_progress->setValue(std::max(m_progress->value(), percent));
    Log(QStringLiteral("[%1%] %2").arg(percent, 3).arg(Translated(key)).trimmed());
    ShowElapsed();
}

void MainWindow::ShowElapsed()
{
    const qint64 elapsed = m_runner->ElapsedMilliseconds();
    const qint64 quiet = elapsed - m_lastProgressMs;
    m_elapsed->setText(quiet >= kQuietMs && !m_dialogOpen
                           ? tr("Elapsed %1, no progress for %2").arg(ClockText(elapsed), ClockText(quiet))
                           : tr("Elapsed %1").arg(ClockText(elapsed)));
}

void MainWindow::OnNotice(const QString& titleKey, const QString& messageKey)
{
    const QString title = Translated(titleKey);
    const QString message = Translated(messageKey);
    m_notice->setText(QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), message.toHtmlEscaped()));
    m_notice->show();
    Log(tr("[notice] %1: %2").arg(title, message));
}

void MainWindow::OnFinished(uint result, const QString& exception, qint64 durationMs, const QStringList& systemEvents,
                            bool givenUp)
{
    QStringList notes;
    if (givenUp) {
        QString line = QString::fromStdString(GivenUpReason());
        line[0] = line[0].toUpper();
        notes << line;
    }
    if (!exception.isEmpty()) {
        notes << tr("The test stopped with an exception: %1").arg(exception);
    }
    if (result == NotRun) {
        Test* test = m_diagnostic->FindTest(m_current.identifier);
        const std::string reason =
            test != nullptr && !test->IsInteractive() ? Ps2NotRunReason(m_settings.workDirectory) : "";
        if (!reason.empty()) {
            QString line = QString::fromStdString(reason);
            line[0] = line[0].toUpper();
            notes << line;
        }
    }
    for (const QString& note : notes) {
        Log(note);
    }
    if (givenUp) {
        Log(tr("The test may still hold the keyboard controller: restart the program to run tests again."));
    }
    for (const QString& event : systemEvents) {
        m_current.systemEvents.push_back(event.toStdString());
    }
    m_current.result = result;
    m_current.duration = std::chrono::milliseconds(durationMs);
    m_current.note = notes.join(QStringLiteral("; ")).toStdString();
    m_ticker->stop();
    AddResult(std::move(m_current));
    m_notice->hide();
    m_dialogOpen = false;
    StartNext();
}

void MainWindow::ShowAbout()
{
    QMessageBox::about(this, tr("About Halvik Diagnostics"),
                       tr("<p><b>Halvik Diagnostics</b> %1</p><p>Keyboard module %2<br>%3</p><p>Working folder: %4</p>")
                           .arg(QCoreApplication::applicationVersion().toHtmlEscaped(),
                                QString::fromStdString(m_settings.moduleVersion).toHtmlEscaped(),
                                QString::fromStdString(m_settings.modulePath).toHtmlEscaped(),
                                QString::fromStdString(m_settings.workDirectory).toHtmlEscaped()));
}

void MainWindow::OnSaveReportClicked()
{
    const QString suggested = QDir::home().filePath(
        QStringLiteral("keyboard-report-%1.html").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Report"), suggested,
                                                      tr("Page to print (*.html);;JSON (*.json)"));
    QString error;
    if (!path.isEmpty() && !SaveReport(path, error)) {
        QMessageBox::warning(this, tr("Save Report"), error);
    }
}

bool MainWindow::SaveReport(const QString& path, QString& error)
{
    SessionFacts session;
    session.resource = m_resource;
    session.diagnostic = m_diagnostic;
    session.device = m_device;
    session.hostVersion = QCoreApplication::applicationVersion().toStdString();
    session.moduleVersion = m_settings.moduleVersion;
    session.modulePath = m_settings.modulePath;
    session.workDirectory = m_settings.workDirectory;
    session.systemEventProblems = m_systemEvents->Problems();
    session.started = m_sessionStart;
    session.cancelled = m_cancelled;
    RunReport report = SessionReport(session, Results());
    const bool page = path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
    const std::string document = page ? ReportHtml(report) : ReportJson(report);
    // Written beside and renamed into place: an earlier report is never left half overwritten.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(document.data(), static_cast<qint64>(document.size())) != static_cast<qint64>(document.size())
        || !file.commit()) {
        error = tr("Cannot write the report to %1: %2").arg(path, file.errorString());
        return false;
    }
    Log(tr("Report saved to %1").arg(path));
    return true;
}

void MainWindow::Log(const QString& line)
{
    m_log->appendPlainText(line);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
    if (m_settings.transcript != nullptr) {
        std::fprintf(m_settings.transcript, "%s\n", line.toUtf8().constData());
        std::fflush(m_settings.transcript);
    }
}

void MainWindow::UpdateActions()
{
    if (m_runAction == nullptr) {
        return; // the menus are not built yet
    }
    const bool busy = IsBusy();
    const bool stuck = m_runner->HasGivenUpRun();
    const bool canRun = !busy && !stuck && !m_tests->selectedItems().isEmpty();
    m_runButton->setEnabled(canRun);
    m_runAction->setEnabled(canRun);
    m_cancelButton->setEnabled(busy);
    m_cancelAction->setEnabled(busy);
    m_refreshAction->setEnabled(!busy && !stuck);
    m_saveReportAction->setEnabled(!Results().empty());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_runner->IsRunning()) {
        // The test must end before the module's objects go; close once it has.
        m_queue.clear();
        m_closeWhenIdle = true;
        m_runner->Cancel();
        Log(tr("Stopping the running test before closing"));
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace corvo::hosts::gui
