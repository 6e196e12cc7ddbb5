#include "contacts/widgets/contactsdlg.h"

#include "contacts/core/addressbook.h"
#include "contacts/core/contactstransfers.h"
#include "contacts/models/contactlistmodel.h"
#include "contacts/models/contactstreemodel.h"
#include "contacts/models/grouplistmodel.h"
#include "contacts/widgets/contactcommands.h"
#include "contacts/widgets/contactsexchangemanager.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "contacts/widgets/groupcommands.h"
#include "platform/messageboxservice.h"
#include "platform/renamedelegate.h"
#include "platform/themeicon.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <vector>

namespace {

constexpr int kKeyRole = Qt::UserRole;

QTreeView* makeView(QWidget* parent, const char* name)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setIconSize(QSize(16, 15));
    return view;
}

} // namespace

CContactsDlg::CContactsDlg(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ContactsDlg"));

    const QStyle* s = style();
    m_ImageList[ImgFolder] = platform::themedIcon("folder", QStyle::SP_DirClosedIcon, s);
    m_ImageList[ImgFolderOpen] = platform::themedIcon("folder-open", QStyle::SP_DirOpenIcon, s);
    m_ImageList[ImgAddressBook] =
        platform::themedIcon("x-office-address-book", QStyle::SP_DirHomeIcon, s);
    m_ImageList[ImgCard] =
        platform::themedIcon("x-office-contact", QStyle::SP_FileDialogDetailedView, s);
    m_ImageList[ImgGroup] = platform::themedIcon("system-users", QStyle::SP_FileDialogInfoView, s);
    // A folder shows itself open while selected.
    m_ImageList[ImgFolder].addPixmap(m_ImageList[ImgFolderOpen].pixmap(16, 15), QIcon::Selected);
    const ContactsIcons icons{m_ImageList[ImgAddressBook], m_ImageList[ImgFolder],
                              m_ImageList[ImgCard], m_ImageList[ImgGroup]};

    m_pTreeModel = new ContactsTreeModel(this);
    m_pTreeModel->setIcons(icons);
    m_pContactModel = new ContactListModel(this);
    m_pContactModel->setIcons(icons);
    m_pGroupModel = new GroupListModel(this);
    m_pGroupModel->setIcons(icons);

    m_pList = makeView(this, "list");
    m_pList->setRootIsDecorated(false);
    m_pList->setItemsExpandable(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setDragEnabled(false);
    m_pList->header()->setStretchLastSection(false);
    SetListColumns(0);

    m_pTree = makeView(this, "tree");
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setModel(m_pTreeModel);
    // Names change only through the Rename Group command, never by a click; the model never
    // takes the typed text itself.
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setItemDelegate(new platform::RenameDelegate(
        this, [this](const QModelIndex& item, const QString& text) { OnEndLabelEdit(item, text); },
        MAX_GROUP_NAME));

    connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnTreeSelChanged(current); });
    connect(m_pTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pTree->viewport(), pos); });
    // A double click anywhere on a row opens it, right of the last column too, where the
    // view itself finds no row.
    m_pList->viewport()->installEventFilter(this);
    // The Menu key and Shift+F10 reach the views themselves.
    m_pTree->installEventFilter(this);
    m_pList->installEventFilter(this);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pList->viewport(), pos); });

    // The tree stands left of the list: it comes first from the keyboard too.
    setTabOrder(m_pTree, m_pList);
    m_pTree->setAccessibleName(tr("Folders and groups"));
    m_pList->setAccessibleName(tr("Contents"));
    m_pList->setAccessibleDescription(
        tr("The contacts, the groups or a group's members, as chosen on the left."));

    placeControls();
    FillTree();
    m_nCurItem = -1;
    m_bFolderMenu = 0;
    m_bModified = 0;
}

CContactsDlg::~CContactsDlg() = default;

void CContactsDlg::SetBook(AddressBook* pBook)
{
    delete m_pContactCommands;
    delete m_pGroupCommands;
    delete m_pExchange;
    m_pContactCommands = nullptr;
    m_pGroupCommands = nullptr;
    m_pExchange = nullptr;
    m_pBook = pBook;
    m_pTreeModel->setBook(pBook);
    m_pContactModel->setBook(pBook);
    m_pGroupModel->setBook(pBook);
    if (m_pBook) {
        const auto run = [this](QDialog& dlg) { return execDialog(dlg); };
        m_pContactCommands = new ContactCommands(*m_pBook, this, run);
        m_pGroupCommands = new GroupCommands(*m_pBook, this, run);
        m_pExchange = new ContactsExchangeManager(*m_pBook, m_pList->selectionModel(), this, run);
        m_pExchange->setAddressPath(m_pszAddressPath);
        m_pExchange->setHistory(m_pHistory);
        for (ContactsCommand* command : std::initializer_list<ContactsCommand*>{
                 m_pContactCommands, m_pGroupCommands, m_pExchange}) {
            connect(command, &ContactsCommand::resultChanged, this,
                    [this](int result) { m_nResult = result; });
            connect(command, &ContactsCommand::bookModified, this, [this] { m_bModified = 1; });
            connect(command, &ContactsCommand::bookSaved, this, [this] { m_bModified = 0; });
        }
    }
    FillTree();
}

void CContactsDlg::SetHistory(ContactsHistoryKeeper* pHistory)
{
    m_pHistory = pHistory;
    if (m_pExchange)
        m_pExchange->setHistory(pHistory);
}

void CContactsDlg::SetAddressPath(QString* pszAddressPath)
{
    m_pszAddressPath = pszAddressPath;
    if (m_pExchange)
        m_pExchange->setAddressPath(pszAddressPath);
}

int CContactsDlg::execDialog(QDialog& dlg)
{
    return dlg.exec();
}

void CContactsDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

bool CContactsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_pTree || watched == m_pList) && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        OnKeyboardContextMenu(static_cast<QTreeView*>(watched));
        return true;
    }
    if (watched == m_pList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            QPoint pos = mouse->position().toPoint();
            if (!m_pList->indexAt(pos).isValid()) {
                const QHeaderView* header = m_pList->header();
                const int last = header->logicalIndex(header->count() - 1);
                pos.setX(std::max(0, header->sectionViewportPosition(last)));
            }
            const QModelIndex row = m_pList->indexAt(pos);
            if (row.isValid()) {
                // After the view's own handling, which moves the selection to the row.
                const QPersistentModelIndex at(row);
                QTimer::singleShot(0, this, [this, at] {
                    if (at.isValid())
                        OnListDoubleClicked(at);
                });
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CContactsDlg::placeControls()
{
    const QRect r = rect();
    m_pTree->setGeometry(r.left() + 5, r.top(), 200 - (r.left() + 5), r.height());
    m_pList->setGeometry(r.left() + 205, r.top(), std::max(0, r.right() - 5 - (r.left() + 205)),
                         r.height());
}

QModelIndex CContactsDlg::contactsRoot() const
{
    return m_pTreeModel->contactsRoot();
}

QModelIndex CContactsDlg::groupsRoot() const
{
    return m_pTreeModel->groupsRoot();
}

qint32 CContactsDlg::keyOf(const QModelIndex& index)
{
    return index.isValid() ? index.data(kKeyRole).toInt() : 0;
}

qint32 CContactsDlg::rowKey(int row) const
{
    return keyOf(m_pList->model()->index(row, 0));
}

int CContactsDlg::selectedRowCount() const
{
    return static_cast<int>(m_pList->selectionModel()->selectedRows().size());
}

int CContactsDlg::selectedRow() const
{
    // The focus may rest on a row that is not selected (Ctrl+arrow keys): the selection
    // counts, and the current row only when it is one of the selected.
    const QItemSelectionModel* selection = m_pList->selectionModel();
    if (m_nCurItem >= 0 && m_nCurItem < m_pList->model()->rowCount() &&
        selection->isRowSelected(m_nCurItem, QModelIndex()))
        return m_nCurItem;
    int first = -1;
    for (const QModelIndex& index : selection->selectedRows()) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

// ---- where the tree and the list stand ----

void CContactsDlg::ClearList()
{
    // The list shows no folder until a tree item is selected again.
    m_nListKey = 0;
    SetListColumns(1);
    m_pGroupModel->clear();
}

void CContactsDlg::FillTree()
{
    // The models follow the book themselves: what is left is where the tree and the list
    // stand.
    m_hMenuItem = QPersistentModelIndex();
    m_hSelItem = QPersistentModelIndex();
    // "Groups" opens on its top-level groups; "Contacts" is selected and listed.
    m_pTree->expand(groupsRoot());
    const QModelIndex contacts = contactsRoot();
    if (m_pTree->currentIndex() == contacts)
        OnTreeSelChanged(contacts);
    else
        m_pTree->setCurrentIndex(contacts);
}

void CContactsDlg::OnTreeSelChanged(const QModelIndex& item)
{
    m_hSelItem = item;
    if (item.isValid())
        ShowList(keyOf(item));
    else
        ClearList();
}

void CContactsDlg::SetListColumns(int kind)
{
    QAbstractItemModel* model = kind == 0 ? static_cast<QAbstractItemModel*>(m_pContactModel)
                                          : static_cast<QAbstractItemModel*>(m_pGroupModel);
    if (m_pList->model() != model) {
        QItemSelectionModel* old = m_pList->selectionModel();
        m_pList->setModel(model);
        if (old)
            old->deleteLater();
        connect(m_pList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { m_nCurItem = current.row(); });
        if (m_pExchange)
            m_pExchange->setSelectionModel(m_pList->selectionModel());
    }
    const std::vector<int> widths =
        kind == 0 ? std::vector<int>{90, 90, 120, 150, 150, 150} : std::vector<int>{130, 400};
    for (size_t column = 0; column < widths.size(); ++column)
        m_pList->header()->resizeSection(static_cast<int>(column), widths[column]);
}

void CContactsDlg::ShowList(qint32 key)
{
    // Which listing the list shows; the rows follow the book. The list's own commands follow
    // what it shows, whichever command chose it.
    m_nListKey = key;
    if (key == KEY_CONTACTS) {
        SetListColumns(0);
    } else if (key == KEY_GROUPS) {
        SetListColumns(1);
        m_pGroupModel->showGroups();
    } else {
        SetListColumns(1);
        m_pGroupModel->showMembers(key);
    }
}

// ---- transfers, started where ContactsTransfers leads ----

void CContactsDlg::DownloadContacts()
{
    // The book is not emptied first: only a completed download replaces it, so a download
    // that fails or cannot start loses nothing, and the current file is never overwritten
    // with an empty book.
    if (!m_pTransfers)
        return;
    if (m_pHistory)
        m_pHistory->keep(contacthistory::Event::Download, this);
    m_nResult = m_pTransfers->DownloadContacts();
}

void CContactsDlg::UploadContacts()
{
    if (!m_pTransfers)
        return;
    if (m_pHistory)
        m_pHistory->keep(contacthistory::Event::Upload, this);
    m_nResult = m_pTransfers->UploadContacts();
}

void CContactsDlg::DownloadCompleted()
{
    ClearList();
    FillTree();
    m_bModified = 1;
    platform::inform(this, tr("Download Completed ! "));
}

void CContactsDlg::UploadCompleted()
{
    platform::inform(this, tr("Upload Completed ! "));
}
