#pragma once
// The synchronisation driver: it opens the device link, starts the three transfers (the
// message download here, the contacts download and upload when the Contacts window asks),
// reopens the port after a settings change, and turns the device events into the progress
// window it owns, the results handed on as signals, and error messages. Everything here runs
// on the window thread; the transfers run on the link's own thread.

#include "contacts/core/contactstransfers.h"
#include "devlink/cpager.h"
#include "devlink/portidentity.h"
#include "devlink/widgets/syncprogresswnd.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <utility>
#include <vector>

class QWidget;
struct Settings;

class CSyncDriver : public QObject, public ContactsTransfers
{
    Q_OBJECT

public:
    // The device events of pager go to this object; boxes and the progress window belong
    // to frame.
    CSyncDriver(CPager& pager, Settings& settings, QWidget* frame);
    ~CSyncDriver() override;

    // Starts the link's thread, opens the port and creates the (hidden) progress window. A
    // port that cannot be opened now is not reported: a transfer reports it.
    void StartDeviceLink();
    // Start a transfer; an error that keeps it from starting is told at once. The contacts
    // download shows the wait cursor while it starts, as the message download does.
    void DownloadMessages();
    int DownloadContacts() override;
    int UploadContacts() override;
    // The two transfers of Synchronize Contacts: the pager's book downloaded for the
    // synchronize alone (syncDownloaded; the program's book is not touched), then the merged
    // book uploaded (syncUploaded). A failure of either is told and ends in syncFailed.
    int SynchronizeContacts();
    int UploadSynchronized(const AddressBookCopy& book);
    // Reopens the port named in the settings (a pager plugged in since is found this way);
    // a running transfer keeps the port it has until it ends, and the reopening waits.
    void ReopenPort();
    // Lets go of the port until ReopenPort() or RestorePort(), so that another program (or
    // a search for the pager) can open it. A running transfer is never ended for that: it
    // keeps the port, which is let go when the transfer ends.
    void ReleasePort();
    // Undoes ReleasePort(): the port is opened again if it was let go.
    void RestorePort();
    // The program is closing: the port is closed, later events are ignored, and the
    // progress window's place is kept in the settings.
    void Stop();

    // The system's ports, listed about once a second from StartDeviceLink on: when the
    // pager's port appears (its adapter plugged in), the port is opened again, following
    // the adapter to its new name, and pagerPluggedIn() is sent.
    devlink::PortWatcher& portWatcher() { return m_portWatcher; }

    void OnPagerNotify(PagerEvent code, qint32 argument);

    CSyncProgressWnd& progressWnd() { return m_wndProgress; }
    // The mode of the transfer last announced as started (0 before the first).
    qint32 transferMode() const { return m_nTransferMode; }

Q_SIGNALS:
    // A message download finished: the pager's folder names and its messages, as values.
    void messagesDownloaded(const std::vector<DeviceMessage>& messages,
                            const FolderNameSlots& folderNames);
    // A contacts download finished: the pager's whole book, for the program to put in
    // place.
    void contactsDownloaded(const AddressBookCopy& book);
    void contactsUploaded();
    // A contacts download failed.
    void contactsDownloadFailed();
    void syncDownloaded(const AddressBookCopy& book);
    void syncUploaded();
    void syncFailed();
    // The pager's port appeared on this device while no transfer ran.
    void pagerPluggedIn(const QString& device);

protected:
    bool event(QEvent* e) override;

private:
    // PagerControl, the error told; the wait cursor shows while it starts when asked for.
    int start(PagerMode mode, bool waitCursor);
    void handle(PagerEvent code, qint32 argument);
    void reopen();
    void onPortsChanged(const std::vector<devlink::PortDescription>& before,
                        const std::vector<devlink::PortDescription>& after);

    // What becomes of the port when the running transfer ends.
    enum class PortWish
    {
        Keep,
        Release,
        Reopen,
    };

    CPager& m_pager;
    Settings& m_settings;
    QPointer<QWidget> m_pFrame;
    CSyncProgressWnd m_wndProgress;
    qint32 m_nTransferMode = 0;
    // The running contacts transfer belongs to a synchronize.
    bool m_bSyncing = false;
    bool m_bStopped = false;
    PortWish m_portWish = PortWish::Keep;
    bool m_bPortReleased = false;
    // Events that came in while the progress window pumped, handled once it has returned:
    // a box shown by one of them must not run its loop inside the pump.
    std::deque<std::pair<PagerEvent, qint32>> m_held;
    devlink::PortWatcher m_portWatcher;
};
