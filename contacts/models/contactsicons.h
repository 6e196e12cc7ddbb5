#pragma once
// The pictures the Contacts window's models give their rows.

#include <QIcon>

struct ContactsIcons
{
    QIcon addressBook; // the "Contacts" root
    QIcon folder;      // the "Groups" root
    QIcon card;        // a contact, a group member
    QIcon group;       // a group
};
