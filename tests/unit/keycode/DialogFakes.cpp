// The fakes' shared state.
#include "DialogFakes.h"

namespace keycodetest {

FakeSystem& Fakes()
{
    static FakeSystem system;
    return system;
}

} // namespace keycodetest
