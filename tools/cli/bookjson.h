#pragma once
// The address book as 'contacts vcard-read' prints it and 'contacts merge' and
// 'pager sync-contacts' take it: {"contacts": [...], "groups": [...]}, a contact's optional
// "uid" first (its identity in a merge); and the report a merge prints.

#include "contacts/core/contactmerge.h"
#include "contacts/core/contactstext.h"
#include "tools/common/recordjson.h"

#include <QString>

#include <span>
#include <string>
#include <vector>

namespace cli {

struct JsonBook
{
    std::vector<ContactRecord> contacts; // nIndex 0, in the Contacts folder
    std::vector<std::string> uids;       // one per contact, "" for none
    std::vector<GroupRecord> groups;     // no id (-1), top-level, no block
};

contactstext::Fields fieldsOf(const ContactRecord& contact);

recordjson::Json bookToJson(const std::vector<ContactRecord>& contacts,
                            const std::vector<GroupRecord>& groups,
                            std::span<const std::string> uids = {});

// Such a book from its JSON document; recordjson::FormError names the place of a fault.
JsonBook jsonBookFromJson(const recordjson::Json& document);
// False when the file cannot be read or is not such a book (told on the error output).
bool readJsonBook(const QString& path, JsonBook* out);

// Matching by the duplicate rules compares every contact with every other: a book far beyond
// what the address book holds (ten times) would take hours. False, told, for such a book.
bool withinMergeLimits(const QString& path, size_t contacts, size_t groups);

// {"merged", "conflicts", "counts", "unfit"}.
recordjson::Json mergeReport(const contactmerge::Result& result);

} // namespace cli
