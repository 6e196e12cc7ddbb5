#pragma once
// The Contacts window's contact commands on the book: New Contact, opening a contact in the
// Contact dialog, Delete Contact by keys or by folder. Which rows and which listing they act
// on is the window's to decide; the rows follow the book by themselves.

#include "contacts/widgets/contactscommand.h"

#include <vector>

class ContactCommands : public ContactsCommand
{
    Q_OBJECT

public:
    using ContactsCommand::ContactsCommand;

    // A full address memory is told before the Contact dialog opens; a contact the dialog
    // composed goes to the Contacts folder.
    void newContact();
    // The contact with this key in the Contact dialog; OK writes the fields back into it
    // (ViewAddressInfoWindow). A key without a contact does nothing.
    void openContact(qint32 key);
    // Deletes the contacts of these keys in order, stopping at the first key below 0.
    void deleteContacts(const std::vector<qint32>& keys);
    // Deletes every contact filed under this folder key (DeleteFolderStructure).
    void deleteFolder(qint32 folder);
};
