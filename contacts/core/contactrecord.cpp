#include "contacts/core/contactrecord.h"

#include <algorithm>
#include <utility>

const std::array<ContactField, CONTACT_FIELD_COUNT> kContactFields = {{
    {&ContactRecord::strFirstName, "strFirstName", "First Name", 16},
    {&ContactRecord::strLastName, "strLastName", "Last Name", 16},
    {&ContactRecord::strWireless, "strWireless", "Wireless Address", 64},
    {&ContactRecord::strEmail1, "strEmail1", "Email Address #1", 64},
    {&ContactRecord::strEmail2, "strEmail2", "Email Address #2", 64},
    {&ContactRecord::strEmail3, "strEmail3", "Email Address #3", 64},
    {&ContactRecord::strWorkNumber, "strWorkNumber", "Work Number", 18},
    {&ContactRecord::strMobileNumber, "strMobileNumber", "Mobile Number", 18},
    {&ContactRecord::strHomeNumber, "strHomeNumber", "Home Number", 18},
    {&ContactRecord::strFaxNumber, "strFaxNumber", "Fax Number", 18},
    {&ContactRecord::strCompany, "strCompany", "Company Name", 32},
    {&ContactRecord::strAddress, "strAddress", "Address", 80},
    {&ContactRecord::strNote, "strNote", "Note", 32},
}};

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
