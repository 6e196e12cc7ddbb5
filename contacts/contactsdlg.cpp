#include "contacts/contactsdlg.h"

#include "contacts/addressbookexchange.h"
#include "contacts/contactdlg.h"
#include "contacts/duplicatereviewdlg.h"
#include "devlink/cpager.h"
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
#include <QPersistentModelIndex>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

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

// Renaming a group: the tree never takes the typed text itself. The window is told once the
// editor has closed, so that its messages and a new round of editing do not run inside the
// editor's own commit.
class RenameDelegate : public QStyledItemDelegate
{
public:
    RenameDelegate(CContactsDlg* owner, QTreeWidget* tree)
        : QStyledItemDelegate(tree), m_owner(owner), m_tree(tree)
    {
    }

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
        QTreeWidget* tree = m_tree;
        QTimer::singleShot(0, owner, [owner, tree, at, text] {
            if (QTreeWidgetItem* item = at.isValid() ? tree->itemFromIndex(at) : nullptr)
                owner->OnEndLabelEdit(item, text);
        });
    }

private:
    CContactsDlg* m_owner;
    QTreeWidget* m_tree;
};

// The first group of the mirror with this id, or null.
GroupRecord* findGroupIn(const std::list<std::unique_ptr<GroupRecord>>& groups, qint32 id)
{
    for (const auto& group : groups) {
        if (group->nGroupId == id)
            return group.get();
    }
    return nullptr;
}

std::string bytesOf(const QTreeWidgetItem* item, int column)
{
    return platform::fromDisplay(item->text(column));
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

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("list"));
    m_pList->setRootIsDecorated(false);
    m_pList->setItemsExpandable(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setDragEnabled(false);
    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pList->setIconSize(QSize(16, 15));
    m_pList->header()->setStretchLastSection(false);
    SetListColumns(0);

    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("tree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    // Names change only through the Rename Group command, never by a click.
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setItemDelegate(new RenameDelegate(this, m_pTree));
    m_pTree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTree->setIconSize(QSize(16, 15));

    connect(m_pTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnTreeSelChanged(current); });
    connect(m_pTree, &QTreeWidget::itemExpanded, this, &CContactsDlg::OnItemExpanded);
    connect(m_pTree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pTree->viewport(), pos); });
    // A double click anywhere on a row opens it, right of the last column too, where the
    // view itself finds no item.
    m_pList->viewport()->installEventFilter(this);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnContextMenu(m_pList->viewport(), pos); });
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { m_nCurItem = current.row(); });

    placeControls();
    FillTree();
    m_nCurItem = -1;
    m_bFolderMenu = 0;
    m_bModified = 0;
}

CContactsDlg::~CContactsDlg() = default;

void CContactsDlg::SetPager(CPager* pPager)
{
    m_pPager = pPager;
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
            if (!m_pList->itemAt(pos)) {
                const QHeaderView* header = m_pList->header();
                const int last = header->logicalIndex(header->count() - 1);
                pos.setX(std::max(0, header->sectionViewportPosition(last)));
            }
            if (QTreeWidgetItem* item = m_pList->itemAt(pos)) {
                // After the view's own handling, which moves the selection to the row.
                const QPersistentModelIndex at(m_pList->indexFromItem(item));
                QTimer::singleShot(0, this, [this, at] {
                    if (at.isValid())
                        OnListDoubleClicked(m_pList->itemFromIndex(at));
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

QTreeWidgetItem* CContactsDlg::contactsRoot() const
{
    return m_pTree->topLevelItemCount() > 0 ? m_pTree->topLevelItem(0) : nullptr;
}

QTreeWidgetItem* CContactsDlg::groupsRoot() const
{
    return m_pTree->topLevelItemCount() > 1 ? m_pTree->topLevelItem(1) : nullptr;
}

qint32 CContactsDlg::keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kKeyRole).toInt() : 0;
}

qint32 CContactsDlg::rowKey(int row) const
{
    return keyOf(m_pList->topLevelItem(row));
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
    if (m_nCurItem >= 0 && m_nCurItem < m_pList->topLevelItemCount() &&
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
    m_pList->clear();
}

void CContactsDlg::FillTree()
{
    m_hMenuItem = nullptr;
    m_hSelItem = nullptr;
    {
        const QSignalBlocker quiet(m_pTree);
        m_pTree->clear();
    }
    auto* contacts = new QTreeWidgetItem(m_pTree, {QStringLiteral("Contacts")});
    contacts->setIcon(0, m_ImageList[ImgAddressBook]);
    contacts->setData(0, kKeyRole, KEY_CONTACTS);
    auto* groups = new QTreeWidgetItem(m_pTree, {QStringLiteral("Groups")});
    groups->setIcon(0, m_ImageList[ImgFolder]);
    groups->setData(0, kKeyRole, KEY_GROUPS);
    // Gives "Groups" its expand button; the expansion replaces it with the groups.
    auto* placeholder = new QTreeWidgetItem(groups, {QStringLiteral("a")});
    placeholder->setIcon(0, m_ImageList[ImgFolder]);
    m_pTree->expandItem(groups);
    if (m_pTree->currentItem() == contacts)
        OnTreeSelChanged(contacts);
    else
        m_pTree->setCurrentItem(contacts);
}

void CContactsDlg::OnTreeSelChanged(QTreeWidgetItem* item)
{
    m_hSelItem = item;
    if (item)
        ShowList(keyOf(item));
    else
        ClearList();
}

void CContactsDlg::OnItemExpanded(QTreeWidgetItem* item)
{
    // The command that follows a right click acts on that item: it must not outlive it.
    for (QTreeWidgetItem* p = m_hMenuItem; p; p = p->parent()) {
        if (p->parent() == item)
            m_hMenuItem = nullptr;
    }
    const QList<QTreeWidgetItem*> old = item->takeChildren();
    qDeleteAll(old);
    const CPager* p = pager();
    if (!p)
        return;
    for (const auto& group : p->m_GroupList) {
        if (group->nParent != -1)
            continue;
        auto* child = new QTreeWidgetItem(item, {platform::toDisplay(group->strName)});
        child->setIcon(0, m_ImageList[ImgGroup]);
        child->setData(0, kKeyRole, group->nGroupId);
        child->setFlags(child->flags() | Qt::ItemIsEditable);
    }
}

void CContactsDlg::SetListColumns(int kind)
{
    m_pList->clear();
    QStringList names;
    std::vector<int> widths;
    if (kind == 0) {
        names = {QStringLiteral("First Name"),       QStringLiteral("Last Name"),
                 QStringLiteral("Wireless Address"), QStringLiteral("Email Address #1"),
                 QStringLiteral("Email Address #2"), QStringLiteral("Email Address #3")};
        widths = {90, 90, 120, 150, 150, 150};
    } else {
        names = {QStringLiteral("Type"), QStringLiteral("Entries")};
        widths = {130, 400};
    }
    m_pList->setColumnCount(static_cast<int>(names.size()));
    m_pList->setHeaderLabels(names);
    for (size_t column = 0; column < widths.size(); ++column)
        m_pList->header()->resizeSection(static_cast<int>(column), widths[column]);
}

void CContactsDlg::ShowList(qint32 key)
{
    m_pList->clear();
    // The list's own commands follow what it shows, whichever command filled it.
    m_nListKey = key;
    const CPager* p = pager();
    if (key == KEY_CONTACTS) {
        SetListColumns(0);
        if (!p)
            return;
        for (const auto& contact : p->m_AddressList) {
            if (contact->nGroup != KEY_CONTACTS)
                continue;
            contact->nKey = contact->nIndex + 1;
            if (contact->nKey < 1)
                break;
            insertContactRow(*contact);
        }
        return;
    }
    SetListColumns(1);
    if (!p)
        return;
    QList<QTreeWidgetItem*> rows;
    if (key == KEY_GROUPS) {
        for (const auto& group : p->m_GroupList) {
            auto* row =
                new QTreeWidgetItem({QStringLiteral("GROUP"), platform::toDisplay(group->strName)});
            row->setIcon(0, m_ImageList[ImgGroup]);
            row->setData(0, kKeyRole, group->nGroupId);
            rows << row;
        }
    } else {
        for (const auto& group : p->m_GroupList) {
            if (group->nGroupId != key)
                continue;
            const int count = std::clamp(group->nMemberCount, 0, MAX_GROUP_MEMBERS);
            for (int i = 0; i < count; ++i) {
                const GroupMember& member = group->aMembers[static_cast<size_t>(i)];
                auto* row = new QTreeWidgetItem(
                    {member.nKind ? QStringLiteral("Wireless") : QStringLiteral("Email"),
                     platform::toDisplay(member.strEntry)});
                row->setIcon(0, m_ImageList[ImgCard]);
                row->setData(0, kKeyRole, group->nGroupId);
                rows << row;
            }
            break;
        }
    }
    m_pList->addTopLevelItems(rows);
}

int CContactsDlg::FindInsertPos(const std::string& first, const std::string& last) const
{
    const int n = m_pList->topLevelItemCount();
    std::vector<ContactRow> rows;
    rows.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const QTreeWidgetItem* row = m_pList->topLevelItem(i);
        rows.push_back({bytesOf(row, 0), bytesOf(row, 1)});
    }
    return ::FindInsertPos(rows, first, last);
}

void CContactsDlg::insertContactRow(const ContactRecord& contact)
{
    auto* row = new QTreeWidgetItem(
        {platform::toDisplay(contact.strFirstName), platform::toDisplay(contact.strLastName),
         platform::toDisplay(contact.strWireless), platform::toDisplay(contact.strEmail1),
         platform::toDisplay(contact.strEmail2), platform::toDisplay(contact.strEmail3)});
    row->setIcon(0, m_ImageList[ImgCard]);
    row->setData(0, kKeyRole, contact.nKey);
    m_pList->insertTopLevelItem(FindInsertPos(contact.strFirstName, contact.strLastName), row);
}

// ---- contacts ----

void CContactsDlg::OnButtonAddressNewaddress()
{
    CPager* p = pager();
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
    // A download that ended while the dialog was open lists the Contacts folder afresh,
    // the new contact among them if it is still there.
    if (m_nListKey == KEY_CONTACTS)
        insertContactRow(*added);
    m_bModified = 1;
}

void CContactsDlg::EditContact()
{
    const int row = selectedRow();
    if (m_nListKey != KEY_CONTACTS || row < 0)
        return;
    ViewAddressInfoWindow(rowKey(row));
}

void CContactsDlg::OnListDoubleClicked(QTreeWidgetItem* item)
{
    if (m_nListKey != KEY_CONTACTS || !item)
        return;
    const qint32 key = keyOf(item);
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
    CPager* p = pager();
    if (!p || m_nListKey != KEY_CONTACTS)
        return;
    auto findByKey = [p](qint32 k) -> ContactRecord* {
        for (const auto& contact : p->m_AddressList) {
            if (contact->nKey == k)
                return contact.get();
        }
        return nullptr;
    };
    ContactRecord* contact = findByKey(key);
    if (!contact)
        return;
    const qint32 nGroup = contact->nGroup;
    const int generation = m_nMirrorGeneration;

    CContactDlg dlg(this);
    dlg.setFields(*contact);
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    // Device events run while the dialog is open: the record may be gone by now.
    if (generation != m_nMirrorGeneration || findByKey(key) != contact) {
        platform::tell(this, kEditDropped);
        return;
    }
    dlg.getFields(*contact);
    m_nResult = p->UpdatePagerAddress(contact, OP_CHANGE_CONTACT, nGroup);
    ShowList(nGroup);
    m_bModified = 1;
}

void CContactsDlg::OnAddressDelete()
{
    m_bModified = 1;
    CPager* p = pager();
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
        // A contact the library kept keeps its row: the list shows the address book.
        if (m_nResult == 0)
            delete m_pList->takeTopLevelItem(row);
        return;
    }
    if (selected.size() > 1) {
        std::vector<int> rows;
        for (const QModelIndex& index : selected)
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        qint32 remembered = 0;
        bool first = true;
        for (const int row : rows) {
            const qint32 key = rowKey(row);
            if (key < 0)
                return;
            if (first) {
                if (const ContactRecord* contact = p->GetListAddress(key))
                    remembered = contact->nGroup;
                first = false;
            }
            m_nResult = p->UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0);
        }
        // Rows whose contact was already gone are listed no longer either.
        ShowList(remembered != 0 ? remembered : m_nListKey);
    }
}

void CContactsDlg::DeleteFolderStructure(qint32 key)
{
    CPager* p = pager();
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
    CPager* p = pager();
    if (!p || !m_hMenuItem)
        return;
    const qint32 key = keyOf(m_hMenuItem);
    if (key < 0)
        return;
    GroupRecord* group = findGroupIn(p->m_GroupList, key);
    if (!group)
        return;
    m_nResult = p->UpdatePagerAddress(group, OP_DELETE_GROUP, key);
    // A group the library kept keeps its item.
    if (m_nResult == 0) {
        QTreeWidgetItem* item = m_hMenuItem;
        m_hMenuItem = nullptr;
        delete item;
    }
    m_bModified = 1;
}

void CContactsDlg::OnGroupNew()
{
    if (!pager())
        return;
    int groups = 0;
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it)
        ++groups;
    if (groups - 2 >= MAX_GROUPS) {
        platform::tell(this, QString::fromLatin1(kMaxGroupCount));
        return;
    }
    if (!m_GroupDlg)
        m_GroupDlg = new CGroupDlg(this);
    m_GroupDlg->m_pBook = pager();
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
    CPager* p = pager();
    if (!p || !m_hMenuItem)
        return;
    const qint32 key = keyOf(m_hMenuItem);
    if (!findGroupIn(p->m_GroupList, key))
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
    CPager* p = pager();
    if (!p)
        return;
    const GroupRecord& composed = dlg.composed();
    if (m_bEditGroup == 0) {
        auto group = std::make_unique<GroupRecord>(composed);
        GroupRecord* added = group.get();
        m_nResult = p->UpdatePagerAddress(group, OP_ADD_GROUP, -1);
        if (m_nResult != 0 || !groupsRoot())
            return;
        auto* item = new QTreeWidgetItem(groupsRoot(), {platform::toDisplay(added->strName)});
        item->setIcon(0, m_ImageList[ImgGroup]);
        item->setData(0, kKeyRole, added->nGroupId);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        return;
    }
    // The item the edit began on is gone when a download rebuilt the tree meanwhile.
    GroupRecord* group = m_hMenuItem ? findGroupIn(p->m_GroupList, keyOf(m_hMenuItem)) : nullptr;
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
        m_hMenuItem->setText(0, platform::toDisplay(group->strName));
}

void CContactsDlg::OnFolderNew()
{
    QTreeWidgetItem* parent = m_hMenuItem;
    if (!parent || !pager())
        return;
    // Expanding a collapsed parent deletes and rebuilds its children: done first, so that
    // the new item is made after it and stays alive for the in-place editing.
    m_pTree->expandItem(parent);
    if (m_hMenuItem != parent)
        return;
    const QString base = QStringLiteral("New Folder");
    QString name = base;
    int counter = 0;
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == name) {
            ++counter;
            name = base + QStringLiteral("-%1").arg(counter);
        }
    }
    QTreeWidgetItem* item = InsertFolder(parent, platform::fromDisplay(name));
    if (item)
        startRename(item);
}

QTreeWidgetItem* CContactsDlg::InsertFolder(QTreeWidgetItem* parent, const std::string& name)
{
    CPager* p = pager();
    if (!p || !parent)
        return nullptr;
    auto group = std::make_unique<GroupRecord>();
    group->strName = name;
    GroupRecord* added = group.get();
    m_nResult = p->UpdatePagerAddress(group, OP_ADD_GROUP, -1);
    if (m_nResult != 0)
        return nullptr;
    auto* item = new QTreeWidgetItem(parent, {platform::toDisplay(added->strName)});
    item->setIcon(0, m_ImageList[ImgFolder]);
    item->setData(0, kKeyRole, added->nGroupId);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

void CContactsDlg::OnGroupRename()
{
    startRename(m_hMenuItem);
}

void CContactsDlg::startRename(QTreeWidgetItem* item)
{
    // Only a group's name can be edited, never a root's.
    if (!item || keyOf(item) < 0)
        return;
    // A hidden tree has nowhere to show the edit box.
    if (m_pTree->isVisible())
        m_pTree->editItem(item, 0);
}

void CContactsDlg::OnEndLabelEdit(QTreeWidgetItem* item, const QString& text)
{
    if (!item)
        return;
    const QString old = item->text(0);
    if (text == old)
        return;
    const QPersistentModelIndex at(m_pTree->indexFromItem(item));
    auto again = [this, at] {
        QTimer::singleShot(0, this, [this, at] {
            if (QTreeWidgetItem* still = at.isValid() ? m_pTree->itemFromIndex(at) : nullptr)
                startRename(still);
        });
    };
    if (text.isEmpty()) {
        platform::stop(this, QStringLiteral("You Must Input GropName."),
                       QStringLiteral("Group Name"));
        again();
        return;
    }
    QTreeWidgetItem* parent = item->parent();
    const int siblings = parent ? parent->childCount() : m_pTree->topLevelItemCount();
    for (int i = 0; i < siblings; ++i) {
        const QTreeWidgetItem* sibling = parent ? parent->child(i) : m_pTree->topLevelItem(i);
        if (sibling->text(0) == text) {
            platform::stop(this,
                           old + QStringLiteral(" - ReName Failed.\nExisted GroupName.\n"
                                                "You Must Input the Different GroupName."),
                           QStringLiteral("Group ReName Failed "));
            again();
            return;
        }
    }
    item->setText(0, text);
    OnFolderReName(item, platform::fromDisplay(text));
}

void CContactsDlg::OnFolderReName(QTreeWidgetItem* item, const std::string& name)
{
    CPager* p = pager();
    if (!p || !item)
        return;
    const qint32 key = keyOf(item);
    GroupRecord* group = findGroupIn(p->m_GroupList, key);
    if (!group)
        return;
    group->strName = name;
    m_nResult = p->UpdatePagerAddress(group, OP_CHANGE_GROUP, key);
}

// ---- context menu ----

std::unique_ptr<QMenu> CContactsDlg::createContextMenu(QWidget* source, const QPoint& pos)
{
    std::vector<int> enabled;
    if (source == m_pTree->viewport() || source == m_pTree) {
        QTreeWidgetItem* item = m_pTree->itemAt(pos);
        if (!item)
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
        m_hMenuItem = nullptr;
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
    CPager* p = pager();
    if (!p)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The book is not emptied first: only a completed download replaces it (the device
    // link installs a result only on success), so a download that fails or cannot start
    // loses nothing, and the current file is never overwritten with an empty book.
    m_nResult = p->PagerControl(PagerMode::DownloadContacts, 0);
    QApplication::restoreOverrideCursor();
    if (m_nResult != 0)
        platform::inform(this, CPager::GetErrorMessage(m_nResult));
}

void CContactsDlg::UploadContacts()
{
    CPager* p = pager();
    if (!p)
        return;
    m_nResult = p->PagerControl(PagerMode::UploadContacts, 0);
    if (m_nResult != 0)
        platform::inform(this, CPager::GetErrorMessage(m_nResult));
}

void CContactsDlg::DownloadCompleted()
{
    ++m_nMirrorGeneration;
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

void CContactsDlg::ImportContacts()
{
    CPager* p = pager();
    if (!p)
        return;
    p->m_strAddressFile.clear();
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Open;
    request.filter = QString::fromLatin1(kFileFilter);
    request.defaultExtension = QStringLiteral("txt");
    request.initialFolder = m_pszAddressPath ? *m_pszAddressPath : QString();
    // The dialog takes any typed name: one that cannot be opened is told below, with the
    // system's reason.
    request.mustExist = false;
    const QString path = platform::openFile(this, request);
    if (path.isEmpty())
        return;
    if (m_pszAddressPath)
        *m_pszAddressPath = QFileInfo(path).path();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::tell(this, QStringLiteral("Couldn't open source file:\n") +
                                 file.errorString().left(1023));
        return;
    }
    p->m_strAddressFile = path;
    // An address book that was empty now equals its current file.
    if (m_pList->topLevelItemCount() > 0)
        m_bModified = 1;

    // Rows go only into a listing of the Contacts folder, where they are sorted.
    const bool listing = m_nListKey == KEY_CONTACTS;
    const ImportReport report =
        AddressBookExchange().importFrom(file, *p, [this, listing](const ContactRecord& added) {
            if (listing)
                insertContactRow(added);
        });
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
    CPager* p = pager();
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
    CPager* p = pager();
    if (!p)
        return;
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogMode::Open;
    request.filter = QString::fromLatin1(kVCardOpenFilter);
    request.defaultExtension = QStringLiteral("vcf");
    request.initialFolder = m_pszAddressPath ? *m_pszAddressPath : QString();
    request.mustExist = false;
    const QString path = platform::openFile(this, request);
    if (path.isEmpty())
        return;
    if (m_pszAddressPath)
        *m_pszAddressPath = QFileInfo(path).path();

    QFile file(path);
    QString why = platform::checkInputFile(path);
    if (why.isEmpty() && !file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (!why.isEmpty()) {
        platform::tell(this, QStringLiteral("Couldn't open source file:\n") + why.left(1023));
        return;
    }
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
    if (report.added + report.replaced + report.groupsAdded > 0) {
        m_bModified = 1;
        if (QTreeWidgetItem* groups = groupsRoot(); groups && groups->isExpanded())
            OnItemExpanded(groups);
        ShowList(m_nListKey);
    }
    platform::inform(this, vcardReport(import, report));
}

void CContactsDlg::ExportVCard()
{
    CPager* p = pager();
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
            for (const auto& contact : p->m_AddressList) {
                if (contact->nKey == rowKey(row)) {
                    chosen.push_back(contact.get());
                    break;
                }
            }
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
