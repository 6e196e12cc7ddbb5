#include "messages/core/recordallocator.h"

#include <sys/mman.h>

#include <algorithm>
#include <mutex>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLBOX_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUILLBOX_ASAN 1
#endif
#ifdef QUILLBOX_ASAN
#include <sanitizer/asan_interface.h>
#include <sanitizer/lsan_interface.h>
#endif

namespace recordnodes {

namespace {

constexpr size_t kBlockBytes = size_t(4) << 20;

// A slot given back is poisoned for the address sanitizer, past the link that chains it,
// so that a record used after its removal is still caught.
void poison(void* slot, size_t bytes)
{
#ifdef QUILLBOX_ASAN
    ASAN_POISON_MEMORY_REGION(static_cast<char*>(slot) + sizeof(void*), bytes - sizeof(void*));
#else
    (void)slot;
    (void)bytes;
#endif
}

void unpoison(void* slot, size_t bytes)
{
#ifdef QUILLBOX_ASAN
    ASAN_UNPOISON_MEMORY_REGION(slot, bytes);
#else
    (void)slot;
    (void)bytes;
#endif
}

} // namespace

struct Pool::State
{
    std::mutex mutex;
    size_t slotBytes;
    void* freeSlots = nullptr; // a chain through the first bytes of each slot
    char* next = nullptr;      // the unused rest of the newest block
    char* end = nullptr;
};

Pool::Pool(size_t slotBytes, size_t alignment) : m_state(new State)
{
    const size_t align = std::max(alignment, alignof(void*));
    m_state->slotBytes = (std::max(slotBytes, sizeof(void*)) + align - 1) / align * align;
}

void* Pool::take()
{
    State& s = *m_state;
    std::lock_guard lock(s.mutex);
    void* slot = s.freeSlots;
    if (slot) {
        unpoison(slot, s.slotBytes);
        s.freeSlots = *static_cast<void**>(slot);
        return slot;
    }
    if (static_cast<size_t>(s.end - s.next) < s.slotBytes) {
        void* block = ::mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
#ifdef QUILLBOX_ASAN
        // The leak checker does not look into mapped memory by itself: what records hold
        // (their text blocks) would be reported as lost.
        __lsan_register_root_region(block, kBlockBytes);
#endif
        s.next = static_cast<char*>(block);
        s.end = s.next + kBlockBytes;
    }
    slot = s.next;
    s.next += s.slotBytes;
    return slot;
}

void Pool::give(void* slot) noexcept
{
    State& s = *m_state;
    std::lock_guard lock(s.mutex);
    *static_cast<void**>(slot) = s.freeSlots;
    s.freeSlots = slot;
    poison(slot, s.slotBytes);
}

} // namespace recordnodes
