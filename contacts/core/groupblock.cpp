#include "contacts/core/groupblock.h"

#include <algorithm>

namespace {

constexpr quint8 kBlockStart = 0x15;
constexpr quint8 kSeparator = 0x70;
constexpr quint8 kStoredEnd = 0x00;
constexpr quint8 kNumeric = 0x15;
constexpr quint8 kText = 0x11;
constexpr std::array<quint8, 3> kEmailPrefix = {0x50, 0x02, 0x11};
// Low nibbles: 0xC closes an odd digit string, 0xD stands for the at sign.
constexpr quint8 kFill = 0x0C;
constexpr quint8 kAtSign = 0x0D;
constexpr quint8 kAtAfterPairs = 0xDC;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

quint8 digit(char c)
{
    return static_cast<quint8>(c - '0');
}

quint8 byteOf(size_t value)
{
    return static_cast<quint8>(value);
}

void appendBytes(std::vector<quint8>& out, std::string_view text)
{
    for (char c : text)
        out.push_back(static_cast<quint8>(c));
}

// Pairs of digits, first digit in the high nibble; an odd last digit is left to the caller.
void packPairs(std::vector<quint8>& out, std::string_view digits)
{
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<quint8>(digit(digits[i]) << 4 | digit(digits[i + 1])));
}

std::vector<quint8> encodeWireless(std::string_view address)
{
    const size_t at = address.find('@');
    const std::string_view digits = address.substr(0, at);
    const bool packable = at != 0 && std::all_of(digits.begin(), digits.end(), isDigit);
    std::vector<quint8> out;
    if (!packable) {
        out.push_back(kText);
        out.push_back(byteOf(address.size()));
        appendBytes(out, address);
        return out;
    }
    out.push_back(kNumeric);
    out.push_back(0); // L, known once the bytes are there
    packPairs(out, digits);
    const bool odd = digits.size() % 2 != 0;
    if (at == std::string_view::npos) {
        if (odd)
            out.push_back(static_cast<quint8>(digit(digits.back()) << 4 | kFill));
    } else {
        out.push_back(odd ? static_cast<quint8>(digit(digits.back()) << 4 | kAtSign)
                          : kAtAfterPairs);
        appendBytes(out, address.substr(at + 1));
    }
    out[1] = byteOf(out.size() - 2);
    return out;
}

} // namespace

std::optional<std::vector<quint8>> encodeMember(qint32 kind, std::string_view address)
{
    if (kind != MEMBER_EMAIL && kind != MEMBER_WIRELESS)
        return std::vector<quint8>{};
    // Every form carries a one-byte length; a longer address would wrap it and the pager
    // would read the rest of the block wrongly.
    if (address.size() > MAX_ENCODED_ADDRESS)
        return std::nullopt;
    if (kind == MEMBER_WIRELESS)
        return encodeWireless(address);
    std::vector<quint8> out(kEmailPrefix.begin(), kEmailPrefix.end());
    out.push_back(byteOf(address.size()));
    appendBytes(out, address);
    return out;
}

void GroupBlock::startEmpty()
{
    m_bytes.fill(0);
    m_bytes[0] = kBlockStart;
    m_length = 1;
}

void GroupBlock::load(std::span<const quint8> stored)
{
    if (stored.size() < 4) {
        startEmpty();
        return;
    }
    const size_t length = std::min(stored.size(), m_bytes.size());
    m_bytes.fill(0);
    std::copy_n(stored.begin(), length, m_bytes.begin());
    m_bytes[length - 1] = kSeparator;
    m_length = static_cast<int>(length);
}

void GroupBlock::load(const GroupRecord& group)
{
    // The length comes from the device: never trust it beyond the array.
    const int length = std::clamp(group.nBlockLength, 0, GROUP_BLOCK_SIZE);
    load(std::span<const quint8>(group.abyBlock.data(), static_cast<size_t>(length)));
}

GroupBlock::Result GroupBlock::append(qint32 kind, std::string_view address)
{
    if (m_length > GROUP_BLOCK_SIZE || address.empty())
        return {false, {}};
    const std::optional<std::vector<quint8>> encoded = encodeMember(kind, address);
    if (!encoded)
        return {false, kAddressTooLong};
    const size_t added = encoded->size() + 1;
    const auto length = static_cast<size_t>(m_length);
    if (length + added > m_bytes.size())
        return {false, kAddressOverflowAdd};
    std::copy(encoded->begin(), encoded->end(), m_bytes.begin() + m_length);
    m_bytes[length + added - 1] = kSeparator;
    m_length += static_cast<int>(added);
    return {};
}

GroupBlock::Result GroupBlock::rebuild(std::span<const GroupMember> rows)
{
    // size counts the bytes before the last separator; at 400 the result is refused
    // whatever follows, so the scratch stops growing there.
    std::vector<quint8> scratch{kBlockStart};
    for (const GroupMember& row : rows) {
        if (row.strEntry.empty())
            continue;
        const std::optional<std::vector<quint8>> encoded = encodeMember(row.nKind, row.strEntry);
        if (!encoded)
            return {false, kAddressTooLong};
        scratch.insert(scratch.end(), encoded->begin(), encoded->end());
        scratch.push_back(kSeparator);
        if (scratch.size() - 1 >= m_bytes.size())
            return {false, kAddressOverflowRebuild};
    }
    m_bytes.fill(0);
    std::copy(scratch.begin(), scratch.end(), m_bytes.begin());
    m_length = static_cast<int>(scratch.size());
    return {};
}

void GroupBlock::store(GroupRecord& group) const
{
    group.abyBlock.fill(0);
    std::copy_n(m_bytes.begin(), m_length, group.abyBlock.begin());
    group.abyBlock[static_cast<size_t>(m_length - 1)] = kStoredEnd;
    group.nBlockLength = m_length;
}

std::vector<quint8> GroupBlock::stored() const
{
    std::vector<quint8> out(m_bytes.begin(), m_bytes.begin() + m_length);
    out.back() = kStoredEnd;
    return out;
}
