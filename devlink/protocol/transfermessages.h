#pragma once
// The messages of the transfers, carried whole by the link (one message may span frames,
// several may share one). Each starts with its type byte; numbers are little-endian;
// str8 and str16 are a one- or two-byte length followed by that many bytes.

#include "contacts/core/contactrecord.h"
#include "messages/core/messagerecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <optional>
#include <string>

namespace devlink::protocol {

constexpr quint8 kProtocolVersion = 1;

// Bodies after the type byte (docs/protocol.md gives each layout):
//   Hello: u8 protocol version. GetMessages, GetAddressBook: nothing.
//   PutAddressBook, PutEnd, BookCount: u16 contacts, u16 groups.
//   Ident: u8 version, str8 model, u16 address capacity, u16 group capacity.
//   FolderNames: 11 slots of 16 bytes (folders 4..14), NUL-padded.
//   MessageCount: u16. End: u32 items sent. Result: u8 error code, 0 = accepted.
//   Message, Contact, Group: one record.
enum class MessageType : quint8
{
    // program -> pager
    Hello = 0x01,
    GetMessages = 0x02,
    GetAddressBook = 0x03,
    PutAddressBook = 0x04,
    PutEnd = 0x05,

    // pager -> program
    Ident = 0x41,
    FolderNames = 0x42,
    MessageCount = 0x43,
    Message = 0x44,
    BookCount = 0x45,
    End = 0x46,
    Result = 0x47,

    // both ways
    Contact = 0x60,
    Group = 0x61,
};

// Limits: what a field holds on the pager. The decoders refuse anything beyond them.
constexpr size_t kMaxModelBytes = 64;
constexpr size_t kMaxMessageHeader = 255;
constexpr size_t kMaxMessageText = 65535;
constexpr size_t kMaxMessageAddress = 255;
constexpr int kMaxDeviceMessages = 10000;
constexpr int kMaxWireContacts = 1000; // bounds any announced count, whatever the pager says
constexpr int kMaxWireGroups = 1000;
constexpr int kMaxContactSlot = 65535;
constexpr size_t kMaxMemberEntry = MAX_MEMBER_ENTRY;
constexpr int kDefaultGroupCapacity = MAX_BOOK_GROUPS;

enum class Decode
{
    Ok,
    Malformed, // the bytes do not have the message's shape (short, too long, wrong type)
    Invalid,   // well formed, but a value lies outside what the pager holds
};

struct PagerIdentity
{
    std::string strModel = "Quillbox Pager 2W v1.0";
    quint16 nAddressCapacity = MAX_CONTACTS;
    quint16 nGroupCapacity = kDefaultGroupCapacity;
    quint8 nVersion = kProtocolVersion;

    bool operator==(const PagerIdentity&) const = default;
};

struct Counts
{
    quint16 nContacts = 0;
    quint16 nGroups = 0;

    bool operator==(const Counts&) const = default;
};

// The type byte of a message, or nullopt for an empty one.
std::optional<MessageType> messageType(QByteArrayView message);

QByteArray encodeHello(quint8 version = kProtocolVersion);
QByteArray encodeSimple(MessageType type);                // GetMessages, GetAddressBook
QByteArray encodeCounts(MessageType type, Counts counts); // PutAddressBook, PutEnd, BookCount
QByteArray encodeMessageCount(quint16 count);
QByteArray encodeEnd(quint32 items);
QByteArray encodeResult(quint8 code);
// Nullopt when the model string is longer than kMaxModelBytes.
std::optional<QByteArray> encodeIdent(const PagerIdentity& identity);
// A name longer than 16 bytes or holding a NUL cannot be sent: nullopt.
std::optional<QByteArray> encodeFolderNames(const FolderNameSlots& names);
// Nullopt when a field does not fit (folder outside 1..14, a string over its limit).
std::optional<QByteArray> encodeMessage(const DeviceMessage& message);
// Nullopt only when the wire cannot carry the record (a string over 255 bytes); values the
// pager would refuse are sent, and the pager says so.
std::optional<QByteArray> encodeContact(const ContactRecord& contact);
// Nullopt when the record is inconsistent (member count outside 0..100, block length outside
// 0..400, an entry over 255 bytes, a name over 255 bytes).
std::optional<QByteArray> encodeGroup(const GroupRecord& group);

// The payload of a transfer: the bytes of its records as they travel, without framing,
// handshake or counts. Line costs are measured against it.
qsizetype messagesPayloadBytes(const std::vector<DeviceMessage>& messages);
qsizetype addressBookPayloadBytes(const ContactList& contacts, const GroupList& groups);

Decode decodeHello(QByteArrayView message, quint8& version);
Decode decodeSimple(QByteArrayView message, MessageType type);
Decode decodeCounts(QByteArrayView message, MessageType type, Counts& counts);
Decode decodeMessageCount(QByteArrayView message, quint16& count);
Decode decodeEnd(QByteArrayView message, quint32& items);
Decode decodeResult(QByteArrayView message, quint8& code);
Decode decodeIdent(QByteArrayView message, PagerIdentity& identity);
Decode decodeFolderNames(QByteArrayView message, FolderNameSlots& names);
Decode decodeMessage(QByteArrayView message, DeviceMessage& out);
// Sets nKey = nIndex + 1, the key the program gives a contact.
Decode decodeContact(QByteArrayView message, ContactRecord& out);
Decode decodeGroup(QByteArrayView message, GroupRecord& out);

} // namespace devlink::protocol
