// The driver-service interface: port I/O on the keyboard controller, implemented by a plug-in
// library that the module loads at run time. The module defines and exports the class; the
// plug-in derives from it. The order of the virtual functions is the contract with plug-ins.
#pragma once

#include <cstddef>
#include <cstdint>

#define HDX_SERVICE_API __attribute__((visibility("default")))

// Read one port: the caller clears the low byte of the value and uses only the low byte after.
struct HDXPortRequest {
    uint16_t port;    // 0x60 data or 0x64 status/command
    uint16_t padding;
    uint32_t width;   // bytes, always 1 from the module
};

struct HDXPortWriteRequest {
    uint16_t port;
    uint16_t padding;
    uint32_t width;
    const uint8_t* data; // the bytes to write, width of them
};

static_assert(sizeof(HDXPortRequest) == 8, "request layout is shared with plug-ins");
static_assert(offsetof(HDXPortWriteRequest, data) == 8, "request layout is shared with plug-ins");

class HDX_SERVICE_API HDXService {
public:
    HDXService();
    HDXService(const HDXService& other);
    // Copies nothing: a service is a handle to its plug-in's state, not a value.
    HDXService& operator=(const HDXService& other);
    virtual ~HDXService();

    // Slots 1 to 29 belong to the plug-in; the module calls only IsReady, ReadPort and WritePort.
    virtual uint32_t Reserved1() = 0;
    virtual uint32_t Reserved2() = 0;
    virtual uint32_t Reserved3() = 0;
    virtual uint32_t Reserved4() = 0;
    // Nonzero when the service can be used now; asked again before every use.
    virtual uint32_t IsReady() = 0;
    virtual uint32_t Reserved6() = 0;
    virtual uint32_t Reserved7() = 0;
    virtual uint32_t Reserved8() = 0;
    virtual uint32_t ReadPort(HDXPortRequest* request, uint32_t* value) = 0;
    virtual uint32_t WritePort(HDXPortWriteRequest* request) = 0;
    virtual uint32_t Reserved11() = 0;
    virtual uint32_t Reserved12() = 0;
    virtual uint32_t Reserved13() = 0;
    virtual uint32_t Reserved14() = 0;
    virtual uint32_t Reserved15() = 0;
    virtual uint32_t Reserved16() = 0;
    virtual uint32_t Reserved17() = 0;
    virtual uint32_t Reserved18() = 0;
    virtual uint32_t Reserved19() = 0;
    virtual uint32_t Reserved20() = 0;
    virtual uint32_t Reserved21() = 0;
    virtual uint32_t Reserved22() = 0;
    virtual uint32_t Reserved23() = 0;
    virtual uint32_t Reserved24() = 0;
    virtual uint32_t Reserved25() = 0;
    virtual uint32_t Reserved26() = 0;
    virtual uint32_t Reserved27() = 0;
    virtual uint32_t Reserved28() = 0;
    virtual uint32_t Reserved29() = 0;
};

// The plug-in library's file name, looked up in the process's current directory.
inline constexpr char kDriverServiceLibraryName[] = "HalvikDiagnosticsDriverService.so";
inline constexpr char kCreateServiceSymbol[] = "CreateHDXService";
inline constexpr char kDestroyServiceSymbol[] = "DestroyHDXService";

using CreateHDXServiceFunction = HDXService* (*)();
using DestroyHDXServiceFunction = void (*)(HDXService*);

// Optional export of a plug-in: whether its service can reach the keyboard controller on this
// machine, and if not why, in words for a technician (NUL-terminated, cut to size). A plug-in
// without it is judged by IsReady alone.
inline constexpr char kCheckServiceAccessSymbol[] = "CheckHDXServiceAccess";
using CheckHDXServiceAccessFunction = uint32_t (*)(char* reason, uint32_t size);

// What CheckHDXServiceAccess returns.
enum class HDXServiceAccess : uint32_t {
    Reachable = 0,
    NeedsRoot = 1,      // the process lacks the privilege for raw port access
    KernelLockdown = 2, // the kernel forbids raw port access even to root (Secure Boot)
    NoController = 3,   // the machine has no i8042 keyboard controller the kernel knows of
    KernelRefused = 4,  // the kernel refused the access for another reason
};
