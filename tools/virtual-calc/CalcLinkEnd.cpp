#include "CalcLinkEnd.h"

#include "link/TiLibs.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <thread>

namespace {

constexpr unsigned kByteTimeoutTenths = 10;
// The calculator end (PORT_1) reads the pipe the computer end writes.
constexpr const char* kInputPipe = "/tmp/.vlc_1_0";
constexpr auto kIdleStep = std::chrono::milliseconds(1);

std::string errorText(int code)
{
    char* message = nullptr;
    if (ticables_error_get(code, &message) != 0 || !message)
        return "error " + std::to_string(code);
    std::string text = message;
    ticables_error_free(message);
    return text;
}

}  // namespace

std::unique_ptr<CalcLinkEnd> CalcLinkEnd::open(std::string& error)
{
    CableHandle* handle = ticables_handle_new(CABLE_TIE, PORT_1);
    if (!handle) {
        error = "no handle for the virtual cable";
        return nullptr;
    }
    ticables_options_set_timeout(handle, kByteTimeoutTenths);
    if (const int code = ticables_cable_open(handle)) {
        error = errorText(code);
        ticables_handle_del(handle);
        return nullptr;
    }
    const int watchFd = ::open(kInputPipe, O_RDONLY | O_NONBLOCK);
    if (watchFd == -1) {
        error = std::string("cannot watch ") + kInputPipe;
        ticables_cable_close(handle);
        ticables_handle_del(handle);
        return nullptr;
    }
    return std::unique_ptr<CalcLinkEnd>(new CalcLinkEnd(handle, watchFd));
}

CalcLinkEnd::~CalcLinkEnd()
{
    ::close(watchFd_);
    ticables_cable_close(handle_);
    ticables_handle_del(handle_);
}

bool CalcLinkEnd::waitForInput(Clock::time_point deadline)
{
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        pollfd watch{watchFd_, POLLIN, 0};
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (::poll(&watch, 1, static_cast<int>(left.count())) == -1)
            return false;
        if (watch.revents & POLLIN)
            return true;
        // No writer yet (or any more): the pipe reports a hang-up at once, so wait a little.
        if (watch.revents & POLLHUP)
            std::this_thread::sleep_for(kIdleStep);
    }
    return false;
}

bool CalcLinkEnd::read(uint8_t* data, size_t count)
{
    return count == 0 || ticables_cable_recv(handle_, data, static_cast<uint32_t>(count)) == 0;
}

bool CalcLinkEnd::write(const uint8_t* data, size_t count)
{
    return count == 0 || ticables_cable_send(handle_, const_cast<uint8_t*>(data), static_cast<uint32_t>(count)) == 0;
}
