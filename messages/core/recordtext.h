#pragma once
// One text field of a message record: bytes (single-byte text), never changed in place.
//
// A text is a slice of a counted block of bytes. A text made while the program runs has a
// block of its own; the texts of a folder database load share large blocks (TextPacker),
// so that a load of a million records makes a few hundred allocations rather than several
// per record. Copies share the block; it is freed with the last text in it.

#include <QtGlobal>

#include <atomic>
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

class RecordText
{
public:
    RecordText() noexcept = default;
    // Converts as std::string does, so that a record can be written as an aggregate.
    RecordText(std::string_view bytes) { assign(bytes); }
    RecordText(const std::string& bytes) : RecordText(std::string_view(bytes)) {}
    RecordText(const char* bytes) : RecordText(std::string_view(bytes)) {}
    RecordText(const RecordText& other) noexcept;
    RecordText(RecordText&& other) noexcept;
    RecordText& operator=(const RecordText& other) noexcept;
    RecordText& operator=(RecordText&& other) noexcept;
    RecordText& operator=(std::string_view bytes)
    {
        assign(bytes);
        return *this;
    }
    RecordText& operator=(const std::string& bytes) { return *this = std::string_view(bytes); }
    RecordText& operator=(const char* bytes) { return *this = std::string_view(bytes); }
    ~RecordText() { release(); }

    void assign(std::string_view bytes);
    void clear() noexcept { release(); }

    const char* data() const noexcept;
    size_t size() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + m_size; }
    std::string_view view() const noexcept { return {data(), m_size}; }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const RecordText& a, const RecordText& b) noexcept
    {
        return a.view() == b.view();
    }
    friend bool operator==(const RecordText& a, std::string_view b) noexcept
    {
        return a.view() == b;
    }
    friend bool operator==(const RecordText& a, const std::string& b) noexcept
    {
        return a.view() == b;
    }
    friend bool operator==(const RecordText& a, const char* b) noexcept { return a.view() == b; }
    friend std::strong_ordering operator<=>(const RecordText& a, const RecordText& b) noexcept
    {
        return a.view() <=> b.view();
    }

    // A counted block of bytes that texts point into.
    struct Block;

private:
    friend class TextPacker;
    RecordText(Block* block, quint32 offset, quint32 size) noexcept
        : m_block(block), m_offset(offset), m_size(size)
    {
    }
    void release() noexcept;

    Block* m_block = nullptr; // null for an empty text
    quint32 m_offset = 0;
    quint32 m_size = 0;
};

inline std::string operator+(std::string a, const RecordText& b)
{
    return a += b.view();
}

// Packs many texts into shared blocks, for a reader that makes many records at once.
// Blocks are filled in order and handed over to their texts as they fill up; the last
// one when the packer is destroyed.
class TextPacker
{
public:
    TextPacker() = default;
    TextPacker(const TextPacker&) = delete;
    TextPacker& operator=(const TextPacker&) = delete;
    ~TextPacker() { finishBlock(); }

    // At most this many bytes are still to come (the rest of a file): blocks are made no
    // larger than needed, so a small load makes a small block.
    void expect(size_t bytes) noexcept { m_expected = bytes; }

    // A text holding a copy of bytes. A text of 4 GB or more cannot be held.
    RecordText pack(std::string_view bytes);

private:
    void finishBlock() noexcept;

    size_t m_expected = size_t(-1);
    RecordText::Block* m_block = nullptr;
    size_t m_used = 0;
    size_t m_capacity = 0;
    size_t m_texts = 0; // texts handed out from m_block, counted into it when it is finished
};
