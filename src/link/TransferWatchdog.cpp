#include "link/TransferWatchdog.h"

TransferWatchdog::TransferWatchdog(int& cancel, unsigned int& byteTimeout, std::chrono::milliseconds limit)
    : cancel_(cancel), byteTimeout_(byteTimeout), thread_([this, limit] { watch(limit); })
{
}

TransferWatchdog::~TransferWatchdog()
{
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    thread_.join();
}

bool TransferWatchdog::expired() const
{
    std::lock_guard lock(mutex_);
    return expired_;
}

void TransferWatchdog::watch(std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex_);
    if (finished_.wait_for(lock, limit, [this] { return done_; }))
        return;
    expired_ = true;
    // One tenth of a second, not zero: for the USB cable zero means no timeout at all.
    __atomic_store_n(&byteTimeout_, 1u, __ATOMIC_RELAXED);
    __atomic_store_n(&cancel_, 1, __ATOMIC_RELAXED);
}
