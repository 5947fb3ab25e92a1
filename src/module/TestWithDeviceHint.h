// Wraps a concrete test for the host and names the suspect component when the test fails.
#pragma once

#include <string>
#include <utility>

#include "module/ExecutionContext.h"
#include "module/MessageSink.h"
#include "module/ProgressReporter.h"
#include "module/Test.h"
#include "module/TestResult.h"

template <typename T>
class TestWithDeviceHint : public Test {
public:
    TestWithDeviceHint(const ObjectId& identifier, std::string deviceHint)
        : Test(identifier), m_inner(identifier), m_deviceHint(std::move(deviceHint))
    {
        m_identifier = m_inner.GetIdentifier();
    }

    ~TestWithDeviceHint() override = default;

    bool IsApplicable(SystemComponent* device) override { return m_inner.IsApplicable(device); }

    uint32_t Run(ExecutionContext* execution) override
    {
        const uint32_t result = m_inner.Run(execution);
        if (result != Failed) {
            return result;
        }
        // A failed inner run has passed its own completeness check, so the sinks exist; the
        // check stays for an inner test that fails before looking at its execution.
        if (execution != nullptr) {
            if (MessageSink* sink = execution->GetMessageSink()) {
                sink->AddMessage(m_deviceHint, Information, 0);
            }
            if (ProgressReporter* reporter = execution->GetProgressReporter()) {
                reporter->ReportProgress(100, m_deviceHint);
            }
        }
        return Failed;
    }

    bool IsInteractive() override { return m_inner.IsInteractive(); }
    bool Reserved4() override { return m_inner.Reserved4(); }
    std::vector<std::string> Reserved5() override { return m_inner.Reserved5(); }
    void Reserved6(TestHostRecord record) override { m_inner.Reserved6(std::move(record)); }
    std::vector<std::string> Reserved7() override { return m_inner.Reserved7(); }
    bool Reserved8() override { return m_inner.Reserved8(); }
    bool Reserved9() override { return m_inner.Reserved9(); }
    bool SetConfiguration(corvo::utils::config::ConfigData configuration) override
    {
        return m_inner.SetConfiguration(std::move(configuration));
    }
    void Reserved11() override { m_inner.Reserved11(); }

    T& Inner() { return m_inner; }
    const std::string& GetDeviceHint() const { return m_deviceHint; }

private:
    T m_inner;
    std::string m_deviceHint;
};
