#include "link/TransferProgress.h"

#include <algorithm>

void TransferProgress::packetCounted(int count, int max)
{
    if (max <= 0)
        return;
    if (count < lastCount_ || max != packetMax_) {
        earlierPackets_ += packetMax_;
        packetMax_ = max;
    }
    lastCount_ = count;
    const int64_t total = earlierPackets_ + max;
    const int64_t done = std::max(done_, earlierPackets_ + std::clamp(count, 0, max));
    if (done == done_ && total == total_)
        return;
    done_ = done;
    total_ = total;
    report_(done_, total_);
}

void TransferProgress::finished()
{
    if (total_ > 0 && done_ < total_) {
        done_ = total_;
        report_(done_, total_);
    }
}
