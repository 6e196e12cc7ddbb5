#include "devlink/cpager.h"

#include "contacts/core/addressbookerrors.h"
#include "devlink/portidentity.h"
#include "devlink/protocol/errors.h"
#include "devlink/protocol/framelog.h"
#include "devlink/protocol/transferclient.h"
#include "devlink/protocol/transfermessages.h"
#include "devlink/serialworker.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

namespace devlink {

// Lives on the target's thread and receives everything the worker posts, in order, so that
// the worker's results are put in place on the thread that reads them.
class PagerRelay : public QObject
{
public:
    explicit PagerRelay(CPager& pager) : m_pager(pager) {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != WorkerEvent::eventType())
            return QObject::event(event);
        m_pager.deliver(*static_cast<WorkerEvent*>(event));
        return true;
    }

private:
    CPager& m_pager;
};

} // namespace devlink

using namespace devlink;
using namespace devlink::protocol;

// The link's own numbers are the published ones.
static_assert(int(PagerMode::DownloadMessages) == ModeDownloadMessages &&
              int(PagerMode::DownloadContacts) == ModeDownloadContacts &&
              int(PagerMode::UploadContacts) == ModeUploadContacts);
static_assert(int(PagerEvent::Started) == EventStarted && int(PagerEvent::Count) == EventCount &&
              int(PagerEvent::Step) == EventItemDone &&
              int(PagerEvent::Finished) == EventFinished && int(PagerEvent::Failed) == EventFailed);

PagerNotifyEvent::PagerNotifyEvent(PagerEvent code, qint32 argument)
    : QEvent(eventType()), m_code(code), m_argument(argument)
{
}

QEvent::Type PagerNotifyEvent::eventType()
{
    // Reserved, so that no event type registered later takes the number.
    static const int reserved = QEvent::registerEventType(WM_PAGER_NOTIFY);
    Q_UNUSED(reserved);
    return static_cast<QEvent::Type>(WM_PAGER_NOTIFY);
}

CPager::CPager(AddressBook& book)
    : m_book(book), m_linkLog(std::make_shared<FrameLog>()),
      m_relay(std::make_unique<PagerRelay>(*this))
{
    PagerNotifyEvent::eventType();
    WorkerEvent::eventType();
}

CPager::~CPager()
{
    // Joined before the relay goes: nothing can be posted to it afterwards, and whatever
    // it still holds is dropped with it.
    if (m_thread)
        m_thread->stop();
    m_thread.reset();
    m_relay.reset();
}

bool CPager::threadRunning() const
{
    return m_thread && m_thread->worker();
}

bool CPager::CreateThread()
{
    if (threadRunning())
        return true;
    m_thread = std::make_unique<WorkerThread>(m_relay.get(), m_linkLog);
    m_thread->startAndWait();
    if (m_bWantOpen) {
        // An open asked for before the thread ran: the first transfer tries it.
        QMetaObject::invokeMethod(
            m_thread->worker(),
            [worker = m_thread->worker(), device = m_strDevice, baud = m_nBaud] {
                worker->openPort(device, baud);
            },
            Qt::QueuedConnection);
    }
    return true;
}

int CPager::InitializePager(QObject* target, int port)
{
    m_target = target;
    if (target && target->thread() != m_relay->thread())
        m_relay->moveToThread(target->thread());
    return SetCommPort(port);
}

void CPager::SetCommTimeOut(int ms)
{
    if (ms > 0)
        m_nTimeoutMs = ms;
}

int CPager::SetCommPort(int port)
{
    // A pager's adapter that came back under another name is followed there.
    m_strDevice = devlink::followedPortDevice(port);
    return m_strDevice.isEmpty() ? int(ErrPortCannotOpen) : int(ErrNone);
}

int CPager::SetCommPort(const QString& devicePath)
{
    m_strDevice = devicePath;
    return m_strDevice.isEmpty() ? int(ErrPortCannotOpen) : int(ErrNone);
}

int CPager::OpenCommPort(int baud)
{
    m_nBaud = baud;
    m_bWantOpen = true;
    if (!threadRunning())
        return ErrPortCannotOpen;
    int result = ErrPortCannotOpen;
    QMetaObject::invokeMethod(
        m_thread->worker(),
        [worker = m_thread->worker(), device = m_strDevice, baud, &result] {
            result = worker->openPort(device, baud);
        },
        Qt::BlockingQueuedConnection);
    return result;
}

int CPager::CloseCommPort()
{
    m_bWantOpen = false;
    if (threadRunning()) {
        QMetaObject::invokeMethod(
            m_thread->worker(), [worker = m_thread->worker()] { worker->closePort(); },
            Qt::BlockingQueuedConnection);
    }
    return ErrNone;
}

int CPager::PagerControl(PagerMode pagerMode, int /*param*/)
{
    const int mode = static_cast<int>(pagerMode);
    if (mode != ModeDownloadMessages && mode != ModeDownloadContacts && mode != ModeUploadContacts)
        return ErrUnknownMode;
    return start(mode, mode == ModeUploadContacts
                           ? std::make_shared<AddressBookCopy>(m_book.snapshot())
                           : nullptr);
}

int CPager::UploadBook(const AddressBookCopy& book)
{
    return start(ModeUploadContacts, std::make_shared<AddressBookCopy>(book));
}

int CPager::start(int mode, std::shared_ptr<AddressBookCopy> upload)
{
    if (m_bTransferRunning)
        return ErrBusy;
    if (!threadRunning())
        return ErrPortCannotOpen;
    if (upload) {
        // Refused before anything is sent, rather than half way through.
        if (upload->contacts.size() > 0xFFFF || upload->groups.size() > 0xFFFF)
            return ErrUnsendableRecord;
        for (const ContactRecord& contact : upload->contacts) {
            if (!encodeContact(contact))
                return ErrUnsendableRecord;
        }
        for (const GroupRecord& group : upload->groups) {
            if (!encodeGroup(group))
                return ErrUnsendableRecord;
        }
    }
    m_bTransferRunning = true;
    m_pSending = upload;
    QMetaObject::invokeMethod(
        m_thread->worker(),
        [worker = m_thread->worker(), mode, timeout = m_nTimeoutMs, upload] {
            worker->startTransfer(mode, timeout, upload);
        },
        Qt::QueuedConnection);
    return ErrNone;
}

QByteArray CPager::linkLogText() const
{
    return m_linkLog->text();
}

QString CPager::GetErrorMessage(int code)
{
    if (addressbook::isAddressBookError(code))
        return addressbook::errorText(code);
    return protocol::errorText(code);
}

QString CPager::errorMessageWithDetail(int code) const
{
    const QString text = GetErrorMessage(code);
    return m_strErrorDetail.isEmpty() ? text : text + QStringLiteral("\n\n") + m_strErrorDetail;
}

void CPager::deliver(WorkerEvent& event)
{
    int code = event.nCode;
    qint32 arg = event.nArg;
    if (code == WorkerEvent::kRateCode) {
        m_lastRate = event.rate;
        if (m_rateListener && m_bTransferRunning)
            m_rateListener(m_lastRate);
        return;
    }
    if (code == EventStarted)
        m_lastRate = {};
    if (code == EventFinished && event.outcome) {
        TransferOutcome& outcome = *event.outcome;
        m_strPagerModel = outcome.model;
        if (outcome.nMode == ModeUploadContacts && m_pSending)
            m_UploadedContacts = *m_pSending;
        if (outcome.nMode == ModeDownloadMessages) {
            m_FolderNames = std::move(outcome.folderNames);
            m_DeviceMessages = std::move(outcome.messages);
        } else if (outcome.nMode == ModeDownloadContacts) {
            // An address book the program's book cannot hold (slots beyond its memory, say)
            // is a failed download, not one the program half takes.
            if (const int result =
                    addressbook::checkReplacement(outcome.contacts, outcome.groups)) {
                code = EventFailed;
                arg = result;
            } else {
                m_DownloadedContacts = {std::move(outcome.contacts), std::move(outcome.groups)};
            }
        }
    }
    if (code == EventStarted)
        m_strErrorDetail.clear();
    if (code == EventFailed)
        m_strErrorDetail = event.outcome ? event.outcome->detail : QString();
    if (code == EventFinished || code == EventFailed) {
        m_bTransferRunning = false;
        m_pSending.reset();
    }
    if (m_target) {
        PagerNotifyEvent notify(static_cast<PagerEvent>(code), arg);
        QCoreApplication::sendEvent(m_target, &notify);
    }
    if ((code == EventFinished || code == EventFailed) && m_rateListener) {
        m_lastRate.ended = true;
        m_rateListener(m_lastRate);
    }
}
