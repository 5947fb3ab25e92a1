// Bounds-checked reading of SMBIOS structure tables and entry points, and the PS/2 port connectors in them.
#include "SmbiosTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string_view>

namespace corvo::platform {

namespace {

constexpr std::size_t kHeaderSize = 4;

// Port Connector Information (type 8) field offsets and codes, from the SMBIOS reference
// document DSP0134, section "Port Connector Information (Type 8)": the structure's table and
// the tables of its "Connector Types" and "Port Types" fields.
constexpr std::size_t kInternalDesignatorOffset = 0x04;
constexpr std::size_t kInternalConnectorTypeOffset = 0x05;
constexpr std::size_t kExternalDesignatorOffset = 0x06;
constexpr std::size_t kExternalConnectorTypeOffset = 0x07;
constexpr std::size_t kPortTypeOffset = 0x08;

constexpr uint8_t kConnectorTypePs2 = 0x0F;
constexpr uint8_t kPortTypeNone = 0x00;
constexpr uint8_t kPortTypeKeyboard = 0x0D;
constexpr uint8_t kPortTypeMouse = 0x0E;
constexpr uint8_t kPortTypeOther = 0xFF;

// Words in a reference designator that name the device behind an otherwise unspecific PS/2
// connector. Board makers label the jack ("PS2 KB", "Keyboard", "KBMS", "PS/2 Mouse"); "kb" also
// covers "kbd", "ms" covers "KBMS". Only consulted when the connector type already says PS/2, so
// the short words cannot turn a serial or USB port into a PS/2 one.
constexpr std::array<std::string_view, 2> kKeyboardWords = {"keyboard", "kb"};
constexpr std::array<std::string_view, 2> kMouseWords = {"mouse", "ms"};

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return text;
}

template <std::size_t Count>
bool MentionsAny(const std::string& loweredText, const std::array<std::string_view, Count>& words)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view word) {
        return loweredText.find(word) != std::string::npos;
    });
}

} // namespace

std::optional<uint8_t> SmbiosStructure::Byte(std::size_t fieldOffset) const
{
    if (fieldOffset >= formatted.size()) {
        return std::nullopt;
    }
    return formatted[fieldOffset];
}

std::string SmbiosStructure::String(uint8_t number) const
{
    if (number == 0 || number > strings.size()) {
        return {};
    }
    return strings[number - 1u];
}

SmbiosParseResult SmbiosTable::Parse(const uint8_t* data, std::size_t size)
{
    using Stop = SmbiosParseResult::Stop;
    SmbiosParseResult result;
    if (data == nullptr) {
        size = 0;
    }
    std::size_t offset = 0;
    for (;;) {
        if (offset == size) {
            result.stop = Stop::EndOfData;
            return result;
        }
        const std::size_t remaining = size - offset;
        if (remaining < kHeaderSize) {
            result.stop = Stop::TruncatedHeader;
            return result;
        }
        const std::size_t length = data[offset + 1];
        if (length < kHeaderSize) {
            result.stop = Stop::InvalidLength;
            return result;
        }
        if (length > remaining) {
            result.stop = Stop::FormattedAreaPastEnd;
            return result;
        }

        // The string set ends at the first pair of NULs after the formatted area; a structure
        // without strings still carries the pair.
        const std::size_t stringsBegin = offset + length;
        std::size_t stringsEnd = stringsBegin;
        bool terminated = false;
        while (stringsEnd + 1 < size) {
            if (data[stringsEnd] == 0 && data[stringsEnd + 1] == 0) {
                terminated = true;
                break;
            }
            ++stringsEnd;
        }
        if (!terminated) {
            result.stop = Stop::StringSetPastEnd;
            return result;
        }

        SmbiosStructure structure;
        structure.type = data[offset];
        structure.handle = static_cast<uint16_t>(data[offset + 2] | (data[offset + 3] << 8));
        structure.offset = offset;
        structure.formatted.assign(data + offset, data + offset + length);
        std::size_t position = stringsBegin;
        while (position < stringsEnd) {
            const auto* begin = reinterpret_cast<const char*>(data + position);
            const std::size_t stringLength = ::strnlen(begin, stringsEnd - position);
            structure.strings.emplace_back(begin, stringLength);
            position += stringLength + 1;
        }
        result.structures.push_back(std::move(structure));

        offset = stringsEnd + 2;
        if (result.structures.back().type == kEndOfTableType) {
            result.stop = Stop::EndOfTableStructure;
            return result;
        }
    }
}

std::optional<SmbiosVersion> SmbiosTable::EntryPointVersion(const std::vector<uint8_t>& entryPoint)
{
    const auto startsWith = [&](std::string_view anchor) {
        return entryPoint.size() >= anchor.size() &&
               std::memcmp(entryPoint.data(), anchor.data(), anchor.size()) == 0;
    };
    // Offsets of the version bytes from DSP0134, "SMBIOS 2.1 (32-bit) Entry Point structure" and
    // "SMBIOS 3.0 (64-bit) Entry Point structure"; the legacy DMI anchor keeps a BCD revision.
    if (startsWith("_SM3_") && entryPoint.size() > 8) {
        return SmbiosVersion{entryPoint[7], entryPoint[8]};
    }
    if (startsWith("_SM_") && entryPoint.size() > 7) {
        return SmbiosVersion{entryPoint[6], entryPoint[7]};
    }
    if (startsWith("_DMI_") && entryPoint.size() > 0x0E) {
        const uint8_t revision = entryPoint[0x0E];
        return SmbiosVersion{static_cast<uint8_t>(revision >> 4), static_cast<uint8_t>(revision & 0x0F)};
    }
    return std::nullopt;
}

Ps2PortConnector ClassifyPortConnector(const SmbiosStructure& structure)
{
    Ps2PortConnector port;
    if (structure.type != SmbiosTable::kPortConnectorType) {
        return port;
    }
    const std::optional<uint8_t> portType = structure.Byte(kPortTypeOffset);
    if (!portType) {
        return port;
    }
    // The port type is the firmware's own statement of what the port is for and wins over any
    // label. Laptops report their built-in keyboard controller this way with no connector at all.
    if (*portType == kPortTypeKeyboard) {
        port.keyboard = true;
        return port;
    }
    if (*portType == kPortTypeMouse) {
        port.mouse = true;
        return port;
    }
    // A PS/2 jack whose port type says nothing useful ("None" or "Other") is judged by its labels;
    // combined jacks are often labelled for both and then count for both.
    if (*portType != kPortTypeNone && *portType != kPortTypeOther) {
        return port;
    }
    const bool ps2Connector = structure.Byte(kInternalConnectorTypeOffset) == kConnectorTypePs2 ||
                              structure.Byte(kExternalConnectorTypeOffset) == kConnectorTypePs2;
    if (!ps2Connector) {
        return port;
    }
    const std::string labels =
        Lowered(structure.String(structure.Byte(kInternalDesignatorOffset).value_or(0)) + " " +
                structure.String(structure.Byte(kExternalDesignatorOffset).value_or(0)));
    port.keyboard = MentionsAny(labels, kKeyboardWords);
    port.mouse = MentionsAny(labels, kMouseWords);
    return port;
}

} // namespace corvo::platform
