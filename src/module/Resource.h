// How the host presents a module: names and descriptions, help text and command-line names.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "module/ObjectId.h"

struct CommandNameEntry {
    std::string shortName;
    std::string longName;
    uint32_t selectorKind = 0;
};

using CommandNameMap = std::map<ObjectId, CommandNameEntry>;
using ParameterTable = std::map<int32_t, std::string>;

class Resource {
public:
    explicit Resource(const ObjectId& identifier);
    virtual ~Resource();

    virtual uint64_t GetHostValue();
    virtual std::string GetDiagnosticName(const ObjectId& identifier) = 0;
    virtual std::string GetTestName(const ObjectId& identifier) = 0;
    virtual std::string GetDiagnosticDescription(const ObjectId& identifier) = 0;
    virtual std::string GetTestDescription(const ObjectId& identifier) = 0;
    virtual std::string GetHelpText();
    virtual std::string GetModuleName();
    virtual std::string GetShortName();
    virtual CommandNameMap GetTestCommandNames();
    virtual CommandNameMap GetDiagnosticCommandNames();
    virtual ParameterTable GetParameters();
    virtual void SetParameters(const ParameterTable& parameters);

protected:
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

    ObjectId m_identifier;
    std::string m_helpText;
    std::string m_moduleName;
    std::string m_shortName;
    ParameterTable m_parameters;
    CommandNameMap m_testNames;
    CommandNameMap m_diagnosticNames;
    uint64_t m_hostValue = 0;
};
