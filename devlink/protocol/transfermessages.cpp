#include "devlink/protocol/transfermessages.h"

#include "devlink/protocol/wire.h"

#include <cstring>

namespace devlink::protocol {

namespace {

constexpr size_t kStr8Max = 255;

ByteWriter start(MessageType type)
{
    ByteWriter out;
    out.u8(static_cast<quint8>(type));
    return out;
}

// Reads the type byte; false (and a bad reader) when it is not `type`.
bool expectType(ByteReader& in, MessageType type)
{
    return in.u8() == static_cast<quint8>(type) && in.ok();
}

Decode finish(const ByteReader& in, bool valid = true)
{
    if (!in.complete())
        return Decode::Malformed;
    return valid ? Decode::Ok : Decode::Invalid;
}

} // namespace

std::optional<MessageType> messageType(QByteArrayView message)
{
    if (message.isEmpty())
        return std::nullopt;
    return static_cast<MessageType>(static_cast<quint8>(message[0]));
}

QByteArray encodeHello(quint8 version)
{
    ByteWriter out = start(MessageType::Hello);
    out.u8(version);
    return out.take();
}

QByteArray encodeSimple(MessageType type)
{
    return start(type).take();
}

QByteArray encodeCounts(MessageType type, Counts counts)
{
    ByteWriter out = start(type);
    out.u16(counts.nContacts);
    out.u16(counts.nGroups);
    return out.take();
}

QByteArray encodeMessageCount(quint16 count)
{
    ByteWriter out = start(MessageType::MessageCount);
    out.u16(count);
    return out.take();
}

QByteArray encodeEnd(quint32 items)
{
    ByteWriter out = start(MessageType::End);
    out.u32(items);
    return out.take();
}

QByteArray encodeResult(quint8 code)
{
    ByteWriter out = start(MessageType::Result);
    out.u8(code);
    return out.take();
}

std::optional<QByteArray> encodeIdent(const PagerIdentity& identity)
{
    if (identity.strModel.size() > kMaxModelBytes)
        return std::nullopt;
    ByteWriter out = start(MessageType::Ident);
    out.u8(identity.nVersion);
    out.str8(identity.strModel);
    out.u16(identity.nAddressCapacity);
    out.u16(identity.nGroupCapacity);
    return out.take();
}

std::optional<QByteArray> encodeFolderNames(const FolderNameSlots& names)
{
    ByteWriter out = start(MessageType::FolderNames);
    for (const std::string& name : names) {
        if (name.size() > FOLDER_NAME_SLOT_BYTES || name.find('\0') != std::string::npos)
            return std::nullopt;
        std::array<char, FOLDER_NAME_SLOT_BYTES> slot{};
        if (!name.empty())
            std::memcpy(slot.data(), name.data(), name.size());
        out.bytes(QByteArrayView(slot.data(), FOLDER_NAME_SLOT_BYTES));
    }
    return out.take();
}

std::optional<QByteArray> encodeMessage(const DeviceMessage& message)
{
    if (message.nFolder < 1 || message.nFolder > PAGER_FOLDER_COUNT ||
        message.strHeader.size() > kMaxMessageHeader || message.strText.size() > kMaxMessageText ||
        message.strAddress.size() > kMaxMessageAddress)
        return std::nullopt;
    ByteWriter out = start(MessageType::Message);
    out.u8(static_cast<quint8>(message.nFolder));
    out.u16(message.nMonth);
    out.u16(message.nDay);
    out.u16(message.nYear);
    out.u16(message.nHour);
    out.u16(message.nMinute);
    out.str8(message.strHeader);
    out.str16(message.strText);
    out.str8(message.strAddress);
    return out.take();
}

std::optional<QByteArray> encodeContact(const ContactRecord& contact)
{
    ByteWriter out = start(MessageType::Contact);
    out.i32(contact.nIndex);
    out.i32(contact.nGroup);
    for (const ContactField& field : kContactFields) {
        const std::string& value = contact.*field.member;
        if (value.size() > kStr8Max)
            return std::nullopt;
        out.str8(value);
    }
    return out.take();
}

std::optional<QByteArray> encodeGroup(const GroupRecord& group)
{
    if (group.nMemberCount < 0 || group.nMemberCount > MAX_GROUP_MEMBERS ||
        group.nBlockLength < 0 || group.nBlockLength > GROUP_BLOCK_SIZE ||
        group.strName.size() > kStr8Max)
        return std::nullopt;
    ByteWriter out = start(MessageType::Group);
    out.i32(group.nGroupId);
    out.i32(group.nParent);
    out.str8(group.strName);
    out.u8(static_cast<quint8>(group.nMemberCount));
    for (qsizetype i = 0; i < group.nMemberCount; ++i) {
        const GroupMember& member = group.aMembers[static_cast<size_t>(i)];
        if (member.strEntry.size() > kMaxMemberEntry)
            return std::nullopt;
        out.i32(member.nKind);
        out.str8(member.strEntry);
    }
    out.u16(static_cast<quint16>(group.nBlockLength));
    out.bytes(
        QByteArrayView(reinterpret_cast<const char*>(group.abyBlock.data()), group.nBlockLength));
    return out.take();
}

Decode decodeHello(QByteArrayView message, quint8& version)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Hello))
        return Decode::Malformed;
    version = in.u8();
    return finish(in);
}

Decode decodeSimple(QByteArrayView message, MessageType type)
{
    ByteReader in(message);
    if (!expectType(in, type))
        return Decode::Malformed;
    return finish(in);
}

Decode decodeCounts(QByteArrayView message, MessageType type, Counts& counts)
{
    ByteReader in(message);
    if (!expectType(in, type))
        return Decode::Malformed;
    counts.nContacts = in.u16();
    counts.nGroups = in.u16();
    return finish(in);
}

Decode decodeMessageCount(QByteArrayView message, quint16& count)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::MessageCount))
        return Decode::Malformed;
    count = in.u16();
    return finish(in, count <= kMaxDeviceMessages);
}

Decode decodeEnd(QByteArrayView message, quint32& items)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::End))
        return Decode::Malformed;
    items = in.u32();
    return finish(in);
}

Decode decodeResult(QByteArrayView message, quint8& code)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Result))
        return Decode::Malformed;
    code = in.u8();
    return finish(in);
}

Decode decodeIdent(QByteArrayView message, PagerIdentity& identity)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Ident))
        return Decode::Malformed;
    PagerIdentity result;
    result.nVersion = in.u8();
    if (!in.ok())
        return Decode::Malformed;
    // Another version may lay out the rest differently: the caller looks at nVersion only.
    if (result.nVersion != kProtocolVersion) {
        identity = PagerIdentity{};
        identity.nVersion = result.nVersion;
        return Decode::Ok;
    }
    result.strModel = in.str8();
    result.nAddressCapacity = in.u16();
    result.nGroupCapacity = in.u16();
    const Decode decoded = finish(in, result.strModel.size() <= kMaxModelBytes &&
                                          result.nAddressCapacity <= kMaxWireContacts &&
                                          result.nGroupCapacity <= kMaxWireGroups);
    if (decoded == Decode::Ok)
        identity = std::move(result);
    return decoded;
}

Decode decodeFolderNames(QByteArrayView message, FolderNameSlots& names)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::FolderNames))
        return Decode::Malformed;
    FolderNameSlots result;
    for (std::string& name : result) {
        const QByteArrayView slot = in.bytes(FOLDER_NAME_SLOT_BYTES);
        if (!in.ok())
            return Decode::Malformed;
        const qsizetype end = slot.indexOf('\0');
        const QByteArrayView used = end < 0 ? slot : slot.first(end);
        name.assign(used.data(), static_cast<size_t>(used.size()));
    }
    if (!in.complete())
        return Decode::Malformed;
    names = std::move(result);
    return Decode::Ok;
}

Decode decodeMessage(QByteArrayView message, DeviceMessage& out)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Message))
        return Decode::Malformed;
    DeviceMessage result;
    result.nFolder = in.u8();
    result.nMonth = in.u16();
    result.nDay = in.u16();
    result.nYear = in.u16();
    result.nHour = in.u16();
    result.nMinute = in.u16();
    result.strHeader = in.str8();
    result.strText = in.str16();
    result.strAddress = in.str8();
    const Decode decoded = finish(in, result.nFolder >= 1 && result.nFolder <= PAGER_FOLDER_COUNT);
    if (decoded == Decode::Ok)
        out = std::move(result);
    return decoded;
}

Decode decodeContact(QByteArrayView message, ContactRecord& out)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Contact))
        return Decode::Malformed;
    ContactRecord result;
    result.nIndex = in.i32();
    result.nGroup = in.i32();
    bool valid = result.nIndex >= 0 && result.nIndex <= kMaxContactSlot && result.nGroup >= -1;
    for (const ContactField& field : kContactFields) {
        std::string& value = result.*field.member;
        value = in.str8();
        valid = valid && value.size() <= static_cast<size_t>(field.nMax);
    }
    const Decode decoded = finish(in, valid);
    if (decoded == Decode::Ok) {
        result.nKey = result.nIndex + 1;
        out = std::move(result);
    }
    return decoded;
}

Decode decodeGroup(QByteArrayView message, GroupRecord& out)
{
    ByteReader in(message);
    if (!expectType(in, MessageType::Group))
        return Decode::Malformed;
    GroupRecord result;
    result.nGroupId = in.i32();
    result.nParent = in.i32();
    result.strName = in.str8();
    const int members = in.u8();
    bool valid = result.nGroupId >= 0 && result.nParent >= -1 &&
                 result.strName.size() <= MAX_GROUP_NAME && members <= MAX_GROUP_MEMBERS;
    for (int i = 0; i < members && in.ok(); ++i) {
        const qint32 kind = in.i32();
        std::string entry = in.str8();
        if (i < MAX_GROUP_MEMBERS) {
            GroupMember& member = result.aMembers[static_cast<size_t>(i)];
            member.nKind = kind;
            member.strEntry = std::move(entry);
        }
    }
    const qsizetype blockLength = in.u16();
    const QByteArrayView block = in.bytes(blockLength);
    valid = valid && blockLength <= GROUP_BLOCK_SIZE;
    const Decode decoded = finish(in, valid);
    if (decoded != Decode::Ok)
        return decoded;
    result.nMemberCount = members;
    result.nBlockLength = static_cast<qint32>(blockLength);
    if (blockLength > 0)
        std::memcpy(result.abyBlock.data(), block.data(), static_cast<size_t>(blockLength));
    out = std::move(result);
    return Decode::Ok;
}

qsizetype messagesPayloadBytes(const std::vector<DeviceMessage>& messages)
{
    qsizetype total = 0;
    for (const DeviceMessage& m : messages)
        total += encodeMessage(m).value_or(QByteArray()).size();
    return total;
}

qsizetype addressBookPayloadBytes(const ContactList& contacts, const GroupList& groups)
{
    qsizetype total = 0;
    for (const ContactRecord& c : contacts)
        total += encodeContact(c).value_or(QByteArray()).size();
    for (const GroupRecord& g : groups)
        total += encodeGroup(g).value_or(QByteArray()).size();
    return total;
}

} // namespace devlink::protocol
