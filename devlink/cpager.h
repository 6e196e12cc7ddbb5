#pragma once
// The device-link object the program owns: the transfers, which run on a worker thread that
// owns the serial port, and the results of the last downloads. The address book is the
// program's (the application owns it): an upload sends a copy of it taken when the upload
// starts, and a contacts download hands back a whole book, which the program puts in place
// in one step. The address-book operations the program knows on this object are kept as
// thin functions that act on that book.
//
// Threads. CPager is created, called and destroyed on one thread, the thread of the target
// object given to InitializePager (the window thread). The worker never calls into the
// program and never touches the book: each transfer's progress arrives at the target as
// PagerNotifyEvents, delivered on the target's thread in the order they happened. A finished
// download's results are put in the public members on that thread just before its finished
// event is delivered, so the program reads them at any time without locks; a failed transfer
// leaves them as they were.

#include "contacts/core/addressbook.h"
#include "devlink/transferrate.h"

#include "messages/core/messagerecord.h"

#include <QEvent>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace devlink {
namespace protocol {
class FrameLog;
}
class PagerRelay;
class WorkerEvent;
class WorkerThread;
} // namespace devlink

// The device notification: a QEvent of this type, posted to the target object.
constexpr int WM_PAGER_NOTIFY = QEvent::User + 100;

// The transfers PagerControl starts.
enum class PagerMode : qint32
{
    DownloadMessages = 1,
    DownloadContacts = 2,
    UploadContacts = 5,
};

// The codes of PagerNotifyEvent, with what their argument holds.
enum class PagerEvent : int
{
    Started = 0,  // the mode
    Count = 1,    // the number of items to come
    Step = 2,     // one item done
    Finished = 3, // the mode
    Failed = 4,   // the error code, for GetErrorMessage
};

class PagerNotifyEvent : public QEvent
{
public:
    PagerNotifyEvent(PagerEvent code, qint32 argument);

    static QEvent::Type eventType();

    PagerEvent code() const { return m_code; }
    qint32 argument() const { return m_argument; }
    // The mode of a started or finished event.
    PagerMode mode() const { return static_cast<PagerMode>(m_argument); }

private:
    PagerEvent m_code;
    qint32 m_argument;
};

class CPager
{
public:
    // The book uploads are taken from and the address-book operations act on; it outlives
    // this object.
    explicit CPager(AddressBook& book);
    ~CPager();
    CPager(const CPager&) = delete;
    CPager& operator=(const CPager&) = delete;

    AddressBook& addressBook() const { return m_book; }

    // The address-book operations, acting on the book (see AddressBook).
    int UpdatePagerAddress(std::unique_ptr<ContactRecord>& pData, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(pData, nOp, nArg);
    }
    int UpdatePagerAddress(ContactRecord* pData, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(pData, nOp, nArg);
    }
    int UpdatePagerAddress(const qint32* pKey, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(pKey, nOp, nArg);
    }
    int UpdatePagerAddress(std::unique_ptr<GroupRecord>& pData, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(pData, nOp, nArg);
    }
    int UpdatePagerAddress(GroupRecord* pData, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(pData, nOp, nArg);
    }
    int UpdatePagerAddress(std::nullptr_t, int nOp, int nArg)
    {
        return m_book.UpdatePagerAddress(nullptr, nOp, nArg);
    }
    ContactRecord* GetListAddress(int key) const { return m_book.GetListAddress(key); }
    int CheckAddressSpace() const { return m_book.CheckAddressSpace(); }

    // Kept for the caller; they change nothing in the link.
    void SetLevel(int nLevel) { m_nLevel = nLevel; }
    void SetPagerMode(int nMode) { m_nPagerMode = nMode; }
    int GetLevel() const { return m_nLevel; }
    int GetPagerMode() const { return m_nPagerMode; }

    // Starts the worker thread; true once it runs (again true when it runs already).
    bool CreateThread();
    // Events go to target, on target's thread, from now on; port as SetCommPort takes it.
    int InitializePager(QObject* target, int port);
    // The link's time-out in milliseconds, for the next transfer.
    void SetCommTimeOut(int ms);
    // The port OpenCommPort opens: 1..8 (COM1..COM8), or a device path. 0, or
    // ErrPortCannotOpen for a number outside 1..8 (whose open then fails).
    int SetCommPort(int port);
    int SetCommPort(const QString& devicePath);
    // The device OpenCommPort opens (and a running transfer holds).
    QString commDevice() const { return m_strDevice; }
    // Opens the port at this rate, 8N1, no flow control: 0, or ErrPortCannotOpen. A port
    // that cannot be opened now is tried again when a transfer starts, and reported as that
    // transfer's failure. An open port is closed first; a running transfer then fails.
    int OpenCommPort(int baud);
    // A running transfer fails with "connection lost".
    int CloseCommPort();

    // Starts a transfer (param is not used) and returns at once: 0 when it has begun (its
    // events follow), otherwise an error code and no event comes. An upload sends the book
    // as it is at this call.
    int PagerControl(PagerMode mode, int param);
    // Starts an upload of this book instead of the program's (a synchronize sends the merged
    // book while the program's stays as it is until the upload has completed).
    int UploadBook(const AddressBookCopy& book);
    bool IsTransferRunning() const { return m_bTransferRunning; }
    // Called on the target's thread with a running transfer's bytes and rate, a few times a
    // second, and once more (ended) after its finished or failed notification.
    void SetRateListener(std::function<void(const devlink::TransferRate&)> listener)
    {
        m_rateListener = std::move(listener);
    }

    // The link log: the last few thousand frames of this object's transfers, headers only.
    QByteArray linkLogText() const;

    // The text for any code a transfer or an address-book operation returns.
    static QString GetErrorMessage(int code);
    // GetErrorMessage, and below it what the system said about the last failed transfer
    // when there is more to say (the device and the reason of a port that cannot be opened).
    QString errorMessageWithDetail(int code) const;
    // The system's words about the last failed transfer; empty when the code says it all.
    QString m_strErrorDetail;

    // The last successful message download: the pager's names for folders 4..14 and its
    // messages, in the pager's order.
    FolderNameSlots m_FolderNames;
    std::vector<DeviceMessage> m_DeviceMessages;
    // The last successful contacts download: the pager's whole address book, in its order,
    // checked against the book's rules (replaceAll takes it as it is). The program puts it in
    // its book when the finished event comes.
    AddressBookCopy m_DownloadedContacts;
    // The book the last completed contacts upload sent, as it was sent.
    AddressBookCopy m_UploadedContacts;
    // The model the pager named at the last completed transfer (its identity without the
    // version).
    QString m_strPagerModel;

private:
    friend class devlink::PagerRelay;
    // On the target's thread: installs a finished download and hands the event on.
    void deliver(devlink::WorkerEvent& event);
    bool threadRunning() const;
    int start(int mode, std::shared_ptr<AddressBookCopy> upload);

    AddressBook& m_book;
    int m_nLevel = 0;
    int m_nPagerMode = 0;
    int m_nTimeoutMs = 300;
    QString m_strDevice;
    int m_nBaud = 38400;
    bool m_bWantOpen = false;
    std::atomic<bool> m_bTransferRunning{false};
    // What the running upload sends, until it completes.
    std::shared_ptr<AddressBookCopy> m_pSending;
    QPointer<QObject> m_target;
    std::function<void(const devlink::TransferRate&)> m_rateListener;
    devlink::TransferRate m_lastRate;
    std::shared_ptr<devlink::protocol::FrameLog> m_linkLog;
    std::unique_ptr<devlink::PagerRelay> m_relay;
    std::unique_ptr<devlink::WorkerThread> m_thread;
};
