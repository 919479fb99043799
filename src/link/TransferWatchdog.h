#pragma once
// A wall-clock bound on one blocking transfer of the link library.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// The library restarts its byte timeout on every byte, so a far end that
// trickles bytes would keep a transfer alive without end. Once the limit has
// passed, the watchdog sets the library's cancel flag (read between blocks)
// and drops the cable's byte timeout to its least value (read while waiting
// for each byte), so the transfer fails soon after. Both are plain ints the
// library reads on the calling thread; they must outlive the watchdog.
class TransferWatchdog {
public:
    TransferWatchdog(int& cancel, unsigned int& byteTimeout, std::chrono::milliseconds limit);
    ~TransferWatchdog();
    TransferWatchdog(const TransferWatchdog&) = delete;
    TransferWatchdog& operator=(const TransferWatchdog&) = delete;

    // Whether the limit passed before the watchdog was destroyed.
    bool expired() const;

private:
    void watch(std::chrono::milliseconds limit);

    int& cancel_;
    unsigned int& byteTimeout_;
    mutable std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    bool expired_ = false;
    std::thread thread_;
};
