#pragma once
// Import into an address book from a file, and export of an address book to one: the
// exchange with other software, shared by the Contacts window and quillbox-cli. The window
// keeps the file dialogs and the message boxes; everything else is here.
//
// Every format reads whole contacts and hands them to the book one by one, so the book's
// rules (room, field sizes) decide what is kept, whatever the format.

#include "contacts/core/addressbook.h"
#include "contacts/core/duplicatereview.h"
#include "contacts/core/vcard.h"

#include <QIODevice>
#include <QString>

#include <functional>

// The formats the exchange reads and writes.
enum class ExchangeFormat
{
    Text,    // the contacts text file: one contact a line, thirteen TAB-separated fields
    VCard40, // vCard 4.0 (reads 2.1, 3.0 and 4.0), contacts and groups: docs/vcard.md
    VCard30, // vCard 3.0 for older address books
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

// A vCard file read and compared with the book, before anything is added: the duplicate
// review changes the plan, then applyVCard carries it out.
struct VCardImport
{
    vcard::Book cards;
    duplicates::Plan plan; // indices into cards.contacts and the book's m_AddressList
};

// What a vCard import did.
struct VCardImportReport
{
    int added = 0;
    int replaced = 0;
    int skipped = 0; // duplicates left as they were
    int notFit = 0;  // contacts the address memory had no room for
    int refused = 0; // contacts or changes the book refused
    int groupsAdded = 0;
    int groupsSkipped = 0; // groups the book already has, with the same name and members
    int groupsNotFit = 0;  // groups beyond MAX_GROUPS, or refused
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

    // vCard export of chosen contacts only (no groups).
    bool exportVCardContacts(QIODevice& device,
                             const std::vector<const ContactRecord*>& contacts) const;
    bool exportVCardContactsToFile(const QString& path,
                                   const std::vector<const ContactRecord*>& contacts,
                                   QString* error) const;

    // Reads every card of a vCard file and compares the contacts with the book.
    static VCardImport readVCard(QIODevice& device, const AddressBook& book);
    // Carries out a plan on the book it was made with: replaces, then adds (in file order,
    // while there is room), then adds the groups (up to MAX_GROUPS top-level groups; a
    // group the book already has is skipped). Added contacts go to the Contacts folder.
    static VCardImportReport applyVCard(const VCardImport& import, AddressBook& book,
                                        const AddedFn& added = {});

private:
    // Writes the whole book, or only the contacts chosen (book null).
    bool write(QIODevice& device, const AddressBook* book,
               const std::vector<const ContactRecord*>* only) const;
    bool writeFile(const QString& path, const AddressBook* book,
                   const std::vector<const ContactRecord*>* only, QString* error) const;

    ExchangeFormat m_format;
};
