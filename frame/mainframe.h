#pragma once
// The program's one top-level window. It owns every long-lived part of the user interface
// and the device-link object, works on the application's address book, switches its client
// area between the message panes (folder tree | message list over detail pane) and the
// Contacts window, routes the menu and toolbar commands, has the synchronisation driver run
// the transfers with the pager and, on closing, saves the local folders and the settings.

#include "devlink/cpager.h"
#include "frame/syncdriver.h"

#include <QHash>
#include <QMainWindow>
#include <QtGlobal>

#include <functional>
#include <memory>

class CCardDavSyncDriver;
class CContactsDlg;
class ContactsHistoryKeeper;
class ContactsSynchronizer;
class CLeftView;
class CQuillboxDoc;
class CRightView;
class RecoveryCopyKeeper;
class QAction;
class QSplitter;
class QStackedWidget;
class QToolBar;
struct Settings;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Command numbers, as other parts of the program and the tests name them.
    enum Command : int
    {
        ID_DOWNLOAD_MESSAGES = 32774,
        ID_EDIT_CONTACT = 32795,
        ID_UPLOAD_CONTACTS = 32796,
        ID_DOWNLOAD_CONTACTS = 32797,
        ID_SETTINGS = 32810,
        ID_VIEW_MESSAGES = 32812,
        ID_VIEW_CONTACTS = 32813,
        ID_IMPORT_CONTACTS = 32848,
        ID_EXPORT_CONTACTS = 32849,
        ID_NEW_CONTACT = 32854,
        ID_IMPORT_VCARD = 32890,
        ID_EXPORT_VCARD = 32891,
        ID_CARDDAV_ACCOUNT = 32900,
        ID_CARDDAV_SYNC = 32901,
        ID_SYNC_CONTACTS = 32892,
        ID_CONTACTS_HISTORY = 32893,
        ID_FILE_NEW = 57600,
        ID_FILE_OPEN = 57601,
        ID_FILE_SAVE = 57603,
        ID_EDIT_COPY = 57634,
        ID_EDIT_CUT = 57635,
        ID_EDIT_PASTE = 57637,
        ID_EDIT_UNDO = 57643,
        ID_APP_ABOUT = 57664,
        ID_APP_EXIT = 57665,
        ID_HELP = 57670,
        ID_SAVE_LINK_LOG = 32902,
        ID_NEXT_PANE = 57680,
        ID_PREV_PANE = 57681,
    };

    // The toolbar's positions, in order; 0 stands for a separator.
    static const int kToolbarLayout[13];
    // The buttons that belong to the Contacts window: shown with it, hidden with the
    // message panes.
    static const int kContactButtons[7];

    CMainFrame(Settings& settings, CQuillboxDoc& doc, AddressBook& book, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Called once the frame and its panes exist, in this order: the title, the folder
    // database, the folder tree, the right pane, the device link, the Contacts window.
    void OnInitialSetup();

    QAction* action(int command) const { return m_actions.value(command); }
    QToolBar* toolBar() const { return m_pToolBar; }
    QSplitter* splitter() const { return m_pSplitter; }
    CLeftView* leftView() const { return m_pLeftView; }
    CRightView* rightView() const { return m_pRightView; }
    CContactsDlg* contactsDlg() const { return m_pContacts; }
    CSyncDriver& driver() { return m_driver; }
    CCardDavSyncDriver& cardDav() { return *m_pCardDav; }
    CSyncProgressWnd& progressWnd() { return m_driver.progressWnd(); }
    CPager& pager() { return m_pager; }
    AddressBook& book() { return m_book; }
    CQuillboxDoc& document() const { return m_doc; }
    bool contactsShown() const;

    // At start-up, once the frame is shown: a recovery copy of the address book left by a
    // run that did not close normally is offered for restoring (Yes restores it and marks
    // the contacts unsaved, No discards it); then the copy follows the book.
    void OfferRecovery();
    RecoveryCopyKeeper* recovery() const { return m_pRecovery.get(); }
    // The address book's history and Synchronize Contacts, from OnInitialSetup on.
    ContactsHistoryKeeper* history() const { return m_pHistory.get(); }
    ContactsSynchronizer* synchronizer() const { return m_pSync; }

    // The close sequence up to the frame's own closing: the folder database written (or
    // its failure answered), then the unsaved-contacts question. False: the program stays.
    bool OnClose();

    // Asked when the Settings dialog's OK moves the folder database (from, to): false
    // keeps the folder as it was, the user having been told why.
    using FolderDbMove = std::function<bool(const QString& from, const QString& to)>;
    void setFolderDbMove(FolderDbMove move) { m_folderDbMove = std::move(move); }

public Q_SLOTS:
    void OnViewMessages();
    void OnViewContacts();

    void OnDownloadMessages();
    void OnSettings();

    void OnSaveFolderDb();
    void OnFileOpen();
    void OnNewContact();
    void OnEditContact();
    void OnImportContacts();
    void OnExportContacts();
    void OnImportVCard();
    void OnExportVCard();
    void OnDownloadContacts();
    void OnUploadContacts();
    void OnSynchronizeContacts();
    void OnContactsHistory();
    void OnNextPane();
    void OnPrevPane();
    // Writes the link log (frame headers only) to a file the user chooses, for a bug report.
    void OnSaveLinkLog();

Q_SIGNALS:
    // The frame has closed: the settings are to be written now.
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QAction* addCommand(int command, const QString& text, const QString& statusTip,
                        const QString& toolTip, const QIcon& icon);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createClientArea();
    // File > Address Book Account... and Synchronize Address Book (File menu and toolbar).
    void createCardDavCommands();
    void cyclePane(int direction);

    Settings& m_settings;
    CQuillboxDoc& m_doc;
    AddressBook& m_book;

    // Members in the order of their making; they go in the reverse order.
    QStackedWidget* m_pClient = nullptr;
    QSplitter* m_pSplitter = nullptr;
    CLeftView* m_pLeftView = nullptr;
    CRightView* m_pRightView = nullptr;
    CContactsDlg* m_pContacts = nullptr;
    CPager m_pager;
    CSyncDriver m_driver;
    QToolBar* m_pToolBar = nullptr;
    std::unique_ptr<CCardDavSyncDriver> m_pCardDav;

    QHash<int, QAction*> m_actions;
    // The recovery copy of the address book, from OnInitialSetup on.
    std::unique_ptr<RecoveryCopyKeeper> m_pRecovery;
    std::unique_ptr<ContactsHistoryKeeper> m_pHistory;
    ContactsSynchronizer* m_pSync = nullptr;
    FolderDbMove m_folderDbMove;
};
