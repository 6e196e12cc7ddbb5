#pragma once
// The pager's side: holds what a pager holds and answers the program's transfers. The pager
// simulator drives it exactly as the program drives TransferClient.

#include "devlink/protocol/linkendpoint.h"
#include "devlink/protocol/transfermessages.h"

#include "contacts/core/contactrecord.h"
#include "messages/core/messagerecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace devlink::protocol {

struct PagerContents
{
    FolderNameSlots folderNames;
    std::vector<DeviceMessage> messages;
    ContactList contacts;
    GroupList groups;
};

// Whether the pager takes this address book as its whole address memory: 0, ErrMemoryFull
// (more contacts or groups than it holds) or ErrInvalidData (a field over its size, a slot
// outside the memory or used twice, a group id used twice, more than 100 members, a block
// over 400 bytes).
int checkAddressBook(const ContactList& contacts, const GroupList& groups,
                     const PagerIdentity& identity);
// Empty when a pager with this identity can hold and send these contents; otherwise what
// is wrong, for the one who loads them.
QString checkContents(const PagerContents& contents, const PagerIdentity& identity);

struct ServerCounters
{
    int messageDownloads = 0; // completed as far as the pager can tell: all handed to the link
    int contactDownloads = 0;
    int uploadsAccepted = 0;
    int uploadsRefused = 0;
    int transfersAborted = 0; // the session ended or failed in the middle
};

class TransferServer
{
public:
    explicit TransferServer(PagerIdentity identity = {});

    void setTimeout(int ms) { m_link.setTimeout(ms); }
    void setBaudRate(int baud) { m_link.setBaudRate(baud); }

    const PagerIdentity& identity() const { return m_identity; }
    const PagerContents& contents() const { return m_contents; }
    // The caller has checked them with checkContents; a record that cannot be sent after all
    // ends that download with a protocol error.
    void setContents(PagerContents contents) { m_contents = std::move(contents); }

    // A pager whose address memory will not take an upload, whatever it holds: refusal is
    // ErrMemoryFull (said as soon as the upload is announced) or ErrInvalidData (said at
    // the first record, or at the end of an empty upload); ErrNone accepts sound uploads.
    void setUploadRefusal(int refusal) { m_uploadRefusal = refusal; }

    void receiveBytes(QByteArrayView bytes, qint64 nowMs) { m_link.receiveBytes(bytes, nowMs); }
    QByteArray poll(qint64 nowMs);
    qint64 nextWakeMs(qint64 nowMs) const;

    bool isBusy() const { return m_phase != Phase::Idle && m_phase != Phase::Refused; }
    const ServerCounters& counters() const { return m_counters; }
    const LinkEndpoint& link() const { return m_link; }

private:
    enum class Phase
    {
        Idle,
        SendingMessages,
        SendingBook,
        Receiving,
        Refused
    };

    void handle(const QByteArray& message, qint64 nowMs);
    void startMessages();
    void startBook();
    void startUpload(const QByteArray& message, qint64 nowMs);
    void receiveItem(const QByteArray& message);
    void endUpload(const QByteArray& message);
    void refuse(int code);
    void produce();
    void dropTransfer();

    PagerIdentity m_identity;
    PagerContents m_contents;
    LinkEndpoint m_link{LinkEndpoint::Role::Responder};
    ServerCounters m_counters;
    Phase m_phase = Phase::Idle;
    bool m_greeted = false;
    int m_uploadRefusal = 0;

    // A download streams from a copy taken when it was asked for.
    std::vector<DeviceMessage> m_outMessages;
    std::vector<ContactRecord> m_outContacts;
    std::vector<GroupRecord> m_outGroups;
    size_t m_next = 0;

    // An upload is kept aside until it is complete and checked.
    Counts m_announced;
    ContactList m_inContacts;
    GroupList m_inGroups;
};

} // namespace devlink::protocol
