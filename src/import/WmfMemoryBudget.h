#pragma once
// A memory budget for libwmf's own allocations.
//
// The player allocates with sizes it reads from the file (a bitmap record's
// header, a region's count); the budget keeps a broken file from claiming
// memory without bound. Each block carries its size in front of it.

#include <libwmf/api.h>

#include <cstddef>

class WmfMemoryBudget {
public:
    static constexpr size_t kLimit = size_t{256} << 20;

    // Routes the player's allocations through this budget, which must outlive the player.
    void install(wmfAPI_Options& options);

private:
    static void* allocate(void* context, size_t size);
    static void* reallocate(void* context, void* memory, size_t size);
    static void release(void* context, void* memory);

    size_t used_ = 0;
};
