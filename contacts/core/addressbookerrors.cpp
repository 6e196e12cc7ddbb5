#include "contacts/core/addressbookerrors.h"

#include "contacts/core/addressbook.h"

#include <QCoreApplication>

namespace addressbook {

QString errorText(int code)
{
    switch (code) {
    case DL_OK:
        return QCoreApplication::translate("contacts::errors", "No error.");
    case DL_ADDRESS_MEMORY_FULL:
        return QCoreApplication::translate("contacts::errors",
                                           "The address memory is full (%1 contacts).")
            .arg(MAX_CONTACTS);
    case DL_GROUP_MEMORY_FULL:
        return QCoreApplication::translate("contacts::errors",
                                           "The address memory holds no more groups (%1 groups).")
            .arg(MAX_BOOK_GROUPS);
    case DL_BAD_OPERATION:
        return QCoreApplication::translate("contacts::errors", "Unknown address book operation.");
    case DL_BAD_ARGUMENT:
        return QCoreApplication::translate("contacts::errors",
                                           "Wrong argument for the address book operation.");
    case DL_NO_DATA:
        return QCoreApplication::translate("contacts::errors", "No contact or group was given.");
    case DL_NOT_FOUND:
        return QCoreApplication::translate("contacts::errors",
                                           "The contact or group is not in the address book.");
    case DL_INVALID_CONTACT:
        return QCoreApplication::translate(
            "contacts::errors", "The contact does not fit the pager (a field is too long).");
    case DL_INVALID_GROUP:
        return QCoreApplication::translate(
            "contacts::errors",
            "The group does not fit the pager (name, members or address block too long).");
    case DL_INVALID_ADDRESS_BOOK:
        return QCoreApplication::translate("contacts::errors",
                                           "The address book is damaged (a contact slot or a "
                                           "group id is repeated or out of range).");
    default:
        return QCoreApplication::translate("contacts::errors", "Unknown error (code %1).")
            .arg(code);
    }
}

} // namespace addressbook
