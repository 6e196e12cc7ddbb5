#pragma once
// Address-book records as the program and the device link share them, their keys and
// their limits.

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One contact (the device link's ST_LISTADDRESS). Strings hold bytes.
struct ContactRecord
{
    qint32 nIndex = 0;  // slot number given by the device link when added; 0 or more
    qint32 nGroup = -1; // -1 = the Contacts folder, otherwise a group id
    std::string strFirstName;
    std::string strLastName;
    std::string strWireless;
    std::string strEmail1;
    std::string strEmail2;
    std::string strEmail3;
    std::string strWorkNumber;
    std::string strMobileNumber;
    std::string strHomeNumber;
    std::string strFaxNumber;
    std::string strCompany;
    std::string strAddress;
    std::string strNote;
    qint32 nKey = 0; // nIndex + 1, the contact's key in the user interface

    bool operator==(const ContactRecord&) const = default;
};
using ST_LISTADDRESS = ContactRecord;

// The thirteen text fields, always in this order: dialog, text file, list columns.
struct ContactField
{
    std::string ContactRecord::*member;
    const char* fieldName;  // the member's name, as in JSON
    const char* headerName; // the column name of the text file, always English
    int nMax;               // bytes kept by import, limit of the edit field
};
constexpr int CONTACT_FIELD_COUNT = 13;
extern const std::array<ContactField, CONTACT_FIELD_COUNT> kContactFields;
// A field's name as the user reads it (dialog labels, list headers): the header name in the
// user's language. Files keep headerName itself.
QString fieldLabel(const ContactField& field);

struct GroupMember
{
    qint32 nKind = 0; // nonzero = a wireless address, 0 = an e-mail address
    std::string strEntry;

    bool operator==(const GroupMember&) const = default;
};

constexpr int MAX_GROUP_MEMBERS = 100;
constexpr int GROUP_BLOCK_SIZE = 400;
constexpr int MAX_GROUP_NAME = 40;

struct GroupRecord
{
    qint32 nGroupId = 0;
    qint32 nParent = -1; // -1 for a top-level group
    qint32 nMemberCount = 0;
    qint32 nBlockLength = 0;
    std::string strName;
    std::array<quint8, GROUP_BLOCK_SIZE> abyBlock{};
    std::array<GroupMember, MAX_GROUP_MEMBERS> aMembers{};

    bool operator==(const GroupRecord&) const = default;
};

// The mirror's lists: walked from head to tail; records keep their addresses.
using ContactList = std::list<ContactRecord>;
using GroupList = std::list<GroupRecord>;

// How the program names a contact to the user where one line must do: "First Last", else its
// first address.
std::string contactDisplayName(const ContactRecord& contact);
// Whether two contacts hold the same thirteen fields (slot, key and folder aside).
bool sameContactFields(const ContactRecord& a, const ContactRecord& b);

// Keys carried by tree items and list rows.
constexpr qint32 KEY_CONTACTS = -1; // the Contacts folder
constexpr qint32 KEY_GROUPS = -2;   // the Groups root

constexpr int MAX_CONTACTS = 250;
constexpr int MAX_GROUPS = 20;
// Groups the pager's address memory keeps. The program's own New Group command stops at
// MAX_GROUPS tree items, but "New Folder" groups and groups a download brings are not counted
// there; this bound leaves them room while keeping an upload small.
constexpr int MAX_BOOK_GROUPS = 50;
// An address is stored with a one-byte length on the pager, as in the group block.
constexpr std::size_t MAX_MEMBER_ENTRY = 255;

// Refusals told to the user; shown through QCoreApplication::translate("contacts::limits", ...).
inline constexpr const char* kExceededContactsLimits =
    QT_TRANSLATE_NOOP("contacts::limits", "Exceeded Contacts Limits(250)");
inline constexpr const char* kMaxGroupCount =
    QT_TRANSLATE_NOOP("contacts::limits", "Max Group Count = 20EA\r\nCan't Add NewGroup");

// A contact's place in the Contacts list: the names FindInsertPos orders it by.
struct ContactRow
{
    std::string first; // column 0
    std::string last;  // column 1
};
// Where a contact goes among rows ordered by first name, then last name (byte-wise,
// case-sensitive), the rows already in that order: before the first row that sorts after it,
// after all rows equal to it.
int FindInsertPos(std::span<const ContactRow> rows, std::string_view first, std::string_view last);
