#pragma once
// The list's two group listings, with the columns "Type" and "Entries": every group of the
// address book in the book's order (a row "GROUP" and the name), or the members of one
// group (a row "Wireless" or "Email" and the address). Every row carries the group's id
// (KeyRole), never a contact key. Which listing it shows is the caller's choice; its rows
// follow the book's signals. The model keeps the ids, or the id and the number of members;
// texts are read from the book.

#include "contacts/models/contactsicons.h"

#include <QAbstractTableModel>

#include <vector>

class AddressBook;
struct GroupRecord;

class GroupListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit GroupListModel(QObject* parent = nullptr);

    // The book listed and followed from now on; it outlives the model. Nothing is listed
    // until showGroups() or showMembers().
    void setBook(const AddressBook* book);
    void setIcons(const ContactsIcons& icons) { m_icons = icons; }

    // Lists every group.
    void showGroups();
    // Lists the members of the group with this id; none while there is no such group.
    void showMembers(qint32 groupId);
    // Lists nothing.
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    enum class Listing
    {
        None,
        Groups,
        Members,
    };

    const GroupRecord* findGroup(qint32 id) const;
    void relist();
    void groupAdded(qint32 id);
    // The row of group id in a listing of groups, or -1; in a listing of one group's
    // members, that group's members are read again when id is the group listed.
    int listedGroupRow(qint32 id);
    void groupChanged(qint32 id);
    void groupRemoved(qint32 id);
    // The member rows of the group shown follow its member count.
    void followMembers();
    int memberCountOf(qint32 id) const;

    const AddressBook* m_book = nullptr;
    Listing m_listing = Listing::None;
    std::vector<qint32> m_groups; // the groups listed, or the one whose members are
    int m_memberCount = 0;
    ContactsIcons m_icons;
};
