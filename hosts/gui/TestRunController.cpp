// The desktop host's worker thread for test runs.
#include "TestRunController.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "InputRequestServer.h"
#include "module/TestResult.h"

namespace corvo::hosts::gui {

TestRunController::TestRunController(InputRequestServer& server, SystemEventMonitor* systemEvents, QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_systemEvents(systemEvents)
    , m_grace(new QTimer(this))
{
    m_grace->setSingleShot(true);
    m_grace->setInterval(kCancelGrace);
    connect(m_grace, &QTimer::timeout, this, &TestRunController::GiveUp);
}

TestRunController::~TestRunController()
{
    m_closing = true;
    m_grace->stop();
    if (m_thread != nullptr) {
        m_execution->RequestCancel();
        QElapsedTimer waited;
        waited.start();
        // The worker may be waiting for a dialog request that only this thread's events can serve.
        while (!m_thread->wait(20)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (waited.elapsed() >= std::chrono::milliseconds(kCancelGrace).count() && !m_serving->load()) {
                m_execution->Abandon();
                m_watch.reset();
                m_givenUp.emplace_back(m_thread, std::move(m_execution));
                m_thread = nullptr;
                break;
            }
        }
        delete m_thread;
    }
    for (auto& [thread, execution] : m_givenUp) {
        if (thread->isFinished()) {
            delete thread;
        } else {
            // Both stay with the worker that still runs; the process ends without unloading the module.
            static_cast<void>(execution.release());
        }
    }
}

bool TestRunController::Start(Test& test, SystemComponent* device)
{
    if (m_thread != nullptr) {
        return false;
    }
    // Called on the worker: the signals reach this object's thread queued, in the order sent.
    HostExecution::Callbacks callbacks;
    callbacks.onMessage = [this](const ReceivedMessage& message) {
        emit messageReceived(QString::fromStdString(message.text), message.kind, m_clock.elapsed());
    };
    callbacks.onProgress = [this](const ReceivedProgress& progress) {
        emit progressReported(progress.percent, QString::fromStdString(progress.text), m_clock.elapsed());
    };
    m_serving = std::make_shared<std::atomic<bool>>(false);
    callbacks.onInputRequest = [this, serving = m_serving](InputRequest& request) {
        serving->store(true);
        m_server.Serve(request);
        serving->store(false);
    };
    m_watch.reset();
    m_execution = std::make_unique<HostExecution>(device, true, callbacks);
    if (m_systemEvents != nullptr) {
        m_watch = std::make_unique<SystemEventMonitor::Watch>(
            *m_systemEvents, *m_execution,
            [this](const std::string& description) { emit systemEventRaised(QString::fromStdString(description)); });
    }

    HostExecution* execution = m_execution.get();
    m_clock.start();
    m_ending = std::make_shared<Ending>();
    m_thread = QThread::create([&test, execution, ending = m_ending, clock = m_clock] {
        ending->outcome = RunGuarded(test, *execution);
        ending->durationMs = clock.elapsed();
    });
    m_thread->setObjectName(QStringLiteral("test worker"));
    connect(m_thread, &QThread::finished, this, &TestRunController::OnThreadFinished);
    m_thread->start();
    return true;
}

void TestRunController::Cancel()
{
    if (m_thread != nullptr) {
        m_execution->RequestCancel();
        if (!m_grace->isActive()) {
            m_grace->start();
        }
    }
}

QStringList TestRunController::SeenEvents()
{
    QStringList events;
    for (const std::string& event : m_watch ? m_watch->Seen() : std::vector<std::string>()) {
        events.append(QString::fromStdString(event));
    }
    m_watch.reset();
    return events;
}

void TestRunController::OnThreadFinished()
{
    if (m_thread == nullptr || m_closing) {
        return;
    }
    m_grace->stop();
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    const QStringList events = SeenEvents();
    emit finished(m_ending->outcome.result, QString::fromStdString(m_ending->outcome.exception),
                  m_ending->durationMs, events, false);
}

void TestRunController::GiveUp()
{
    if (m_thread == nullptr || m_closing || m_thread->isFinished()) {
        return; // ended meanwhile: its own finish is on its way
    }
    if (m_serving->load()) {
        m_grace->start(); // a person at the test's dialog is no hung test
        return;
    }
    m_execution->Abandon();
    disconnect(m_thread, nullptr, this, nullptr);
    const QStringList events = SeenEvents();
    m_givenUp.emplace_back(m_thread, std::move(m_execution));
    m_thread = nullptr;
    emit finished(Aborted, QString(), m_clock.elapsed(), events, true);
}

} // namespace corvo::hosts::gui
