#pragma once
// Records and address books for the contacts tests, filled as the program's commands fill
// them.

#include "contacts/core/addressbook.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

// A contact with its first fields in the book's field order: first name, last name,
// wireless address, e-mail addresses 1 to 3, and so on.
inline ContactRecord contactOf(std::initializer_list<const char*> fields)
{
    ContactRecord contact;
    size_t i = 0;
    for (const char* field : fields)
        contact.*kContactFields[i++].member = field;
    return contact;
}

inline GroupRecord groupOf(const char* name, const std::vector<GroupMember>& members = {})
{
    GroupRecord group;
    group.strName = name;
    std::copy(members.begin(), members.end(), group.aMembers.begin());
    group.nMemberCount = static_cast<qint32>(members.size());
    return group;
}

// Adds the contact to `folder`; gives the record now in the book, or null if it was refused.
inline ContactRecord* addContact(AddressBook& book, std::initializer_list<const char*> fields,
                                 qint32 folder = KEY_CONTACTS)
{
    auto contact = std::make_unique<ContactRecord>(contactOf(fields));
    contact->nGroup = folder;
    ContactRecord* record = contact.get();
    return book.UpdatePagerAddress(contact, OP_ADD_CONTACT, folder) == 0 ? record : nullptr;
}

// Adds a top-level group with the block a pager holds for it; gives the record now in the
// book, or null if it was refused.
inline GroupRecord* addGroup(AddressBook& book, const char* name,
                             const std::vector<GroupMember>& members = {},
                             const std::vector<quint8>& block = {})
{
    auto group = std::make_unique<GroupRecord>(groupOf(name, members));
    std::copy(block.begin(), block.end(), group->abyBlock.begin());
    group->nBlockLength = static_cast<qint32>(block.size());
    GroupRecord* record = group.get();
    return book.UpdatePagerAddress(group, OP_ADD_GROUP, -1) == 0 ? record : nullptr;
}
