#pragma once
// Import into an address book from a file, and export of an address book to one: the
// exchange with other software, shared by the Contacts window and quillbox-cli. The window
// keeps the file dialogs and the message boxes; everything else is here.
//
// Every format reads whole contacts and hands them to the book one by one, so the book's
// rules (room, field sizes) decide what is kept, whatever the format.

#include "contacts/addressbook.h"

#include <QIODevice>
#include <QString>

#include <functional>

// The formats the exchange reads and writes.
enum class ExchangeFormat
{
    Text, // the contacts text file: one contact a line, thirteen TAB-separated fields
};

// What an import did.
struct ImportReport
{
    int added = 0;               // contacts the book took
    int refused = 0;             // contacts the book refused ("ImportAddress PagerError")
    int cutFields = 0;           // fields cut to the size the pager keeps
    bool stoppedAtLimit = false; // the book filled up: the rest of the file was not read
    QString readError;           // the device failed; what was read before stays added
};

class AddressBookExchange
{
public:
    explicit AddressBookExchange(ExchangeFormat format = ExchangeFormat::Text);

    ExchangeFormat format() const { return m_format; }

    // Called at once for each contact the book took.
    using AddedFn = std::function<void(const ContactRecord&)>;

    // Reads contacts from the device (opened for reading, without QIODevice::Text) and adds
    // each to the Contacts folder of the book, in file order, until the end of the file, a
    // read error, or the book is full: the contact that fills it is kept and nothing after
    // it is read.
    ImportReport importFrom(QIODevice& device, AddressBook& book, const AddedFn& added = {}) const;

    // Writes every contact of the book, from the head of its list, whatever its folder.
    // False on a write error (a file is flushed, so a full disk shows here).
    bool exportTo(QIODevice& device, const AddressBook& book) const;
    // Writes the file aside and puts it in place whole: a failure leaves an existing file
    // as it was. On failure *error (when given) says why.
    bool exportToFile(const QString& path, const AddressBook& book, QString* error) const;

private:
    ExchangeFormat m_format;
};
