#pragma once
// The Contacts list: the contacts of the Contacts folder (nGroup KEY_CONTACTS), one row each,
// ordered by first name, then last name (byte-wise, as FindInsertPos orders them), contacts
// with the same names in the book's order, with the columns "First Name", "Last Name",
// "Wireless Address" and the three e-mail addresses. Each row carries the contact's key
// (KeyRole); its texts are read from the book by that key. The model keeps the keys and the
// names it orders them by, and follows the book's signals: a contact added, changed (a
// changed name moves its row), removed, or the whole book reset.

#include "contacts/core/contactrecord.h"
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

    // The book listed and followed from now on; it outlives the model.
    void setBook(const AddressBook* book);
    void setIcons(const ContactsIcons& icons) { m_icons = icons; }

    qint32 keyAt(int row) const;
    // The row of the contact with this key; -1 when it is not listed.
    int rowOf(qint32 key) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void relist();
    void contactAdded(qint32 key);
    void contactChanged(qint32 key);
    void contactRemoved(qint32 key);
    // The listed contact of this key, or null when it is not one the list shows.
    const ContactRecord* listable(qint32 key) const;
    // Where the contact goes among the rows as they are (it is not among them).
    int placeFor(const ContactRecord& contact) const;
    void addRow(int row, const ContactRecord& contact);
    void dropRow(int row);

    const AddressBook* m_book = nullptr;
    std::vector<qint32> m_keys;
    std::vector<ContactRow> m_order; // the names of row i, as the row was placed
    ContactsIcons m_icons;
};
