#pragma once
// The recovery copy of the address book: the book lives only in memory until it is exported
// or uploaded, so the program keeps a copy of it in the per-user data folder after each
// change and removes it at a normal close. A copy found at start-up was left by a run that
// did not close normally.

#include "contacts/contactrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace recoverycopy {

struct Contents
{
    std::vector<ContactRecord> contacts; // with nIndex and nGroup; nKey is not kept
    std::vector<GroupRecord> groups;     // with nGroupId, nParent, members and block
    QString addressFile;                 // the current contacts file, or empty
};

// The file's name in the per-user data folder.
inline constexpr const char* kFileName = "AddressBook.recovery.json";

// The bytes of a copy (JSON; text fields as Latin-1 characters, one per byte).
QByteArray serialize(const Contents& contents);
// Reads a copy back strictly; false (with a reason) for anything not written by
// serialize(). Whether the book it holds is one the address memory keeps is the book's to
// check.
bool parse(const QByteArray& bytes, Contents* contents, QString* error);

} // namespace recoverycopy
