// Abstract base of every test the host can run; the order of the virtual operations is the ABI.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "module/ConfigData.h"
#include "module/ObjectId.h"

class ExecutionContext;
class SystemComponent;

// A record the host hands to slot 6; the module ignores it.
struct TestHostRecord {
    std::string text0;
    std::string text1;
    std::string text2;
    std::string text3;
    std::string text4;
    uint64_t number = 0;
    std::string label;
    uint32_t value0 = 0;
    uint32_t value1 = 0;
};

class Test {
public:
    explicit Test(const ObjectId& identifier);
    virtual ~Test();

    virtual bool IsApplicable(SystemComponent* device) = 0;
    virtual uint32_t Run(ExecutionContext* execution) = 0;
    virtual bool IsInteractive() = 0;
    // Slots 4 to 9 and 11 carry meanings of the host's; this module answers them with constants.
    virtual bool Reserved4();
    virtual std::vector<std::string> Reserved5();
    virtual void Reserved6(TestHostRecord record);
    virtual std::vector<std::string> Reserved7();
    virtual bool Reserved8();
    virtual bool Reserved9();
    // The tests read their settings themselves; a configuration handed in is accepted and ignored.
    virtual bool SetConfiguration(corvo::utils::config::ConfigData configuration);
    virtual void Reserved11();

    // Not virtual: hosts read the identifier field directly, it follows the table pointer.
    const ObjectId& GetIdentifier() const { return m_identifier; }

protected:
    Test(const Test&) = default;
    Test& operator=(const Test&) = default;

    ObjectId m_identifier;
};
