// The synchronisation driver of the main frame: it opens the device link, starts message
// downloads, reopens the port after a settings change, and turns the device events into
// the progress window, the work that follows a finished transfer, and error messages.
// Everything here runs on the window thread; the transfers run on the link's own thread.

#include "frame/mainframe.h"

#include "app/settings.h"
#include "contacts/contactsdlg.h"
#include "frame/quillboxdoc.h"
#include "frame/settingsdlg.h"
#include "messages/leftview.h"
#include "messages/messagestore.h"
#include "platform/messageboxservice.h"

#include <QApplication>

namespace {

constexpr int kBaudRate = 38400;
constexpr int kCommTimeOut = 300;

enum PagerEvent : int
{
    EventStarted = 0,
    EventCount = 1,
    EventStep = 2,
    EventFinished = 3,
    EventFailed = 4,
};

enum TransferMode : qint32
{
    ModeDownloadMessages = 1,
    ModeDownloadContacts = 2,
    ModeUploadContacts = 5,
};

// The wait cursor for as long as a command runs, put away early when the command has
// something to tell the user.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
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
    bool m_bActive = true;
};

} // namespace

bool CMainFrame::event(QEvent* e)
{
    if (e->type() == PagerNotifyEvent::eventType()) {
        const auto* notify = static_cast<PagerNotifyEvent*>(e);
        OnPagerNotify(notify->code(), notify->argument());
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::StartDeviceLink()
{
    // A port that cannot be opened now is not reported here: a transfer reports it.
    m_pager.SetLevel(0);
    m_pager.SetPagerMode(0);
    m_pager.CreateThread();
    m_pager.InitializePager(this, m_settings.CommPort);
    m_pager.SetCommTimeOut(kCommTimeOut);
    m_pager.SetCommPort(m_settings.CommPort);
    m_pager.OpenCommPort(kBaudRate);

    m_wndProgress.Create(this, QStringLiteral("Quillbox"), true, m_settings);
    m_wndProgress.Hide();
}

void CMainFrame::OnDownloadMessages()
{
    WaitCursor wait;
    if (m_doc.store().records().empty())
        return;
    const int result = m_pager.PagerControl(ModeDownloadMessages, 0);
    if (result != 0) {
        wait.restore();
        platform::inform(this, CPager::GetErrorMessage(result));
    }
}

void CMainFrame::OnSettings()
{
    CSettingsDlg dlg(m_settings.CommPort, this);
    dlg.setPath(m_settings.FilePath);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_settings.FilePath = dlg.path();
    // Reopened on every OK, changed or not: a pager plugged in since is found this way.
    m_pager.CloseCommPort();
    m_pager.SetCommPort(m_settings.CommPort);
    m_pager.OpenCommPort(kBaudRate);
}

void CMainFrame::OnPagerNotify(int code, qint32 argument)
{
    if (m_bClosed)
        return;
    switch (code) {
    case EventStarted:
        m_wndProgress.Reset();
        m_wndProgress.Show();
        m_nTransferMode = argument;
        if (argument == ModeDownloadMessages || argument == ModeDownloadContacts)
            m_wndProgress.SetText(QStringLiteral("Download Preparing..."));
        else if (argument == ModeUploadContacts)
            m_wndProgress.SetText(QStringLiteral("Upload Preparing..."));
        break;

    case EventCount:
        if (m_nTransferMode == ModeDownloadMessages || m_nTransferMode == ModeDownloadContacts)
            m_wndProgress.SetText(QStringLiteral("Downloading..."));
        else if (m_nTransferMode == ModeUploadContacts)
            m_wndProgress.SetText(QStringLiteral("Uploading..."));
        m_wndProgress.SetRange(0, argument, 1);
        break;

    case EventStep:
        m_wndProgress.Step();
        // Other events, further device events among them, are handled inside this.
        m_wndProgress.PumpMessages(true);
        break;

    case EventFinished:
        m_wndProgress.Hide();
        // The finished transfer's own mode, whatever was announced last.
        if (argument == ModeDownloadMessages) {
            m_doc.TakeDownloadedMessages(m_pager);
            m_pLeftView->RefreshPagerTree();
        } else if (argument == ModeDownloadContacts) {
            if (m_pContacts)
                m_pContacts->DownloadCompleted();
        } else if (argument == ModeUploadContacts) {
            if (m_pContacts)
                m_pContacts->UploadCompleted();
        }
        break;

    case EventFailed:
        m_wndProgress.Hide();
        // The download emptied the address book when it began: show what is left of it.
        if (m_nTransferMode == ModeDownloadContacts && m_pContacts) {
            m_pContacts->ClearList();
            m_pContacts->FillTree();
        }
        platform::inform(this, m_pager.errorMessageWithDetail(argument));
        break;

    default:
        break;
    }
}
