// The class and subclass name tables and their lookups.
#include "usb/UsbNames.h"

namespace {

struct ClassRow {
    uint8_t classCode;
    std::string_view name;
};

// Transcribes the base-class table of USB-IF "Defined Class Codes" (usb.org/defined-class-codes),
// in our wording, for the classes the diagnostics name. 0x58 is not a USB-IF code: it is the class
// that one family of game controllers reports, named because users see those controllers often.
constexpr ClassRow kClassNames[] = {
    {0x01, "Audio"},
    {0x02, "Communications and CDC Control"},
    {0x03, "Human interface device (HID)"},
    {0x05, "Physical interface device"},
    {0x06, "Imaging"},
    {0x07, "Printer"},
    {0x08, "Mass storage"},
    {0x09, "Hub"},
    {0x0A, "CDC data"},
    {0x0B, "Chip/SmartCard"},
    {0x0D, "Content security"},
    {0x0E, "Video"},
    {0x0F, "Personal Healthcare"},
    {0x10, "Audio/Video Devices"},
    {0x58, "Xbox"},
    {0xDC, "Diagnostic"},
    {0xE0, "Wireless"},
    {0xEF, "Miscellaneous device"},
    {0xFE, "Application specific interface"},
    {0xFF, "Vendor specific"},
};

struct SubclassRow {
    uint8_t classCode;
    uint8_t subclassCode;
    // The vendor-specific class leaves every subclass to the vendor, so one row names them all.
    bool anySubclass;
    std::string_view name;
};

// Transcribes the subclass tables of the class documents, in our wording:
//   Audio 1.0, Table A-2 "Audio Interface Subclass Codes";
//   CDC 1.2, Table 4 "Communications Class Subclass Codes";
//   HID 1.11, section 4.2 "Subclass";
//   Still Image Capture Device Definition 1.0 and Printer Class 1.1, their interface descriptors
//   (subclass 01h in both);
//   USB Mass Storage Class Overview 1.2, the "SubClass Codes" table;
//   Video Class 1.1, Table A-2 "Video Interface Subclass Codes";
//   USB-IF "Defined Class Codes" for the diagnostic (DCh), wireless controller (E0h),
//   application-specific (FEh) and vendor-specific (FFh) base classes.
// Class 58h subclass 42h is the game-controller convention named in the class table.
constexpr SubclassRow kSubclassNames[] = {
    {0x01, 0x01, false, "Control device"},
    {0x01, 0x02, false, "Streaming"},
    {0x01, 0x03, false, "MIDI streaming"},
    {0x02, 0x01, false, "Direct line"},
    {0x02, 0x02, false, "Abstract (modem)"},
    {0x02, 0x03, false, "Telephone"},
    {0x02, 0x04, false, "Multi-channel"},
    {0x02, 0x05, false, "CAPI control"},
    {0x02, 0x06, false, "Ethernet networking"},
    {0x02, 0x07, false, "ATM networking"},
    {0x02, 0x08, false, "Wireless handset control"},
    {0x02, 0x09, false, "Device management"},
    {0x02, 0x0A, false, "Mobile direct line"},
    {0x02, 0x0B, false, "OBEX"},
    {0x02, 0x0C, false, "Ethernet emulation"},
    {0x03, 0x00, false, "No subclass"},
    {0x03, 0x01, false, "Boot interface subclass"},
    {0x06, 0x01, false, "Still image capture"},
    {0x07, 0x01, false, "Printer"},
    {0x08, 0x01, false, "RBC"},
    {0x08, 0x02, false, "SFF-8020i, MMC-2 (ATAPI)"},
    {0x08, 0x03, false, "QIC-157"},
    {0x08, 0x04, false, "Floppy (UFI)"},
    {0x08, 0x05, false, "SFF-8070i"},
    {0x08, 0x06, false, "SCSI"},
    {0x0E, 0x00, false, "Undefined"},
    {0x0E, 0x01, false, "Video control"},
    {0x0E, 0x02, false, "Video streaming"},
    {0x0E, 0x03, false, "Video Interface Collection"},
    {0x58, 0x42, false, "Controller"},
    {0xDC, 0x01, false, "Reprogrammable diagnostics"},
    {0xE0, 0x01, false, "Radio frequency"},
    {0xE0, 0x02, false, "Wireless USB Wire Adapter"},
    {0xFE, 0x01, false, "Device firmware update"},
    {0xFE, 0x02, false, "IRDA bridge"},
    {0xFE, 0x03, false, "Test and measurement"},
    {0xFF, 0x00, true, "Vendor specific"},
};

} // namespace

std::string_view UsbNames::ClassName(uint8_t classCode)
{
    for (const ClassRow& row : kClassNames) {
        if (row.classCode == classCode) {
            return row.name;
        }
    }
    return kUnknown;
}

std::string_view UsbNames::SubclassName(uint8_t classCode, uint8_t subclassCode)
{
    for (const SubclassRow& row : kSubclassNames) {
        if (row.classCode == classCode && (row.anySubclass || row.subclassCode == subclassCode)) {
            return row.name;
        }
    }
    return kUnknown;
}

std::string_view UsbNames::ProtocolName(uint8_t, uint8_t, uint8_t)
{
    return kUnusedProtocol;
}
