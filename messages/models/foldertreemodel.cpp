#include "messages/models/foldertreemodel.h"

#include "messages/core/archive.h"
#include "messages/core/messagestore.h"
#include "messages/models/messagedrag.h"
#include "platform/bytes.h"

#include <QCoreApplication>
#include <QMimeData>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

// The roots are no records: their names are the model's own, stored and written as they are.
const char* const kPagerRootName = QT_TRANSLATE_NOOP("messages::folders", "Messages");
const char* const kLocalRootName = QT_TRANSLATE_NOOP("messages::folders", "LocalFolder");

QString translatedName(std::string_view name)
{
    return QCoreApplication::translate("messages::folders", std::string(name).c_str());
}

// A pager folder's name is translated only while it is one of the fixed names: a pager that
// names its folders otherwise shows its own names.
QString pagerFolderDisplayName(std::string_view name)
{
    for (const char* fixed : kPagerFolderNames) {
        if (name == fixed)
            return translatedName(name);
    }
    return platform::toDisplay(name);
}

} // namespace

QString folderItemText(const MessageRecord& folder)
{
    return platform::toDisplay(folder.strName) + QLatin1Char('(') + QString::number(folder.nCount) +
           QLatin1Char(')');
}

QString folderDisplayName(const MessageRecord& folder)
{
    if (folder.nParentId == PARENT_PAGER)
        return pagerFolderDisplayName(std::string_view(folder.strName));
    return platform::toDisplay(folder.strName);
}

QString folderDisplayPath(std::string_view path)
{
    const auto underRoot = [path](std::string_view root) {
        return path == root ||
               (path.starts_with(root) && path.substr(root.size()).starts_with('/'));
    };
    if (underRoot(archive::kPagerRootText)) {
        QString shown = translatedName(archive::kPagerRootText);
        if (path.size() > archive::kPagerRootText.size())
            shown += QLatin1Char('/') +
                     pagerFolderDisplayName(path.substr(archive::kPagerRootText.size() + 1));
        return shown;
    }
    if (underRoot(archive::kLocalRootText))
        return translatedName(archive::kLocalRootText) +
               platform::toDisplay(path.substr(archive::kLocalRootText.size()));
    return platform::toDisplay(path);
}

// A row of the tree: a root (no record) or a folder record, which the store's list keeps at
// its address for as long as the folder exists.
struct FolderTreeModel::Node
{
    Node* parent = nullptr;
    MessageRecord* record = nullptr;
    qint32 rootId = 0; // PARENT_PAGER or PARENT_LOCAL on the roots
    std::vector<std::unique_ptr<Node>> children;

    qint32 folderId() const { return record ? record->nFolderId : rootId; }
    int row() const
    {
        if (!parent)
            return 0;
        const auto& siblings = parent->children;
        const auto it = std::find_if(siblings.begin(), siblings.end(),
                                     [this](const auto& n) { return n.get() == this; });
        return static_cast<int>(it - siblings.begin());
    }
    Node* add(MessageRecord* folder)
    {
        auto node = std::make_unique<Node>();
        node->parent = this;
        node->record = folder;
        children.push_back(std::move(node));
        return children.back().get();
    }
};

FolderTreeModel::FolderTreeModel(MessageStore& store, QObject* parent)
    : QAbstractItemModel(parent), m_store(store), m_root(std::make_unique<Node>())
{
    reload();
}

FolderTreeModel::~FolderTreeModel() = default;

void FolderTreeModel::setIcons(const QIcon& pagerRoot, const QIcon& localRoot, const QIcon& folder)
{
    m_pagerRootIcon = pagerRoot;
    m_localRootIcon = localRoot;
    m_folderIcon = folder;
}

void FolderTreeModel::reload()
{
    beginResetModel();
    m_root->children.clear();
    // One walk over the records: the folders by the number of their parent, in list order.
    std::unordered_map<qint32, std::vector<MessageRecord*>> byParent;
    for (MessageRecord& r : m_store.records()) {
        if (r.nKind == KIND_FOLDER && r.nFolderId >= 1)
            byParent[r.nParentId].push_back(&r);
    }
    // Depth first from the roots; a damaged file whose folders name each other as parents
    // shows each folder once.
    std::unordered_set<const MessageRecord*> placed;
    std::vector<Node*> todo;
    for (const qint32 rootId : {PARENT_PAGER, PARENT_LOCAL}) {
        auto root = std::make_unique<Node>();
        root->parent = m_root.get();
        root->rootId = rootId;
        todo.push_back(root.get());
        m_root->children.push_back(std::move(root));
    }
    while (!todo.empty()) {
        Node* node = todo.back();
        todo.pop_back();
        // The pager's folders never have subfolders.
        if (node->record && node->record->nParentId == PARENT_PAGER)
            continue;
        const auto it = byParent.find(node->folderId());
        if (it == byParent.end())
            continue;
        for (MessageRecord* folder : it->second) {
            if (placed.insert(folder).second)
                todo.push_back(node->add(folder));
        }
    }
    endResetModel();
}

void FolderTreeModel::refreshPagerFolders()
{
    const QModelIndex pager = pagerRoot();
    const int rows = rowCount(pager);
    if (rows > 0)
        Q_EMIT dataChanged(index(0, 0, pager), index(rows - 1, 0, pager));
}

void FolderTreeModel::refreshFolders(const std::vector<qint32>& folderIds)
{
    for (const qint32 id : folderIds) {
        const QModelIndex at = findFolder(id);
        if (at.isValid())
            Q_EMIT dataChanged(at, at);
    }
}

// --- rows and records ---------------------------------------------------------------------

FolderTreeModel::Node* FolderTreeModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex FolderTreeModel::indexOf(const Node* node) const
{
    if (!node || node == m_root.get())
        return {};
    return createIndex(node->row(), 0, const_cast<Node*>(node));
}

QModelIndex FolderTreeModel::pagerRoot() const
{
    return index(0, 0);
}

QModelIndex FolderTreeModel::localRoot() const
{
    return index(1, 0);
}

MessageRecord* FolderTreeModel::folder(const QModelIndex& index) const
{
    return index.isValid() ? nodeOf(index)->record : nullptr;
}

bool FolderTreeModel::isPagerRoot(const QModelIndex& index) const
{
    return index.isValid() && !nodeOf(index)->record && nodeOf(index)->rootId == PARENT_PAGER;
}

bool FolderTreeModel::isLocalRoot(const QModelIndex& index) const
{
    return index.isValid() && !nodeOf(index)->record && nodeOf(index)->rootId == PARENT_LOCAL;
}

bool FolderTreeModel::isLocalFolder(const QModelIndex& index) const
{
    const MessageRecord* record = folder(index);
    return record && record->nParentId != PARENT_PAGER;
}

QModelIndex FolderTreeModel::findFolder(qint32 folderId) const
{
    if (folderId < 1)
        return {};
    std::vector<const Node*> todo{m_root.get()};
    while (!todo.empty()) {
        const Node* node = todo.back();
        todo.pop_back();
        if (node->record && node->record->nFolderId == folderId)
            return indexOf(node);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            todo.push_back(it->get());
    }
    return {};
}

// --- folder commands ------------------------------------------------------------------------

QModelIndex FolderTreeModel::insertFolder(const QModelIndex& parent)
{
    if (!isLocalRoot(parent) && !isLocalFolder(parent))
        return {};
    Node* node = nodeOf(parent);
    // Against the siblings' names, so that no two new folders share one.
    std::vector<std::string> siblings;
    for (const auto& child : node->children)
        siblings.push_back(child->record->strName.str());
    // The new folder is the user's from now on: it keeps the name in the user's language.
    const std::string name =
        MessageStore::NewFolderName(siblings, platform::fromDisplay(tr("New Folder")));
    // A folder's parent name is its parent's text as the records hold it, never translated.
    const std::string parentName = node->record
                                       ? platform::fromDisplay(folderItemText(*node->record))
                                       : std::string(archive::kLocalRootText);
    const int row = static_cast<int>(node->children.size());
    beginInsertRows(parent, row, row);
    node->add(&m_store.InsertFolder(name, parentName, node->folderId()));
    endInsertRows();
    return index(row, 0, parent);
}

bool FolderTreeModel::removeFolder(const QModelIndex& index)
{
    if (!isLocalFolder(index))
        return false;
    Node* node = nodeOf(index);
    const MessageRecord* record = node->record;
    const qint32 parentId = record->nParentId;
    const qint32 folderId = record->nFolderId;
    const int row = index.row();
    const QModelIndex parentIndex = index.parent();
    // The rows go before the records they point at.
    beginRemoveRows(parentIndex, row, row);
    node->parent->children.erase(node->parent->children.begin() + row);
    const bool removed = m_store.DeleteFolder(parentId, folderId);
    endRemoveRows();
    // In a damaged file another folder may carry the same number, and its subfolders went
    // too: no row may be left pointing at a record that is gone.
    std::unordered_set<const MessageRecord*> folders;
    for (const MessageRecord& r : m_store.records()) {
        if (r.nKind == KIND_FOLDER)
            folders.insert(&r);
    }
    std::vector<const Node*> todo{m_root.get()};
    while (!todo.empty()) {
        const Node* next = todo.back();
        todo.pop_back();
        if (next->record && !folders.count(next->record)) {
            reload();
            break;
        }
        for (const auto& child : next->children)
            todo.push_back(child.get());
    }
    return removed;
}

FolderTreeModel::NameCheck FolderTreeModel::checkName(const QModelIndex& index,
                                                      const QString& text) const
{
    if (!isLocalFolder(index))
        return NameCheck::Unchanged;
    // Names are compared as the records hold them, without the counts the rows show: two
    // siblings with the same name and different counts would still be two of one name.
    const Node* node = nodeOf(index);
    const std::string typed = platform::fromDisplay(text);
    return platform::checkNewName(std::string_view(node->record->strName), std::string_view(typed),
                                  [node](std::string_view name) {
                                      for (const auto& sibling : node->parent->children) {
                                          if (sibling->record->strName == name)
                                              return true;
                                      }
                                      return false;
                                  });
}

bool FolderTreeModel::renameFolder(const QModelIndex& index, const QString& text)
{
    if (checkName(index, text) != NameCheck::Ok)
        return false;
    const MessageRecord* record = folder(index);
    m_store.RenameFolder(record->nParentId, record->nFolderId, platform::fromDisplay(text));
    Q_EMIT dataChanged(index, index);
    return true;
}

// --- the model -------------------------------------------------------------------------------

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || (parent.isValid() && parent.model() != this))
        return {};
    const Node* node = nodeOf(parent);
    if (static_cast<size_t>(row) >= node->children.size())
        return {};
    return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOf(nodeOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(nodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    // A local folder may get subfolders at any time, so it always offers to open.
    return rowCount(parent) > 0 || isLocalFolder(parent);
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Node* node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        if (node->record)
            return folderDisplayName(*node->record) + QLatin1Char('(') +
                   QString::number(node->record->nCount) + QLatin1Char(')');
        return QCoreApplication::translate(
            "messages::folders", node->rootId == PARENT_PAGER ? kPagerRootName : kLocalRootName);
    case Qt::AccessibleDescriptionRole:
        // The count in the row's text is a bare number in brackets.
        if (!node->record)
            return {};
        if (node->record->nCount == 1)
            return tr("1 message");
        return tr("%n messages", nullptr, node->record->nCount);
    case Qt::EditRole:
        // The editor opens on the bare name: the count is no part of it.
        if (node->record)
            return platform::toDisplay(node->record->strName);
        return data(index, Qt::DisplayRole);
    case Qt::DecorationRole:
        if (node->record)
            return m_folderIcon;
        return node->rootId == PARENT_PAGER ? m_pagerRootIcon : m_localRootIcon;
    case FolderIdRole:
        return node->folderId();
    default:
        return {};
    }
}

bool FolderTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    return role == Qt::EditRole && renameFolder(index, value.toString());
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (isLocalFolder(index))
        flags |= Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
    else if (folder(index))
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

// --- drops ---------------------------------------------------------------------------------

QStringList FolderTreeModel::mimeTypes() const
{
    return {MessageDrag::mimeType()};
}

Qt::DropActions FolderTreeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

std::optional<MessageDrag> FolderTreeModel::dragOf(const QMimeData* data) const
{
    return MessageDrag::fromMimeData(data, m_store);
}

Qt::DropAction FolderTreeModel::dropActionFor(const QMimeData* data, bool copyAsked,
                                              const QModelIndex& target) const
{
    if (!isLocalFolder(target))
        return Qt::IgnoreAction;
    const std::optional<MessageDrag> drag = dragOf(data);
    if (!drag || folder(target)->nFolderId == drag->sourceFolderId)
        return Qt::IgnoreAction;
    // Messages of several folders (out of a search): each goes by the rules of its own
    // folder at the drop; the drag only says whether all of them are the pager's.
    if (drag->sourceFolderId == 0)
        return copyAsked || drag->sourceParentId == PARENT_PAGER ? Qt::CopyAction : Qt::MoveAction;
    return m_store.DropCopies(drag->sourceFolderId, copyAsked) ? Qt::CopyAction : Qt::MoveAction;
}

bool FolderTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                      const QModelIndex& parent) const
{
    if (action != Qt::CopyAction && action != Qt::MoveAction)
        return false;
    const Qt::DropAction done = dropActionFor(data, action == Qt::CopyAction, parent);
    // A move asked of messages that can only be copied is refused: the drag offers no move.
    return done != Qt::IgnoreAction && (done == action || action == Qt::CopyAction);
}

bool FolderTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                   const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, -1, -1, parent))
        return false;
    const Qt::DropAction done = dropActionFor(data, action == Qt::CopyAction, parent);
    const MessageDrag drag = *dragOf(data);
    const qint32 destination = folder(parent)->nFolderId;
    if (drag.sourceFolderId == 0) {
        std::vector<qint32> changed{destination};
        int dropped = 0;
        for (const archive::FolderGroup& group :
             archive::groupByFolder(m_store.records(), drag.messageIds)) {
            if (group.folderId == destination)
                continue; // already there
            const bool copy = m_store.DropCopies(group.folderId, done == Qt::CopyAction);
            dropped += copy ? m_store.CopyMessages(group.messageIds, destination)
                            : m_store.MoveMessages(group.messageIds, destination);
            if (!copy)
                changed.push_back(group.folderId);
        }
        if (dropped == 0)
            return false;
        refreshFolders(changed);
        Q_EMIT messagesDropped(parent);
        return true;
    }
    const int count = done == Qt::CopyAction ? m_store.CopyMessages(drag.messageIds, destination)
                                             : m_store.MoveMessages(drag.messageIds, destination);
    if (count == 0)
        return false;
    if (done == Qt::MoveAction)
        refreshFolders({destination, drag.sourceFolderId});
    else
        refreshFolders({destination});
    Q_EMIT messagesDropped(parent);
    return true;
}
