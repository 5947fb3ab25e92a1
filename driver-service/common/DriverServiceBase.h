// The driver-service class with the slots the module never calls answered once for both plug-ins.
#pragma once

#include "platform/HDXService.h"

namespace corvo::driverservice {

// Slots 1 to 29 are pure in the module's class; a plug-in must fill the whole table even though
// only IsReady, ReadPort and WritePort are ever called, so the others answer 0 here.
class DriverServiceBase : public HDXService {
public:
    uint32_t Reserved1() override;
    uint32_t Reserved2() override;
    uint32_t Reserved3() override;
    uint32_t Reserved4() override;
    uint32_t Reserved6() override;
    uint32_t Reserved7() override;
    uint32_t Reserved8() override;
    uint32_t Reserved11() override;
    uint32_t Reserved12() override;
    uint32_t Reserved13() override;
    uint32_t Reserved14() override;
    uint32_t Reserved15() override;
    uint32_t Reserved16() override;
    uint32_t Reserved17() override;
    uint32_t Reserved18() override;
    uint32_t Reserved19() override;
    uint32_t Reserved20() override;
    uint32_t Reserved21() override;
    uint32_t Reserved22() override;
    uint32_t Reserved23() override;
    uint32_t Reserved24() override;
    uint32_t Reserved25() override;
    uint32_t Reserved26() override;
    uint32_t Reserved27() override;
    uint32_t Reserved28() override;
    uint32_t Reserved29() override;
};

} // namespace corvo::driverservice
