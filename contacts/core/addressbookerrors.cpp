#include "contacts/core/addressbookerrors.h"

#include "contacts/core/addressbook.h"

namespace addressbook {

QString errorText(int code)
{
    switch (code) {
    case DL_OK:
        return QStringLiteral("No error.");
    case DL_ADDRESS_MEMORY_FULL:
        return QStringLiteral("The address memory is full (%1 contacts).").arg(MAX_CONTACTS);
    case DL_GROUP_MEMORY_FULL:
        return QStringLiteral("The address memory holds no more groups (%1 groups).")
            .arg(MAX_BOOK_GROUPS);
    case DL_BAD_OPERATION:
        return QStringLiteral("Unknown address book operation.");
    case DL_BAD_ARGUMENT:
        return QStringLiteral("Wrong argument for the address book operation.");
    case DL_NO_DATA:
        return QStringLiteral("No contact or group was given.");
    case DL_NOT_FOUND:
        return QStringLiteral("The contact or group is not in the address book.");
    case DL_INVALID_CONTACT:
        return QStringLiteral("The contact does not fit the pager (a field is too long).");
    case DL_INVALID_GROUP:
        return QStringLiteral(
            "The group does not fit the pager (name, members or address block too long).");
    case DL_INVALID_ADDRESS_BOOK:
        return QStringLiteral("The address book is damaged (a contact slot or a group id is "
                              "repeated or out of range).");
    default:
        return QStringLiteral("Unknown error (code %1).").arg(code);
    }
}

} // namespace addressbook
