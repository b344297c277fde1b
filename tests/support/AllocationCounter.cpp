// Replaces the global operator new of the test programs that link it with a counting one.
#include "tests/support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocationCount = 0;
}

namespace allocations {
std::size_t Count()
{
    return allocationCount;
}
} // namespace allocations

void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

// The nothrow forms too (the standard library's temporary buffers use them): every block of the
// program must come from the one allocator that the deletes above return it to.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++allocationCount;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
