#include "contacts/widgets/contactscommand.h"

#include "contacts/core/addressbook.h"
#include "platform/messageboxservice.h"

ContactsCommand::ContactsCommand(AddressBook& book, QWidget* parent, DialogRunner runDialog)
    : QObject(parent), m_book(book), m_pParent(parent), m_runDialog(std::move(runDialog))
{
    connect(&m_book, &AddressBook::bookReset, this, [this] { ++m_nGeneration; });
}

void ContactsCommand::tellEditDropped() const
{
    // Writing the edit into whatever now holds the key would change another record.
    platform::tell(m_pParent, tr("The address book was downloaded again while this "
                                 "was open.\nYour changes were not kept."));
}
