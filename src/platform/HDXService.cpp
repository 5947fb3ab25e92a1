// The exported driver-service base class.
#include "platform/HDXService.h"

HDXService::HDXService() = default;

HDXService::HDXService(const HDXService&) {}

HDXService& HDXService::operator=(const HDXService&) { return *this; }

HDXService::~HDXService() = default;
