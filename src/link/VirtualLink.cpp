#include "link/VirtualLink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <cstring>

namespace {

// The computer's end (PORT_2) reads the pipe the emulator's end writes.
constexpr const char* kInputPipe = "/tmp/.vlc_0_1";

}  // namespace

bool virtualLinkHasTwoEnds()
{
    // The key and the int counter are those of libticables' virtual link.
    const key_t key = ftok("/tmp", 0x1234);
    if (key == -1)
        return false;
    const int id = shmget(key, 0, 0);
    if (id == -1)
        return false;
    void* address = shmat(id, nullptr, SHM_RDONLY);
    if (address == reinterpret_cast<void*>(-1))
        return false;
    int ends = 0;
    std::memcpy(&ends, address, sizeof ends);
    shmdt(address);
    return ends >= 2;
}

VirtualLinkInput::VirtualLinkInput() : fd_(::open(kInputPipe, O_RDONLY | O_NONBLOCK)) {}

VirtualLinkInput::~VirtualLinkInput()
{
    if (fd_ != -1)
        ::close(fd_);
}

VirtualLinkInput::Wait VirtualLinkInput::waitForByte(std::chrono::milliseconds limit) const
{
    if (fd_ == -1)
        return Wait::Gone;
    pollfd watch{fd_, POLLIN, 0};
    if (::poll(&watch, 1, static_cast<int>(limit.count())) == -1)
        return Wait::Gone;
    if (watch.revents & POLLIN)
        return Wait::Ready;
    // A pipe with no writer left reports a hang-up.
    return watch.revents & (POLLHUP | POLLERR) ? Wait::Gone : Wait::TimedOut;
}
