#pragma once
// The Contacts list: the contacts of the Contacts folder (nGroup KEY_CONTACTS), one row each,
// in the order FindInsertPos keeps (first name, then last name, byte-wise), with the columns
// "First Name", "Last Name", "Wireless Address" and the three e-mail addresses. Each row
// carries the contact's key (KeyRole); its texts are read from the book by that key, so a
// row whose contact is gone shows nothing. The model keeps the keys and the names it orders
// them by, and is told of every change: reload(), insertContact(), removeContactRow().

#include "contacts/contactrecord.h"
#include "contacts/models/contactsicons.h"

#include <QAbstractTableModel>

#include <vector>

class AddressBook;

class ContactListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int ColumnCount = 6;

    explicit ContactListModel(QObject* parent = nullptr);

    // The book listed; reload() lists it.
    void setBook(AddressBook* book) { m_book = book; }
    void setIcons(const ContactsIcons& icons) { m_icons = icons; }

    // Lists the Contacts folder afresh, writing each listed contact's key (nIndex + 1); the
    // walk stops at a contact whose key would be below 1.
    void reload();
    // Empties the list.
    void clear();
    // A contact just added to the folder gets its row at its sorted place; returns the row.
    int insertContact(const ContactRecord& contact);
    void removeContactRow(int row);

    qint32 keyAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    AddressBook* m_book = nullptr;
    std::vector<qint32> m_keys;
    std::vector<ContactRow> m_order; // the names of row i, as the row was placed
    ContactsIcons m_icons;
};
