#include "contacts/addressbookexchange.h"

#include "contacts/contactstext.h"

#include "platform/atomicfile.h"

#include <memory>

namespace {

// One format's reader: whole contacts, one at a time.
class ContactSource
{
public:
    virtual ~ContactSource() = default;
    // The next contact's fields into contact; false at the end or on a read error.
    virtual bool next(ContactRecord& contact) = 0;
    // Fields of the last contact cut to their Max.
    virtual int cutFields() const = 0;
    virtual QString error() const = 0;
};

class TextSource : public ContactSource
{
public:
    explicit TextSource(QIODevice& device) : m_reader(device) {}

    bool next(ContactRecord& contact) override
    {
        if (!m_reader.next(m_fields))
            return false;
        for (size_t i = 0; i < kContactFields.size(); ++i)
            contact.*kContactFields[i].member = std::move(m_fields[i]);
        return true;
    }
    int cutFields() const override { return m_reader.cutFields(); }
    QString error() const override { return m_reader.error(); }

private:
    contactstext::Reader m_reader;
    contactstext::Fields m_fields;
};

std::unique_ptr<ContactSource> sourceFor(ExchangeFormat format, QIODevice& device)
{
    switch (format) {
    case ExchangeFormat::Text:
        break;
    }
    return std::make_unique<TextSource>(device);
}

} // namespace

AddressBookExchange::AddressBookExchange(ExchangeFormat format) : m_format(format) {}

ImportReport AddressBookExchange::importFrom(QIODevice& device, AddressBook& book,
                                             const AddedFn& added) const
{
    ImportReport report;
    // A book that is full already takes nothing, and nothing is read.
    if (book.CheckAddressSpace() == 0) {
        report.stoppedAtLimit = true;
        return report;
    }
    const std::unique_ptr<ContactSource> source = sourceFor(m_format, device);
    for (;;) {
        auto contact = std::make_unique<ContactRecord>();
        if (!source->next(*contact))
            break;
        report.cutFields += source->cutFields();
        contact->nGroup = KEY_CONTACTS;
        ContactRecord* record = contact.get();
        if (book.UpdatePagerAddress(contact, OP_ADD_CONTACT, KEY_CONTACTS) == addressbook::DL_OK) {
            ++report.added;
            if (added)
                added(*record);
        } else {
            ++report.refused;
        }
        if (book.CheckAddressSpace() == 0) {
            report.stoppedAtLimit = true;
            return report;
        }
    }
    report.readError = source->error();
    return report;
}

bool AddressBookExchange::exportTo(QIODevice& device, const AddressBook& book) const
{
    switch (m_format) {
    case ExchangeFormat::Text:
        break;
    }
    return contactstext::write(device, book.m_AddressList);
}

bool AddressBookExchange::exportToFile(const QString& path, const AddressBook& book,
                                       QString* error) const
{
    QString reason;
    if (platform::writeFileAtomically(
            path, [&](QIODevice& out) { return exportTo(out, book); }, &reason))
        return true;
    if (error)
        *error = reason;
    return false;
}
