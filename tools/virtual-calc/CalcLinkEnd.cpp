#include "CalcLinkEnd.h"

#include "link/TiLibs.h"

#include <thread>

namespace {

constexpr unsigned kByteTimeoutTenths = 10;
constexpr auto kPollStep = std::chrono::microseconds(200);

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
    return std::unique_ptr<CalcLinkEnd>(new CalcLinkEnd(handle));
}

CalcLinkEnd::~CalcLinkEnd()
{
    ticables_cable_close(handle_);
    ticables_handle_del(handle_);
}

bool CalcLinkEnd::waitForInput(Clock::time_point deadline)
{
    // The library's own reads spin until the timeout; checking first keeps an idle calculator idle.
    while (Clock::now() < deadline) {
        CableStatus status = STATUS_NONE;
        if (ticables_cable_check(handle_, &status) != 0)
            return false;
        if (status & STATUS_RX)
            return true;
        std::this_thread::sleep_for(kPollStep);
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
