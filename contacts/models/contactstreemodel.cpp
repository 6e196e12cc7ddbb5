#include "contacts/models/contactstreemodel.h"

#include "contacts/core/addressbook.h"
#include "platform/bytes.h"

#include <algorithm>

namespace {

// Internal ids: the two roots have none of their own parent; a group item names "Groups".
constexpr quintptr kRootId = 0;
constexpr quintptr kGroupId = 1;

} // namespace

ContactsTreeModel::ContactsTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void ContactsTreeModel::setBook(const AddressBook* book)
{
    if (m_book)
        disconnect(m_book, nullptr, this, nullptr);
    m_book = book;
    if (m_book) {
        connect(m_book, &AddressBook::groupAdded, this, &ContactsTreeModel::groupAdded);
        connect(m_book, &AddressBook::groupChanged, this, &ContactsTreeModel::groupChanged);
        connect(m_book, &AddressBook::groupRemoved, this, &ContactsTreeModel::groupRemoved);
        connect(m_book, &AddressBook::bookReset, this, &ContactsTreeModel::reload);
    }
    reload();
}

std::vector<qint32> ContactsTreeModel::topLevelGroups() const
{
    std::vector<qint32> ids;
    if (!m_book)
        return ids;
    for (const auto& group : m_book->m_GroupList) {
        if (group->nParent == -1)
            ids.push_back(group->nGroupId);
    }
    return ids;
}

void ContactsTreeModel::reload()
{
    beginResetModel();
    // Groups of another book that happen to have the same ids were not made here.
    m_folders.clear();
    m_groups = topLevelGroups();
    endResetModel();
}

int ContactsTreeModel::placeFor(qint32 id) const
{
    int row = 0;
    for (const auto& group : m_book->m_GroupList) {
        if (group->nGroupId == id)
            break;
        if (group->nParent == -1 &&
            std::find(m_groups.begin(), m_groups.end(), group->nGroupId) != m_groups.end())
            ++row;
    }
    return row;
}

void ContactsTreeModel::addRow(int row, qint32 id)
{
    beginInsertRows(groupsRoot(), row, row);
    m_groups.insert(m_groups.begin() + row, id);
    endInsertRows();
}

void ContactsTreeModel::dropRow(int row)
{
    beginRemoveRows(groupsRoot(), row, row);
    m_groups.erase(m_groups.begin() + row);
    endRemoveRows();
}

void ContactsTreeModel::groupAdded(qint32 id)
{
    const GroupRecord* group = m_book->findGroup(id);
    if (group && group->nParent == -1 && !groupIndex(id).isValid())
        addRow(placeFor(id), id);
}

void ContactsTreeModel::groupChanged(qint32 id)
{
    const GroupRecord* group = m_book->findGroup(id);
    const bool topLevel = group && group->nParent == -1;
    const QModelIndex item = groupIndex(id);
    if (!item.isValid()) {
        if (topLevel)
            addRow(placeFor(id), id);
    } else if (!topLevel) {
        dropRow(item.row());
    } else {
        // The name, and with the members the picture of a folder.
        Q_EMIT dataChanged(item, item);
    }
}

void ContactsTreeModel::groupRemoved(qint32 id)
{
    // The id of a folder deleted may come back with another group.
    m_folders.erase(id);
    if (const QModelIndex item = groupIndex(id); item.isValid())
        dropRow(item.row());
}

void ContactsTreeModel::markFolder(qint32 id)
{
    m_folders.insert(id);
    if (const QModelIndex item = groupIndex(id); item.isValid())
        Q_EMIT dataChanged(item, item, {Qt::DecorationRole, Qt::AccessibleDescriptionRole});
}

QModelIndex ContactsTreeModel::groupIndex(qint32 id) const
{
    const auto it = std::find(m_groups.begin(), m_groups.end(), id);
    if (it == m_groups.end())
        return {};
    return index(static_cast<int>(it - m_groups.begin()), 0, groupsRoot());
}

qint32 ContactsTreeModel::keyOf(const QModelIndex& index)
{
    return index.isValid() ? index.data(KeyRole).toInt() : 0;
}

QModelIndex ContactsTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? kGroupId : kRootId);
}

QModelIndex ContactsTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kRootId)
        return {};
    return createIndex(1, 0, kRootId);
}

int ContactsTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return 2;
    if (parent.internalId() == kRootId && parent.row() == 1 && parent.column() == 0)
        return static_cast<int>(m_groups.size());
    return 0;
}

int ContactsTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ContactsTreeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.internalId() == kRootId) {
        const bool contacts = index.row() == 0;
        switch (role) {
        case Qt::DisplayRole:
            return contacts ? tr("Contacts") : tr("Groups");
        case Qt::DecorationRole:
            return contacts ? m_icons.addressBook : m_icons.folder;
        case KeyRole:
            return contacts ? KEY_CONTACTS : KEY_GROUPS;
        default:
            return {};
        }
    }
    const qint32 id = m_groups[static_cast<size_t>(index.row())];
    const auto group = [this, id] { return m_book ? m_book->findGroup(id) : nullptr; };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const GroupRecord* record = group();
        return record ? platform::toDisplay(record->strName) : QString();
    }
    case Qt::DecorationRole:
    case Qt::AccessibleDescriptionRole: {
        // A folder given members has become a group.
        const GroupRecord* record = m_folders.count(id) != 0 ? group() : nullptr;
        const bool folder = record && record->nMemberCount == 0;
        // The icon is all that tells a folder from a group: a screen reader says it in words.
        if (role == Qt::AccessibleDescriptionRole)
            return folder ? tr("Folder") : tr("Group");
        return folder ? m_icons.folder : m_icons.group;
    }
    case KeyRole:
        return id;
    default:
        return {};
    }
}

Qt::ItemFlags ContactsTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A group's name is edited in place (the Rename Group command); the roots' never.
    if (index.internalId() == kGroupId)
        flags |= Qt::ItemIsEditable;
    return flags;
}
