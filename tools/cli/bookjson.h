#pragma once
// The address book in the JSON form of 'contacts vcard-read', read and written by the
// commands that take whole books (contacts merge, carddav sync), and the merge's report.

#include "contacts/contactmerge.h"
#include "contacts/contactrecord.h"
#include "tools/common/recordjson.h"

#include <QString>

#include <span>
#include <string>
#include <vector>

namespace cli {

// An address book in the form 'vcard-read' prints; a contact may carry a "uid" string.
struct JsonBook
{
    std::vector<ContactRecord> contacts;
    std::vector<std::string> uids; // one per contact, "" for none
    std::vector<GroupRecord> groups;
};

// False when the file cannot be read or is not such a book (told on the error output).
bool readJsonBook(const QString& path, JsonBook* out);

// {"contacts": [...], "groups": [...]}; a contact with a uid carries it first.
recordjson::Json bookToJson(const std::vector<ContactRecord>& contacts,
                            const std::vector<GroupRecord>& groups,
                            std::span<const std::string> uids = {});

// {"merged", "conflicts", "counts", "unfit"}
recordjson::Json mergeToJson(const contactmerge::Result& result);

} // namespace cli
