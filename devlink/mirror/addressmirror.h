#pragma once
// The device link's mirror of the pager's address memory: the contacts and groups the
// program lists, edits in place and hands back through UpdatePagerAddress. A contacts
// download replaces it as a whole; an upload sends a copy of it.
//
// Everything here runs on the window thread: the worker thread builds a download's result
// privately, and the result is put in place with replaceAll() before the finished event is
// handled, so the lists are never changed while the program walks them.

#include "contacts/contactrecord.h"
#include "devlink/mirror/errorcodes.h"

#include <QString>

#include <cstddef>
#include <list>
#include <memory>
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

// Groups the pager's address memory keeps. The program's own New Group command stops at
// MAX_GROUPS tree items, but "New Folder" groups and groups a download brings are not counted
// there; this bound leaves them room while keeping an upload small.
constexpr int MIRROR_MAX_GROUPS = 50;
// An address is stored with a one-byte length on the pager, as in the group block.
constexpr size_t MAX_MEMBER_ENTRY = 255;

// Copies of the whole address book, in list order.
struct AddressBook
{
    std::vector<ContactRecord> contacts;
    std::vector<GroupRecord> groups;
};

class AddressMirror
{
public:
    AddressMirror();
    ~AddressMirror();
    AddressMirror(const AddressMirror&) = delete;
    AddressMirror& operator=(const AddressMirror&) = delete;

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
    // are the mirror's own, so this finds a contact even before the program wrote nKey.
    ContactRecord* GetListAddress(int key);
    const ContactRecord* GetListAddress(int key) const;
    // Nonzero while another contact fits.
    int CheckAddressSpace() const;

    // A finished download: the whole address book, checked first. On 0 it replaces both
    // lists (every contact keeps its slot and gets nKey = nIndex + 1); otherwise nothing
    // changes.
    int replaceAll(std::vector<ContactRecord> contacts, std::vector<GroupRecord> groups);
    // What an upload sends.
    AddressBook snapshot() const;

    // Whether a record, as it is now, can be kept by the pager.
    static int checkContact(const ContactRecord& contact);
    static int checkGroup(const GroupRecord& group);

    std::list<std::unique_ptr<ContactRecord>> m_AddressList;
    std::list<std::unique_ptr<GroupRecord>> m_GroupList;
    QString m_strAddressFile; // the current contacts text file; empty when there is none

private:
    int deleteContact(std::list<std::unique_ptr<ContactRecord>>::iterator it);
    // Accepts a change made in place, or undoes it when it is refused (result nonzero on
    // entry: refused already).
    int changeContact(ContactRecord& contact, int result);
    int changeGroup(GroupRecord& group, int result);
    static int checkGroupData(const GroupRecord& group);
    qint32 newGroupId() const;

    // The values each record had when it was last accepted, to undo a refused change made
    // in place. Keyed by the record's address, which the list keeps stable.
    std::unordered_map<const ContactRecord*, ContactRecord> m_acceptedContacts;
    std::unordered_map<const GroupRecord*, GroupRecord> m_acceptedGroups;
};
