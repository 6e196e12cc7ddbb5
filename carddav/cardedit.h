#pragma once
// One server card against the address book's contact: read it, write a new one, and edit a
// stored one so that only the properties behind the changed fields are rewritten. What the
// address book has no field for (photos, birthdays, further numbers and e-mails, X-
// properties, groups of properties, unknown parameters) stays byte for byte.

#include "contacts/core/contactrecord.h"
#include "contacts/core/vcard.h"

#include <QByteArray>

#include <string>

namespace carddav {

struct ServerCard
{
    bool readable = false; // one vCard the reader takes
    bool isGroup = false;
    ContactRecord contact;
    std::string uid;
    vcard::Version version = vcard::Version::V30;
    vcard::FitReport report;
};

ServerCard readServerCard(const QByteArray& card);

// A new card for contact, with its UID, in version (2.1 is written as 3.0).
QByteArray newCard(const ContactRecord& contact, const std::string& uid, vcard::Version version);

// stored with the properties behind the fields that differ from contact rewritten (removed,
// replaced, or added before END:VCARD) and every other line kept as it was. stored itself
// when no mapped field differs.
QByteArray editCard(const QByteArray& stored, const ContactRecord& contact);

// The thirteen fields of two contacts are the same.
bool sameFields(const ContactRecord& a, const ContactRecord& b);

} // namespace carddav
