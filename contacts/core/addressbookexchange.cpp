#include "contacts/core/addressbookexchange.h"

#include "contacts/core/contactstext.h"

#include "platform/atomicfile.h"

#include <algorithm>
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

// The cards of a vCard file, duplicates of the book's contacts skipped.
class VCardSource : public ContactSource
{
public:
    VCardSource(QIODevice& device, const AddressBook& book)
        : m_import(AddressBookExchange::readVCard(device, book))
    {
        // The book decides what fits: every card is offered.
        m_import.plan.room = static_cast<int>(m_import.cards.contacts.size());
        m_next = m_import.plan.additions();
    }

    bool next(ContactRecord& contact) override
    {
        if (m_at >= m_next.size())
            return false;
        const size_t index = m_next[m_at++];
        contact = m_import.cards.contacts[index];
        m_cut = static_cast<int>(m_import.cards.contactReports[index].cut.size());
        return true;
    }
    int cutFields() const override { return m_cut; }
    QString error() const override { return m_import.cards.error; }

private:
    VCardImport m_import;
    std::vector<size_t> m_next;
    size_t m_at = 0;
    int m_cut = 0;
};

std::unique_ptr<ContactSource> sourceFor(ExchangeFormat format, QIODevice& device,
                                         const AddressBook& book)
{
    switch (format) {
    case ExchangeFormat::Text:
        break;
    case ExchangeFormat::VCard40:
    case ExchangeFormat::VCard30:
        return std::make_unique<VCardSource>(device, book);
    }
    return std::make_unique<TextSource>(device);
}

vcard::Version vcardVersion(ExchangeFormat format)
{
    return format == ExchangeFormat::VCard30 ? vcard::Version::V30 : vcard::Version::V40;
}

std::vector<ContactRecord*> bookContacts(AddressBook& book)
{
    std::vector<ContactRecord*> out;
    out.reserve(book.m_AddressList.size());
    for (const auto& contact : book.m_AddressList)
        out.push_back(contact.get());
    return out;
}

bool sameGroup(const GroupRecord& a, const GroupRecord& b)
{
    if (a.strName != b.strName || a.nMemberCount != b.nMemberCount)
        return false;
    const auto count = static_cast<size_t>(std::clamp(a.nMemberCount, 0, MAX_GROUP_MEMBERS));
    return std::equal(a.aMembers.begin(), a.aMembers.begin() + static_cast<long>(count),
                      b.aMembers.begin());
}

// Adds a contact to the Contacts folder; true when the book took it (added is told).
bool addToContacts(AddressBook& book, std::unique_ptr<ContactRecord> contact,
                   const AddressBookExchange::AddedFn& added)
{
    contact->nGroup = KEY_CONTACTS;
    ContactRecord* record = contact.get();
    if (book.UpdatePagerAddress(contact, OP_ADD_CONTACT, KEY_CONTACTS) != addressbook::DL_OK)
        return false;
    if (added)
        added(*record);
    return true;
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
    const std::unique_ptr<ContactSource> source = sourceFor(m_format, device, book);
    for (;;) {
        auto contact = std::make_unique<ContactRecord>();
        if (!source->next(*contact))
            break;
        report.cutFields += source->cutFields();
        ++(addToContacts(book, std::move(contact), added) ? report.added : report.refused);
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
    return write(device, &book, nullptr);
}

bool AddressBookExchange::exportToFile(const QString& path, const AddressBook& book,
                                       QString* error) const
{
    return writeFile(path, &book, nullptr, error);
}

bool AddressBookExchange::exportVCardContacts(
    QIODevice& device, const std::vector<const ContactRecord*>& contacts) const
{
    return write(device, nullptr, &contacts);
}

bool AddressBookExchange::exportVCardContactsToFile(
    const QString& path, const std::vector<const ContactRecord*>& contacts, QString* error) const
{
    return writeFile(path, nullptr, &contacts, error);
}

bool AddressBookExchange::write(QIODevice& device, const AddressBook* book,
                                const std::vector<const ContactRecord*>* only) const
{
    switch (m_format) {
    case ExchangeFormat::Text:
        break;
    case ExchangeFormat::VCard40:
    case ExchangeFormat::VCard30: {
        vcard::Writer writer(device, vcardVersion(m_format));
        if (only) {
            for (const ContactRecord* contact : *only)
                writer.contact(*contact);
        } else if (book) {
            for (const auto& contact : book->m_AddressList)
                writer.contact(*contact);
            for (const auto& group : book->m_GroupList)
                writer.group(*group);
        }
        return writer.finish();
    }
    }
    // The text file holds whole books only.
    static const std::list<std::unique_ptr<ContactRecord>> kNone;
    return contactstext::write(device, book ? book->m_AddressList : kNone);
}

bool AddressBookExchange::writeFile(const QString& path, const AddressBook* book,
                                    const std::vector<const ContactRecord*>* only,
                                    QString* error) const
{
    QString reason;
    if (platform::writeFileAtomically(
            path, [&](QIODevice& out) { return write(out, book, only); }, &reason))
        return true;
    if (error)
        *error = reason;
    return false;
}

VCardImport AddressBookExchange::readVCard(QIODevice& device, const AddressBook& book)
{
    VCardImport import;
    import.cards = vcard::readBook(device);
    std::vector<const ContactRecord*> contacts;
    contacts.reserve(book.m_AddressList.size());
    for (const auto& contact : book.m_AddressList)
        contacts.push_back(contact.get());
    const int room = MAX_CONTACTS - static_cast<int>(book.m_AddressList.size());
    import.plan = duplicates::plan(contacts, import.cards.contacts, room);
    return import;
}

VCardImportReport AddressBookExchange::applyVCard(const VCardImport& import, AddressBook& book,
                                                  const AddedFn& added)
{
    VCardImportReport report;
    const std::vector<ContactRecord*> existing = bookContacts(book);
    for (const duplicates::Row& row : import.plan.rows) {
        if (row.action == duplicates::Action::Skip)
            ++report.skipped;
        if (row.action != duplicates::Action::Replace || row.existing >= existing.size())
            continue;
        ContactRecord& record = *existing[row.existing];
        const ContactRecord& card = import.cards.contacts[row.incoming];
        for (const ContactField& field : kContactFields)
            record.*field.member = card.*field.member;
        if (book.UpdatePagerAddress(&record, OP_CHANGE_CONTACT, record.nGroup) ==
            addressbook::DL_OK)
            ++report.replaced;
        else
            ++report.refused;
    }

    const std::vector<size_t> additions = import.plan.additions();
    report.notFit = import.plan.toAdd() - static_cast<int>(additions.size());
    for (const size_t index : additions) {
        if (book.CheckAddressSpace() == 0) {
            ++report.notFit;
            continue;
        }
        auto contact = std::make_unique<ContactRecord>(import.cards.contacts[index]);
        ++(addToContacts(book, std::move(contact), added) ? report.added : report.refused);
    }

    for (const GroupRecord& incoming : import.cards.groups) {
        const bool known =
            std::any_of(book.m_GroupList.begin(), book.m_GroupList.end(),
                        [&](const auto& group) { return sameGroup(*group, incoming); });
        if (known) {
            ++report.groupsSkipped;
            continue;
        }
        const auto topLevel = std::count_if(book.m_GroupList.begin(), book.m_GroupList.end(),
                                            [](const auto& group) { return group->nParent == -1; });
        auto group = std::make_unique<GroupRecord>(incoming);
        if (topLevel >= MAX_GROUPS ||
            book.UpdatePagerAddress(group, OP_ADD_GROUP, -1) != addressbook::DL_OK)
            ++report.groupsNotFit;
        else
            ++report.groupsAdded;
    }
    return report;
}
