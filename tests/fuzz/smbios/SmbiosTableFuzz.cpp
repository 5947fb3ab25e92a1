// Fuzz entry: firmware bytes through the SMBIOS table and entry-point readers and the port judge.
#include "SmbiosTable.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <vector>

using namespace corvo::platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const SmbiosParseResult parsed = SmbiosTable::Parse(data, size);
    // The structures written back, formatted area and strings with their NULs, must be exactly the
    // bytes they were read from: nothing skipped, nothing read twice, nothing past the end.
    std::vector<uint8_t> written;
    for (const SmbiosStructure& structure : parsed.structures) {
        Check(structure.offset == written.size() && structure.formatted.size() >= 4, "structure out of place");
        Check(structure.type == structure.formatted[0] && structure.String(0).empty(), "header fields");
        written.insert(written.end(), structure.formatted.begin(), structure.formatted.end());
        for (const std::string& text : structure.strings) {
            Check(text.find('\0') == std::string::npos, "string with a NUL");
            written.insert(written.end(), text.begin(), text.end());
            written.push_back(0);
        }
        written.insert(written.end(), structure.strings.empty() ? 2 : 1, 0);
        const Ps2PortConnector port = ClassifyPortConnector(structure);
        Check(structure.type == SmbiosTable::kPortConnectorType || (!port.keyboard && !port.mouse),
              "PS/2 port outside a port connector");
    }
    Check(written.size() <= size && std::equal(written.begin(), written.end(), data), "structures differ from the table");
    const bool closed = !parsed.structures.empty() && parsed.structures.back().type == SmbiosTable::kEndOfTableType;
    Check(closed == (parsed.stop == SmbiosParseResult::Stop::EndOfTableStructure), "end-of-table mismatch");
    Check(parsed.stop != SmbiosParseResult::Stop::EndOfData || written.size() == size, "end of data before the end");
    SmbiosTable::EntryPointVersion(std::vector<uint8_t>(data, data + size));
    return 0;
}
