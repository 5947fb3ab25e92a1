// The unused slots of the driver-service class: nothing to do, nothing to report.
#include "DriverServiceBase.h"

namespace corvo::driverservice {

uint32_t DriverServiceBase::Reserved1() { return 0; }
uint32_t DriverServiceBase::Reserved2() { return 0; }
uint32_t DriverServiceBase::Reserved3() { return 0; }
uint32_t DriverServiceBase::Reserved4() { return 0; }
uint32_t DriverServiceBase::Reserved6() { return 0; }
uint32_t DriverServiceBase::Reserved7() { return 0; }
uint32_t DriverServiceBase::Reserved8() { return 0; }
uint32_t DriverServiceBase::Reserved11() { return 0; }
uint32_t DriverServiceBase::Reserved12() { return 0; }
uint32_t DriverServiceBase::Reserved13() { return 0; }
uint32_t DriverServiceBase::Reserved14() { return 0; }
uint32_t DriverServiceBase::Reserved15() { return 0; }
uint32_t DriverServiceBase::Reserved16() { return 0; }
uint32_t DriverServiceBase::Reserved17() { return 0; }
uint32_t DriverServiceBase::Reserved18() { return 0; }
uint32_t DriverServiceBase::Reserved19() { return 0; }
uint32_t DriverServiceBase::Reserved20() { return 0; }
uint32_t DriverServiceBase::Reserved21() { return 0; }
uint32_t DriverServiceBase::Reserved22() { return 0; }
uint32_t DriverServiceBase::Reserved23() { return 0; }
uint32_t DriverServiceBase::Reserved24() { return 0; }
uint32_t DriverServiceBase::Reserved25() { return 0; }
uint32_t DriverServiceBase::Reserved26() { return 0; }
uint32_t DriverServiceBase::Reserved27() { return 0; }
uint32_t DriverServiceBase::Reserved28() { return 0; }
uint32_t DriverServiceBase::Reserved29() { return 0; }

} // namespace corvo::driverservice
