// The resource operations every module shares.
#include "module/Resource.h"

Resource::Resource(const ObjectId& identifier) : m_identifier(identifier) {}

Resource::~Resource() = default;

uint64_t Resource::GetHostValue() { return m_hostValue; }

std::string Resource::GetHelpText() { return m_helpText; }

std::string Resource::GetModuleName() { return m_moduleName; }

std::string Resource::GetShortName() { return m_shortName; }

CommandNameMap Resource::GetTestCommandNames() { return m_testNames; }

CommandNameMap Resource::GetDiagnosticCommandNames() { return m_diagnosticNames; }

ParameterTable Resource::GetParameters() { return m_parameters; }

void Resource::SetParameters(const ParameterTable& parameters)
{
    if (&parameters != &m_parameters) {
        m_parameters = parameters;
    }
}
