#pragma once
// The program's side of a transfer: one transfer at a time over its own link session.
// It says hello, checks who answers, runs the transfer and reports its progress as events
// with the numbers the program's device notification uses.

#include "devlink/protocol/linkendpoint.h"
#include "devlink/protocol/transfermessages.h"

#include "contacts/core/contactrecord.h"
#include "messages/core/messagerecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace devlink::protocol {

enum TransferMode : int
{
    ModeIdentify = 0, // the handshake alone: who answers on this port
    ModeDownloadMessages = 1,
    ModeDownloadContacts = 2,
    ModeUploadContacts = 5,
};

enum TransferEventCode : int
{
    EventStarted = 0,  // argument: the mode
    EventCount = 1,    // argument: the number of items to come
    EventItemDone = 2, // one item transferred
    EventFinished = 3, // argument: the mode
    EventFailed = 4,   // argument: the error code
};

struct TransferEvent
{
    int nCode = EventStarted;
    qint32 nArg = 0;

    bool operator==(const TransferEvent&) const = default;
};

class TransferClient
{
public:
    TransferClient();

    void setTimeout(int ms) { m_link.setTimeout(ms); }
    void setBaudRate(int baud) { m_link.setBaudRate(baud); }
    void setFrameObserver(std::function<void(const FrameSeen&)> observer)
    {
        m_link.setFrameObserver(std::move(observer));
    }

    // 0 when the transfer has begun (its events follow), otherwise an error code and
    // nothing happens: ErrBusy while one runs, ErrUnsendableRecord for an address book
    // the wire cannot carry, ErrUnknownMode from start().
    int start(int mode, qint64 nowMs);
    int startMessageDownload(qint64 nowMs);
    int startContactsDownload(qint64 nowMs);
    // Says hello and finishes with the pager's identity (pagerIdentity()).
    int startIdentify(qint64 nowMs);
    // Sends this copy of the address book; the caller's lists are not touched again.
    int startContactsUpload(ContactList contacts, GroupList groups, qint64 nowMs);
    // Ends a running transfer with this code (the port failed, the program closes).
    void abort(int code);

    void receiveBytes(QByteArrayView bytes, qint64 nowMs) { m_link.receiveBytes(bytes, nowMs); }
    QByteArray poll(qint64 nowMs);
    qint64 nextWakeMs(qint64 nowMs) const;

    bool isRunning() const { return m_step != Step::Idle; }
    int mode() const { return m_mode; }
    std::vector<TransferEvent> takeEvents();

    // Who answered the last handshake.
    const PagerIdentity& pagerIdentity() const { return m_identity; }
    // What the last successful download brought; emptied when the next transfer starts.
    const FolderNameSlots& folderNames() const { return m_folderNames; }
    std::vector<DeviceMessage> takeMessages() { return std::move(m_messages); }
    ContactList takeContacts() { return std::move(m_contacts); }
    GroupList takeGroups() { return std::move(m_groups); }

    const LinkEndpoint& link() const { return m_link; }

    // The records' bytes moved so far and, for an upload, their total (0: not known): a
    // download counts what arrived, an upload what the pager acknowledged.
    struct ByteProgress
    {
        qint64 done = 0;
        qint64 total = 0;
    };
    ByteProgress byteProgress() const;

private:
    enum class Step
    {
        Idle,
        Ident,
        FolderNames,
        MessageCount,
        Messages,
        BookCount,
        Contacts,
        Groups,
        End,
        Sending,
        Result,
    };

    int begin(int mode, qint64 nowMs);
    void handle(const QByteArray& message);
    bool onIdent(const QByteArray& message);
    bool onItem(const QByteArray& message);
    void afterItem();
    void produceUpload();
    void reportUploadProgress();
    void finish();
    void fail(int code);
    void emitEvent(int code, qint32 arg) { m_events.push_back({code, arg}); }

    LinkEndpoint m_link{LinkEndpoint::Role::Initiator};
    quint32 m_sessions = 0;
    int m_mode = 0;
    Step m_step = Step::Idle;
    std::vector<TransferEvent> m_events;
    PagerIdentity m_identity;

    FolderNameSlots m_folderNames;
    std::vector<DeviceMessage> m_messages;
    ContactList m_contacts;
    GroupList m_groups;
    Counts m_bookCounts;
    quint32 m_total = 0;
    quint32 m_done = 0;

    ContactList m_upContacts;
    GroupList m_upGroups;
    ContactList::const_iterator m_nextContact;
    GroupList::const_iterator m_nextGroup;
    quint64 m_firstItemMessage = 0;
    qint64 m_recordsFrom = 0; // stream offset of the first record
    qint64 m_recordBytes = 0; // an upload's total
};

} // namespace devlink::protocol
