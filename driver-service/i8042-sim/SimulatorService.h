// The driver service over a simulated controller: the module's requests, checked, then simulated.
#pragma once

#include "DriverServiceBase.h"
#include "SimulatorInstance.h"

namespace corvo::i8042 {

class SimulatorService : public corvo::driverservice::DriverServiceBase {
public:
    explicit SimulatorService(SimulatorInstance& instance);

    uint32_t IsReady() override;
    uint32_t ReadPort(HDXPortRequest* request, uint32_t* value) override;
    uint32_t WritePort(HDXPortWriteRequest* request) override;

private:
    SimulatorInstance& m_instance;
};

} // namespace corvo::i8042
