#pragma once
// Keeps the address book in its history before each step that replaces or merges much of it
// (a download, an upload, an import, a synchronize, a restore) and at the program's close.
// A snapshot that cannot be written never stops the step: the user is told, once, and told
// again only after a snapshot has been written since.

#include "contacts/core/contacthistory.h"

#include <QCoreApplication>

class AddressBook;
class QWidget;

class ContactsHistoryKeeper
{
    Q_DECLARE_TR_FUNCTIONS(ContactsHistoryKeeper)

public:
    // book outlives the keeper; folder is the history's.
    ContactsHistoryKeeper(AddressBook& book, QString folder);

    const contacthistory::History& history() const { return m_history; }
    // The book as a snapshot holds it, with its current file.
    recoverycopy::Contents contents() const;

    // Keeps the book as it is now, before event; false when it could not be written (the
    // user has been told, with parent as the box's parent, unless told already).
    bool keep(contacthistory::Event event, QWidget* parent);

private:
    AddressBook& m_book;
    contacthistory::History m_history;
    bool m_bFailureTold = false;
};
