// Small driver-service plug-ins for the tests of the module's loader: one source, built once per
// behaviour (TEST_SERVICE_READY, TEST_SERVICE_FACTORY, TEST_SERVICE_DESTROY select it).
#include <atomic>
#include <cstring>

#include "DriverServiceBase.h"

#define TEST_SERVICE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::atomic<int> g_created{0};
std::atomic<int> g_destroyed{0};
std::atomic<int> g_destroyedNull{0};
std::atomic<int> g_readyQuestions{0};

class TestService : public corvo::driverservice::DriverServiceBase {
public:
    uint32_t IsReady() override
    {
        ++g_readyQuestions;
        return TEST_SERVICE_READY;
    }
    uint32_t ReadPort(HDXPortRequest*, uint32_t* value) override
    {
        *value = 0;
        return 0;
    }
    uint32_t WritePort(HDXPortWriteRequest*) override { return 0; }
};

// Without a destroy function nobody could free a heap object, so that build hands out this one.
[[maybe_unused]] TestService g_staticService;

} // namespace

#if TEST_SERVICE_FACTORY
TEST_SERVICE_EXPORT HDXService* CreateHDXService()
{
    ++g_created;
#if TEST_SERVICE_FACTORY == 2
    return nullptr;
#elif TEST_SERVICE_DESTROY
    return new TestService();
#else
    return &g_staticService;
#endif
}
#endif

#if TEST_SERVICE_DESTROY
TEST_SERVICE_EXPORT void DestroyHDXService(HDXService* service)
{
    ++g_destroyed;
    if (service == nullptr) {
        ++g_destroyedNull;
    }
    delete service;
}
#endif

// What the loader did with this plug-in, for the tests' assertions.
TEST_SERVICE_EXPORT int TestServiceCounter(const char* name)
{
    if (std::strcmp(name, "created") == 0) {
        return g_created;
    }
    if (std::strcmp(name, "destroyed") == 0) {
        return g_destroyed;
    }
    if (std::strcmp(name, "destroyedNull") == 0) {
        return g_destroyedNull;
    }
    if (std::strcmp(name, "readyQuestions") == 0) {
        return g_readyQuestions;
    }
    return -1;
}
