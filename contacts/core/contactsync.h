#pragma once
// One Synchronize Contacts apart from the line: the base it merges against, the three books
// the merge takes, the guard against mass deletion, and the one book that the pager, the
// desktop and the next base hold afterwards. The caller (the Contacts window, quillbox-cli)
// does the transfers, the questions and the writing, in this order:
//
//   1. the pager's base from the BaseStore (none: a first synchronize, an empty base);
//   2. the pager's book downloaded; merge(base, desktop, pager);
//   3. the conflicts chosen (the review dialog, or a preferred side), then guard(): more
//      than half of a side's contacts to go is asked first (or refused);
//   4. a snapshot of the desktop's book in the history (event Synchronize);
//   5. outcome(): its book uploaded, unless the pager holds it already;
//   6. only when the upload completed, that book replaces the desktop's and is written as
//      the pager's new base. A failed upload changes neither.
//
// Identity. A contact is known by its pager slot (nIndex), the one it came from or went to
// at the last transfer, kept with the base. A slot names the same contact on a side only
// while that side's contact there is still recognisably the base's (the duplicate rules
// match, or a field keeps its value): the pager and the address book both give a freed slot
// to the next new contact, and one contact deleted and another added must not pass for one
// contact edited. A slot the base does not know names nothing. The rest is paired by the
// duplicate rules. So with an empty base (a first synchronize) the two books are paired by
// the duplicate rules alone: a contact found on both sides is merged field by field (a
// field filled on one side only takes that side; filled differently on both, a conflict),
// every other contact is added to the other side, and nothing is deleted.

#include "contacts/core/addressbook.h"
#include "contacts/core/contactmerge.h"

#include <QString>

#include <span>
#include <string>
#include <vector>

namespace contactsync {

// Which pager a base belongs to. The protocol carries no serial number, so a pager is told
// by what names it today: the device it is attached to, as the user names it (a symbolic
// link is not followed, so the simulator's --link and the system's by-id names stay the
// same while the terminal behind them changes), and the model of its identity (without the
// version, which a firmware update changes). Two pagers of one model on one device share a
// base; the duplicate rules then still pair their contacts.
struct PagerKey
{
    QString device;
    QString model;
};

// The bases' folder's name in the per-user data folder, beside the history's.
inline constexpr const char* kBaseFolderName = "ContactsBase";

// That folder in this user's data folder.
QString defaultBaseFolder();

// The bases of every pager synchronized with, one file each: the book as it stood after
// the last completed download, upload or synchronize with that pager, each contact in its
// pager slot.
class BaseStore
{
public:
    explicit BaseStore(QString folder);

    QString folder() const { return m_folder; }
    // The file of one pager's base: its model and a digest of its key.
    QString path(const PagerKey& pager) const;

    // The base of this pager: true with found false when there is none yet. False with a
    // reason for a file that cannot be read, is damaged, belongs to another pager or holds
    // a book no pager keeps (a slot twice or outside the memory): never taken for none.
    bool read(const PagerKey& pager, AddressBookCopy* base, bool* found, QString* error) const;
    // Written whole or not at all; false with the system's reason.
    bool write(const PagerKey& pager, const AddressBookCopy& base, QString* error) const;

private:
    QString m_folder;
};

// Each contact's slot in decimal: the identity of the base's and the pager's contacts, and
// of the desktop's where its slots are the pager's (the Contacts window's book after a
// transfer). A negative nIndex is no slot: "".
std::vector<std::string> slotUids(std::span<const ContactRecord> contacts);
// The slot a uid names (decimal, within the address memory), or -1.
qint32 slotOf(const std::string& uid);

// The merge of one synchronize, with the identity above. A base contact with a negative
// nIndex has no slot and is paired by the duplicate rules. desktopUids: one per desktop
// contact, the slot it was known by (quillbox-cli: the "uid" of the book's file), or
// anything else for none. Conflicts start on the desktop's side.
contactmerge::Result merge(const AddressBookCopy& base, const AddressBookCopy& desktop,
                           std::span<const std::string> desktopUids, const AddressBookCopy& pager);

// Whether the merged book, under the current choices, deletes so much that the user is
// asked first (more than half of a side's contacts, or all of them), and how much.
struct Guard
{
    bool ask = false;
    int desktopDeleted = 0;
    int desktopContacts = 0;
    int pagerDeleted = 0;
    int pagerContacts = 0;
};
Guard guard(const contactmerge::Result& result);

// The question the user answers before such a synchronize: how many contacts go on which
// side. Yes synchronizes.
QString massDeletionQuestion(const Guard& guard);

// What a synchronize leaves, once its conflicts are chosen.
struct Outcome
{
    // Uploaded, then the desktop's book and the pager's base: every contact in the slot the
    // pager will hold it in (nIndex, and nKey = nIndex + 1), every group with its id. A
    // contact or group filed in a group that the merge deleted is back at the top.
    AddressBookCopy book;
    // Per contact: its slot in decimal, its identity from now on.
    std::vector<std::string> uids;
    // The pager holds this book already (same slots, fields, folders and groups): no upload.
    bool pagerHoldsIt = false;
};
Outcome outcome(const contactmerge::Result& result, const AddressBookCopy& pager);

} // namespace contactsync
