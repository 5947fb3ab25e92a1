// Layout and behaviour of the desktop host's window.
#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

#include "DialogEventCounter.h"
#include "DriverServiceState.h"
#include "Ps2Readiness.h"
#include "InputRequestServer.h"
#include "MessageTranslator.h"
#include "SystemEventMonitor.h"
#include "TestOutcome.h"
#include "TestRunController.h"
#include "module/DeviceEntry.h"
#include "module/Diagnostic.h"
#include "module/ModuleInterface.h"
#include "module/Resource.h"
#include "module/SystemComponent.h"
#include "module/SystemComponentManager.h"
#include "module/Test.h"
#include "module/TestResult.h"

namespace corvo::hosts::gui {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;

QString Translated(const std::string& key) { return QString::fromStdString(MessageTranslator::Translate(key)); }
QString Translated(const QString& key) { return Translated(key.toStdString()); }

QString AnswerName(int answer)
{
    switch (answer) {
    case 3: return QStringLiteral("yes");
    case 4: return QStringLiteral("no");
    default: return QStringLiteral("no verdict");
    }
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
    FillTests();
    FillDevices();
    WatchScreens();
    for (const std::string& problem : m_systemEvents->Problems()) {
        Log(QStringLiteral("System events: %1").arg(QString::fromStdString(problem)));
    }

    connect(m_runner, &TestRunController::messageReceived, this, &MainWindow::OnMessage);
    connect(m_runner, &TestRunController::progressReported, this, &MainWindow::OnProgress);
    connect(m_runner, &TestRunController::finished, this, &MainWindow::OnFinished);
    connect(m_runner, &TestRunController::systemEventRaised, this,
            [this](const QString& description) { Log(QStringLiteral("System event: %1").arg(description)); });
    connect(m_server, &InputRequestServer::noticeRequested, this, &MainWindow::OnNotice);
    connect(m_server, &InputRequestServer::dialogStarted, this, [this](const QString& title) {
        m_eventCounter->Reset();
        Log(QStringLiteral("[dialog] %1: opened").arg(Translated(title)));
    });
    connect(m_server, &InputRequestServer::dialogFinished, this, [this](const QString& title, int answer) {
        Log(QStringLiteral("[dialog] %1: closed with %2 (%3), keys shown: %4")
                .arg(Translated(title))
                .arg(answer)
                .arg(AnswerName(answer))
                .arg(m_eventCounter->Count()));
    });
    connect(m_eventCounter, &DialogEventCounter::countChanged, this,
            [this](int count) { m_dialogEvents->setText(QStringLiteral("Keys shown in dialog: %1").arg(count)); });
}

MainWindow::~MainWindow()
{
    // The runner waits for a running test; it must go while the server and counter still exist.
    delete m_runner;
    m_runner = nullptr;
}

void MainWindow::BuildUi()
{
    setWindowTitle(QStringLiteral("Halvik Diagnostics"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 12, 12, 8);
    layout->setSpacing(8);

    m_title = new QLabel(central);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_description = new QLabel(central);
    m_description->setWordWrap(true);
    auto* version = new QLabel(QStringLiteral("Module %1").arg(QString::fromStdString(m_settings.moduleVersion)), central);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version->setToolTip(QString::fromStdString(m_settings.modulePath));
    auto* header = new QHBoxLayout;
    auto* headerText = new QVBoxLayout;
    headerText->addWidget(m_title);
    headerText->addWidget(m_description);
    header->addLayout(headerText, 1);
    header->addWidget(version);
    layout->addLayout(header);

    // Tests and devices above, the run's log and results below; the user may move the border.
    auto* rows = new QSplitter(Qt::Vertical, central);
    rows->setChildrenCollapsible(false);
    auto* splitter = new QSplitter(Qt::Horizontal, rows);
    auto* testsBox = new QGroupBox(QStringLiteral("Tests"), splitter);
    auto* testsLayout = new QVBoxLayout(testsBox);
    m_tests = new QTreeWidget(testsBox);
    m_tests->setObjectName(QStringLiteral("tests"));
    m_tests->setHeaderLabels({QStringLiteral("Test"), QStringLiteral("Kind"), QStringLiteral("Description")});
    m_tests->setRootIsDecorated(false);
    m_tests->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tests->setWordWrap(true);
    testsLayout->addWidget(m_tests);
    auto* devicesBox = new QGroupBox(QStringLiteral("Devices"), splitter);
    auto* devicesLayout = new QVBoxLayout(devicesBox);
    m_devices = new QTreeWidget(devicesBox);
    m_devices->setObjectName(QStringLiteral("devices"));
    m_devices->setHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
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
    m_runButton = new QPushButton(QStringLiteral("Run"), central);
    m_runButton->setObjectName(QStringLiteral("runButton"));
    m_runButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), central);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_currentTest = new QLabel(central);
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setMinimumWidth(240);
    controls->addWidget(m_runButton);
    controls->addWidget(m_cancelButton);
    controls->addSpacing(12);
    controls->addWidget(m_currentTest);
    controls->addWidget(m_progress, 1);

    // The run pane: notice, controls and progress over the log and the results.
    auto* runPane = new QWidget(rows);
    auto* runLayout = new QVBoxLayout(runPane);
    runLayout->setContentsMargins(0, 4, 0, 0);
    runLayout->addWidget(m_notice);
    runLayout->addLayout(controls);
    auto* lower = new QSplitter(Qt::Horizontal, runPane);
    runLayout->addWidget(lower, 1);
    auto* logBox = new QGroupBox(QStringLiteral("Log"), lower);
    auto* logLayout = new QVBoxLayout(logBox);
    m_log = new QPlainTextEdit(logBox);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    logLayout->addWidget(m_log);
    auto* resultsBox = new QGroupBox(QStringLiteral("Results"), lower);
    auto* resultsLayout = new QVBoxLayout(resultsBox);
    m_results = new QListWidget(resultsBox);
    m_results->setObjectName(QStringLiteral("results"));
    resultsLayout->addWidget(m_results);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    rows->addWidget(runPane);
    rows->setStretchFactor(0, 2);
    rows->setStretchFactor(1, 3);
    rows->setSizes({220, 330});
    layout->addWidget(rows, 1);

    setCentralWidget(central);

    const DriverServiceState service = DescribeDriverService(m_settings.workDirectory);
    auto* folder = new QLabel(QStringLiteral("Working folder: %1").arg(QString::fromStdString(m_settings.workDirectory)));
    auto* serviceLabel = new QLabel(QStringLiteral("Driver service: %1").arg(
        service.found && service.usable ? QStringLiteral("ready") : QString::fromStdString(service.Summary())));
    serviceLabel->setToolTip(QString::fromStdString(service.Summary()));
    m_dialogEvents = new QLabel(QStringLiteral("Keys shown in dialog: 0"));
    m_dialogEvents->setObjectName(QStringLiteral("dialogEvents"));
    statusBar()->addWidget(folder, 1);
    statusBar()->addWidget(serviceLabel);
    statusBar()->addPermanentWidget(m_dialogEvents);

    connect(m_runButton, &QPushButton::clicked, this, &MainWindow::OnRunClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        m_queue.clear();
        m_runner->Cancel();
        Log(QStringLiteral("Cancel requested"));
        m_cancelButton->setEnabled(false);
    });
    connect(m_tests, &QTreeWidget::itemSelectionChanged, this, &MainWindow::UpdateButtons);
    connect(m_tests, &QTreeWidget::itemDoubleClicked, this, [this] { OnRunClicked(); });

    resize(980, 680);
    UpdateButtons();
}

void MainWindow::WatchScreens()
{
    // A screen added, removed or resized moves the dialogs about; the tests read it as harmless.
    const auto changed = [this] {
        m_systemEvents->Raise(system_events::kScreensChanged, "the screen configuration changed");
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

void MainWindow::FillTests()
{
    if (m_resource == nullptr || m_diagnostic == nullptr) {
        m_title->setText(QStringLiteral("The module offers no diagnostic"));
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
        auto* item = new QTreeWidgetItem(m_tests);
        item->setText(0, Translated(m_resource->GetTestName(identifier)));
        item->setText(1, test->IsInteractive() ? QStringLiteral("interactive") : QStringLiteral("automatic"));
        const QString description = Translated(m_resource->GetTestDescription(identifier));
        item->setText(2, description);
        item->setToolTip(2, description);
        item->setData(0, kIdentifierRole, QVariant::fromValue<qulonglong>(identifier.GetKey()));
    }
    for (int column = 0; column < 2; ++column) {
        m_tests->resizeColumnToContents(column);
    }
    if (m_tests->topLevelItemCount() > 0) {
        m_tests->topLevelItem(0)->setSelected(true);
    }
}

void MainWindow::FillDevices()
{
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
        componentItem->setText(1, QStringLiteral("%1 found").arg(devices.size()));
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
                if (key != "INDEX") {
                    auto* property = new QTreeWidgetItem(deviceItem);
                    property->setText(0, Translated(key));
                    property->setText(1, Translated(value));
                }
            }
        }
    }
    m_devices->expandAll();
    m_devices->resizeColumnToContents(0);
}

bool MainWindow::RunTests(const std::vector<ObjectId>& tests)
{
    if (m_runner->IsRunning() || !m_queue.empty() || m_diagnostic == nullptr || tests.empty()) {
        return false;
    }
    m_queue.assign(tests.begin(), tests.end());
    m_batchResults.clear();
    m_results->clear();
    StartNext();
    return true;
}

void MainWindow::StartNext()
{
    while (!m_queue.empty()) {
        m_running = m_queue.front();
        m_queue.pop_front();
        Test* test = m_diagnostic->FindTest(m_running);
        const QString name = Translated(m_resource->GetTestName(m_running));
        if (test == nullptr) {
            // Named by the resource but not built into this module: reported like a run.
            Log(QStringLiteral("%1: this build of the module does not contain this test").arg(name));
            AddResult(NotRun);
            continue;
        }
        m_currentTest->setText(name);
        m_progress->setValue(0);
        m_notice->hide();
        Log(QStringLiteral("Starting %1").arg(name));
        m_runner->Start(*test, m_device);
        UpdateButtons();
        return;
    }
    UpdateButtons();
    emit batchFinished(ExitStatusFor(m_batchResults));
    if (m_closeWhenIdle) {
        close();
    }
}

void MainWindow::AddResult(uint32_t result)
{
    const QString name = Translated(m_resource->GetTestName(m_running));
    const QString line = QStringLiteral("%1: %2 (result %3)")
                             .arg(name, QString::fromStdString(ResultName(result)))
                             .arg(result);
    auto* item = new QListWidgetItem(line, m_results);
    const bool good = result == Passed || result == PassedWithWarnings;
    const bool bad = result == Failed || result == InternalError;
    item->setForeground(good ? QColor(0x1b, 0x7f, 0x3b) : bad ? QColor(0xb0, 0x1c, 0x1c) : QColor(0x8a, 0x5a, 0x00));
    Log(line);
    m_batchResults.push_back(result);
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

void MainWindow::OnMessage(const QString& key, uint kind)
{
    Log(QStringLiteral("[%1] %2").arg(QString::fromStdString(MessageKindName(kind)), Translated(key)));
}

void MainWindow::OnProgress(int percent, const QString& key)
{
    m_progress->setValue(percent);
    if (!key.isEmpty()) {
        Log(QStringLiteral("[%1%] %2").arg(percent, 3).arg(Translated(key)));
    }
}

void MainWindow::OnNotice(const QString& titleKey, const QString& messageKey)
{
    const QString title = Translated(titleKey);
    const QString message = Translated(messageKey);
    m_notice->setText(QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), message.toHtmlEscaped()));
    m_notice->show();
    Log(QStringLiteral("[notice] %1: %2").arg(title, message));
}

void MainWindow::OnFinished(uint result, const QString& exception)
{
    if (!exception.isEmpty()) {
        Log(QStringLiteral("The test stopped with an exception: %1").arg(exception));
    }
    if (result == NotRun) {
        Test* test = m_diagnostic->FindTest(m_running);
        const std::string reason = test != nullptr && !test->IsInteractive() ? Ps2NotRunReason(m_settings.workDirectory) : "";
        if (!reason.empty()) {
            QString line = QString::fromStdString(reason);
            line[0] = line[0].toUpper();
            Log(line);
        }
    }
    AddResult(result);
    m_notice->hide();
    m_currentTest->setText(QString());
    StartNext();
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

void MainWindow::UpdateButtons()
{
    const bool running = m_runner->IsRunning() || !m_queue.empty();
    m_runButton->setEnabled(!running && !m_tests->selectedItems().isEmpty());
    m_cancelButton->setEnabled(running);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_runner->IsRunning()) {
        // The test must end before the module's objects go; close once it has.
        m_queue.clear();
        m_closeWhenIdle = true;
        m_runner->Cancel();
        Log(QStringLiteral("Stopping the running test before closing"));
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace corvo::hosts::gui
