#include "contacts/widgets/contactshistorykeeper.h"

#include "contacts/core/addressbook.h"
#include "platform/messageboxservice.h"

#include <QDir>

ContactsHistoryKeeper::ContactsHistoryKeeper(AddressBook& book, QString folder)
    : m_book(book), m_history(std::move(folder))
{
}

recoverycopy::Contents ContactsHistoryKeeper::contents() const
{
    AddressBookCopy copy = m_book.snapshot();
    return {std::move(copy.contacts), std::move(copy.groups), m_book.m_strAddressFile};
}

bool ContactsHistoryKeeper::keep(contacthistory::Event event, QWidget* parent)
{
    QString error;
    if (!m_history.keep(event, contents(), &error).isEmpty()) {
        m_bFailureTold = false;
        return true;
    }
    // Every step that keeps a snapshot would say the same again: once is enough until the
    // history can be written again.
    if (!m_bFailureTold) {
        m_bFailureTold = true;
        platform::showMessage(parent,
                              tr("The address book could not be kept in its history:\n%1\n%2\n\n"
                                 "Quillbox goes on; this step cannot be undone from Contacts "
                                 "History.")
                                  .arg(QDir::toNativeSeparators(m_history.folder()), error),
                              {}, platform::MessageButtons::Ok, platform::MessageIcon::Warning);
    }
    return false;
}
