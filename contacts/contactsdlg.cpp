#include "contacts/contactsdlg.h"

#include "contacts/addressbookexchange.h"
#include "contacts/contactdlg.h"
#include "contacts/contactstransfers.h"
#include "contacts/duplicatereviewdlg.h"
#include "contacts/models/contactlistmodel.h"
#include "contacts/models/contactstreemodel.h"
#include "contacts/models/grouplistmodel.h"
#include "platform/bytes.h"
#include "platform/filedialogservice.h"
#include "platform/inputfile.h"
#include "platform/messageboxservice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <vector>

namespace {

constexpr int kKeyRole = Qt::UserRole;

const QString kImportCompleted = QStringLiteral("Import Completed ! ");
const QString kExportCompleted = QStringLiteral("Export Completed ! ");
// An edit whose contact or group a download replaced while its dialog was open has nowhere to
// go: writing it into whatever now holds the key would change another record.
const QString kEditDropped =
    QStringLiteral("The address book was downloaded again while this was open.\n"
                   "Your changes were not kept.");

QIcon themed(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

// Renaming a group: the model never takes the typed text itself. The window is told once the
// editor has closed, so that its messages and a new round of editing do not run inside the
// editor's own commit.
class RenameDelegate : public QStyledItemDelegate
{
public:
    explicit RenameDelegate(CContactsDlg* owner) : QStyledItemDelegate(owner), m_owner(owner) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(MAX_GROUP_NAME);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line)
            return;
        const QString text = line->text();
        const QPersistentModelIndex at(index);
        CContactsDlg* owner = m_owner;
        QTimer::singleShot(0, owner, [owner, at, text] {
            if (at.isValid())
                owner->OnEndLabelEdit(at, text);
        });
    }

private:
    CContactsDlg* m_owner;
};

// Opens a file an import reads, or tells why it cannot. A pipe or a device is refused before
// it is opened: opening a pipe waits for a writer, and a device may never end.
bool openSource(QWidget* parent, QFile& file)
{
    QString why = platform::checkInputFile(file.fileName());
    if (why.isEmpty() && !file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (why.isEmpty())
        return true;
    platform::tell(parent, QStringLiteral("Couldn't open source file:\n") + why.left(1023));
    return false;
}

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
    m_ImageList[ImgFolder] = themed("folder", QStyle::SP_DirClosedIcon, s);
    m_ImageList[ImgFolderOpen] = themed("folder-open", QStyle::SP_DirOpenIcon, s);
    m_ImageList[ImgAddressBook] = themed("x-office-address-book", QStyle::SP_DirHomeIcon, s);
    m_ImageList[ImgCard] = themed("x-office-contact", QStyle::SP_FileDialogDetailedView, s);
    m_ImageList[ImgGroup] = themed("system-users", QStyle::SP_FileDialogInfoView, s);
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
    // Names change only through the Rename Group command, never by a click.
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setItemDelegate(new RenameDelegate(this));

    connect(m_pTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnTreeSelChanged(current); });
    connect(m_pTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pTree->viewport(), pos); });
    // A double click anywhere on a row opens it, right of the last column too, where the
    // view itself finds no row.
    m_pList->viewport()->installEventFilter(this);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pList->viewport(), pos); });

    placeControls();
    FillTree();
    m_nCurItem = -1;
    m_bFolderMenu = 0;
    m_bModified = 0;
}

CContactsDlg::~CContactsDlg() = default;

void CContactsDlg::SetBook(AddressBook* pBook)
{
    if (m_pBook)
        disconnect(m_pBook, nullptr, this, nullptr);
    m_pBook = pBook;
    // A book replaced as a whole holds other records, even where a key is the same.
    if (m_pBook)
        connect(m_pBook, &AddressBook::bookReset, this, [this] { ++m_nMirrorGeneration; });
    m_pTreeModel->setBook(pBook);
    m_pContactModel->setBook(pBook);
    m_pGroupModel->setBook(pBook);
    FillTree();
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

// ---- tree and list ----

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

// ---- contacts ----

void CContactsDlg::OnButtonAddressNewaddress()
{
    AddressBook* p = m_pBook;
    if (!p || m_nListKey != KEY_CONTACTS)
        return;
    if (p->CheckAddressSpace() == 0) {
        platform::tell(this, QString::fromLatin1(kExceededContactsLimits));
        return;
    }
    CContactDlg dlg(this);
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    auto contact = std::make_unique<ContactRecord>();
    contact->nGroup = KEY_CONTACTS;
    dlg.getFields(*contact);
    ContactRecord* added = contact.get();
    m_nResult = p->UpdatePagerAddress(contact, OP_ADD_CONTACT, KEY_CONTACTS);
    if (m_nResult != 0)
        return;
    added->nKey = added->nIndex + 1;
    if (added->nKey < 1)
        return;
    m_bModified = 1;
}

void CContactsDlg::EditContact()
{
    const int row = selectedRow();
    if (m_nListKey != KEY_CONTACTS || row < 0)
        return;
    ViewAddressInfoWindow(rowKey(row));
}

void CContactsDlg::OnListDoubleClicked(const QModelIndex& row)
{
    if (m_nListKey != KEY_CONTACTS || !row.isValid())
        return;
    const qint32 key = keyOf(row);
    if (key > 0)
        ViewAddressInfoWindow(key);
}

void CContactsDlg::OnAddressContact()
{
    if (m_nListKey != KEY_CONTACTS || selectedRowCount() != 1)
        return;
    const qint32 key = rowKey(selectedRow());
    if (key > 0)
        ViewAddressInfoWindow(key);
}

void CContactsDlg::ViewAddressInfoWindow(qint32 key)
{
    AddressBook* p = m_pBook;
    if (!p || m_nListKey != KEY_CONTACTS)
        return;
    ContactRecord* contact = p->findContact(key);
    if (!contact)
        return;
    const qint32 nGroup = contact->nGroup;
    const int generation = m_nMirrorGeneration;

    CContactDlg dlg(this);
    dlg.setFields(*contact);
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    // Device events run while the dialog is open: the record may be gone by now.
    if (generation != m_nMirrorGeneration || p->findContact(key) != contact) {
        platform::tell(this, kEditDropped);
        return;
    }
    dlg.getFields(*contact);
    m_nResult = p->UpdatePagerAddress(contact, OP_CHANGE_CONTACT, nGroup);
    m_bModified = 1;
}

void CContactsDlg::OnAddressDelete()
{
    m_bModified = 1;
    AddressBook* p = m_pBook;
    if (!p)
        return;
    if (m_bFolderMenu == 1) {
        DeleteFolderStructure(KEY_CONTACTS);
        ShowList(KEY_CONTACTS);
        return;
    }
    // Group rows carry group ids, not contact keys.
    if (m_nListKey != KEY_CONTACTS)
        return;
    const QModelIndexList selected = m_pList->selectionModel()->selectedRows();
    if (selected.size() == 1) {
        const int row = selectedRow();
        const qint32 key = rowKey(row);
        if (key < 0)
            return;
        m_nResult = p->UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0);
        return;
    }
    if (selected.size() > 1) {
        // The keys first: every delete takes its row away.
        std::vector<int> rows;
        for (const QModelIndex& index : selected)
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        std::vector<qint32> keys;
        for (const int row : rows)
            keys.push_back(rowKey(row));
        for (const qint32 key : keys) {
            if (key < 0)
                return;
            m_nResult = p->UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0);
        }
    }
}

void CContactsDlg::DeleteFolderStructure(qint32 key)
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    for (auto it = p->m_AddressList.begin(); it != p->m_AddressList.end();) {
        ContactRecord* contact = it->get();
        ++it; // before the call, which takes the record out of the list
        if (contact->nGroup == key)
            m_nResult = p->UpdatePagerAddress(contact, OP_DELETE_CONTACT, key);
    }
}

// ---- groups ----

void CContactsDlg::OnGroupDelete()
{
    AddressBook* p = m_pBook;
    if (!p || !m_hMenuItem.isValid())
        return;
    const qint32 key = keyOf(m_hMenuItem);
    if (key < 0)
        return;
    GroupRecord* group = p->findGroup(key);
    if (!group)
        return;
    m_nResult = p->UpdatePagerAddress(group, OP_DELETE_GROUP, key);
    m_bModified = 1;
}

void CContactsDlg::OnGroupNew()
{
    if (!m_pBook)
        return;
    if (m_pTreeModel->rowCount(groupsRoot()) >= MAX_GROUPS) {
        platform::tell(this, QString::fromLatin1(kMaxGroupCount));
        return;
    }
    if (!m_GroupDlg)
        m_GroupDlg = new CGroupDlg(this);
    m_GroupDlg->m_pBook = m_pBook;
    m_GroupDlg->m_bEdit = 0;
    m_GroupDlg->m_nGroupId = 0;
    // Nothing of the last group shown carries over into a new one.
    m_GroupDlg->m_strName.clear();
    m_bEditGroup = 0;
    if (execDialog(*m_GroupDlg) != QDialog::Accepted)
        return;
    storeGroup(*m_GroupDlg);
    ShowList(KEY_GROUPS);
}

void CContactsDlg::OnGroupEdit()
{
    AddressBook* p = m_pBook;
    if (!p || !m_hMenuItem.isValid())
        return;
    const qint32 key = keyOf(m_hMenuItem);
    if (!p->findGroup(key))
        return;
    if (!m_GroupDlg)
        m_GroupDlg = new CGroupDlg(this);
    m_GroupDlg->m_pBook = p;
    m_GroupDlg->m_bEdit = 1;
    m_GroupDlg->m_nGroupId = key;
    m_bEditGroup = 1;
    if (execDialog(*m_GroupDlg) != QDialog::Accepted)
        return;
    storeGroup(*m_GroupDlg);
    ShowList(key);
}

void CContactsDlg::storeGroup(const CGroupDlg& dlg)
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    const GroupRecord& composed = dlg.composed();
    if (m_bEditGroup == 0) {
        auto group = std::make_unique<GroupRecord>(composed);
        m_nResult = p->UpdatePagerAddress(group, OP_ADD_GROUP, -1);
        if (m_nResult == 0)
            m_bModified = 1;
        return;
    }
    // The item the edit began on is gone when a download rebuilt the tree meanwhile.
    GroupRecord* group = m_hMenuItem.isValid() ? p->findGroup(keyOf(m_hMenuItem)) : nullptr;
    if (!group || keyOf(m_hMenuItem) != dlg.m_nGroupId) {
        platform::tell(this, kEditDropped);
        return;
    }
    group->strName = composed.strName;
    group->aMembers = composed.aMembers;
    group->nMemberCount = composed.nMemberCount;
    group->abyBlock = composed.abyBlock;
    group->nBlockLength = composed.nBlockLength;
    m_nResult = p->UpdatePagerAddress(group, OP_CHANGE_GROUP, group->nGroupId);
    if (m_nResult == 0)
        m_bModified = 1;
}

void CContactsDlg::OnFolderNew()
{
    const QModelIndex parent = m_hMenuItem;
    if (!parent.isValid() || !m_pBook)
        return;
    // The new group is shown open.
    m_pTree->expand(groupsRoot());
    if (!m_hMenuItem.isValid())
        return;
    const QString base = QStringLiteral("New Folder");
    QString name = base;
    int counter = 0;
    const QModelIndex groups = groupsRoot();
    for (int i = 0; i < m_pTreeModel->rowCount(groups); ++i) {
        if (m_pTreeModel->index(i, 0, groups).data().toString() == name) {
            ++counter;
            name = base + QStringLiteral("-%1").arg(counter);
        }
    }
    const QModelIndex item = InsertFolder(platform::fromDisplay(name));
    if (item.isValid())
        startRename(item);
}

QModelIndex CContactsDlg::InsertFolder(const std::string& name)
{
    AddressBook* p = m_pBook;
    if (!p)
        return {};
    auto group = std::make_unique<GroupRecord>();
    group->strName = name;
    GroupRecord* added = group.get();
    m_nResult = p->UpdatePagerAddress(group, OP_ADD_GROUP, -1);
    if (m_nResult != 0)
        return {};
    m_pTreeModel->markFolder(added->nGroupId);
    m_bModified = 1;
    return m_pTreeModel->groupIndex(added->nGroupId);
}

void CContactsDlg::OnGroupRename()
{
    startRename(m_hMenuItem);
}

void CContactsDlg::startRename(const QModelIndex& item)
{
    // Only a group's name can be edited, never a root's.
    if (!item.isValid() || keyOf(item) < 0)
        return;
    // A hidden tree has nowhere to show the edit box.
    if (m_pTree->isVisible())
        m_pTree->edit(item);
}

void CContactsDlg::OnEndLabelEdit(const QModelIndex& item, const QString& text)
{
    if (!item.isValid())
        return;
    const QString old = item.data().toString();
    if (text == old)
        return;
    const QPersistentModelIndex at(item);
    auto again = [this, at] {
        QTimer::singleShot(0, this, [this, at] {
            if (at.isValid())
                startRename(at);
        });
    };
    if (text.isEmpty()) {
        platform::stop(this, QStringLiteral("You Must Input GropName."),
                       QStringLiteral("Group Name"));
        again();
        return;
    }
    const QModelIndex parent = item.parent();
    for (int i = 0; i < m_pTreeModel->rowCount(parent); ++i) {
        if (m_pTreeModel->index(i, 0, parent).data().toString() == text) {
            platform::stop(this,
                           old + QStringLiteral(" - ReName Failed.\nExisted GroupName.\n"
                                                "You Must Input the Different GroupName."),
                           QStringLiteral("Group ReName Failed "));
            again();
            return;
        }
    }
    OnFolderReName(item, platform::fromDisplay(text));
}

void CContactsDlg::OnFolderReName(const QModelIndex& item, const std::string& name)
{
    AddressBook* p = m_pBook;
    if (!p || !item.isValid())
        return;
    const qint32 key = keyOf(item);
    GroupRecord* group = p->findGroup(key);
    if (!group)
        return;
    group->strName = name;
    // The item shows the name the book kept.
    m_nResult = p->UpdatePagerAddress(group, OP_CHANGE_GROUP, key);
    if (m_nResult == 0)
        m_bModified = 1;
}

// ---- context menu ----

std::unique_ptr<QMenu> CContactsDlg::createContextMenu(QWidget* source, const QPoint& pos)
{
    std::vector<int> enabled;
    if (source == m_pTree->viewport() || source == m_pTree) {
        const QModelIndex item = m_pTree->indexAt(pos);
        if (!item.isValid())
            return nullptr;
        m_hMenuItem = item;
        const qint32 key = keyOf(item);
        if (key == KEY_CONTACTS) {
            m_bFolderMenu = 1;
            enabled = {ID_ADDRESS_DELETE, ID_VCARD_IMPORT, ID_VCARD_EXPORT};
        } else if (key == KEY_GROUPS) {
            m_bFolderMenu = 1;
            enabled = {ID_FOLDER_NEW, ID_GROUP_NEW};
        } else {
            m_bFolderMenu = 0;
            enabled = {ID_GROUP_DELETE, ID_GROUP_EDIT, ID_GROUP_RENAME};
        }
    } else {
        m_bFolderMenu = 0;
        m_hMenuItem = QPersistentModelIndex();
        if (selectedRowCount() < 1 || m_nListKey != KEY_CONTACTS)
            return nullptr;
        enabled = {ID_ADDRESS_DELETE, ID_ADDRESS_CONTACT};
    }

    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextList"));
    auto add = [&](int command, const QString& text, void (CContactsDlg::*slot)()) {
        QAction* action = menu->addAction(text, this, slot);
        action->setObjectName(QString::number(command));
        action->setData(command);
        action->setEnabled(std::find(enabled.begin(), enabled.end(), command) != enabled.end());
    };
    add(ID_ADDRESS_DELETE, QStringLiteral("Delete Contact"), &CContactsDlg::OnAddressDelete);
    add(ID_ADDRESS_CONTACT, QStringLiteral("Contact"), &CContactsDlg::OnAddressContact);
    menu->addSeparator();
    add(ID_GROUP_DELETE, QStringLiteral("Delete Group"), &CContactsDlg::OnGroupDelete);
    menu->addSeparator();
    add(ID_GROUP_NEW, QStringLiteral("New Group"), &CContactsDlg::OnGroupNew);
    add(ID_GROUP_EDIT, QStringLiteral("Edit Group"), &CContactsDlg::OnGroupEdit);
    add(ID_FOLDER_NEW, QStringLiteral("New Folder"), &CContactsDlg::OnFolderNew);
    add(ID_GROUP_RENAME, QStringLiteral("Rename Group"), &CContactsDlg::OnGroupRename);
    menu->addSeparator();
    add(ID_VCARD_IMPORT, QStringLiteral("Import vCard..."), &CContactsDlg::ImportVCard);
    add(ID_VCARD_EXPORT, QStringLiteral("Export vCard..."), &CContactsDlg::ExportVCard);
    return menu;
}

void CContactsDlg::OnContextMenu(QWidget* source, const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu = createContextMenu(source, pos);
    if (menu)
        menu->exec(source->mapToGlobal(pos));
}

// ---- transfer ----

void CContactsDlg::DownloadContacts()
{
    // The book is not emptied first: only a completed download replaces it, so a download
    // that fails or cannot start loses nothing, and the current file is never overwritten
    // with an empty book.
    if (m_pTransfers)
        m_nResult = m_pTransfers->DownloadContacts();
}

void CContactsDlg::UploadContacts()
{
    if (m_pTransfers)
        m_nResult = m_pTransfers->UploadContacts();
}

void CContactsDlg::DownloadCompleted()
{
    ClearList();
    FillTree();
    m_bModified = 1;
    platform::inform(this, QStringLiteral("Download Completed ! "));
}

void CContactsDlg::UploadCompleted()
{
    platform::inform(this, QStringLiteral("Upload Completed ! "));
}

// ---- text import and export ----

QString CContactsDlg::askImportPath(const char* filter, const QString& extension)
{
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Open;
    request.filter = QString::fromLatin1(filter);
    request.defaultExtension = extension;
    request.initialFolder = m_pszAddressPath ? *m_pszAddressPath : QString();
    // The dialog takes any typed name: one that cannot be opened is told by the caller, with
    // the system's reason.
    request.mustExist = false;
    const QString path = platform::openFile(this, request);
    if (!path.isEmpty() && m_pszAddressPath)
        *m_pszAddressPath = QFileInfo(path).path();
    return path;
}

void CContactsDlg::ImportContacts()
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    p->m_strAddressFile.clear();
    const QString path = askImportPath(kFileFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;

    QFile file(path);
    if (!openSource(this, file))
        return;
    p->m_strAddressFile = path;
    // An address book that was empty now equals its current file.
    if (m_pList->model()->rowCount() > 0)
        m_bModified = 1;

    const ImportReport report = AddressBookExchange().importFrom(file, *p);
    m_nResult = report.refused > 0 ? addressbook::DL_INVALID_CONTACT : addressbook::DL_OK;
    for (int i = 0; i < report.refused; ++i)
        platform::tell(this, QStringLiteral("ImportAddress PagerError"));
    if (report.stoppedAtLimit) {
        platform::tell(this, QString::fromLatin1(kExceededContactsLimits));
        return;
    }
    if (!report.readError.isEmpty()) {
        platform::tell(this, QStringLiteral("Couldn't read source file:\n") + report.readError);
        return;
    }
    platform::inform(this, kImportCompleted);
}

void CContactsDlg::ExportContacts()
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    QString target = p->m_strAddressFile;
    if (target.isEmpty()) {
        platform::FileDialogRequest request;
        request.mode = platform::FileDialogMode::Save;
        request.filter = QString::fromLatin1(kFileFilter);
        request.defaultExtension = QStringLiteral("txt");
        request.initialFolder = m_pszAddressPath ? *m_pszAddressPath : QString();
        target = platform::saveFile(this, request);
    }
    if (target.isEmpty())
        return;

    QString error;
    if (!AddressBookExchange().exportToFile(target, *p, &error)) {
        platform::tell(this, QStringLiteral("Couldn't save the contacts file:\n") +
                                 QDir::toNativeSeparators(target) + QStringLiteral("\n") + error);
        return;
    }
    m_bModified = 0;
    platform::inform(this, kExportCompleted);
}

// ---- vCard import and export ----

namespace {

QString countText(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The import's report: what was done, then what of each contact did not fit.
QString vcardReport(const VCardImport& import, const VCardImportReport& report)
{
    QStringList lines{QStringLiteral("vCard Import Completed.")};
    lines << countText(report.added, "contact added", "contacts added") + QStringLiteral(", ") +
                 countText(report.replaced, "replaced", "replaced") + QStringLiteral(", ") +
                 countText(report.skipped, "duplicate skipped", "duplicates skipped") +
                 QLatin1Char('.');
    if (report.notFit > 0)
        lines << countText(report.notFit, "contact did not fit", "contacts did not fit") +
                     QStringLiteral(": the address book holds at most %1.").arg(MAX_CONTACTS);
    if (report.refused > 0)
        lines << countText(report.refused, "contact was refused", "contacts were refused") +
                     QLatin1Char('.');
    if (import.cards.skipped > 0)
        lines << countText(import.cards.skipped, "card could not be read",
                           "cards could not be read") +
                     QLatin1Char('.');
    if (!import.cards.groups.empty())
        lines << countText(report.groupsAdded, "group added", "groups added") +
                     (report.groupsSkipped > 0
                          ? QStringLiteral(", %1 already there").arg(report.groupsSkipped)
                          : QString()) +
                     (report.groupsNotFit > 0
                          ? QStringLiteral(", %1 did not fit").arg(report.groupsNotFit)
                          : QString()) +
                     QLatin1Char('.');
    constexpr int kShown = 10;
    int notes = 0;
    for (size_t i = 0; i < import.cards.contacts.size(); ++i) {
        const vcard::FitReport& fit = import.cards.contactReports[i];
        if (fit.empty())
            continue;
        if (notes++ == 0)
            lines << QString() << QStringLiteral("Not everything fitted:");
        if (notes > kShown)
            continue;
        const ContactRecord& c = import.cards.contacts[i];
        const QString name = (platform::toDisplay(c.strFirstName) + QLatin1Char(' ') +
                              platform::toDisplay(c.strLastName))
                                 .trimmed();
        lines << name + QStringLiteral(": ") + fit.describe();
    }
    if (notes > kShown)
        lines << QStringLiteral("... and %1 more.").arg(notes - kShown);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void CContactsDlg::ImportVCard()
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    const QString path = askImportPath(kVCardOpenFilter, QStringLiteral("vcf"));
    if (path.isEmpty())
        return;

    QFile file(path);
    if (!openSource(this, file))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    VCardImport import = AddressBookExchange::readVCard(file, *p);
    QApplication::restoreOverrideCursor();
    if (!import.cards.error.isEmpty()) {
        platform::tell(this, QStringLiteral("Couldn't read source file:\n") + import.cards.error +
                                 QStringLiteral("\nNothing was imported."));
        return;
    }
    if (import.cards.contacts.empty() && import.cards.groups.empty()) {
        platform::tell(this, import.cards.cards == 0
                                 ? QStringLiteral("There is no vCard in this file.")
                                 : countText(import.cards.skipped, "card", "cards") +
                                       QStringLiteral(" in this file could not be read.\n"
                                                      "Nothing was imported."));
        return;
    }

    // The review and the questions are modal, and device events go on meanwhile: a
    // download that replaces the book ends the import with nothing done.
    const int generation = m_nMirrorGeneration;
    if (!import.plan.rows.empty()) {
        std::vector<const ContactRecord*> book;
        for (const auto& contact : p->m_AddressList)
            book.push_back(contact.get());
        CDuplicateReviewDlg dlg(import.plan, book, import.cards.contacts, this);
        if (execDialog(dlg) != QDialog::Accepted)
            return;
        import.plan = dlg.plan();
    } else if (const int over = import.plan.wontFit(); over > 0) {
        const int room = import.plan.toAdd() - over;
        const QString question =
            QStringLiteral("The address book has room for %1 of the %2 contacts in the file "
                           "(it holds at most %3).\nImport the first %1?")
                .arg(room)
                .arg(import.plan.toAdd())
                .arg(MAX_CONTACTS);
        if (room == 0 || platform::askYesNo(this, question) != platform::MessageAnswer::Yes) {
            if (room == 0)
                platform::tell(this, QString::fromLatin1(kExceededContactsLimits));
            return;
        }
    }
    if (generation != m_nMirrorGeneration) {
        platform::tell(this, QStringLiteral("The address book was replaced by a download.\n"
                                            "Nothing was imported."));
        return;
    }

    const VCardImportReport report = AddressBookExchange::applyVCard(import, *p);
    m_nResult = report.refused > 0 ? addressbook::DL_INVALID_CONTACT : addressbook::DL_OK;
    if (report.added + report.replaced + report.groupsAdded > 0)
        m_bModified = 1;
    platform::inform(this, vcardReport(import, report));
}

void CContactsDlg::ExportVCard()
{
    AddressBook* p = m_pBook;
    if (!p)
        return;
    // Several selected contacts are exported alone; otherwise the whole book with its
    // groups.
    std::vector<const ContactRecord*> chosen;
    if (m_nListKey == KEY_CONTACTS && selectedRowCount() > 1) {
        std::vector<int> rows;
        for (const QModelIndex& index : m_pList->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        for (const int row : rows) {
            if (const ContactRecord* contact = p->findContact(rowKey(row)))
                chosen.push_back(contact);
        }
    }
    int filter = 0;
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Save;
    request.filter = QString::fromLatin1(kVCardSaveFilter);
    request.defaultExtension = QStringLiteral("vcf");
    request.initialFolder = m_pszAddressPath ? *m_pszAddressPath : QString();
    request.chosenFilter = &filter;
    const QString path = platform::saveFile(this, request);
    if (path.isEmpty())
        return;

    const AddressBookExchange exchange(filter == 1 ? ExchangeFormat::VCard30
                                                   : ExchangeFormat::VCard40);
    QString error;
    const bool written = chosen.empty() ? exchange.exportToFile(path, *p, &error)
                                        : exchange.exportVCardContactsToFile(path, chosen, &error);
    if (!written) {
        platform::tell(this, QStringLiteral("Couldn't save the vCard file:\n") +
                                 QDir::toNativeSeparators(path) + QStringLiteral("\n") + error);
        return;
    }
    const size_t contacts = chosen.empty() ? p->m_AddressList.size() : chosen.size();
    const size_t groups = chosen.empty() ? p->m_GroupList.size() : 0;
    platform::inform(this, QStringLiteral("vCard Export Completed: %1, %2.")
                               .arg(countText(int(contacts), "contact", "contacts"),
                                    countText(int(groups), "group", "groups")));
}
