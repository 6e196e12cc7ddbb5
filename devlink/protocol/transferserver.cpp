#include "devlink/protocol/transferserver.h"

#include "devlink/protocol/errors.h"

#include "contacts/core/addressbook.h"

#include <tuple>

namespace devlink::protocol {

int checkAddressBook(const ContactList& contacts, const GroupList& groups,
                     const PagerIdentity& identity)
{
    // The address book's own rules, with this pager's capacities.
    switch (addressbook::checkBook(contacts, groups, identity.nAddressCapacity,
                                   identity.nGroupCapacity)) {
    case addressbook::DL_OK:
        return ErrNone;
    case addressbook::DL_ADDRESS_MEMORY_FULL:
    case addressbook::DL_GROUP_MEMORY_FULL:
        return ErrMemoryFull;
    default:
        return ErrInvalidData;
    }
}

QString checkContents(const PagerContents& contents, const PagerIdentity& identity)
{
    if (!encodeIdent(identity))
        return QStringLiteral("the model name is longer than %1 bytes").arg(kMaxModelBytes);
    if (!encodeFolderNames(contents.folderNames))
        return QStringLiteral("a folder name is longer than %1 bytes or holds a NUL byte")
            .arg(FOLDER_NAME_SLOT_BYTES);
    if (contents.messages.size() > size_t(kMaxDeviceMessages))
        return QStringLiteral("more than %1 messages").arg(kMaxDeviceMessages);
    for (size_t i = 0; i < contents.messages.size(); ++i) {
        // The field that does not fit is named, as the image names it.
        const DeviceMessage& m = contents.messages[i];
        const QString where = QStringLiteral("messages[%1]").arg(i);
        if (m.nFolder < 1 || m.nFolder > PAGER_FOLDER_COUNT)
            return QStringLiteral("%1: \"folder\" %2 is outside 1..%3")
                .arg(where)
                .arg(m.nFolder)
                .arg(PAGER_FOLDER_COUNT);
        for (const auto& [name, size, max] :
             {std::tuple{"header", m.strHeader.size(), kMaxMessageHeader},
              std::tuple{"text", m.strText.size(), kMaxMessageText},
              std::tuple{"address", m.strAddress.size(), kMaxMessageAddress}}) {
            if (size > max)
                return QStringLiteral("%1: \"%2\" is %3 bytes long; at most %4 fit")
                    .arg(where, QLatin1String(name))
                    .arg(size)
                    .arg(max);
        }
        if (!encodeMessage(m))
            return QStringLiteral("%1 cannot be sent").arg(where);
    }
    switch (checkAddressBook(contents.contacts, contents.groups, identity)) {
    case ErrMemoryFull:
        return QStringLiteral("more than %1 contacts or %2 groups")
            .arg(identity.nAddressCapacity)
            .arg(identity.nGroupCapacity);
    case ErrInvalidData:
        return QStringLiteral("a contact or group does not fit the pager's address memory");
    default:
        return {};
    }
}

TransferServer::TransferServer(PagerIdentity identity) : m_identity(std::move(identity))
{
    m_link.listen();
}

QByteArray TransferServer::poll(qint64 nowMs)
{
    if (m_link.takeSessionChanged()) {
        if (isBusy())
            ++m_counters.transfersAborted;
        dropTransfer();
        m_greeted = false;
    }
    if (m_link.failed())
        m_link.listen();
    while (m_link.hasMessage())
        handle(m_link.takeMessage(), nowMs);
    produce();
    return m_link.poll(nowMs);
}

qint64 TransferServer::nextWakeMs(qint64 nowMs) const
{
    if (m_link.hasMessage() || m_link.failed())
        return nowMs;
    if ((m_phase == Phase::SendingMessages || m_phase == Phase::SendingBook) &&
        m_link.unsentBytes() < kProduceAhead)
        return nowMs;
    return m_link.nextWakeMs(nowMs);
}

void TransferServer::dropTransfer()
{
    m_phase = Phase::Idle;
    m_outMessages.clear();
    m_outContacts.clear();
    m_outGroups.clear();
    m_inContacts.clear();
    m_inGroups.clear();
    m_next = 0;
}

void TransferServer::handle(const QByteArray& message, qint64 nowMs)
{
    const std::optional<MessageType> type = messageType(message);
    if (!type) {
        refuse(ErrProtocol);
        return;
    }
    switch (*type) {
    case MessageType::Hello: {
        quint8 version = 0;
        if (decodeHello(message, version) != Decode::Ok) {
            refuse(ErrProtocol);
            return;
        }
        // A greeting starts over, whatever was going on in this session.
        if (isBusy())
            ++m_counters.transfersAborted;
        dropTransfer();
        m_greeted = true;
        // The program judges the version from our answer.
        if (const std::optional<QByteArray> ident = encodeIdent(m_identity))
            m_link.send(*ident);
        return;
    }
    case MessageType::GetMessages:
    case MessageType::GetAddressBook:
        if (!m_greeted || isBusy() || decodeSimple(message, *type) != Decode::Ok) {
            refuse(ErrProtocol);
            return;
        }
        if (*type == MessageType::GetMessages)
            startMessages();
        else
            startBook();
        return;
    case MessageType::PutAddressBook:
        if (!m_greeted || isBusy()) {
            refuse(ErrProtocol);
            return;
        }
        startUpload(message, nowMs);
        return;
    case MessageType::Contact:
    case MessageType::Group:
        if (m_phase == Phase::Receiving)
            receiveItem(message);
        else if (m_phase != Phase::Refused)
            refuse(ErrProtocol);
        return;
    case MessageType::PutEnd:
        if (m_phase == Phase::Receiving)
            endUpload(message);
        else if (m_phase != Phase::Refused)
            refuse(ErrProtocol);
        return;
    default:
        refuse(ErrProtocol);
        return;
    }
}

void TransferServer::startMessages()
{
    const std::optional<QByteArray> names = encodeFolderNames(m_contents.folderNames);
    if (!names || m_contents.messages.size() > size_t(kMaxDeviceMessages)) {
        refuse(ErrProtocol);
        return;
    }
    m_outMessages = m_contents.messages;
    m_next = 0;
    m_link.send(*names);
    m_link.send(encodeMessageCount(static_cast<quint16>(m_outMessages.size())));
    m_phase = Phase::SendingMessages;
}

void TransferServer::startBook()
{
    m_outContacts.assign(m_contents.contacts.begin(), m_contents.contacts.end());
    m_outGroups.assign(m_contents.groups.begin(), m_contents.groups.end());
    if (m_outContacts.size() > m_identity.nAddressCapacity ||
        m_outGroups.size() > m_identity.nGroupCapacity) {
        refuse(ErrProtocol);
        return;
    }
    m_next = 0;
    m_link.send(encodeCounts(MessageType::BookCount, {static_cast<quint16>(m_outContacts.size()),
                                                      static_cast<quint16>(m_outGroups.size())}));
    m_phase = Phase::SendingBook;
}

void TransferServer::produce()
{
    while ((m_phase == Phase::SendingMessages || m_phase == Phase::SendingBook) &&
           m_link.unsentBytes() < kProduceAhead) {
        std::optional<QByteArray> message;
        bool last = false;
        if (m_phase == Phase::SendingMessages) {
            if (m_next < m_outMessages.size()) {
                message = encodeMessage(m_outMessages[m_next++]);
            } else {
                message = encodeEnd(static_cast<quint32>(m_outMessages.size()));
                last = true;
            }
        } else {
            const size_t contacts = m_outContacts.size();
            if (m_next < contacts) {
                message = encodeContact(m_outContacts[m_next++]);
            } else if (m_next < contacts + m_outGroups.size()) {
                message = encodeGroup(m_outGroups[m_next++ - contacts]);
            } else {
                message = encodeEnd(static_cast<quint32>(contacts + m_outGroups.size()));
                last = true;
            }
        }
        if (!message || !m_link.send(*message)) {
            refuse(ErrProtocol);
            return;
        }
        if (last) {
            if (m_phase == Phase::SendingMessages)
                ++m_counters.messageDownloads;
            else
                ++m_counters.contactDownloads;
            dropTransfer();
        }
    }
}

void TransferServer::startUpload(const QByteArray& message, qint64 nowMs)
{
    Counts counts;
    if (decodeCounts(message, MessageType::PutAddressBook, counts) != Decode::Ok) {
        refuse(ErrProtocol);
        return;
    }
    // Known to be too much already: say so before the records come.
    if (m_uploadRefusal == ErrMemoryFull || counts.nContacts > m_identity.nAddressCapacity ||
        counts.nGroups > m_identity.nGroupCapacity) {
        refuse(ErrMemoryFull);
        return;
    }
    m_announced = counts;
    m_inContacts.clear();
    m_inGroups.clear();
    m_phase = Phase::Receiving;
    m_link.setAwaitingReply(true, nowMs);
}

void TransferServer::receiveItem(const QByteArray& message)
{
    if (m_uploadRefusal == ErrInvalidData) {
        refuse(ErrInvalidData);
        return;
    }
    Decode decoded = Decode::Malformed;
    if (messageType(message) == MessageType::Contact) {
        // Contacts come first, and no more than were announced.
        ContactRecord contact;
        if (!m_inGroups.empty() || m_inContacts.size() >= m_announced.nContacts) {
            refuse(ErrProtocol);
            return;
        }
        decoded = decodeContact(message, contact);
        if (decoded == Decode::Ok)
            m_inContacts.push_back(std::move(contact));
    } else {
        GroupRecord group;
        if (m_inGroups.size() >= m_announced.nGroups) {
            refuse(ErrProtocol);
            return;
        }
        decoded = decodeGroup(message, group);
        if (decoded == Decode::Ok)
            m_inGroups.push_back(std::move(group));
    }
    if (decoded == Decode::Malformed)
        refuse(ErrProtocol);
    else if (decoded == Decode::Invalid)
        refuse(ErrInvalidData);
}

void TransferServer::endUpload(const QByteArray& message)
{
    Counts counts;
    if (decodeCounts(message, MessageType::PutEnd, counts) != Decode::Ok || counts != m_announced ||
        m_inContacts.size() != counts.nContacts || m_inGroups.size() != counts.nGroups) {
        refuse(ErrProtocol);
        return;
    }
    const int verdict = m_uploadRefusal == ErrInvalidData
                            ? ErrInvalidData
                            : checkAddressBook(m_inContacts, m_inGroups, m_identity);
    if (verdict != ErrNone) {
        refuse(verdict);
        return;
    }
    m_contents.contacts = std::move(m_inContacts);
    m_contents.groups = std::move(m_inGroups);
    ++m_counters.uploadsAccepted;
    m_link.setAwaitingReply(false, 0);
    m_link.send(encodeResult(ErrNone));
    dropTransfer();
}

// Answers with the error; whatever of the upload still comes is let go by.
void TransferServer::refuse(int code)
{
    if (m_phase == Phase::Receiving || code == ErrMemoryFull)
        ++m_counters.uploadsRefused;
    dropTransfer();
    m_phase = Phase::Refused;
    m_link.setAwaitingReply(false, 0);
    m_link.send(encodeResult(static_cast<quint8>(code)));
}

} // namespace devlink::protocol
