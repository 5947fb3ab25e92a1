// Reads and writes an event device's auto-repeat setting with EVIOCGREP and EVIOCSREP.
#include "platform/linux/EvdevRepeatNode.h"

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace corvo::platform {

std::unique_ptr<EvdevRepeatDevice> EvdevRepeatNode::Open(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return nullptr;
    }
    return std::unique_ptr<EvdevRepeatDevice>(new EvdevRepeatNode(descriptor));
}

EvdevRepeatNode::~EvdevRepeatNode()
{
    ::close(m_descriptor);
}

bool EvdevRepeatNode::ReadRepeat(EvdevRepeat& repeat)
{
    unsigned int values[2] = {0, 0};
    if (::ioctl(m_descriptor, EVIOCGREP, values) != 0) {
        return false;
    }
    repeat = EvdevRepeat{values[0], values[1]};
    return true;
}

bool EvdevRepeatNode::WriteRepeat(const EvdevRepeat& repeat)
{
    unsigned int values[2] = {repeat.delayMs, repeat.periodMs};
    return ::ioctl(m_descriptor, EVIOCSREP, values) == 0;
}

} // namespace corvo::platform
