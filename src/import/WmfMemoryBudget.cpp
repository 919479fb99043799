#include "import/WmfMemoryBudget.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kHeader = alignof(std::max_align_t);

size_t blockSize(const char* block)
{
    size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    return size;
}

}  // namespace

void WmfMemoryBudget::install(wmfAPI_Options& options)
{
    options.context = this;
    options.malloc = allocate;
    options.realloc = reallocate;
    options.free = release;
}

void* WmfMemoryBudget::allocate(void* context, size_t size)
{
    auto* budget = static_cast<WmfMemoryBudget*>(context);
    if (size > kLimit - budget->used_)
        return nullptr;
    auto* block = static_cast<char*>(std::malloc(size + kHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    budget->used_ += size;
    return block + kHeader;
}

void* WmfMemoryBudget::reallocate(void* context, void* memory, size_t size)
{
    if (!memory)
        return allocate(context, size);
    auto* budget = static_cast<WmfMemoryBudget*>(context);
    char* block = static_cast<char*>(memory) - kHeader;
    const size_t oldSize = blockSize(block);
    if (size > kLimit - (budget->used_ - oldSize))
        return nullptr;
    auto* grown = static_cast<char*>(std::realloc(block, size + kHeader));
    if (!grown)
        return nullptr;
    std::memcpy(grown, &size, sizeof size);
    budget->used_ = budget->used_ - oldSize + size;
    return grown + kHeader;
}

void WmfMemoryBudget::release(void* context, void* memory)
{
    if (!memory)
        return;
    char* block = static_cast<char*>(memory) - kHeader;
    static_cast<WmfMemoryBudget*>(context)->used_ -= blockSize(block);
    std::free(block);
}
