#pragma once
// The Contacts window's tree: "Contacts", "Groups" and, under "Groups", the top-level groups
// of the address book (nParent -1) in the book's order. Every item carries its key (KeyRole):
// KEY_CONTACTS, KEY_GROUPS or the group's id. The model keeps only the group ids; names are
// read from the book. It follows the book's signals: a group added, changed (a group that
// leaves the top level leaves the tree), removed, or the whole book reset.

#include "contacts/models/contactsicons.h"

#include <QAbstractItemModel>

#include <set>
#include <vector>

class AddressBook;

class ContactsTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit ContactsTreeModel(QObject* parent = nullptr);

    // The book listed and followed from now on; it outlives the model.
    void setBook(const AddressBook* book);
    void setIcons(const ContactsIcons& icons) { m_icons = icons; }

    // The group was made by New Folder: it shows the folder pictures, not the group picture,
    // while it has no members. A book reset forgets it.
    void markFolder(qint32 id);

    QModelIndex contactsRoot() const { return index(0, 0); }
    QModelIndex groupsRoot() const { return index(1, 0); }
    // The item of a top-level group, or an invalid index.
    QModelIndex groupIndex(qint32 id) const;
    static qint32 keyOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<qint32> topLevelGroups() const;
    void reload();
    void groupAdded(qint32 id);
    void groupChanged(qint32 id);
    void groupRemoved(qint32 id);
    // The row a top-level group takes: the number of top-level groups before it in the book.
    int placeFor(qint32 id) const;
    void addRow(int row, qint32 id);
    void dropRow(int row);

    const AddressBook* m_book = nullptr;
    std::vector<qint32> m_groups;
    std::set<qint32> m_folders; // ids of the groups made as folders
    ContactsIcons m_icons;
};
