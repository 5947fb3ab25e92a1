// Accessors of the version record.
#include "module/ProductVersion.h"

ProductVersion::ProductVersion(uint32_t major, uint32_t minor, uint32_t revision, uint32_t build)
    : m_major(major), m_minor(minor), m_revision(revision), m_build(build)
{
}

ProductVersion::~ProductVersion() = default;

uint32_t ProductVersion::GetMajor() const { return m_major; }

uint32_t ProductVersion::GetMinor() const { return m_minor; }

uint32_t ProductVersion::GetRevision() const { return m_revision; }

uint32_t ProductVersion::GetBuild() const { return m_build; }
