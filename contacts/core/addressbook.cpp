#include "contacts/core/addressbook.h"

#include <algorithm>
#include <bitset>
#include <set>
#include <utility>

using namespace addressbook;

namespace {

bool fitsFields(const ContactRecord& contact)
{
    return std::all_of(kContactFields.begin(), kContactFields.end(), [&](const ContactField& f) {
        return (contact.*f.member).size() <= static_cast<size_t>(f.nMax);
    });
}

// Finds by address only: the pointer may name a record that is long gone, so it is never
// read before it is known to be one of ours.
template <typename T> auto findByAddress(std::list<std::unique_ptr<T>>& list, const T* record)
{
    return std::find_if(list.begin(), list.end(),
                        [record](const std::unique_ptr<T>& p) { return p.get() == record; });
}

bool isKnownOperation(int nOp)
{
    switch (nOp) {
    case OP_ADD_CONTACT:
    case OP_DELETE_CONTACT:
    case OP_CHANGE_CONTACT:
    case OP_CLEAR_ALL:
    case OP_ADD_GROUP:
    case OP_DELETE_GROUP:
    case OP_CHANGE_GROUP:
        return true;
    default:
        return false;
    }
}

int checkGroupData(const GroupRecord& group)
{
    if (group.strName.size() > static_cast<size_t>(MAX_GROUP_NAME) || group.nMemberCount < 0 ||
        group.nMemberCount > MAX_GROUP_MEMBERS || group.nBlockLength < 0 ||
        group.nBlockLength > GROUP_BLOCK_SIZE)
        return DL_INVALID_GROUP;
    const auto used = group.aMembers.begin() + group.nMemberCount;
    const bool entriesFit = std::all_of(group.aMembers.begin(), used, [](const GroupMember& m) {
        return m.strEntry.size() <= MAX_MEMBER_ENTRY;
    });
    return entriesFit ? DL_OK : DL_INVALID_GROUP;
}

} // namespace

AddressBook::AddressBook(QObject* parent) : QObject(parent) {}
AddressBook::~AddressBook() = default;

namespace addressbook {

int checkContact(const ContactRecord& contact)
{
    // -1 is the Contacts folder; other negative keys are the tree's roots, not folders.
    if (contact.nGroup < KEY_CONTACTS || !fitsFields(contact))
        return DL_INVALID_CONTACT;
    return DL_OK;
}

int checkGroup(const GroupRecord& group)
{
    if (group.nParent < -1)
        return DL_INVALID_GROUP;
    return checkGroupData(group);
}

int checkReplacement(const std::vector<ContactRecord>& contacts,
                     const std::vector<GroupRecord>& groups)
{
    return checkBook(contacts, groups, MAX_CONTACTS, MAX_BOOK_GROUPS);
}

} // namespace addressbook

int AddressBook::UpdatePagerAddress(std::unique_ptr<ContactRecord>& pData, int nOp, int nArg)
{
    if (nOp != OP_ADD_CONTACT)
        return DL_BAD_OPERATION;
    if (!pData)
        return DL_NO_DATA;
    if (nArg != pData->nGroup)
        return DL_BAD_ARGUMENT;
    if (const int check = checkContact(*pData))
        return check;

    std::bitset<MAX_CONTACTS> used;
    for (const auto& contact : m_AddressList) {
        if (contact->nIndex >= 0 && contact->nIndex < MAX_CONTACTS)
            used.set(static_cast<size_t>(contact->nIndex));
    }
    if (m_AddressList.size() >= static_cast<size_t>(MAX_CONTACTS) || used.all())
        return DL_ADDRESS_MEMORY_FULL;
    size_t slot = 0;
    while (used.test(slot))
        ++slot;

    pData->nIndex = static_cast<qint32>(slot);
    pData->nKey = pData->nIndex + 1;
    const ContactRecord* record = pData.get();
    m_acceptedContacts[record] = *pData;
    m_AddressList.push_back(std::move(pData));
    Q_EMIT contactAdded(record->nIndex + 1);
    return DL_OK;
}

int AddressBook::UpdatePagerAddress(ContactRecord* pData, int nOp, int nArg)
{
    if (nOp != OP_DELETE_CONTACT && nOp != OP_CHANGE_CONTACT)
        return DL_BAD_OPERATION;
    if (!pData)
        return DL_NO_DATA;
    const auto it = findByAddress(m_AddressList, pData);
    if (it == m_AddressList.end())
        return DL_NOT_FOUND;
    if (nOp == OP_DELETE_CONTACT)
        return nArg == pData->nGroup ? deleteContact(it) : DL_BAD_ARGUMENT;
    return changeContact(*pData, nArg == pData->nGroup ? DL_OK : DL_BAD_ARGUMENT);
}

int AddressBook::UpdatePagerAddress(const qint32* pKey, int nOp, int nArg)
{
    if (nOp != OP_DELETE_CONTACT)
        return DL_BAD_OPERATION;
    if (!pKey)
        return DL_NO_DATA;
    if (nArg != 0)
        return DL_BAD_ARGUMENT;
    const ContactRecord* contact = GetListAddress(*pKey);
    if (!contact)
        return DL_NOT_FOUND;
    return deleteContact(findByAddress(m_AddressList, contact));
}

int AddressBook::UpdatePagerAddress(std::unique_ptr<GroupRecord>& pData, int nOp, int nArg)
{
    if (nOp != OP_ADD_GROUP)
        return DL_BAD_OPERATION;
    if (!pData)
        return DL_NO_DATA;
    if (nArg != -1)
        return DL_BAD_ARGUMENT;
    // Id and place of a new group are the book's to give, whatever the record held.
    if (const int check = checkGroupData(*pData))
        return check;
    if (m_GroupList.size() >= static_cast<size_t>(MAX_BOOK_GROUPS))
        return DL_GROUP_MEMORY_FULL;

    pData->nGroupId = newGroupId();
    pData->nParent = -1;
    const GroupRecord* record = pData.get();
    m_acceptedGroups[record] = *pData;
    m_GroupList.push_back(std::move(pData));
    Q_EMIT groupAdded(record->nGroupId);
    return DL_OK;
}

int AddressBook::UpdatePagerAddress(GroupRecord* pData, int nOp, int nArg)
{
    if (nOp != OP_DELETE_GROUP && nOp != OP_CHANGE_GROUP)
        return DL_BAD_OPERATION;
    if (!pData)
        return DL_NO_DATA;
    const auto it = findByAddress(m_GroupList, pData);
    if (it == m_GroupList.end())
        return DL_NOT_FOUND;
    if (nOp == OP_CHANGE_GROUP)
        return changeGroup(*pData, nArg == pData->nGroupId ? DL_OK : DL_BAD_ARGUMENT);
    if (nArg != pData->nGroupId)
        return DL_BAD_ARGUMENT;
    // The group's members are addresses only: no contact is touched.
    const qint32 id = pData->nGroupId;
    m_acceptedGroups.erase(pData);
    m_GroupList.erase(it);
    Q_EMIT groupRemoved(id);
    return DL_OK;
}

int AddressBook::UpdatePagerAddress(std::nullptr_t, int nOp, int nArg)
{
    if (!isKnownOperation(nOp))
        return DL_BAD_OPERATION;
    if (nOp != OP_CLEAR_ALL)
        return DL_NO_DATA;
    if (nArg != -1)
        return DL_BAD_ARGUMENT;
    m_acceptedContacts.clear();
    m_acceptedGroups.clear();
    m_AddressList.clear();
    m_GroupList.clear();
    Q_EMIT bookReset();
    return DL_OK;
}

ContactRecord* AddressBook::GetListAddress(int key)
{
    return const_cast<ContactRecord*>(std::as_const(*this).GetListAddress(key));
}

const ContactRecord* AddressBook::GetListAddress(int key) const
{
    // Compared as key - 1 so that no slot number, however wild, overflows.
    if (key < 1)
        return nullptr;
    for (const auto& contact : m_AddressList) {
        if (contact->nIndex == key - 1)
            return contact.get();
    }
    return nullptr;
}

int AddressBook::CheckAddressSpace() const
{
    return m_AddressList.size() < static_cast<size_t>(MAX_CONTACTS) ? 1 : 0;
}

ContactRecord* AddressBook::findContact(qint32 key)
{
    return const_cast<ContactRecord*>(std::as_const(*this).findContact(key));
}

const ContactRecord* AddressBook::findContact(qint32 key) const
{
    for (const auto& contact : m_AddressList) {
        if (contact->nKey == key)
            return contact.get();
    }
    return nullptr;
}

GroupRecord* AddressBook::findGroup(qint32 id)
{
    return const_cast<GroupRecord*>(std::as_const(*this).findGroup(id));
}

const GroupRecord* AddressBook::findGroup(qint32 id) const
{
    for (const auto& group : m_GroupList) {
        if (group->nGroupId == id)
            return group.get();
    }
    return nullptr;
}

int AddressBook::replaceAll(std::vector<ContactRecord> contacts, std::vector<GroupRecord> groups)
{
    if (const int check = checkReplacement(contacts, groups))
        return check;

    std::list<std::unique_ptr<ContactRecord>> addressList;
    std::unordered_map<const ContactRecord*, ContactRecord> acceptedContacts;
    for (ContactRecord& contact : contacts) {
        contact.nKey = contact.nIndex + 1;
        auto& record =
            addressList.emplace_back(std::make_unique<ContactRecord>(std::move(contact)));
        acceptedContacts.emplace(record.get(), *record);
    }
    std::list<std::unique_ptr<GroupRecord>> groupList;
    std::unordered_map<const GroupRecord*, GroupRecord> acceptedGroups;
    for (GroupRecord& group : groups) {
        auto& record = groupList.emplace_back(std::make_unique<GroupRecord>(std::move(group)));
        acceptedGroups.emplace(record.get(), *record);
    }
    m_AddressList.swap(addressList);
    m_GroupList.swap(groupList);
    m_acceptedContacts.swap(acceptedContacts);
    m_acceptedGroups.swap(acceptedGroups);
    Q_EMIT bookReset();
    return DL_OK;
}

AddressBookCopy AddressBook::snapshot() const
{
    AddressBookCopy book;
    book.contacts.reserve(m_AddressList.size());
    for (const auto& contact : m_AddressList)
        book.contacts.push_back(*contact);
    book.groups.reserve(m_GroupList.size());
    for (const auto& group : m_GroupList)
        book.groups.push_back(*group);
    return book;
}

int AddressBook::deleteContact(std::list<std::unique_ptr<ContactRecord>>::iterator it)
{
    const qint32 key = (*it)->nIndex + 1;
    m_acceptedContacts.erase(it->get());
    m_AddressList.erase(it);
    Q_EMIT contactRemoved(key);
    return DL_OK;
}

int AddressBook::changeContact(ContactRecord& contact, int result)
{
    // The lists are public: a record placed there directly has no earlier state to go back
    // to, and is taken as it is now.
    ContactRecord& accepted = m_acceptedContacts.try_emplace(&contact, contact).first->second;
    if (result == DL_OK)
        result = checkContact(contact);
    // The slot is the book's: a record that claims another one is not the same record.
    if (result == DL_OK && contact.nIndex != accepted.nIndex)
        result = DL_INVALID_CONTACT;
    if (result != DL_OK) {
        // nKey is the program's to write at any time; it is not part of the change.
        const qint32 key = contact.nKey;
        contact = accepted;
        contact.nKey = key;
    } else {
        accepted = contact;
    }
    Q_EMIT contactChanged(contact.nIndex + 1);
    return result;
}

int AddressBook::changeGroup(GroupRecord& group, int result)
{
    GroupRecord& accepted = m_acceptedGroups.try_emplace(&group, group).first->second;
    if (result == DL_OK)
        result = checkGroup(group);
    if (result == DL_OK && group.nGroupId != accepted.nGroupId)
        result = DL_INVALID_GROUP;
    if (result != DL_OK)
        group = accepted;
    else
        accepted = group;
    Q_EMIT groupChanged(group.nGroupId);
    return result;
}

qint32 AddressBook::newGroupId() const
{
    // Never an id that a contact or a group still names: deleting a group leaves its
    // contacts and subgroups in place, and a new group must not adopt them. Id 0 is left
    // out too, because the Contacts window takes a remembered folder of 0 for "none".
    std::set<qint32> taken;
    for (const auto& group : m_GroupList) {
        taken.insert(group->nGroupId);
        taken.insert(group->nParent);
    }
    for (const auto& contact : m_AddressList)
        taken.insert(contact->nGroup);
    qint32 id = 1;
    for (auto it = taken.lower_bound(id); it != taken.end() && *it == id; ++it)
        ++id;
    return id;
}
