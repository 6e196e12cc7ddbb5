#include "contacts/core/contactrecord.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

const std::array<ContactField, CONTACT_FIELD_COUNT> kContactFields = {{
    {&ContactRecord::strFirstName, "strFirstName",
     QT_TRANSLATE_NOOP("contacts::fields", "First Name"), 16},
    {&ContactRecord::strLastName, "strLastName", QT_TRANSLATE_NOOP("contacts::fields", "Last Name"),
     16},
    {&ContactRecord::strWireless, "strWireless",
     QT_TRANSLATE_NOOP("contacts::fields", "Wireless Address"), 64},
    {&ContactRecord::strEmail1, "strEmail1",
     QT_TRANSLATE_NOOP("contacts::fields", "Email Address #1"), 64},
    {&ContactRecord::strEmail2, "strEmail2",
     QT_TRANSLATE_NOOP("contacts::fields", "Email Address #2"), 64},
    {&ContactRecord::strEmail3, "strEmail3",
     QT_TRANSLATE_NOOP("contacts::fields", "Email Address #3"), 64},
    {&ContactRecord::strWorkNumber, "strWorkNumber",
     QT_TRANSLATE_NOOP("contacts::fields", "Work Number"), 18},
    {&ContactRecord::strMobileNumber, "strMobileNumber",
     QT_TRANSLATE_NOOP("contacts::fields", "Mobile Number"), 18},
    {&ContactRecord::strHomeNumber, "strHomeNumber",
     QT_TRANSLATE_NOOP("contacts::fields", "Home Number"), 18},
    {&ContactRecord::strFaxNumber, "strFaxNumber",
     QT_TRANSLATE_NOOP("contacts::fields", "Fax Number"), 18},
    {&ContactRecord::strCompany, "strCompany",
     QT_TRANSLATE_NOOP("contacts::fields", "Company Name"), 32},
    {&ContactRecord::strAddress, "strAddress", QT_TRANSLATE_NOOP("contacts::fields", "Address"),
     80},
    {&ContactRecord::strNote, "strNote", QT_TRANSLATE_NOOP("contacts::fields", "Note"), 32},
}};

QString fieldLabel(const ContactField& field)
{
    return QCoreApplication::translate("contacts::fields", field.headerName);
}

int FindInsertPos(std::span<const ContactRow> rows, std::string_view first, std::string_view last)
{
    // std::char_traits<char> compares as unsigned char, so names with bytes above 0x7F
    // sort after ASCII, as the byte values say. The rows are kept in this order, so the place
    // is the first row that sorts after the names.
    const auto after = std::upper_bound(
        rows.begin(), rows.end(), std::pair(first, last),
        [](const std::pair<std::string_view, std::string_view>& names, const ContactRow& row) {
            return names < std::pair<std::string_view, std::string_view>(row.first, row.last);
        });
    return static_cast<int>(after - rows.begin());
}

std::string contactDisplayName(const ContactRecord& contact)
{
    std::string name = contact.strFirstName;
    if (!contact.strLastName.empty()) {
        if (!name.empty())
            name += ' ';
        name += contact.strLastName;
    }
    for (const std::string* address :
         {&contact.strWireless, &contact.strEmail1, &contact.strEmail2, &contact.strEmail3}) {
        if (!name.empty())
            break;
        name = *address;
    }
    return name;
}

bool sameContactFields(const ContactRecord& a, const ContactRecord& b)
{
    return std::all_of(kContactFields.begin(), kContactFields.end(),
                       [&](const ContactField& f) { return a.*f.member == b.*f.member; });
}
