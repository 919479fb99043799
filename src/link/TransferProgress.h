#pragma once
// One transfer's progress as bytes done of bytes expected, from the link
// library's counters of the packet under way.

#include <cstdint>
#include <functional>

class TransferProgress {
public:
    // Called with done <= total, done never going down within a transfer.
    using Report = std::function<void(int64_t done, int64_t total)>;

    // waiting: called now and then while the transfer waits for the calculator; may be empty.
    TransferProgress(Report report, std::function<void()> waiting)
        : report_(std::move(report)), waiting_(std::move(waiting))
    {
    }

    // The library's counters: count of max bytes of the packet under way. It
    // counts in blocks and may end a packet one past its end or short of it;
    // a count that falls back means a new packet has begun.
    void packetCounted(int count, int max);
    // The transfer succeeded: all that was expected is done.
    void finished();
    // The transfer waits for the calculator's next byte.
    void waiting() const
    {
        if (waiting_)
            waiting_();
    }

private:
    Report report_;
    std::function<void()> waiting_;
    int64_t earlierPackets_ = 0;
    int packetMax_ = 0;
    int lastCount_ = 0;
    int64_t done_ = 0;
    int64_t total_ = 0;
};
