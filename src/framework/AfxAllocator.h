// Allocator for the framework's containers: exhausted memory raises CMemoryException.
#pragma once

#include <cstddef>
#include <cstdlib>

[[noreturn]] void AfxThrowMemoryException();

template <class T> struct CAfxAllocator
{
    using value_type = T;

    CAfxAllocator() noexcept = default;
    template <class U> CAfxAllocator(const CAfxAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            AfxThrowMemoryException();
        void* p = std::malloc(n * sizeof(T));
        if (p == nullptr)
            AfxThrowMemoryException();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    template <class U> bool operator==(const CAfxAllocator<U>&) const noexcept { return true; }
};
