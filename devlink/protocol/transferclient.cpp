#include "devlink/protocol/transferclient.h"

#include "devlink/protocol/errors.h"

#include <QRandomGenerator>

#include <algorithm>
#include <utility>

namespace devlink::protocol {

TransferClient::TransferClient() = default;

int TransferClient::start(int mode, qint64 nowMs)
{
    switch (mode) {
    case ModeDownloadMessages:
        return startMessageDownload(nowMs);
    case ModeDownloadContacts:
        return startContactsDownload(nowMs);
    default:
        return isRunning() ? ErrBusy : ErrUnknownMode;
    }
}

int TransferClient::startMessageDownload(qint64 nowMs)
{
    return begin(ModeDownloadMessages, nowMs);
}

TransferClient::ByteProgress TransferClient::byteProgress() const
{
    if (m_mode == ModeUploadContacts) {
        const qint64 acked =
            m_recordsFrom > 0 ? m_link.streamBytesAcknowledged() - m_recordsFrom : 0;
        return {std::clamp<qint64>(acked, 0, m_recordBytes), m_recordBytes};
    }
    return {m_link.streamBytesReceived(), 0};
}

int TransferClient::startIdentify(qint64 nowMs)
{
    return begin(ModeIdentify, nowMs);
}

int TransferClient::startContactsDownload(qint64 nowMs)
{
    return begin(ModeDownloadContacts, nowMs);
}

int TransferClient::startContactsUpload(ContactList contacts, GroupList groups, qint64 nowMs)
{
    if (isRunning())
        return ErrBusy;
    // Refused here, before anything is sent, rather than half way through.
    if (contacts.size() > 0xFFFF || groups.size() > 0xFFFF)
        return ErrUnsendableRecord;
    for (const ContactRecord& contact : contacts) {
        if (!encodeContact(contact))
            return ErrUnsendableRecord;
    }
    for (const GroupRecord& group : groups) {
        if (!encodeGroup(group))
            return ErrUnsendableRecord;
    }
    m_upContacts = std::move(contacts);
    m_upGroups = std::move(groups);
    return begin(ModeUploadContacts, nowMs);
}

int TransferClient::begin(int mode, qint64 nowMs)
{
    if (isRunning())
        return ErrBusy;
    m_mode = mode;
    m_folderNames = {};
    m_messages.clear();
    m_contacts.clear();
    m_groups.clear();
    m_bookCounts = {};
    m_total = m_done = 0;
    m_identity = {};
    m_recordsFrom = m_recordBytes = 0;
    if (mode != ModeUploadContacts) {
        m_upContacts.clear();
        m_upGroups.clear();
    }
    // A fresh number each time, so that a pager still in an old session sees a new one,
    // also when the session before was another process's that started at the same moment.
    quint32 session = QRandomGenerator::system()->generate() ^
                      (static_cast<quint32>(nowMs) * 2654435761u + ++m_sessions);
    if (session == 0)
        session = 1;
    m_link.open(nowMs, session);
    m_link.setAwaitingReply(true, nowMs);
    m_link.send(encodeHello());
    m_step = Step::Ident;
    emitEvent(EventStarted, mode);
    return ErrNone;
}

void TransferClient::abort(int code)
{
    if (isRunning())
        fail(code);
}

std::vector<TransferEvent> TransferClient::takeEvents()
{
    return std::exchange(m_events, {});
}

QByteArray TransferClient::poll(qint64 nowMs)
{
    while (isRunning() && m_link.hasMessage())
        handle(m_link.takeMessage());
    if (m_step == Step::Sending || m_step == Step::Result) {
        produceUpload();
        reportUploadProgress();
    }
    QByteArray out = m_link.poll(nowMs);
    if (isRunning() && m_link.failed())
        fail(m_link.errorCode());
    return out;
}

qint64 TransferClient::nextWakeMs(qint64 nowMs) const
{
    if (isRunning() && m_link.hasMessage())
        return nowMs;
    return m_link.nextWakeMs(nowMs);
}

void TransferClient::handle(const QByteArray& message)
{
    const std::optional<MessageType> type = messageType(message);
    if (type == MessageType::Result) {
        quint8 code = 0;
        if (decodeResult(message, code) != Decode::Ok)
            fail(ErrProtocol);
        else if (code == ErrNone && m_step == Step::Result)
            finish();
        else if (code == ErrNone)
            fail(ErrProtocol);
        else
            fail(isTransferError(code) ? int(code) : int(ErrProtocol));
        return;
    }
    bool ok = false;
    switch (m_step) {
    case Step::Ident:
        ok = type == MessageType::Ident && onIdent(message);
        break;
    case Step::FolderNames:
        ok = type == MessageType::FolderNames &&
             decodeFolderNames(message, m_folderNames) == Decode::Ok;
        m_step = Step::MessageCount;
        break;
    case Step::MessageCount: {
        quint16 count = 0;
        ok = type == MessageType::MessageCount && decodeMessageCount(message, count) == Decode::Ok;
        if (ok) {
            m_total = count;
            m_messages.reserve(count);
            emitEvent(EventCount, static_cast<qint32>(count));
            m_step = count > 0 ? Step::Messages : Step::End;
        }
        break;
    }
    case Step::BookCount:
        ok = type == MessageType::BookCount &&
             decodeCounts(message, MessageType::BookCount, m_bookCounts) == Decode::Ok &&
             m_bookCounts.nContacts <= m_identity.nAddressCapacity &&
             m_bookCounts.nGroups <= m_identity.nGroupCapacity;
        if (ok) {
            m_total = quint32(m_bookCounts.nContacts) + m_bookCounts.nGroups;
            emitEvent(EventCount, static_cast<qint32>(m_total));
            afterItem();
        }
        break;
    case Step::Messages:
    case Step::Contacts:
    case Step::Groups:
        ok = onItem(message);
        break;
    case Step::End: {
        quint32 items = 0;
        ok =
            type == MessageType::End && decodeEnd(message, items) == Decode::Ok && items == m_total;
        if (ok)
            finish();
        break;
    }
    case Step::Idle:
    case Step::Sending:
    case Step::Result:
        break; // the pager says nothing but its result during an upload
    }
    if (!ok && isRunning())
        fail(ErrProtocol);
}

bool TransferClient::onIdent(const QByteArray& message)
{
    if (decodeIdent(message, m_identity) != Decode::Ok)
        return false;
    if (m_identity.nVersion != kProtocolVersion) {
        fail(ErrUnsupportedPager);
        return true;
    }
    switch (m_mode) {
    case ModeIdentify:
        finish();
        break;
    case ModeDownloadMessages:
        m_link.send(encodeSimple(MessageType::GetMessages));
        m_step = Step::FolderNames;
        break;
    case ModeDownloadContacts:
        m_link.send(encodeSimple(MessageType::GetAddressBook));
        m_step = Step::BookCount;
        break;
    case ModeUploadContacts: {
        const Counts counts{static_cast<quint16>(m_upContacts.size()),
                            static_cast<quint16>(m_upGroups.size())};
        m_link.send(encodeCounts(MessageType::PutAddressBook, counts));
        m_firstItemMessage = m_link.messagesQueued();
        m_recordsFrom = m_link.streamBytesQueued();
        m_recordBytes = addressBookPayloadBytes(m_upContacts, m_upGroups);
        m_total = quint32(counts.nContacts) + counts.nGroups;
        m_nextContact = m_upContacts.cbegin();
        m_nextGroup = m_upGroups.cbegin();
        emitEvent(EventCount, static_cast<qint32>(m_total));
        m_step = Step::Sending;
        break;
    }
    }
    return true;
}

bool TransferClient::onItem(const QByteArray& message)
{
    switch (m_step) {
    case Step::Messages: {
        DeviceMessage item;
        if (decodeMessage(message, item) != Decode::Ok)
            return false;
        m_messages.push_back(std::move(item));
        break;
    }
    case Step::Contacts: {
        ContactRecord item;
        if (decodeContact(message, item) != Decode::Ok)
            return false;
        m_contacts.push_back(std::move(item));
        break;
    }
    case Step::Groups: {
        GroupRecord item;
        if (decodeGroup(message, item) != Decode::Ok)
            return false;
        m_groups.push_back(std::move(item));
        break;
    }
    default:
        return false;
    }
    ++m_done;
    emitEvent(EventItemDone, 0);
    afterItem();
    return true;
}

// Which item comes next, from how many have arrived.
void TransferClient::afterItem()
{
    if (m_step == Step::Messages) {
        if (m_done == m_total)
            m_step = Step::End;
        return;
    }
    if (m_done < m_bookCounts.nContacts)
        m_step = Step::Contacts;
    else if (m_done < m_total)
        m_step = Step::Groups;
    else
        m_step = Step::End;
}

void TransferClient::produceUpload()
{
    while (m_step == Step::Sending && m_link.unsentBytes() < kProduceAhead) {
        std::optional<QByteArray> message;
        if (m_nextContact != m_upContacts.cend()) {
            message = encodeContact(*m_nextContact++);
        } else if (m_nextGroup != m_upGroups.cend()) {
            message = encodeGroup(*m_nextGroup++);
        } else {
            const Counts counts{static_cast<quint16>(m_upContacts.size()),
                                static_cast<quint16>(m_upGroups.size())};
            message = encodeCounts(MessageType::PutEnd, counts);
            m_step = Step::Result;
        }
        if (!message || !m_link.send(*message)) {
            fail(ErrProtocol);
            return;
        }
    }
}

// An uploaded item counts as done once the pager has acknowledged it.
void TransferClient::reportUploadProgress()
{
    const quint64 acked = m_link.messagesAcknowledged();
    const quint64 items =
        acked > m_firstItemMessage ? qMin<quint64>(acked - m_firstItemMessage, m_total) : 0;
    while (m_done < items) {
        ++m_done;
        emitEvent(EventItemDone, 0);
    }
}

void TransferClient::finish()
{
    while (m_done < m_total) {
        ++m_done;
        emitEvent(EventItemDone, 0);
    }
    const int mode = m_mode;
    m_step = Step::Idle;
    m_link.setAwaitingReply(false, 0);
    m_upContacts.clear();
    m_upGroups.clear();
    emitEvent(EventFinished, mode);
}

void TransferClient::fail(int code)
{
    if (!m_link.failed())
        m_link.abort(code);
    m_step = Step::Idle;
    m_folderNames = {};
    m_messages.clear();
    m_contacts.clear();
    m_groups.clear();
    m_upContacts.clear();
    m_upGroups.clear();
    emitEvent(EventFailed, code);
}

} // namespace devlink::protocol
