// The desktop host's worker thread for test runs.
#include "TestRunController.h"

#include <QCoreApplication>
#include <QThread>

#include "InputRequestServer.h"

namespace corvo::hosts::gui {

TestRunController::TestRunController(InputRequestServer& server, SystemEventMonitor* systemEvents, QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_systemEvents(systemEvents)
{
}

TestRunController::~TestRunController()
{
    if (m_thread == nullptr) {
        return;
    }
    m_closing = true;
    m_execution->RequestCancel();
    // The worker may be waiting for a dialog request that only this thread's events can serve.
    while (!m_thread->wait(20)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    delete m_thread;
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
    callbacks.onInputRequest = [this](InputRequest& request) { m_server.Serve(request); };
    m_watch.reset();
    m_execution = std::make_unique<HostExecution>(device, true, callbacks);
    if (m_systemEvents != nullptr) {
        m_watch = std::make_unique<SystemEventMonitor::Watch>(
            *m_systemEvents, *m_execution,
            [this](const std::string& description) { emit systemEventRaised(QString::fromStdString(description)); });
    }

    HostExecution* execution = m_execution.get();
    m_clock.start();
    m_thread = QThread::create([this, &test, execution] {
        m_outcome = RunGuarded(test, *execution);
        m_durationMs = m_clock.elapsed();
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
    }
}

void TestRunController::OnThreadFinished()
{
    if (m_thread == nullptr || m_closing) {
        return;
    }
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    QStringList events;
    for (const std::string& event : m_watch ? m_watch->Seen() : std::vector<std::string>()) {
        events.append(QString::fromStdString(event));
    }
    m_watch.reset();
    emit finished(m_outcome.result, QString::fromStdString(m_outcome.exception), m_durationMs, events);
}

} // namespace corvo::hosts::gui
