#include "contacts/models/contactlistmodel.h"

#include "contacts/core/addressbook.h"
#include "platform/bytes.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

using Names = std::pair<std::string_view, std::string_view>;

Names namesOf(const ContactRecord& contact)
{
    return {contact.strFirstName, contact.strLastName};
}

Names namesOf(const ContactRow& row)
{
    return {row.first, row.last};
}

} // namespace

ContactListModel::ContactListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContactListModel::setBook(const AddressBook* book)
{
    if (m_book)
        disconnect(m_book, nullptr, this, nullptr);
    m_book = book;
    if (m_book) {
        connect(m_book, &AddressBook::contactAdded, this, &ContactListModel::contactAdded);
        connect(m_book, &AddressBook::contactChanged, this, &ContactListModel::contactChanged);
        connect(m_book, &AddressBook::contactRemoved, this, &ContactListModel::contactRemoved);
        connect(m_book, &AddressBook::bookReset, this, &ContactListModel::relist);
    }
    relist();
}

void ContactListModel::relist()
{
    beginResetModel();
    m_keys.clear();
    m_order.clear();
    if (m_book) {
        std::vector<const ContactRecord*> listed;
        for (const auto& contact : m_book->m_AddressList) {
            if (contact->nGroup == KEY_CONTACTS && contact->nIndex >= 0)
                listed.push_back(contact.get());
        }
        // Equal names keep the book's order, as one insertion after another would.
        std::stable_sort(listed.begin(), listed.end(),
                         [](const ContactRecord* a, const ContactRecord* b) {
                             return namesOf(*a) < namesOf(*b);
                         });
        m_keys.reserve(listed.size());
        m_order.reserve(listed.size());
        for (const ContactRecord* contact : listed) {
            m_keys.push_back(contact->nIndex + 1);
            m_order.push_back({contact->strFirstName, contact->strLastName});
        }
    }
    endResetModel();
}

const ContactRecord* ContactListModel::listable(qint32 key) const
{
    const ContactRecord* contact = m_book ? m_book->GetListAddress(key) : nullptr;
    return contact && contact->nGroup == KEY_CONTACTS ? contact : nullptr;
}

int ContactListModel::placeFor(const ContactRecord& contact) const
{
    const Names names = namesOf(contact);
    const auto less = [](const ContactRow& row, const Names& n) { return namesOf(row) < n; };
    const int first = static_cast<int>(
        std::lower_bound(m_order.begin(), m_order.end(), names, less) - m_order.begin());
    const int end = FindInsertPos(m_order, contact.strFirstName, contact.strLastName);
    if (first == end)
        return first;
    // Among rows of the same names, after those that come before it in the book.
    int before = 0;
    for (const auto& other : m_book->m_AddressList) {
        if (other.get() == &contact)
            break;
        const auto from = m_keys.begin() + first;
        if (std::find(from, m_keys.begin() + end, other->nIndex + 1) != m_keys.begin() + end)
            ++before;
    }
    return first + before;
}

void ContactListModel::addRow(int row, const ContactRecord& contact)
{
    beginInsertRows({}, row, row);
    m_keys.insert(m_keys.begin() + row, contact.nIndex + 1);
    m_order.insert(m_order.begin() + row, {contact.strFirstName, contact.strLastName});
    endInsertRows();
}

void ContactListModel::dropRow(int row)
{
    beginRemoveRows({}, row, row);
    m_keys.erase(m_keys.begin() + row);
    m_order.erase(m_order.begin() + row);
    endRemoveRows();
}

void ContactListModel::contactAdded(qint32 key)
{
    if (const ContactRecord* contact = listable(key); contact && rowOf(key) < 0)
        addRow(placeFor(*contact), *contact);
}

void ContactListModel::contactRemoved(qint32 key)
{
    if (const int row = rowOf(key); row >= 0)
        dropRow(row);
}

void ContactListModel::contactChanged(qint32 key)
{
    const ContactRecord* contact = listable(key);
    const int row = rowOf(key);
    if (row < 0) {
        // Filed into the Contacts folder.
        if (contact)
            addRow(placeFor(*contact), *contact);
        return;
    }
    if (!contact) {
        // Filed elsewhere.
        dropRow(row);
        return;
    }
    const auto at = static_cast<size_t>(row);
    int to = row;
    if (namesOf(m_order[at]) != namesOf(*contact)) {
        // A new name takes the row to its sorted place, found among the other rows.
        const ContactRow old = m_order[at];
        m_keys.erase(m_keys.begin() + row);
        m_order.erase(m_order.begin() + row);
        to = placeFor(*contact);
        m_keys.insert(m_keys.begin() + row, key);
        m_order.insert(m_order.begin() + row, old);
        if (to != row) {
            beginMoveRows({}, row, row, {}, to > row ? to + 1 : to);
            m_keys.erase(m_keys.begin() + row);
            m_order.erase(m_order.begin() + row);
            m_keys.insert(m_keys.begin() + to, key);
            m_order.insert(m_order.begin() + to, old);
            endMoveRows();
        }
        m_order[static_cast<size_t>(to)] = {contact->strFirstName, contact->strLastName};
    }
    Q_EMIT dataChanged(index(to, 0), index(to, ColumnCount - 1));
}

qint32 ContactListModel::keyAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_keys[static_cast<size_t>(row)] : 0;
}

int ContactListModel::rowOf(qint32 key) const
{
    const auto it = std::find(m_keys.begin(), m_keys.end(), key);
    return it == m_keys.end() ? -1 : static_cast<int>(it - m_keys.begin());
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
        if (!contact)
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
    // The list's columns are named as the text file names its fields, in the user's language.
    return fieldLabel(kContactFields[static_cast<size_t>(section)]);
}
