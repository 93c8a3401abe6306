// Global allocation functions that count every allocation. Every form the
// program's own code uses is replaced, so each block is freed by the
// allocator that made it (a sanitizer build checks that).
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<unsigned long long> g_nAllocations{0};

void* Counted_Allocation(std::size_t nSize)
{
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(nSize ? nSize : 1))
        return p;
    throw std::bad_alloc();
}

void* Counted_Allocation_No_Throw(std::size_t nSize) noexcept
{
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(nSize ? nSize : 1);
}

}  // namespace

unsigned long long Get_Allocation_Count()
{
    return g_nAllocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t nSize) { return Counted_Allocation(nSize); }
void* operator new[](std::size_t nSize) { return Counted_Allocation(nSize); }
void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept { return Counted_Allocation_No_Throw(nSize); }
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept { return Counted_Allocation_No_Throw(nSize); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
