#include "contacts/models/grouplistmodel.h"

#include "contacts/addressbook.h"
#include "platform/bytes.h"

#include <algorithm>

GroupListModel::GroupListModel(QObject* parent) : QAbstractTableModel(parent) {}

const GroupRecord* GroupListModel::findGroup(qint32 id) const
{
    return m_book ? m_book->findGroup(id) : nullptr;
}

void GroupListModel::showGroups()
{
    beginResetModel();
    m_members = false;
    m_groups.clear();
    m_memberCount = 0;
    if (m_book) {
        for (const auto& group : m_book->m_GroupList)
            m_groups.push_back(group->nGroupId);
    }
    endResetModel();
}

void GroupListModel::showMembers(qint32 groupId)
{
    beginResetModel();
    m_members = true;
    m_groups = {groupId};
    const GroupRecord* group = findGroup(groupId);
    m_memberCount = group ? std::clamp(group->nMemberCount, 0, MAX_GROUP_MEMBERS) : 0;
    endResetModel();
}

void GroupListModel::clear()
{
    beginResetModel();
    m_groups.clear();
    m_memberCount = 0;
    endResetModel();
}

int GroupListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_members ? m_memberCount : static_cast<int>(m_groups.size());
}

int GroupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qint32 id = m_groups[m_members ? 0 : static_cast<size_t>(index.row())];
    switch (role) {
    case KeyRole:
        return id;
    case Qt::DecorationRole:
        if (index.column() != 0)
            return {};
        return m_members ? m_icons.card : m_icons.group;
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    const GroupRecord* group = findGroup(id);
    if (!m_members) {
        if (index.column() == 0)
            return QStringLiteral("GROUP");
        return group ? platform::toDisplay(group->strName) : QString();
    }
    // A member the group no longer has shows nothing.
    if (!group || index.row() >= std::clamp(group->nMemberCount, 0, MAX_GROUP_MEMBERS))
        return QString();
    const GroupMember& member = group->aMembers[static_cast<size_t>(index.row())];
    if (index.column() == 0)
        return member.nKind ? QStringLiteral("Wireless") : QStringLiteral("Email");
    return platform::toDisplay(member.strEntry);
}

QVariant GroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return QStringLiteral("Type");
    if (section == 1)
        return QStringLiteral("Entries");
    return {};
}
