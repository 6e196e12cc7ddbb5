#include "messages/leftview.h"

#include "messages/messagelistmodel.h"
#include "messages/messagestore.h"
#include "messages/messageviews.h"
#include "platform/bytes.h"
#include "platform/messageboxservice.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

namespace {

QIcon themedIcon(const char* name, const QStyle* style, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), style->standardIcon(fallback));
}

// A closed folder that shows open while its item is selected.
QIcon folderIcon(const QStyle* style)
{
    const QIcon closed = themedIcon("folder", style, QStyle::SP_DirClosedIcon);
    const QIcon open = themedIcon("folder-open", style, QStyle::SP_DirOpenIcon);
    QIcon icon;
    for (const int side : {16, 32}) {
        icon.addPixmap(closed.pixmap(side), QIcon::Normal);
        icon.addPixmap(open.pixmap(side), QIcon::Selected);
    }
    return icon;
}

bool isPagerRootItem(const QTreeWidgetItem* item)
{
    return item && !item->parent() && CLeftView::folderIdOf(item) == PARENT_PAGER;
}

bool isLocalRootItem(const QTreeWidgetItem* item)
{
    return item && !item->parent() && CLeftView::folderIdOf(item) == PARENT_LOCAL;
}

// A folder of the user's own: an item under "LocalFolder" at any depth. The pager's
// folders hang directly under "Messages" and never have children.
bool isLocalFolderItem(const QTreeWidgetItem* item)
{
    return item && item->parent() && !isPagerRootItem(item->parent()) &&
           CLeftView::folderIdOf(item) >= 1;
}

bool isBelow(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor)
{
    for (const QTreeWidgetItem* up = item ? item->parent() : nullptr; up; up = up->parent()) {
        if (up == ancestor)
            return true;
    }
    return false;
}

QTreeWidgetItem* childWithFolderId(QTreeWidgetItem* parent, qint32 folderId)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (CLeftView::folderIdOf(parent->child(i)) == folderId)
            return parent->child(i);
    }
    return nullptr;
}

} // namespace

// Label editing goes through the tree's own checks instead of writing the text into the
// item, and the drop target is painted highlighted while messages are dragged over it.
class FolderNameDelegate : public QStyledItemDelegate
{
public:
    explicit FolderNameDelegate(CLeftView* view) : QStyledItemDelegate(view), m_view(view) {}

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        QString text;
        if (const auto* line = qobject_cast<const QLineEdit*>(editor))
            text = line->text();
        else
            text = editor->metaObject()->userProperty().read(editor).toString();
        m_view->labelEdited(index, text);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (m_view->m_dropTarget.isValid() && m_view->m_dropTarget == index) {
            QStyleOptionViewItem highlighted(option);
            highlighted.state |= QStyle::State_Selected | QStyle::State_Active;
            QStyledItemDelegate::paint(painter, highlighted, index);
            return;
        }
        QStyledItemDelegate::paint(painter, option, index);
    }

private:
    CLeftView* m_view;
};

CLeftView::CLeftView(MessageViews& doc, QWidget* parent)
    : QTreeWidget(parent), m_doc(doc),
      m_pagerRootIcon(themedIcon("drive-removable-media", style(), QStyle::SP_DriveFDIcon)),
      m_localRootIcon(themedIcon("drive-harddisk", style(), QStyle::SP_DriveHDIcon)),
      m_folderIcon(folderIcon(style())),
      m_actNewFolder(new QAction(QStringLiteral("New Folder"), this)),
      m_actDelete(new QAction(QStringLiteral("Delete"), this)),
      m_actReName(new QAction(QStringLiteral("ReName"), this))
{
    setObjectName(QStringLiteral("folderTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new FolderNameDelegate(this));
    // Folders are dropped onto, never dragged.
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);

    m_actNewFolder->setData(ID_FOLDER_NEWFOLDER);
    m_actDelete->setData(ID_FOLDER_DELETE);
    m_actReName->setData(ID_FOLDER_RENAME);
    connect(m_actNewFolder, &QAction::triggered, this, &CLeftView::OnFolderNewFolder);
    connect(m_actDelete, &QAction::triggered, this, &CLeftView::OnFolderDelete);
    connect(m_actReName, &QAction::triggered, this, &CLeftView::OnFolderReName);
    connect(this, &QTreeWidget::itemExpanded, this, &CLeftView::onItemExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
}

CLeftView::~CLeftView()
{
    // The document may already be gone while the base classes take the items down.
    blockSignals(true);
}

// --- building ----------------------------------------------------------------------------

void CLeftView::BuildFolderTree()
{
    m_doc.SetTreeView(this);
    MessageStore& store = m_doc.store();

    ++m_nQuiet;
    clear();
    --m_nQuiet;

    // The pager side is always exactly these fourteen folders; pager records that came in
    // with a database from elsewhere would otherwise show every folder twice.
    store.RemovePagerRecords(true);
    store.AddPagerFolders();

    auto* pager = new QTreeWidgetItem(this, QStringList{QStringLiteral("Messages")});
    pager->setData(0, FolderIdRole, PARENT_PAGER);
    pager->setIcon(0, m_pagerRootIcon);
    pager->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    pager->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    expandFolderItem(pager);

    auto* local = new QTreeWidgetItem(this, QStringList{QStringLiteral("LocalFolder")});
    local->setData(0, FolderIdRole, PARENT_LOCAL);
    local->setIcon(0, m_localRootIcon);
    local->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    local->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (!m_doc.folderDbLoaded()) {
        for (const char* name : kDefaultLocalFolderNames)
            insertFolder(local, QString::fromLatin1(name));
    }
    expandFolderItem(local);
}

void CLeftView::RefreshPagerTree()
{
    if (QTreeWidgetItem* pager = pagerRoot())
        rebuildChildren(pager, KeepSelection::No);
    m_doc.ClearPanes();
    platform::inform(this, QStringLiteral("Download Completed ! "));
}

QTreeWidgetItem* CLeftView::addFolderItem(QTreeWidgetItem* parent, const QString& text,
                                          qint32 folderId, bool local)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setData(0, FolderIdRole, folderId);
    item->setIcon(0, m_folderIcon);
    if (local) {
        // A local folder may get subfolders at any time, so it always offers expansion;
        // what it shows then comes from the records of the moment.
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    } else {
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    }
    return item;
}

QTreeWidgetItem* CLeftView::insertFolder(QTreeWidgetItem* parent, const QString& name)
{
    const MessageRecord& folder = m_doc.store().InsertFolder(
        platform::fromDisplay(name), platform::fromDisplay(parent->text(0)), folderIdOf(parent));
    return addFolderItem(parent, name, folder.nFolderId, true);
}

void CLeftView::expandFolderItem(QTreeWidgetItem* item)
{
    if (item->isExpanded())
        return;
    rebuildChildren(item, KeepSelection::Yes);
    m_bProgramExpand = true;
    item->setExpanded(true);
    m_bProgramExpand = false;
}

void CLeftView::onItemExpanded(QTreeWidgetItem* item)
{
    if (!m_bProgramExpand)
        rebuildChildren(item, KeepSelection::Yes);
}

void CLeftView::rebuildChildren(QTreeWidgetItem* item, KeepSelection keep)
{
    QTreeWidgetItem* current = currentItem();
    const bool currentBelow = isBelow(current, item);
    const qint32 currentId = currentBelow && current->parent() == item ? folderIdOf(current) : 0;

    const qint32 parentId = folderIdOf(item);
    ++m_nQuiet;
    qDeleteAll(item->takeChildren());
    for (const MessageRecord* folder : m_doc.store().childFolders(parentId))
        addFolderItem(item, folderItemText(*folder), folder->nFolderId, parentId != PARENT_PAGER);

    // A selected folder among the children stays selected in its new item; one that is
    // gone, or was deeper down, gives its place to the item rebuilt.
    QTreeWidgetItem* again =
        keep == KeepSelection::Yes && currentId >= 1 ? childWithFolderId(item, currentId) : nullptr;
    if (currentBelow)
        setCurrentItem(again ? again : item);
    --m_nQuiet;
    if (currentBelow && !again && keep == KeepSelection::Yes)
        onCurrentItemChanged(currentItem());
}

// --- items and records -------------------------------------------------------------------

qint32 CLeftView::folderIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, FolderIdRole).toInt() : 0;
}

QTreeWidgetItem* CLeftView::pagerRoot() const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (isPagerRootItem(topLevelItem(i)))
            return topLevelItem(i);
    }
    return nullptr;
}

QTreeWidgetItem* CLeftView::localRoot() const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (isLocalRootItem(topLevelItem(i)))
            return topLevelItem(i);
    }
    return nullptr;
}

QTreeWidgetItem* CLeftView::findFolderItem(qint32 folderId) const
{
    if (folderId < 1)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<CLeftView*>(this)); *it; ++it) {
        if ((*it)->parent() && folderIdOf(*it) == folderId)
            return *it;
    }
    return nullptr;
}

MessageRecord* CLeftView::folderOfItem(const QTreeWidgetItem* item) const
{
    if (!item || !item->parent() || folderIdOf(item) < 1)
        return nullptr;
    return m_doc.store().findFolder(folderIdOf(item->parent()), folderIdOf(item));
}

MessageRecord* CLeftView::selectedFolder() const
{
    return folderOfItem(currentItem());
}

void CLeftView::setFolderItemText(qint32 folderId, const QString& text)
{
    if (QTreeWidgetItem* item = findFolderItem(folderId))
        item->setText(0, text);
}

QTreeWidgetItem* CLeftView::itemOf(const QPersistentModelIndex& index) const
{
    return index.isValid() ? itemFromIndex(index) : nullptr;
}

void CLeftView::onCurrentItemChanged(QTreeWidgetItem* current)
{
    if (m_nQuiet)
        return;
    if (const MessageRecord* folder = folderOfItem(current))
        m_doc.ShowFolder(folder);
    else
        m_doc.ClearPanes();
}

// --- context menu and folder commands ----------------------------------------------------

std::unique_ptr<QMenu> CLeftView::createContextMenu(QTreeWidgetItem* item)
{
    if (!item || item->text(0).isEmpty() || isPagerRootItem(item))
        return nullptr;
    m_contextItem = QPersistentModelIndex(indexFromItem(item));

    bool folderCommands = false;
    if (item->parent()) {
        if (isPagerRootItem(item->parent()))
            return nullptr; // the pager's folders are as the pager has them
        folderCommands = true;
    } else if (!isLocalRootItem(item)) {
        return nullptr;
    }
    m_actNewFolder->setEnabled(true);
    m_actDelete->setEnabled(folderCommands);
    m_actReName->setEnabled(folderCommands);

    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("ContextLocalFolder"));
    menu->addAction(m_actNewFolder);
    menu->addAction(m_actDelete);
    menu->addAction(m_actReName);
    return menu;
}

QTreeWidgetItem* CLeftView::contextItem() const
{
    return itemOf(m_contextItem);
}

void CLeftView::contextMenuEvent(QContextMenuEvent* e)
{
    QTreeWidgetItem* item = nullptr;
    QPoint at = e->globalPos();
    if (e->reason() == QContextMenuEvent::Keyboard) {
        item = currentItem();
        if (item)
            at = viewport()->mapToGlobal(visualItemRect(item).center());
    } else {
        item = itemAt(viewport()->mapFromGlobal(e->globalPos()));
    }
    if (std::unique_ptr<QMenu> menu = createContextMenu(item))
        menu->exec(at);
    e->accept();
}

void CLeftView::OnFolderNewFolder()
{
    QTreeWidgetItem* parent = contextItem();
    if (!isLocalRootItem(parent) && !isLocalFolderItem(parent))
        return;
    // The name is chosen against the children the folder shows, so they are built first;
    // the new folder then joins them and its name is open for editing at once.
    expandFolderItem(parent);
    std::vector<std::string> siblings;
    for (int i = 0; i < parent->childCount(); ++i)
        siblings.push_back(platform::fromDisplay(parent->child(i)->text(0)));
    QTreeWidgetItem* item =
        insertFolder(parent, platform::toDisplay(MessageStore::NewFolderName(siblings)));
    scrollToItem(item);
    editItem(item, 0);
}

void CLeftView::OnFolderDelete()
{
    QTreeWidgetItem* item = contextItem();
    if (!isLocalFolderItem(item))
        return;
    if (!m_doc.store().DeleteFolder(folderIdOf(item->parent()), folderIdOf(item)))
        return;
    // A selected folder inside would leave the tree with no selection and the list with
    // messages that are gone: the parent takes over.
    QTreeWidgetItem* parent = item->parent();
    QTreeWidgetItem* current = currentItem();
    const bool selectedInside = current == item || isBelow(current, item);
    ++m_nQuiet;
    delete item;
    if (selectedInside)
        setCurrentItem(parent);
    --m_nQuiet;
    if (selectedInside)
        onCurrentItemChanged(parent);
}

void CLeftView::OnFolderReName()
{
    QTreeWidgetItem* item = contextItem();
    if (isLocalFolderItem(item))
        editItem(item, 0);
}

// --- label editing -----------------------------------------------------------------------

void CLeftView::labelEdited(const QModelIndex& index, const QString& text)
{
    // Handled once the editor has closed: a message box opened while it is still up would
    // take its focus away and commit it a second time.
    const QPersistentModelIndex where(index);
    QMetaObject::invokeMethod(
        this,
        [this, where, text] {
            if (QTreeWidgetItem* item = itemOf(where))
                endLabelEdit(item, text);
        },
        Qt::QueuedConnection);
}

bool CLeftView::endLabelEdit(QTreeWidgetItem* item, const QString& newText)
{
    if (!isLocalFolderItem(item))
        return false;
    // What the record will hold, shown as it will be shown.
    const std::string bytes = platform::fromDisplay(newText);
    const QString name = platform::toDisplay(bytes);
    const QString oldName = item->text(0);
    if (name == oldName)
        return false;
    if (name.isEmpty()) {
        platform::stop(this, QStringLiteral("You Must Input FolderName."),
                       QStringLiteral("Folder Name"));
        restartLabelEdit(item);
        return false;
    }
    QTreeWidgetItem* parent = item->parent();
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == name) {
            platform::stop(this,
                           oldName + QStringLiteral(" - ReName Failed.\n") +
                               QStringLiteral("Existed Folder Name.\n") +
                               QStringLiteral("You Must Input the Different FolderName."),
                           QStringLiteral("Folder ReName Failed "));
            restartLabelEdit(item);
            return false;
        }
    }
    m_doc.store().RenameFolder(folderIdOf(parent), folderIdOf(item), bytes);
    item->setText(0, name);
    return true;
}

void CLeftView::restartLabelEdit(QTreeWidgetItem* item)
{
    const QPersistentModelIndex where(indexFromItem(item));
    QTimer::singleShot(0, this, [this, where] {
        if (QTreeWidgetItem* again = itemOf(where))
            editItem(again, 0);
    });
}

// --- drop target -------------------------------------------------------------------------

namespace {

std::optional<MessageDrag> dragOf(const QMimeData* mime, const MessageStore& store)
{
    if (!mime || !mime->hasFormat(MessageDrag::mimeType()))
        return std::nullopt;
    std::optional<MessageDrag> drag = MessageDrag::decode(mime->data(MessageDrag::mimeType()));
    if (!drag || drag->storeTag != reinterpret_cast<quintptr>(&store) ||
        drag->processId != QCoreApplication::applicationPid())
        return std::nullopt;
    return drag;
}

} // namespace

Qt::DropAction CLeftView::dropActionFor(const QTreeWidgetItem* target, const QMimeData* mime,
                                        Qt::KeyboardModifiers modifiers) const
{
    if (!isLocalFolderItem(target))
        return Qt::IgnoreAction;
    const std::optional<MessageDrag> drag = dragOf(mime, m_doc.store());
    if (!drag || drag->messageIds.empty() || folderIdOf(target) == drag->sourceFolderId)
        return Qt::IgnoreAction;
    const bool copy =
        m_doc.store().DropCopies(drag->sourceFolderId, modifiers.testFlag(Qt::ControlModifier));
    return copy ? Qt::CopyAction : Qt::MoveAction;
}

int CLeftView::dropMessages(QTreeWidgetItem* target, const QMimeData* mime,
                            Qt::KeyboardModifiers modifiers)
{
    const Qt::DropAction action = dropActionFor(target, mime, modifiers);
    if (action == Qt::IgnoreAction)
        return 0;
    const MessageDrag drag = *dragOf(mime, m_doc.store());
    MessageStore& store = m_doc.store();
    const qint32 destination = folderIdOf(target);
    const int done = action == Qt::CopyAction ? store.CopyMessages(drag.messageIds, destination)
                                              : store.MoveMessages(drag.messageIds, destination);
    if (done == 0)
        return 0;
    m_doc.ShowFolderCount(destination);
    if (action == Qt::MoveAction)
        m_doc.ShowFolderCount(drag.sourceFolderId);
    // The list then shows where the messages went.
    if (currentItem() == target)
        onCurrentItemChanged(target);
    else
        setCurrentItem(target);
    return done;
}

QTreeWidgetItem* CLeftView::dropTarget() const
{
    return itemOf(m_dropTarget);
}

void CLeftView::setDropTarget(QTreeWidgetItem* item)
{
    const QPersistentModelIndex next(item ? indexFromItem(item) : QModelIndex());
    if (next == m_dropTarget)
        return;
    if (QTreeWidgetItem* old = itemOf(m_dropTarget))
        viewport()->update(visualItemRect(old));
    m_dropTarget = next;
    if (item)
        viewport()->update(visualItemRect(item));
}

void CLeftView::dragEnterEvent(QDragEnterEvent* e)
{
    if (!dragOf(e->mimeData(), m_doc.store())) {
        e->ignore();
        return;
    }
    setState(DraggingState);
    e->acceptProposedAction();
}

void CLeftView::dragMoveEvent(QDragMoveEvent* e)
{
    const QPoint at = e->position().toPoint();
    const QRect inner = viewport()->rect().adjusted(autoScrollMargin(), autoScrollMargin(),
                                                    -autoScrollMargin(), -autoScrollMargin());
    if (hasAutoScroll() && !inner.contains(at))
        startAutoScroll();

    QTreeWidgetItem* item = itemAt(at);
    const Qt::DropAction action = dropActionFor(item, e->mimeData(), e->modifiers());
    if (action == Qt::IgnoreAction || !e->possibleActions().testFlag(action)) {
        setDropTarget(nullptr);
        e->ignore();
        return;
    }
    setDropTarget(item);
    e->setDropAction(action);
    e->accept();
}

void CLeftView::dragLeaveEvent(QDragLeaveEvent* e)
{
    stopAutoScroll();
    setState(NoState);
    setDropTarget(nullptr);
    e->accept();
}

void CLeftView::dropEvent(QDropEvent* e)
{
    stopAutoScroll();
    setState(NoState);
    setDropTarget(nullptr);
    QTreeWidgetItem* item = itemAt(e->position().toPoint());
    const Qt::DropAction action = dropActionFor(item, e->mimeData(), e->modifiers());
    if (action == Qt::IgnoreAction || !e->possibleActions().testFlag(action)) {
        e->ignore();
        return;
    }
    e->setDropAction(action);
    e->accept();
    dropMessages(item, e->mimeData(), e->modifiers());
}
