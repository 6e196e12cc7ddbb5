#include "contacts/models/contactstreemodel.h"

#include "contacts/addressbook.h"
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
    m_book = book;
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
    // Groups of another book that happen to have the same ids were not made here.
    m_folders.clear();
    relist();
}

void ContactsTreeModel::relist()
{
    beginResetModel();
    m_groups = topLevelGroups();
    endResetModel();
}

void ContactsTreeModel::sync()
{
    const std::vector<qint32> now = topLevelGroups();
    const QModelIndex groups = groupsRoot();
    // The id of a folder deleted may come back with another group.
    std::erase_if(m_folders,
                  [&](qint32 id) { return std::find(now.begin(), now.end(), id) == now.end(); });
    // Rows whose group is gone leave, from the back.
    for (size_t row = m_groups.size(); row-- > 0;) {
        if (std::find(now.begin(), now.end(), m_groups[row]) == now.end()) {
            const int r = static_cast<int>(row);
            beginRemoveRows(groups, r, r);
            m_groups.erase(m_groups.begin() + r);
            endRemoveRows();
        }
    }
    // The rest keep their order in the book (groups are only ever appended); the new ones
    // come in at their places. A book in another order is listed afresh.
    size_t row = 0;
    for (const qint32 id : now) {
        if (row < m_groups.size() && m_groups[row] == id) {
            ++row;
            continue;
        }
        if (std::find(m_groups.begin() + static_cast<std::ptrdiff_t>(row), m_groups.end(), id) !=
            m_groups.end()) {
            relist();
            return;
        }
        const int r = static_cast<int>(row);
        beginInsertRows(groups, r, r);
        m_groups.insert(m_groups.begin() + r, id);
        endInsertRows();
        ++row;
    }
    // Names may have changed.
    if (!m_groups.empty())
        Q_EMIT dataChanged(index(0, 0, groups),
                           index(static_cast<int>(m_groups.size()) - 1, 0, groups));
}

void ContactsTreeModel::markFolder(qint32 id)
{
    m_folders.insert(id);
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
            return contacts ? QStringLiteral("Contacts") : QStringLiteral("Groups");
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
    case Qt::DecorationRole: {
        // A folder given members has become a group.
        const GroupRecord* record = m_folders.count(id) != 0 ? group() : nullptr;
        return record && record->nMemberCount == 0 ? m_icons.folder : m_icons.group;
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
