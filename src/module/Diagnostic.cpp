// Look-ups over a diagnostic's tests by position and by identifier.
#include "module/Diagnostic.h"

#include <utility>

#include "module/Test.h"

Diagnostic::Diagnostic(const ObjectId& identifier, std::vector<Test*> tests)
    : m_identifier(identifier), m_tests(std::move(tests))
{
}

Diagnostic::~Diagnostic() = default;

ObjectId Diagnostic::GetIdentifier() { return m_identifier; }

uint64_t Diagnostic::GetTestCount() { return m_tests.size(); }

Test* Diagnostic::GetTest(uint32_t index)
{
    return index < m_tests.size() ? m_tests[index] : nullptr;
}

Test* Diagnostic::FindTest(ObjectId identifier)
{
    for (Test* test : m_tests) {
        if (test != nullptr && test->GetIdentifier() == identifier) {
            return test;
        }
    }
    return nullptr;
}
