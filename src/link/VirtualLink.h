#pragma once
// tilibs' virtual link cable (CABLE_TIE), seen from the computer's end.

#include <chrono>

// True when the virtual link's shared counter says two ends are open. The
// library itself cannot tell once our end is open: with one end open it sends
// and receives nothing, silently, and its probe only sees the counter exists.
bool virtualLinkHasTwoEnds();

// A second reader of the pipe the computer's end reads, only ever polled. The
// library's reads spin on the pipe until their timeout, which counts CPU time;
// waiting here first sleeps instead, counts wall-clock time, and sees at once
// when the emulator's end has gone.
class VirtualLinkInput {
public:
    // Precondition: the computer's end is open (the pipe exists).
    VirtualLinkInput();
    ~VirtualLinkInput();
    VirtualLinkInput(const VirtualLinkInput&) = delete;
    VirtualLinkInput& operator=(const VirtualLinkInput&) = delete;

    enum class Wait { Ready, TimedOut, Gone };
    // Until a byte waits to be read, the emulator's end has closed, or the limit has passed.
    Wait waitForByte(std::chrono::milliseconds limit) const;

private:
    int fd_;
};
