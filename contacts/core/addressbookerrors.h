#pragma once
// Results of the address book's operations and checks. They share one number space with
// the transfer errors of the wire protocol, which keep below 100: the address book owns
// 100..199, so that the device link's one GetErrorMessage can tell every code apart.

#include <QString>

namespace addressbook {

enum AddressBookResult : int
{
    DL_OK = 0,
    // The address memory holds MAX_CONTACTS contacts already.
    DL_ADDRESS_MEMORY_FULL = 100,
    // The group memory holds MAX_BOOK_GROUPS groups already.
    DL_GROUP_MEMORY_FULL = 101,
    // The operation code is unknown, or does not take this kind of data.
    DL_BAD_OPERATION = 102,
    // nArg does not belong with the operation and the data.
    DL_BAD_ARGUMENT = 103,
    // A null record or key where one is needed.
    DL_NO_DATA = 104,
    // The record or key is not in the address book.
    DL_NOT_FOUND = 105,
    // A contact field is longer than the pager keeps, or its folder is not a valid key.
    DL_INVALID_CONTACT = 106,
    // A group's name, members or block do not fit the pager's group record.
    DL_INVALID_GROUP = 107,
    // Two contacts share a slot, a slot lies outside the address memory, or two groups share
    // an id (a whole address book handed over at once).
    DL_INVALID_ADDRESS_BOOK = 108,
};

constexpr int kFirstAddressBookError = 100;
constexpr int kLastAddressBookError = 199;

constexpr bool isAddressBookError(int code)
{
    return code >= kFirstAddressBookError && code <= kLastAddressBookError;
}

// The English text of an address-book result; a neutral text for codes outside the range.
QString errorText(int code);

} // namespace addressbook
