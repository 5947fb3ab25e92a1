// Identifier of a module, diagnostic, test, resource or component manager: module.group.index.
#pragma once

#include <cstdint>
#include <string>

class ObjectId {
public:
    // The key is built from the numbers as given, before masking: an out-of-range group spills
    // into the module bits of the key, and callers that compare keys see exactly that. Defined
    // here so that hosts, which never link the module's code, share the one definition.
    ObjectId(uint16_t module, uint32_t group, uint32_t index)
        : m_module(module)
        , m_group(group & kFieldMask)
        , m_index(index & kFieldMask)
        , m_key((static_cast<uint64_t>(module) << 48) | (static_cast<uint64_t>(group) << 24) | index)
    {
    }

    uint16_t GetModule() const { return m_module; }
    uint32_t GetGroup() const { return m_group; }
    uint32_t GetIndex() const { return m_index; }
    uint64_t GetKey() const { return m_key; }

    // "10.1.3", the form in which identifiers are written for people.
    std::string ToString() const
    {
        return std::to_string(m_module) + "." + std::to_string(m_group) + "." + std::to_string(m_index);
    }

    // Identity is the key alone, so identifiers built from the same numbers are equal whatever
    // object holds them.
    friend bool operator==(const ObjectId& left, const ObjectId& right) { return left.m_key == right.m_key; }
    friend bool operator!=(const ObjectId& left, const ObjectId& right) { return left.m_key != right.m_key; }
    friend bool operator<(const ObjectId& left, const ObjectId& right) { return left.m_key < right.m_key; }

private:
    static constexpr uint32_t kFieldMask = 0xFFFFFFu;

    uint16_t m_module;
    uint32_t m_group;
    uint32_t m_index;
    uint64_t m_key;
};

namespace corvo::keyboard {
inline constexpr uint16_t kKeyboardModuleNumber = 10;
// The four tests, in the order in which the diagnostic holds them.
inline constexpr uint32_t kDiagnosticGroup = 1;
inline constexpr uint32_t kPs2TestIndex = 1;
inline constexpr uint32_t kUsbTestIndex = 2;
inline constexpr uint32_t kKeycodeTestIndex = 3;
inline constexpr uint32_t kAdvancedTestIndex = 4;
} // namespace corvo::keyboard
