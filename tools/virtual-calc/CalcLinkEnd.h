#pragma once
// The calculator's end of tilibs' virtual link cable (CABLE_TIE, PORT_1): raw
// bytes in and out, waiting for input without spinning.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct _CableHandle;

using Clock = std::chrono::steady_clock;

class CalcLinkEnd {
public:
    // The opened end, or none with the library's reason in error.
    static std::unique_ptr<CalcLinkEnd> open(std::string& error);
    ~CalcLinkEnd();
    CalcLinkEnd(const CalcLinkEnd&) = delete;
    CalcLinkEnd& operator=(const CalcLinkEnd&) = delete;

    // Sleeps until a byte waits to be read; false once the deadline has passed.
    bool waitForInput(Clock::time_point deadline);
    // Exactly count bytes; false when the cable's timeout (one second a byte) ran out.
    bool read(uint8_t* data, size_t count);
    bool write(const uint8_t* data, size_t count);

private:
    CalcLinkEnd(_CableHandle* handle, int watchFd) : handle_(handle), watchFd_(watchFd) {}
    _CableHandle* handle_;
    // A second reader of the pipe the calculator reads from, only ever polled:
    // the library's own reads spin, so waiting on it keeps an idle calculator
    // idle and wakes a busy one the moment a byte arrives.
    int watchFd_;
};
