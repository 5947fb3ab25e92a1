// Bounds-checked reading of SMBIOS structure tables and entry points, and the PS/2 port connectors in them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvo::platform {

// One structure of the table: its formatted area and its string set. Offsets are into the table
// the structure was read from.
struct SmbiosStructure {
    uint8_t type = 0;
    uint16_t handle = 0;
    std::size_t offset = 0;           // where the header starts
    std::vector<uint8_t> formatted;   // the formatted area, header included
    std::vector<std::string> strings; // string 1 is strings[0]

    // The byte at an offset of the formatted area, or nothing when the structure is shorter.
    std::optional<uint8_t> Byte(std::size_t fieldOffset) const;
    // The string a one-based string number refers to; empty for 0 or a number past the set.
    std::string String(uint8_t number) const;
};

struct SmbiosVersion {
    uint8_t major = 0;
    uint8_t minor = 0;
};

// What a table yielded and why reading stopped where it did.
struct SmbiosParseResult {
    enum class Stop {
        EndOfTableStructure, // a type 127 structure closed the table
        EndOfData,           // the bytes ran out exactly at a structure boundary
        TruncatedHeader,     // fewer than four bytes left for a header
        InvalidLength,       // a formatted area shorter than its own header
        FormattedAreaPastEnd,// the formatted area runs past the end of the table
        StringSetPastEnd,    // the string set has no double NUL before the end of the table
    };
    std::vector<SmbiosStructure> structures;
    Stop stop = Stop::EndOfData;
};

// The table reader treats its input as hostile: firmware tables are often wrong and the file can be
// anything. It never reads outside the span, keeps every structure read completely before the
// first broken one, and always ends because each step moves forward by at least six bytes.
class SmbiosTable {
public:
    static constexpr uint8_t kPortConnectorType = 8;
    static constexpr uint8_t kEndOfTableType = 127;

    static SmbiosParseResult Parse(const uint8_t* data, std::size_t size);
    static SmbiosParseResult Parse(const std::vector<uint8_t>& table)
    {
        return Parse(table.data(), table.size());
    }

    // The version an entry point announces: "_SM3_" (64-bit), "_SM_" (32-bit) or the legacy
    // "_DMI_" anchor with its BCD revision. Nothing when the bytes are none of these.
    static std::optional<SmbiosVersion> EntryPointVersion(const std::vector<uint8_t>& entryPoint);
};

// The PS/2 ports a port connector structure (type 8) describes.
struct Ps2PortConnector {
    bool keyboard = false;
    bool mouse = false;
};

// Judges one structure; anything that is not a complete port connector gives neither.
Ps2PortConnector ClassifyPortConnector(const SmbiosStructure& structure);

} // namespace corvo::platform
