#include "frame/mainframe.h"

#include "contacts/core/contacthistory.h"
#include "contacts/core/recoverycopy.h"
#include "contacts/widgets/contactsdlg.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "frame/carddavsyncdriver.h"
#include "frame/contactssynchronizer.h"
#include "frame/quillboxdoc.h"
#include "frame/rateline.h"
#include "frame/settingsdlg.h"
#include "messages/core/messagestore.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/rightview.h"
#include "platform/atomicfile.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/settings.h"
#include "platform/themeicon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

const int CMainFrame::kToolbarLayout[13] = {
    ID_VIEW_CONTACTS, ID_DOWNLOAD_CONTACTS, ID_UPLOAD_CONTACTS,
    ID_SYNC_CONTACTS, ID_IMPORT_CONTACTS,   ID_EXPORT_CONTACTS,
    ID_EDIT_CONTACT,  ID_NEW_CONTACT,       0,
    ID_VIEW_MESSAGES, ID_DOWNLOAD_MESSAGES, 0,
    ID_APP_EXIT,
};

const int CMainFrame::kContactButtons[7] = {
    ID_DOWNLOAD_CONTACTS, ID_UPLOAD_CONTACTS, ID_SYNC_CONTACTS, ID_IMPORT_CONTACTS,
    ID_EXPORT_CONTACTS,   ID_EDIT_CONTACT,    ID_NEW_CONTACT,
};

namespace {

constexpr int kToolbarIconSize = 24;
constexpr int kLeftPaneWidth = 200;
// How long the status bar says that the pager was plugged in.
constexpr int kPluggedInMessageMs = 10000;

using platform::themedIcon;

// An icon of the theme with an arrow in a disc in its lower right corner: the address book
// with its contents coming from the pager (down), going to it (up) or both (Qt::NoArrow,
// Synchronize Contacts: an arrow up and an arrow down side by side).
QIcon withArrow(const QIcon& base, Qt::ArrowType direction)
{
    const QColor disc = direction == Qt::DownArrow ? QColor(0x2e, 0x8b, 0x3e)
                        : direction == Qt::UpArrow ? QColor(0x1f, 0x6f, 0xc5)
                                                   : QColor(0x8a, 0x4b, 0xaf);
    QIcon result;
    for (const int side : {16, 22, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        base.paint(&painter, QRect(0, 0, side, side));

        const qreal d = side * 0.6;
        const QRectF circle(side - d, side - d, d, d);
        painter.setPen(QPen(Qt::white, side / 16.0));
        painter.setBrush(disc);
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));

        // A white arrow along a vertical line of the disc: its middle, or a third of the
        // way in from either side for the pair.
        const auto arrow = [&](qreal x, qreal sign, qreal w) {
            const QPointF c(x, circle.center().y());
            const qreal h = d * 0.30;
            QPolygonF shape;
            shape << QPointF(c.x(), c.y() + sign * h) << QPointF(c.x() - w, c.y())
                  << QPointF(c.x() - w / 2.4, c.y()) << QPointF(c.x() - w / 2.4, c.y() - sign * h)
                  << QPointF(c.x() + w / 2.4, c.y() - sign * h) << QPointF(c.x() + w / 2.4, c.y())
                  << QPointF(c.x() + w, c.y());
            painter.drawPolygon(shape);
        };
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        if (direction == Qt::NoArrow) {
            arrow(circle.left() + d * 0.33, -1.0, d * 0.17);
            arrow(circle.left() + d * 0.67, 1.0, d * 0.17);
        } else {
            arrow(circle.center().x(), direction == Qt::DownArrow ? 1.0 : -1.0, d * 0.24);
        }
        painter.end();
        result.addPixmap(pixmap);
    }
    return result;
}

} // namespace

CMainFrame::CMainFrame(Settings& settings, CQuillboxDoc& doc, AddressBook& book, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_doc(doc), m_book(book), m_pager(book),
      m_driver(m_pager, settings, this)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Quillbox"));
    setWindowIcon(QApplication::windowIcon());

    createClientArea();
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createCardDavCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createClientArea()
{
    // The two presentations take turns in the client area: the message panes and the
    // Contacts window (added by the set-up).
    m_pClient = new QStackedWidget(this);
    m_pClient->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_pClient);

    m_pSplitter = new QSplitter(Qt::Horizontal, m_pClient);
    m_pSplitter->setObjectName(QStringLiteral("splitter"));
    m_pSplitter->setChildrenCollapsible(false);
    m_pLeftView = new CLeftView(m_doc.models(), m_pSplitter);
    m_pRightView = new CRightView(m_doc.models(), m_pSplitter);
    m_pRightView->followTree(m_pLeftView);
    m_pSplitter->addWidget(m_pLeftView);
    m_pSplitter->addWidget(m_pRightView);
    // The tree keeps its width when the window grows; the message panes take the rest.
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setSizes({kLeftPaneWidth, 4 * kLeftPaneWidth});
    m_pClient->addWidget(m_pSplitter);
}

QAction* CMainFrame::addCommand(int command, const QString& text, const QString& statusTip,
                                const QString& toolTip, const QIcon& icon)
{
    auto* act = new QAction(icon, text, this);
    act->setObjectName(QStringLiteral("command%1").arg(command));
    act->setData(command);
    act->setStatusTip(statusTip);
    act->setToolTip(toolTip.isEmpty() ? text : toolTip);
    // A number used twice would hide the first command from action().
    Q_ASSERT_X(!m_actions.contains(command), "CMainFrame::addCommand", "command number used twice");
    m_actions.insert(command, act);
    return act;
}

void CMainFrame::createActions()
{
    const QIcon book = themedIcon("x-office-address-book", QStyle::SP_FileDialogContentsView);

    // Toolbar positions: the status-bar prompt and the tooltip of each.
    QAction* act = addCommand(ID_VIEW_CONTACTS, tr("&Contacts"), tr("View Contacts Window"),
                              tr("View Contacts"), book);
    connect(act, &QAction::triggered, this, &CMainFrame::OnViewContacts);

    act = addCommand(ID_DOWNLOAD_CONTACTS, tr("Download Contacts"),
                     tr("Download Contacts from Pager "), tr("Download Contacts"),
                     withArrow(book, Qt::DownArrow));
    connect(act, &QAction::triggered, this, &CMainFrame::OnDownloadContacts);

    act = addCommand(ID_UPLOAD_CONTACTS, tr("Upload Contacts"), tr("Upload Contacts to Pager "),
                     tr("Upload Contacts"), withArrow(book, Qt::UpArrow));
    connect(act, &QAction::triggered, this, &CMainFrame::OnUploadContacts);

    act = addCommand(ID_SYNC_CONTACTS, tr("&Synchronize Contacts"),
                     tr("Keep the changes made in Quillbox and on the pager"),
                     tr("Synchronize Contacts"), withArrow(book, Qt::NoArrow));
    connect(act, &QAction::triggered, this, &CMainFrame::OnSynchronizeContacts);

    act = addCommand(ID_IMPORT_CONTACTS, tr("Import/Open Contacts"), tr("Import/Open Contacts"),
                     tr("Import/Open Contacts"),
                     themedIcon("document-open", QStyle::SP_DialogOpenButton));
    connect(act, &QAction::triggered, this, &CMainFrame::OnImportContacts);

    act = addCommand(ID_EXPORT_CONTACTS, tr("Export/Save Contacts"), tr("Export/Save Contacts"),
                     tr("Export/Save Contacts"),
                     themedIcon("document-save", QStyle::SP_DialogSaveButton));
    connect(act, &QAction::triggered, this, &CMainFrame::OnExportContacts);

    // Menu only.
    act = addCommand(ID_IMPORT_VCARD, tr("&Import vCard..."),
                     tr("Add contacts and groups from a vCard file"), QString(), QIcon());
    connect(act, &QAction::triggered, this, &CMainFrame::OnImportVCard);
    act = addCommand(ID_EXPORT_VCARD, tr("&Export vCard..."),
                     tr("Write the address book, or the selected contacts, to a "
                        "vCard file"),
                     QString(), QIcon());
    connect(act, &QAction::triggered, this, &CMainFrame::OnExportVCard);
    act = addCommand(ID_CONTACTS_HISTORY, tr("Contacts &History..."),
                     tr("The address book as it was before each transfer, import "
                        "and restore, to look at and restore"),
                     QString(), QIcon());
    connect(act, &QAction::triggered, this, &CMainFrame::OnContactsHistory);

    act = addCommand(ID_EDIT_CONTACT, tr("Edit Contact"), tr("Edit Contact"), tr("Edit Contact"),
                     themedIcon({"document-edit", "accessories-text-editor"},
                                QStyle::SP_FileDialogDetailedView));
    connect(act, &QAction::triggered, this, &CMainFrame::OnEditContact);

    act = addCommand(ID_NEW_CONTACT, tr("New Contact"), tr("New Contact"), tr("New Contact"),
                     themedIcon("contact-new", QStyle::SP_FileIcon));
    connect(act, &QAction::triggered, this, &CMainFrame::OnNewContact);

    act = addCommand(ID_VIEW_MESSAGES, tr("&Messages"), tr("View Messages Window"),
                     tr("View Messages"),
                     themedIcon({"mail-unread", "mail-read"}, QStyle::SP_FileDialogListView));
    connect(act, &QAction::triggered, this, &CMainFrame::OnViewMessages);

    act = addCommand(ID_DOWNLOAD_MESSAGES, tr("Download Messages"),
                     tr("Download Messages From Pager "), tr("Download Messages"),
                     themedIcon("mail-send-receive", QStyle::SP_BrowserReload));
    connect(act, &QAction::triggered, this, &CMainFrame::OnDownloadMessages);

    act = addCommand(ID_APP_EXIT, tr("E&xit"), tr("Quit the application"), tr("Exit"),
                     themedIcon("application-exit", QStyle::SP_DialogCloseButton));
    act->setMenuRole(QAction::QuitRole);
    connect(act, &QAction::triggered, this, &QWidget::close);

    // Menu only.
    act = addCommand(ID_SETTINGS, tr("Se&ttings"), {}, {},
                     themedIcon("preferences-system", QStyle::SP_FileDialogInfoView));
    act->setMenuRole(QAction::PreferencesRole);
    connect(act, &QAction::triggered, this, &CMainFrame::OnSettings);

    // Carried out by the application object, which connects them.
    act = addCommand(ID_HELP, tr("&Help"), {}, {},
                     themedIcon("help-browser", QStyle::SP_DialogHelpButton));
    act->setShortcut(QKeySequence::HelpContents);
    act->setShortcutContext(Qt::WindowShortcut);
    act = addCommand(ID_APP_ABOUT, tr("&About Quillbox..."), {}, {},
                     themedIcon("help-about", QStyle::SP_MessageBoxInformation));
    act->setMenuRole(QAction::AboutRole);
    act = addCommand(ID_SAVE_LINK_LOG, tr("Save &Link Log..."), {}, {}, {});
    connect(act, &QAction::triggered, this, &CMainFrame::OnSaveLinkLog);

    act = addCommand(ID_NEXT_PANE, tr("Next Pane"), {}, {}, {});
    act->setShortcut(QKeySequence(Qt::Key_F6));
    connect(act, &QAction::triggered, this, &CMainFrame::OnNextPane);
    addAction(act);
    act = addCommand(ID_PREV_PANE, tr("Previous Pane"), {}, {}, {});
    act->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(act, &QAction::triggered, this, &CMainFrame::OnPrevPane);
    addAction(act);
    // The Help key works whether or not a menu is open.
    addAction(m_actions.value(ID_HELP));

    // The document's keys. The local folders are the program's one document, always open:
    // New changes nothing, Open goes on with another folder database, Save writes them now.
    act = addCommand(ID_FILE_NEW, tr("New"), {}, {}, {});
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(act);
    act = addCommand(ID_FILE_OPEN, tr("Open..."), {}, {}, {});
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(act, &QAction::triggered, this, &CMainFrame::OnFileOpen);
    addAction(act);
    act = addCommand(ID_FILE_SAVE, tr("Save"), {}, {}, {});
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(act, &QAction::triggered, this, &CMainFrame::OnSaveFolderDb);
    addAction(act);

    // The editing keys are the detail pane's commands, for as long as the message panes have
    // the focus; the pane takes no key itself, so they act from the tree and the list. Its text
    // is read-only: only Copy finds something to do.
    CRightDetailView* detail = m_pRightView->detailView();
    const struct
    {
        int command;
        const char* text;
        QList<QKeySequence> keys;
        void (CRightDetailView::*slot)();
    } editing[] = {
        {ID_EDIT_COPY,
         QT_TRANSLATE_NOOP("CMainFrame", "Copy"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         &CRightDetailView::OnEditCopy},
        {ID_EDIT_CUT,
         QT_TRANSLATE_NOOP("CMainFrame", "Cut"),
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
         &CRightDetailView::cut},
        {ID_EDIT_PASTE,
         QT_TRANSLATE_NOOP("CMainFrame", "Paste"),
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         &CRightDetailView::paste},
        {ID_EDIT_UNDO,
         QT_TRANSLATE_NOOP("CMainFrame", "Undo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         &CRightDetailView::undo},
    };
    for (const auto& command : editing) {
        act = addCommand(command.command, tr(command.text), {}, {}, {});
        act->setShortcuts(command.keys);
        act->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(act, &QAction::triggered, detail, command.slot);
        m_pSplitter->addAction(act);
    }
}

void CMainFrame::createMenus()
{
    menuBar()->setAccessibleName(tr("Menu bar"));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(ID_SYNC_CONTACTS));
    file->addAction(action(ID_CONTACTS_HISTORY));
    file->addSeparator();
    file->addAction(action(ID_IMPORT_VCARD));
    file->addAction(action(ID_EXPORT_VCARD));
    file->addSeparator();
    file->addAction(action(ID_SETTINGS));
    file->addSeparator();
    file->addAction(action(ID_APP_EXIT));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(action(ID_VIEW_CONTACTS));
    view->addAction(action(ID_VIEW_MESSAGES));

    QMenu* about = menuBar()->addMenu(tr("&About"));
    about->addAction(action(ID_HELP));
    about->addAction(action(ID_SAVE_LINK_LOG));
    about->addAction(action(ID_APP_ABOUT));
}

void CMainFrame::createToolBar()
{
    m_pToolBar = new QToolBar(tr("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar"));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const int command : kToolbarLayout) {
        if (command == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(action(command));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::createCardDavCommands()
{
    m_pCardDav = std::make_unique<CCardDavSyncDriver>(m_settings, m_book, this);
    m_pCardDav->attachStatusBar(statusBar());
    QAction* account = addCommand(ID_CARDDAV_ACCOUNT, tr("&Address Book Account..."),
                                  tr("The CardDAV address book to keep in step with"), {}, QIcon());
    connect(account, &QAction::triggered, m_pCardDav.get(), &CCardDavSyncDriver::EditAccount);
    QAction* sync = addCommand(ID_CARDDAV_SYNC, tr("S&ynchronize Address Book"),
                               tr("Synchronize the address book with its CardDAV server"),
                               tr("Synchronize Address Book"),
                               themedIcon("view-refresh", QStyle::SP_BrowserReload));
    connect(sync, &QAction::triggered, m_pCardDav.get(), &CCardDavSyncDriver::Synchronize);
    connect(m_pCardDav.get(), &CCardDavSyncDriver::runningChanged, this,
            [account, sync](bool running) {
                account->setEnabled(!running);
                sync->setEnabled(!running);
            });
    QMenu* file = menuBar()->actions().constFirst()->menu();
    file->insertAction(action(ID_SETTINGS), account);
    file->insertAction(action(ID_SETTINGS), sync);
    file->insertSeparator(action(ID_SETTINGS));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(sync);
}

void CMainFrame::createStatusBar()
{
    // One pane: "Ready" when idle, a transfer's rate while one runs, the prompt of the
    // command under the pointer otherwise.
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusbar"));
    auto* rateLine = new CRateLine(bar);
    m_pager.SetRateListener(
        [rateLine](const devlink::TransferRate& rate) { rateLine->update(rate); });
}

void CMainFrame::OnInitialSetup()
{
    setWindowTitle(QStringLiteral("Quillbox"));
    m_doc.LoadFolderDb(this);
    m_pLeftView->BuildFolderTree();
    m_pRightView->initialUpdate();
    // A dozen rows of the list above the message, both growing with the window.
    if (QSplitter* right = m_pRightView->splitter()) {
        right->setStretchFactor(0, 1);
        right->setStretchFactor(1, 1);
        right->setSizes({300, 300});
    }
    m_driver.StartDeviceLink();

    m_pContacts = new CContactsDlg(m_pClient);
    m_pClient->addWidget(m_pContacts);
    m_pContacts->SetDocument(&m_doc);
    m_pContacts->SetBook(&m_book);
    m_pContacts->SetTransfers(&m_driver);
    m_pContacts->SetAddressPath(&m_settings.szAddressPath);
    m_pHistory = std::make_unique<ContactsHistoryKeeper>(
        m_book,
        QDir(platform::defaultDataFolder()).filePath(QLatin1String(contacthistory::kFolderName)));
    m_pContacts->SetHistory(m_pHistory.get());
    m_pSync = new ContactsSynchronizer(m_book, m_pager, m_driver, *m_pHistory, this);
    m_pCardDav->setHistory(m_pHistory.get());
    connect(m_pSync, &ContactsSynchronizer::bookApplied, m_pContacts, [this](bool changed) {
        // The tree and the list stand where a download leaves them.
        m_pContacts->FillTree();
        if (changed)
            m_pContacts->SetModified(true);
    });

    connect(&m_driver, &CSyncDriver::messagesDownloaded, this,
            [this](const std::vector<DeviceMessage>& messages, const FolderNameSlots& names) {
                m_doc.TakeDownloadedMessages(messages, names);
                m_pLeftView->RefreshPagerTree();
            });
    connect(&m_driver, &CSyncDriver::contactsDownloaded, this, [this](const AddressBookCopy& book) {
        // The pager's book replaces the program's in one step. The device link checked it
        // with the same rules, so it is refused only if those rules changed in between.
        if (const int result = m_book.replaceAll(book.contacts, book.groups)) {
            m_pContacts->ClearList();
            m_pContacts->FillTree();
            platform::inform(this, CPager::GetErrorMessage(result));
            return;
        }
        m_pSync->storeBase(book);
        m_pContacts->DownloadCompleted();
    });
    connect(&m_driver, &CSyncDriver::contactsUploaded, m_pContacts, [this] {
        m_pSync->storeBase(m_pager.m_UploadedContacts);
        m_pContacts->UploadCompleted();
    });
    connect(&m_driver, &CSyncDriver::pagerPluggedIn, this, [this](const QString& device) {
        statusBar()->showMessage(tr("The pager was plugged in (%1).").arg(device),
                                 kPluggedInMessageMs);
        if (m_settings.DownloadWhenPluggedIn)
            OnDownloadMessages();
    });
    connect(&m_driver, &CSyncDriver::contactsDownloadFailed, m_pContacts, [this] {
        m_pContacts->ClearList();
        m_pContacts->FillTree();
    });

    m_pRecovery = std::make_unique<RecoveryCopyKeeper>(
        QDir(platform::defaultDataFolder()).filePath(QLatin1String(recoverycopy::kFileName)),
        [this] {
            AddressBookCopy copy = m_book.snapshot();
            return recoverycopy::Contents{std::move(copy.contacts), std::move(copy.groups),
                                          m_book.m_strAddressFile};
        });
    connect(m_pRecovery.get(), &RecoveryCopyKeeper::writeFailed, this, [this](const QString& why) {
        platform::tell(this, tr("The recovery copy of the address book could not be "
                                "written:\n%1\n%2")
                                 .arg(QDir::toNativeSeparators(m_pRecovery->path()), why));
    });
}

void CMainFrame::OnDownloadMessages()
{
    if (m_doc.store().records().empty())
        return;
    m_driver.DownloadMessages();
}

void CMainFrame::OnSettings()
{
    // The port is let go while the dialog is open, so that its Find... can greet a pager on
    // it too, and opened again on OK and on Cancel alike. A running transfer keeps it until
    // it ends: no dialog ends a transfer, and Find... leaves that port alone meanwhile.
    m_driver.ReleasePort();
    CSettingsDlg dlg(m_settings.CommPort, this);
    dlg.setPath(m_settings.FilePath);
    dlg.setDownloadWhenPluggedIn(m_settings.DownloadWhenPluggedIn);
    dlg.setPortInUse(
        [this] { return m_pager.IsTransferRunning() ? m_pager.commDevice() : QString(); });
    if (dlg.exec() != QDialog::Accepted) {
        m_driver.RestorePort();
        return;
    }
    m_settings.DownloadWhenPluggedIn = dlg.downloadWhenPluggedIn();
    const QString folder = m_settings.FilePath;
    const QString database = m_doc.folderDbPath();
    m_settings.FilePath = dlg.path();
    // The database follows the folder unless a file was named for this run; another
    // program may be working on the one in the new folder.
    if (m_doc.folderDbPath() != database && m_folderDbMove &&
        !m_folderDbMove(database, m_doc.folderDbPath()))
        m_settings.FilePath = folder;
    // Reopened on every OK, changed or not: a pager plugged in since is found this way
    // (once a running transfer has ended).
    m_driver.ReopenPort();
}

void CMainFrame::OfferRecovery()
{
    if (!m_pRecovery)
        return;
    // The copy is read and checked before anything is offered, and it stays where it is
    // until the user has answered: a run ended while the question is open loses nothing.
    recoverycopy::Contents contents;
    QString error;
    if (m_pRecovery->exists() && !m_pRecovery->read(&contents, &error)) {
        // Nothing is lost: the copy stays beside, under another name.
        m_pRecovery->setAside();
        platform::tell(this, tr("Quillbox did not close normally, but the copy it "
                                "kept of the address book changes is damaged:\n%1\n"
                                "The copy was kept as:\n%2")
                                 .arg(error, QDir::toNativeSeparators(m_pRecovery->path() +
                                                                      QStringLiteral(".damaged"))));
    } else if (m_pRecovery->exists()) {
        const platform::MessageAnswer answer = platform::showMessage(
            this,
            tr("Quillbox did not close normally, and the address book had changes "
               "that were not saved.\nRestore those changes?"),
            {}, platform::MessageButtons::YesNo, platform::MessageIcon::Question);
        if (answer == platform::MessageAnswer::Yes) {
            // Checked as it was read, the book is taken whole. The copy stays: it holds the
            // book as it is now, until the next change writes it again.
            const QString file = contents.addressFile;
            if (m_book.replaceAll(std::move(contents.contacts), std::move(contents.groups)) == 0)
                m_book.m_strAddressFile = file;
            m_pContacts->FillTree();
            m_pContacts->SetModified(true);
        } else {
            m_pRecovery->remove();
        }
    }
    m_pRecovery->start();
}

bool CMainFrame::contactsShown() const
{
    return m_pContacts && m_pClient->currentWidget() == m_pContacts;
}

void CMainFrame::OnViewMessages()
{
    m_pClient->setCurrentWidget(m_pSplitter);
    for (const int command : kContactButtons)
        action(command)->setVisible(false);
}

void CMainFrame::OnViewContacts()
{
    if (m_pContacts)
        m_pClient->setCurrentWidget(m_pContacts);
    for (const int command : kContactButtons)
        action(command)->setVisible(true);
}

void CMainFrame::OnSaveFolderDb()
{
    QString error;
    if (!m_doc.SaveFolderDb(&error))
        platform::showMessage(this, error, {}, platform::MessageButtons::Ok,
                              platform::MessageIcon::Warning);
}

void CMainFrame::OnFileOpen()
{
    // The run goes on with another folder database, as a start with that file would: this
    // run's local folders are written first, the lock moves to the other file, and the pager
    // folders wait for the next download (the last one's numbers could be the file's).
    platform::FileDialogRequest request;
    request.filter = tr("Folder Database( *.psf )|*.psf|All Files( * )|*||");
    request.defaultExtension = QStringLiteral("psf");
    request.initialFolder = QFileInfo(m_doc.folderDbPath()).absolutePath();
    const QString chosen = platform::openFile(this, request);
    if (chosen.isEmpty())
        return;
    const QString from = m_doc.folderDbPath();
    const QString to = QFileInfo(chosen).absoluteFilePath();
    if (QFileInfo(to) == QFileInfo(from))
        return;
    if (const QString why = CQuillboxDoc::CheckFolderDbFile(to); !why.isEmpty()) {
        platform::showMessage(this,
                              tr("%1\ncannot be opened as a folder database:\n%2")
                                  .arg(QDir::toNativeSeparators(to), why),
                              {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
        return;
    }
    QString error;
    if (!m_doc.SaveFolderDb(&error)) {
        platform::showMessage(
            this,
            tr("%1\n\nQuillbox goes on with the local folders it has, and does not "
               "open\n%2")
                .arg(error, QDir::toNativeSeparators(to)),
            {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
        return;
    }
    if (m_folderDbMove && !m_folderDbMove(from, to))
        return;
    m_doc.OpenFolderDb(to, this);
    m_pLeftView->BuildFolderTree();
}

void CMainFrame::OnNewContact()
{
    if (m_pContacts)
        m_pContacts->OnButtonAddressNewaddress();
}

void CMainFrame::OnEditContact()
{
    if (m_pContacts)
        m_pContacts->EditContact();
}

void CMainFrame::OnImportContacts()
{
    if (m_pContacts)
        m_pContacts->ImportContacts();
}

void CMainFrame::OnExportContacts()
{
    if (m_pContacts)
        m_pContacts->ExportContacts();
}

void CMainFrame::OnImportVCard()
{
    if (m_pContacts)
        m_pContacts->ImportVCard();
}

void CMainFrame::OnExportVCard()
{
    if (m_pContacts)
        m_pContacts->ExportVCard();
}

void CMainFrame::OnDownloadContacts()
{
    if (!m_pContacts)
        return;
    if (platform::showMessage(this, tr("The Contacts will be overwitten to Quillbox"), {},
                              platform::MessageButtons::YesNo,
                              platform::MessageIcon::Question) == platform::MessageAnswer::Yes)
        m_pContacts->DownloadContacts();
}

void CMainFrame::OnUploadContacts()
{
    if (!m_pContacts)
        return;
    if (platform::showMessage(this, tr("The Contacts will be Overwritten to the Device"), {},
                              platform::MessageButtons::YesNo,
                              platform::MessageIcon::Question) == platform::MessageAnswer::Yes)
        m_pContacts->UploadContacts();
}

void CMainFrame::OnSynchronizeContacts()
{
    if (m_pContacts && m_pSync)
        m_pSync->start();
}

void CMainFrame::OnContactsHistory()
{
    if (m_pContacts)
        m_pContacts->ContactsHistory();
}

void CMainFrame::cyclePane(int direction)
{
    // The panes of the message presentation, in the order F6 visits them.
    if (contactsShown())
        return;
    const QList<QWidget*> panes{m_pLeftView, m_pRightView->listView(), m_pRightView->detailView()};
    qsizetype at = -1;
    for (qsizetype i = 0; i < panes.size(); ++i) {
        if (panes[i]->hasFocus())
            at = i;
    }
    const qsizetype n = panes.size();
    const qsizetype next = at < 0 ? 0 : ((at + direction) % n + n) % n;
    panes[next]->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::OnNextPane()
{
    cyclePane(1);
}

void CMainFrame::OnPrevPane()
{
    cyclePane(-1);
}

bool CMainFrame::OnClose()
{
    // The local folders first: this is the one moment they are written.
    QString error;
    if (!m_doc.SaveFolderDb(&error)) {
        const platform::MessageAnswer answer = platform::showMessage(
            this,
            tr("%1\n\nQuit Quillbox without saving the local folders?\n"
               "(No keeps Quillbox open with nothing lost.)")
                .arg(error),
            {}, platform::MessageButtons::YesNo, platform::MessageIcon::Warning);
        if (answer != platform::MessageAnswer::Yes)
            return false;
    }
    if (m_pContacts && m_pContacts->IsModified()) {
        const platform::MessageAnswer answer = platform::showMessage(
            this, tr("Contacts Not Saved.\nSave Contacts Now?"), {},
            platform::MessageButtons::YesNoCancel, platform::MessageIcon::Question);
        if (answer == platform::MessageAnswer::Cancel)
            return false;
        // The program closes only when the export completed: a failed or cancelled one
        // leaves it open, with nothing lost.
        if (answer == platform::MessageAnswer::Yes) {
            OnExportContacts();
            if (m_pContacts->IsModified())
                return false;
        }
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    if (!OnClose()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
    // Whatever was answered about saving, the book can be had back from the history (an
    // empty one has nothing to give back).
    if (m_pHistory && !m_book.m_AddressList.empty())
        m_pHistory->keep(contacthistory::Event::Close, this);
    m_driver.Stop();
    // A normal close, whatever was answered: the recovery copy has done its work.
    if (m_pRecovery)
        m_pRecovery->remove();
    Q_EMIT closed();
}

void CMainFrame::OnSaveLinkLog()
{
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Save;
    request.filter = tr("Link Log( *.log )|*.log||");
    request.defaultExtension = QStringLiteral("log");
    request.initialName = QStringLiteral("quillbox-link.log");
    request.title = tr("Save Link Log");
    const QString path = platform::saveFile(this, request);
    if (path.isEmpty())
        return;
    QString error;
    if (!platform::writeFileAtomically(path, m_pager.linkLogText(), &error))
        platform::tell(
            this,
            tr("Couldn't save the link log:\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
}
