#include "contacts/models/contactlistmodel.h"

#include "contacts/addressbook.h"
#include "platform/bytes.h"

#include <algorithm>
#include <tuple>

ContactListModel::ContactListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContactListModel::reload()
{
    beginResetModel();
    m_keys.clear();
    m_order.clear();
    if (m_book) {
        std::vector<const ContactRecord*> listed;
        for (const auto& contact : m_book->m_AddressList) {
            if (contact->nGroup != KEY_CONTACTS)
                continue;
            contact->nKey = contact->nIndex + 1;
            if (contact->nKey < 1)
                break;
            listed.push_back(contact.get());
        }
        // Equal names keep the book's order, as one insertion after another would.
        std::stable_sort(listed.begin(), listed.end(),
                         [](const ContactRecord* a, const ContactRecord* b) {
                             return std::tie(a->strFirstName, a->strLastName) <
                                    std::tie(b->strFirstName, b->strLastName);
                         });
        m_keys.reserve(listed.size());
        m_order.reserve(listed.size());
        for (const ContactRecord* contact : listed) {
            m_keys.push_back(contact->nKey);
            m_order.push_back({contact->strFirstName, contact->strLastName});
        }
    }
    endResetModel();
}

void ContactListModel::clear()
{
    beginResetModel();
    m_keys.clear();
    m_order.clear();
    endResetModel();
}

int ContactListModel::insertContact(const ContactRecord& contact)
{
    const int row = FindInsertPos(m_order, contact.strFirstName, contact.strLastName);
    beginInsertRows({}, row, row);
    m_keys.insert(m_keys.begin() + row, contact.nKey);
    m_order.insert(m_order.begin() + row, {contact.strFirstName, contact.strLastName});
    endInsertRows();
    return row;
}

void ContactListModel::removeContactRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_keys.erase(m_keys.begin() + row);
    m_order.erase(m_order.begin() + row);
    endRemoveRows();
}

qint32 ContactListModel::keyAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_keys[static_cast<size_t>(row)] : 0;
}

int ContactListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int ContactListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qint32 key = m_keys[static_cast<size_t>(index.row())];
    switch (role) {
    case KeyRole:
        return key;
    case Qt::DecorationRole:
        return index.column() == 0 ? QVariant(m_icons.card) : QVariant();
    case Qt::DisplayRole: {
        const ContactRecord* contact = m_book ? m_book->GetListAddress(key) : nullptr;
        if (!contact || contact->nKey != key)
            return QString();
        // The list's columns are the first six of the thirteen fields.
        return platform::toDisplay(
            contact->*kContactFields[static_cast<size_t>(index.column())].member);
    }
    default:
        return {};
    }
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    // The list's columns are named as the text file names its fields.
    return QString::fromLatin1(kContactFields[static_cast<size_t>(section)].headerName);
}
