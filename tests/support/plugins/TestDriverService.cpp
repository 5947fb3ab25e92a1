// Small driver-service plug-ins for the tests of the module's loader: one source, built once per
// behaviour (TEST_SERVICE_READY, TEST_SERVICE_FACTORY, TEST_SERVICE_DESTROY, TEST_SERVICE_HANGS select it).
#include <unistd.h>

#include "DriverServiceBase.h"

#define TEST_SERVICE_EXPORT extern "C" __attribute__((visibility("default")))

// What the loader handed back, for the tests' assertions: services destroyed, and of those null ones.
TEST_SERVICE_EXPORT int TestServiceDestroyed[2];
int TestServiceDestroyed[2] = {0, 0};
TEST_SERVICE_EXPORT const int TestServiceIdentity = TEST_SERVICE_IDENTITY;

namespace {

class TestService : public corvo::driverservice::DriverServiceBase {
public:
    uint32_t IsReady() override { return TEST_SERVICE_READY; }
    uint32_t ReadPort(HDXPortRequest*, uint32_t* value) override { return *value = 0; }
    uint32_t WritePort(HDXPortWriteRequest*) override
    {
        if (TEST_SERVICE_HANGS) {
            // Said where a test can wait for it: the call is under way and will not come back.
            static_cast<void>(!write(STDERR_FILENO, "test service: hanging in WritePort\n", 35));
            for (;;) {
                pause();
            }
        }
        return 0;
    }
};

// Without a destroy function nobody could free a heap object, so that build hands out this one.
[[maybe_unused]] TestService g_staticService;

} // namespace

#if TEST_SERVICE_FACTORY
TEST_SERVICE_EXPORT HDXService* CreateHDXService()
{
    return TEST_SERVICE_FACTORY == 2 ? nullptr : TEST_SERVICE_DESTROY ? new TestService() : &g_staticService;
}
#endif

#if TEST_SERVICE_DESTROY
TEST_SERVICE_EXPORT void DestroyHDXService(HDXService* service)
{
    ++TestServiceDestroyed[0];
    TestServiceDestroyed[1] += service == nullptr ? 1 : 0;
    delete service;
}
#endif
