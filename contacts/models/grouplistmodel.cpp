#include "contacts/models/grouplistmodel.h"

#include "contacts/core/addressbook.h"
#include "platform/bytes.h"

#include <algorithm>

GroupListModel::GroupListModel(QObject* parent) : QAbstractTableModel(parent) {}

void GroupListModel::setBook(const AddressBook* book)
{
    if (m_book)
        disconnect(m_book, nullptr, this, nullptr);
    m_book = book;
    if (m_book) {
        connect(m_book, &AddressBook::groupAdded, this, &GroupListModel::groupAdded);
        connect(m_book, &AddressBook::groupChanged, this, &GroupListModel::groupChanged);
        connect(m_book, &AddressBook::groupRemoved, this, &GroupListModel::groupRemoved);
        connect(m_book, &AddressBook::bookReset, this, &GroupListModel::relist);
    }
    relist();
}

const GroupRecord* GroupListModel::findGroup(qint32 id) const
{
    return m_book ? m_book->findGroup(id) : nullptr;
}

int GroupListModel::memberCountOf(qint32 id) const
{
    const GroupRecord* group = findGroup(id);
    return group ? std::clamp(group->nMemberCount, 0, MAX_GROUP_MEMBERS) : 0;
}

void GroupListModel::showGroups()
{
    m_listing = Listing::Groups;
    relist();
}

void GroupListModel::showMembers(qint32 groupId)
{
    m_listing = Listing::Members;
    m_groups = {groupId};
    relist();
}

void GroupListModel::clear()
{
    m_listing = Listing::None;
    relist();
}

void GroupListModel::relist()
{
    beginResetModel();
    if (m_listing == Listing::Members) {
        m_memberCount = memberCountOf(m_groups.front());
    } else {
        m_groups.clear();
        m_memberCount = 0;
        if (m_book && m_listing == Listing::Groups) {
            for (const auto& group : m_book->m_GroupList)
                m_groups.push_back(group->nGroupId);
        }
    }
    endResetModel();
}

void GroupListModel::followMembers()
{
    const int now = memberCountOf(m_groups.front());
    if (now > m_memberCount) {
        beginInsertRows({}, m_memberCount, now - 1);
        m_memberCount = now;
        endInsertRows();
    } else if (now < m_memberCount) {
        beginRemoveRows({}, now, m_memberCount - 1);
        m_memberCount = now;
        endRemoveRows();
    }
    if (m_memberCount > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_memberCount - 1, 1));
}

void GroupListModel::groupAdded(qint32 id)
{
    if (m_listing == Listing::Members) {
        if (id == m_groups.front())
            followMembers();
        return;
    }
    if (m_listing != Listing::Groups || !m_book)
        return;
    // At its place in the book, among the groups listed.
    int row = 0;
    for (const auto& group : m_book->m_GroupList) {
        if (group->nGroupId == id)
            break;
        ++row;
    }
    row = std::min(row, static_cast<int>(m_groups.size()));
    beginInsertRows({}, row, row);
    m_groups.insert(m_groups.begin() + row, id);
    endInsertRows();
}

int GroupListModel::listedGroupRow(qint32 id)
{
    if (m_listing == Listing::Members) {
        if (id == m_groups.front())
            followMembers();
        return -1;
    }
    const auto it = std::find(m_groups.begin(), m_groups.end(), id);
    return it == m_groups.end() ? -1 : static_cast<int>(it - m_groups.begin());
}

void GroupListModel::groupChanged(qint32 id)
{
    if (const int row = listedGroupRow(id); row >= 0)
        Q_EMIT dataChanged(index(row, 1), index(row, 1));
}

void GroupListModel::groupRemoved(qint32 id)
{
    const int row = listedGroupRow(id);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_groups.erase(m_groups.begin() + row);
    endRemoveRows();
}

int GroupListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_listing == Listing::Members ? m_memberCount : static_cast<int>(m_groups.size());
}

int GroupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const bool members = m_listing == Listing::Members;
    const qint32 id = m_groups[members ? 0 : static_cast<size_t>(index.row())];
    switch (role) {
    case KeyRole:
        return id;
    case Qt::DecorationRole:
        if (index.column() != 0)
            return {};
        return members ? m_icons.card : m_icons.group;
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    const GroupRecord* group = findGroup(id);
    if (!members) {
        if (index.column() == 0)
            return tr("GROUP");
        return group ? platform::toDisplay(group->strName) : QString();
    }
    // A member the group no longer has shows nothing.
    if (!group || index.row() >= std::clamp(group->nMemberCount, 0, MAX_GROUP_MEMBERS))
        return QString();
    const GroupMember& member = group->aMembers[static_cast<size_t>(index.row())];
    if (index.column() == 0)
        return member.nKind ? tr("Wireless") : tr("Email");
    return platform::toDisplay(member.strEntry);
}

QVariant GroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Type");
    if (section == 1)
        return tr("Entries");
    return {};
}
