#pragma once
// The group address block: a group's members encoded for the pager.

#include "contacts/core/contactrecord.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The refusals, in English as scripts read them; the user reads them through
// QCoreApplication::translate("contacts::groupblock", ...).
inline constexpr const char* kAddressOverflowAdd =
    QT_TRANSLATE_NOOP("contacts::groupblock", "Address Size OverFlow. Can't Add Group.");
inline constexpr const char* kAddressOverflowRebuild =
    QT_TRANSLATE_NOOP("contacts::groupblock",
                      "Address Size OverFlow. Delete or Modify Address.\r\nCancel then Exit.");
// An address whose length does not fit the block's one-byte length field.
inline constexpr const char* kAddressTooLong = QT_TRANSLATE_NOOP(
    "contacts::groupblock", "Address Too Long(255 Max). Delete or Modify Address.");

// Member kinds (nKind); any other value is kept but encodes to no bytes.
constexpr qint32 MEMBER_EMAIL = 0;
constexpr qint32 MEMBER_WIRELESS = 1;
constexpr size_t MAX_ENCODED_ADDRESS = 255;

// The encoded bytes of one member, without the separator; nullopt when the address
// cannot be encoded (longer than 255 bytes).
std::optional<std::vector<quint8>> encodeMember(qint32 kind, std::string_view address);

// The block the Group dialog works on while it is open.
class GroupBlock
{
public:
    struct Result
    {
        bool ok = true;
        std::string message; // for the user; empty for a silent refusal
    };

    GroupBlock() { startEmpty(); }

    void startEmpty();
    // From a stored block (at most GROUP_BLOCK_SIZE bytes are read; fewer than 4 start
    // empty).
    void load(std::span<const quint8> stored);
    // From abyBlock and nBlockLength; a length outside 0..GROUP_BLOCK_SIZE is clamped.
    void load(const GroupRecord& group);
    Result append(qint32 kind, std::string_view address);
    Result rebuild(std::span<const GroupMember> rows);
    // Puts the stored form into the group's abyBlock and nBlockLength.
    void store(GroupRecord& group) const;
    // The stored form: the working block with its last byte replaced by 0x00.
    std::vector<quint8> stored() const;

    std::span<const quint8> bytes() const { return {m_bytes.data(), size_t(m_length)}; }
    int length() const { return m_length; }

private:
    std::array<quint8, GROUP_BLOCK_SIZE> m_bytes{};
    int m_length = 1;
};
