#pragma once
// The allocator of the record list's nodes: fixed-size slots carved from large blocks whose
// pages are put in place in one step, and reused as records come and go. A load of a
// million records then costs a few hundred system calls instead of a million allocations
// and a fault on every page they touch.

#include <cstddef>
#include <memory>

namespace recordnodes {

// Slots of one size, shared by every list of one node type. Thread-safe.
class Pool
{
public:
    Pool(size_t slotBytes, size_t alignment);
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    void* take();
    void give(void* slot) noexcept;

    template <class T> static Pool& of()
    {
        static Pool pool(sizeof(T), alignof(T));
        return pool;
    }

private:
    struct State;
    State* m_state; // never freed: slots may be given back while statics are destroyed
};

} // namespace recordnodes

template <class T> struct RecordAllocator
{
    using value_type = T;

    RecordAllocator() noexcept = default;
    template <class U> RecordAllocator(const RecordAllocator<U>&) noexcept {}

    T* allocate(size_t n)
    {
        if (n != 1)
            return std::allocator<T>{}.allocate(n);
        return static_cast<T*>(recordnodes::Pool::of<T>().take());
    }
    void deallocate(T* p, size_t n) noexcept
    {
        if (n != 1)
            std::allocator<T>{}.deallocate(p, n);
        else
            recordnodes::Pool::of<T>().give(p);
    }

    template <class U>
    friend bool operator==(const RecordAllocator&, const RecordAllocator<U>&) noexcept
    {
        return true;
    }
};
