#include "messages/core/recordtext.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

struct RecordText::Block
{
    std::atomic<size_t> users;
    size_t mappedBytes; // 0: from the heap

    char* bytes() noexcept { return reinterpret_cast<char*>(this + 1); }

    static Block* make(size_t capacity, size_t users)
    {
        void* memory = ::operator new(sizeof(Block) + capacity);
        return new (memory) Block{{users}, 0};
    }
    // A block that a reader is about to fill whole: its pages are put in place in one
    // step rather than one fault at a time, which is most of the cost of a large load.
    static Block* makeFilled(size_t capacity, size_t users)
    {
        const size_t bytes = sizeof(Block) + capacity;
        void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (memory == MAP_FAILED)
            return make(capacity, users);
        return new (memory) Block{{users}, bytes};
    }
    void share() noexcept { users.fetch_add(1, std::memory_order_relaxed); }
    void drop(size_t n = 1) noexcept
    {
        if (users.fetch_sub(n, std::memory_order_acq_rel) != n)
            return;
        const size_t mapped = mappedBytes;
        this->~Block();
        if (mapped)
            ::munmap(this, mapped);
        else
            ::operator delete(this);
    }
};

namespace {

constexpr size_t kPackedBlockBytes = size_t(1) << 20;
// Blocks from this size on are mapped with their pages in place; smaller ones come from
// the heap.
constexpr size_t kFilledBlockBytes = size_t(64) << 10;
// A packer's hold on the block it fills: larger than any number of texts, so that texts
// dropped while the block fills never free it.
constexpr size_t kPackerHold = size_t(1) << 62;

quint32 checkedSize(std::string_view bytes)
{
    if (bytes.size() > std::numeric_limits<quint32>::max())
        throw std::length_error("a record text of 4 GB or more");
    return static_cast<quint32>(bytes.size());
}

} // namespace

RecordText::RecordText(const RecordText& other) noexcept
    : m_block(other.m_block), m_offset(other.m_offset), m_size(other.m_size)
{
    if (m_block)
        m_block->share();
}

RecordText::RecordText(RecordText&& other) noexcept
    : m_block(other.m_block), m_offset(other.m_offset), m_size(other.m_size)
{
    other.m_block = nullptr;
    other.m_offset = other.m_size = 0;
}

RecordText& RecordText::operator=(const RecordText& other) noexcept
{
    if (other.m_block)
        other.m_block->share();
    release();
    m_block = other.m_block;
    m_offset = other.m_offset;
    m_size = other.m_size;
    return *this;
}

RecordText& RecordText::operator=(RecordText&& other) noexcept
{
    if (this != &other) {
        release();
        m_block = other.m_block;
        m_offset = other.m_offset;
        m_size = other.m_size;
        other.m_block = nullptr;
        other.m_offset = other.m_size = 0;
    }
    return *this;
}

void RecordText::assign(std::string_view bytes)
{
    const quint32 size = checkedSize(bytes);
    Block* block = nullptr;
    if (size > 0) {
        block = Block::make(size, 1);
        std::memcpy(block->bytes(), bytes.data(), size);
    }
    release();
    m_block = block;
    m_size = size;
}

const char* RecordText::data() const noexcept
{
    return m_block ? m_block->bytes() + m_offset : "";
}

void RecordText::release() noexcept
{
    if (m_block)
        m_block->drop();
    m_block = nullptr;
    m_offset = m_size = 0;
}

RecordText TextPacker::pack(std::string_view bytes)
{
    const quint32 size = checkedSize(bytes);
    if (size == 0)
        return {};
    if (size > m_capacity - m_used) {
        finishBlock();
        m_capacity = std::max(std::min(kPackedBlockBytes, m_expected), size_t(size));
        m_block = m_capacity >= kFilledBlockBytes
                      ? RecordText::Block::makeFilled(m_capacity, kPackerHold)
                      : RecordText::Block::make(m_capacity, kPackerHold);
    }
    m_expected -= std::min(m_expected, size_t(size));
    std::memcpy(m_block->bytes() + m_used, bytes.data(), size);
    RecordText text(m_block, static_cast<quint32>(m_used), size);
    m_used += size;
    ++m_texts;
    return text;
}

void TextPacker::finishBlock() noexcept
{
    if (!m_block)
        return;
    // Hand the block to its texts: count them in and let go of the packer's hold at once.
    m_block->drop(kPackerHold - m_texts);
    m_block = nullptr;
    m_used = m_capacity = m_texts = 0;
}
