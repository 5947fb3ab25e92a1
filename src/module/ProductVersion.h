// The module's version record, 4.42.0.92, handed to the host by GetProductVersion.
#pragma once

#include <cstdint>

class ProductVersion {
public:
    ProductVersion(uint32_t major, uint32_t minor, uint32_t revision, uint32_t build);
    virtual ~ProductVersion();

    virtual uint32_t GetMajor() const;
    virtual uint32_t GetMinor() const;
    virtual uint32_t GetRevision() const;
    virtual uint32_t GetBuild() const;

private:
    uint32_t m_major;
    uint32_t m_minor;
    uint32_t m_revision;
    uint32_t m_build;
};
