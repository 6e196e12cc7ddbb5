#include "frame/syncdriver.h"

#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/settings.h"

#include <QApplication>
#include <QWidget>

#include <utility>

namespace {

constexpr int kBaudRate = 38400;
constexpr int kCommTimeOut = 300;

// The wait cursor for as long as a command runs, put away early when the command has
// something to tell the user.
class WaitCursor
{
public:
    explicit WaitCursor(bool active) : m_bActive(active)
    {
        if (m_bActive)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void restore()
    {
        if (m_bActive)
            QApplication::restoreOverrideCursor();
        m_bActive = false;
    }

private:
    bool m_bActive;
};

bool isMode(qint32 argument, PagerMode mode)
{
    return argument == static_cast<qint32>(mode);
}

} // namespace

CSyncDriver::CSyncDriver(CPager& pager, Settings& settings, QWidget* frame)
    : m_pager(pager), m_settings(settings), m_pFrame(frame)
{
    setObjectName(QStringLiteral("SyncDriver"));
    connect(&m_portWatcher, &devlink::PortWatcher::portsChanged, this,
            &CSyncDriver::onPortsChanged);
}

CSyncDriver::~CSyncDriver() = default;

bool CSyncDriver::event(QEvent* e)
{
    if (e->type() == PagerNotifyEvent::eventType()) {
        const auto* notify = static_cast<PagerNotifyEvent*>(e);
        OnPagerNotify(notify->code(), notify->argument());
        return true;
    }
    return QObject::event(e);
}

void CSyncDriver::StartDeviceLink()
{
    m_pager.SetLevel(0);
    m_pager.SetPagerMode(0);
    m_pager.CreateThread();
    m_pager.InitializePager(this, m_settings.CommPort);
    m_pager.SetCommTimeOut(kCommTimeOut);
    m_pager.SetCommPort(m_settings.CommPort);
    m_pager.OpenCommPort(kBaudRate);

    m_wndProgress.Create(m_pFrame, QStringLiteral("Quillbox"), true, m_settings.progressPosition());
    m_wndProgress.Hide();
    m_portWatcher.start();
}

void CSyncDriver::onPortsChanged(const std::vector<devlink::PortDescription>& before,
                                 const std::vector<devlink::PortDescription>& after)
{
    const int n = m_settings.CommPort;
    // The environment names a device, not an adapter: that device is watched for.
    const QString identity =
        platform::serialPortFromEnvironment(n) ? QString() : platform::storedSerialPortIdentity(n);
    const std::optional<devlink::PortDescription> pager =
        devlink::pagerAppeared(before, after, identity, m_pager.commDevice());
    // A transfer keeps its port; a port let go for the Settings dialog stays let go.
    if (!pager || m_bStopped || m_pager.IsTransferRunning() || m_bPortReleased)
        return;
    reopen();
    Q_EMIT pagerPluggedIn(m_pager.commDevice());
}

int CSyncDriver::start(PagerMode mode, bool waitCursor)
{
    WaitCursor wait(waitCursor);
    const int result = m_pager.PagerControl(mode, 0);
    if (result != 0) {
        wait.restore();
        platform::inform(m_pFrame, CPager::GetErrorMessage(result));
    }
    return result;
}

void CSyncDriver::DownloadMessages()
{
    start(PagerMode::DownloadMessages, true);
}

int CSyncDriver::DownloadContacts()
{
    return start(PagerMode::DownloadContacts, true);
}

int CSyncDriver::UploadContacts()
{
    return start(PagerMode::UploadContacts, false);
}

int CSyncDriver::SynchronizeContacts()
{
    const int result = start(PagerMode::DownloadContacts, true);
    m_bSyncing = result == 0;
    return result;
}

int CSyncDriver::UploadSynchronized(const AddressBookCopy& book)
{
    const int result = m_pager.UploadBook(book);
    if (result != 0)
        platform::inform(m_pFrame, CPager::GetErrorMessage(result));
    m_bSyncing = result == 0;
    return result;
}

void CSyncDriver::ReopenPort()
{
    if (m_pager.IsTransferRunning()) {
        m_portWish = PortWish::Reopen;
        return;
    }
    reopen();
}

void CSyncDriver::reopen()
{
    m_portWish = PortWish::Keep;
    m_bPortReleased = false;
    m_pager.CloseCommPort();
    m_pager.SetCommPort(m_settings.CommPort);
    m_pager.OpenCommPort(kBaudRate);
}

void CSyncDriver::ReleasePort()
{
    // Closing the port under a transfer would end it with "connection lost".
    if (m_pager.IsTransferRunning()) {
        m_portWish = PortWish::Release;
        return;
    }
    m_portWish = PortWish::Keep;
    m_bPortReleased = true;
    m_pager.CloseCommPort();
}

void CSyncDriver::RestorePort()
{
    if (m_bPortReleased)
        ReopenPort();
    else
        m_portWish = PortWish::Keep;
}

void CSyncDriver::Stop()
{
    m_bStopped = true;
    m_held.clear();
    m_portWatcher.stop();
    // A transfer still running ends here; its events are not acted on any more.
    m_pager.CloseCommPort();
    m_settings.setProgressPosition(m_wndProgress.SavedPosition());
    m_wndProgress.Hide();
}

void CSyncDriver::OnPagerNotify(PagerEvent code, qint32 argument)
{
    if (m_bStopped)
        return;
    // The port is the transfer's no longer: what was asked of it meanwhile is done now,
    // whether or not the event itself must wait.
    if (code == PagerEvent::Finished || code == PagerEvent::Failed) {
        if (m_portWish == PortWish::Release)
            ReleasePort();
        else if (m_portWish == PortWish::Reopen)
            reopen();
    }
    // A finish or a failure that arrives while a step pumps waits for the pump to end (and
    // so does everything after it, to keep the order).
    if (m_wndProgress.IsPumping() &&
        (code == PagerEvent::Finished || code == PagerEvent::Failed || !m_held.empty())) {
        m_held.emplace_back(code, argument);
        return;
    }
    handle(code, argument);
}

void CSyncDriver::handle(PagerEvent code, qint32 argument)
{
    switch (code) {
    case PagerEvent::Started:
        m_wndProgress.Reset();
        m_wndProgress.Show();
        m_nTransferMode = argument;
        if (isMode(argument, PagerMode::DownloadMessages) ||
            isMode(argument, PagerMode::DownloadContacts))
            m_wndProgress.SetText(tr("Download Preparing..."));
        else if (isMode(argument, PagerMode::UploadContacts))
            m_wndProgress.SetText(tr("Upload Preparing..."));
        break;

    case PagerEvent::Count:
        if (isMode(m_nTransferMode, PagerMode::DownloadMessages) ||
            isMode(m_nTransferMode, PagerMode::DownloadContacts))
            m_wndProgress.SetText(tr("Downloading..."));
        else if (isMode(m_nTransferMode, PagerMode::UploadContacts))
            m_wndProgress.SetText(tr("Uploading..."));
        m_wndProgress.SetRange(0, argument, 1);
        break;

    case PagerEvent::Step: {
        m_wndProgress.Step();
        // Other events, further device events among them, are handled inside this.
        const QPointer<CSyncDriver> alive(this);
        m_wndProgress.PumpMessages(true);
        // What came in meanwhile and had to wait, in order; a step among them pumps again
        // and may hold more.
        while (alive && !m_bStopped && !m_wndProgress.IsPumping() && !m_held.empty()) {
            const auto [heldCode, heldArgument] = m_held.front();
            m_held.pop_front();
            handle(heldCode, heldArgument);
        }
        break;
    }

    case PagerEvent::Finished: {
        m_wndProgress.Hide();
        const bool syncing = std::exchange(m_bSyncing, false);
        // The finished transfer's own mode, whatever was announced last.
        if (syncing && isMode(argument, PagerMode::DownloadContacts))
            Q_EMIT syncDownloaded(m_pager.m_DownloadedContacts);
        else if (syncing && isMode(argument, PagerMode::UploadContacts))
            Q_EMIT syncUploaded();
        else if (isMode(argument, PagerMode::DownloadMessages))
            Q_EMIT messagesDownloaded(m_pager.m_DeviceMessages, m_pager.m_FolderNames);
        else if (isMode(argument, PagerMode::DownloadContacts))
            Q_EMIT contactsDownloaded(m_pager.m_DownloadedContacts);
        else if (isMode(argument, PagerMode::UploadContacts))
            Q_EMIT contactsUploaded();
        break;
    }

    case PagerEvent::Failed: {
        m_wndProgress.Hide();
        const bool syncing = std::exchange(m_bSyncing, false);
        // The Contacts window shows the address book as it is after a failed download.
        if (!syncing && isMode(m_nTransferMode, PagerMode::DownloadContacts))
            Q_EMIT contactsDownloadFailed();
        platform::inform(m_pFrame, m_pager.errorMessageWithDetail(argument));
        if (syncing)
            Q_EMIT syncFailed();
        break;
    }
    }
}
