#pragma once
// The address book: the program's copy of the pager's address memory, the contacts and
// groups the program lists, edits in place and hands back through UpdatePagerAddress, and
// the one set of rules of what the pager's memory keeps. The application owns it, as it owns
// the message store; the device link (CPager) uploads copies of it and hands back whole
// downloaded books, which replace it in one step; the pager's side of the protocol and the
// pager image check with the same rules.
//
// Every change the book takes is told by a signal once it is in place (a contact or a group
// added, changed, removed; the whole book reset), so that whatever shows the book follows it
// without being told by the caller. Records placed in the public lists directly are not
// told: they are for reading.
//
// Everything here runs on the window thread: the worker thread builds a download's result
// privately, and the program puts it in place with replaceAll() as it handles the finished
// event, so the lists are never changed while the program walks them.

#include "contacts/core/addressbookerrors.h"
#include "contacts/core/contactrecord.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <list>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

// Operation codes of UpdatePagerAddress.
enum AddressOperation : int
{
    OP_ADD_CONTACT = 8,
    OP_DELETE_CONTACT = 9,
    OP_CHANGE_CONTACT = 10,
    OP_CLEAR_ALL = 12,
    OP_ADD_GROUP = 13,
    OP_DELETE_GROUP = 14,
    OP_CHANGE_GROUP = 15,
};

// Copies of the whole address book, in list order.
struct AddressBookCopy
{
    std::vector<ContactRecord> contacts;
    std::vector<GroupRecord> groups;
};

namespace addressbook {

// Whether the pager keeps a contact as it is now (its fields and its folder; the slot is
// checked with the whole book): DL_OK or DL_INVALID_CONTACT.
int checkContact(const ContactRecord& contact);
// Whether the pager keeps a group's name, members and block, and its parent: DL_OK or
// DL_INVALID_GROUP.
int checkGroup(const GroupRecord& group);

// Whether a whole address book fits an address memory of this many contact slots and
// groups: DL_OK, DL_ADDRESS_MEMORY_FULL, DL_GROUP_MEMORY_FULL, DL_INVALID_CONTACT,
// DL_INVALID_GROUP, or DL_INVALID_ADDRESS_BOOK (a slot outside the memory or used twice, a
// group id negative or used twice).
template <typename Contacts, typename Groups>
int checkBook(const Contacts& contacts, const Groups& groups, size_t contactCapacity,
              size_t groupCapacity)
{
    if (contacts.size() > contactCapacity)
        return DL_ADDRESS_MEMORY_FULL;
    if (groups.size() > groupCapacity)
        return DL_GROUP_MEMORY_FULL;
    std::set<qint32> slots;
    for (const ContactRecord& contact : contacts) {
        if (const int check = checkContact(contact))
            return check;
        if (contact.nIndex < 0 || static_cast<size_t>(contact.nIndex) >= contactCapacity ||
            !slots.insert(contact.nIndex).second)
            return DL_INVALID_ADDRESS_BOOK;
    }
    std::set<qint32> ids;
    for (const GroupRecord& group : groups) {
        if (const int check = checkGroup(group))
            return check;
        // Negative keys name the tree's roots.
        if (group.nGroupId < 0 || !ids.insert(group.nGroupId).second)
            return DL_INVALID_ADDRESS_BOOK;
    }
    return DL_OK;
}

// Whether replaceAll takes this whole address book: DL_OK, or why it does not.
int checkReplacement(const std::vector<ContactRecord>& contacts,
                     const std::vector<GroupRecord>& groups);

} // namespace addressbook

class AddressBook : public QObject
{
    Q_OBJECT

public:
    explicit AddressBook(QObject* parent = nullptr);
    ~AddressBook() override;

    // Operation 8: adds a new contact. nArg is its folder key and must equal nGroup. On 0 the
    // record has moved into m_AddressList (pData is empty; a raw pointer taken before the
    // call stays valid) with nIndex = the lowest free slot and nKey = nIndex + 1. On any
    // other result pData still owns the record and nothing was kept.
    int UpdatePagerAddress(std::unique_ptr<ContactRecord>& pData, int nOp, int nArg);
    // Operation 9 by record (nArg = the record's nGroup) and operation 10 (the record was
    // changed in place; nArg = its nGroup). The record must be one of m_AddressList. A change
    // that the pager could not keep is refused, and the record gets back the values it had
    // when it was last accepted (nKey, the program's, is left alone).
    int UpdatePagerAddress(ContactRecord* pData, int nOp, int nArg);
    // Operation 9 by key (nArg = 0): deletes the contact GetListAddress(*pKey) names.
    int UpdatePagerAddress(const qint32* pKey, int nOp, int nArg);
    // Operation 13: adds a new group (nArg -1). On 0 the record has moved into m_GroupList
    // with a new nGroupId and nParent -1; otherwise pData still owns it.
    int UpdatePagerAddress(std::unique_ptr<GroupRecord>& pData, int nOp, int nArg);
    // Operations 14 (delete) and 15 (changed in place, refused changes are undone as for
    // contacts); nArg = the group's nGroupId. The record must be one of m_GroupList.
    int UpdatePagerAddress(GroupRecord* pData, int nOp, int nArg);
    // Operation 12: empties both lists (nArg -1).
    int UpdatePagerAddress(std::nullptr_t, int nOp, int nArg);

    // The contact in slot key - 1 (the key the program writes into nKey), or null. Slots
    // are the book's own, so this finds a contact even before the program wrote nKey.
    ContactRecord* GetListAddress(int key);
    const ContactRecord* GetListAddress(int key) const;
    // Nonzero while another contact fits.
    int CheckAddressSpace() const;

    // The first contact whose nKey is key, walking from the head of the list; null when none.
    ContactRecord* findContact(qint32 key);
    const ContactRecord* findContact(qint32 key) const;
    // The first group whose nGroupId is id; null when none.
    GroupRecord* findGroup(qint32 id);
    const GroupRecord* findGroup(qint32 id) const;

    // A finished download: the whole address book, checked first. On 0 it replaces both
    // lists (every contact keeps its slot and gets nKey = nIndex + 1); otherwise nothing
    // changes.
    int replaceAll(std::vector<ContactRecord> contacts, std::vector<GroupRecord> groups);
    // What an upload sends.
    AddressBookCopy snapshot() const;

    std::list<std::unique_ptr<ContactRecord>> m_AddressList;
    std::list<std::unique_ptr<GroupRecord>> m_GroupList;
    QString m_strAddressFile; // the current contacts text file; empty when there is none

Q_SIGNALS:
    // Contacts are named by their key (nIndex + 1), groups by their id. A change is told
    // also when it was refused and the record got its accepted values back: the record was
    // changed in place, and whatever read it meanwhile reads it again.
    void contactAdded(qint32 key);
    void contactChanged(qint32 key);
    void contactRemoved(qint32 key);
    void groupAdded(qint32 id);
    void groupChanged(qint32 id);
    void groupRemoved(qint32 id);
    // Both lists were replaced or emptied at once.
    void bookReset();

private:
    int deleteContact(std::list<std::unique_ptr<ContactRecord>>::iterator it);
    // Accepts a change made in place, or undoes it when it is refused (result nonzero on
    // entry: refused already).
    int changeContact(ContactRecord& contact, int result);
    int changeGroup(GroupRecord& group, int result);
    qint32 newGroupId() const;

    // The values each record had when it was last accepted, to undo a refused change made
    // in place. Keyed by the record's address, which the list keeps stable.
    std::unordered_map<const ContactRecord*, ContactRecord> m_acceptedContacts;
    std::unordered_map<const GroupRecord*, GroupRecord> m_acceptedGroups;
};
