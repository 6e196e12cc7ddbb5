#pragma once
// The three-way merge of address books: the book as it stood after the last transfer with
// the pager (the base), the desktop's book (local) and the pager's (remote) give one book
// that keeps the edits of both sides.
//
// Identity. A contact is the same contact on two sides when both carry the same uid (on
// the pager the slot it came from or went to, kept with the base). A contact without a uid,
// or whose uid the base does not know, is matched by the duplicate review's rules
// (duplicates::matches) to a base contact its own side has not claimed, and failing that,
// as a new contact, to a new contact of the other side (same uid first, then the rules).
// Where several candidates match, one with all fields equal is taken before the first that
// matches by the rules. A uid given twice on one side counts only for its first contact.
// Groups are matched the same way, with the group id (0 or more) as the uid and the same
// name as the rule: a group keeps its identity through a rename only when it carries the
// id of its base group.
//
// The rules, field by field (the thirteen text fields and the folder, nGroup; for groups
// the name and nParent): changed on one side takes that side; changed on both to the same
// value is taken; changed on both to different values is a conflict. Added on one side is
// added. Deleted on one side and unchanged on the other is deleted; deleted on one side and
// changed on the other is a conflict of the whole contact (field "deleted"). Group members
// are a set: members added on either side are kept, members removed on either side go.
//
// The result holds to the address book's rules: what they refuse is listed in unfit() and
// left out of the book, never dropped silently. Nothing here reads or writes a file.

#include "contacts/core/contactrecord.h"

#include <span>
#include <string>
#include <vector>

namespace contactmerge {

enum class Side
{
    Local,
    Remote,
};

enum class Kind
{
    Contact,
    Group,
    Member, // a member of a merged group (unfit() only)
};

// One side of a merge: the caller's values, read during merge() only.
struct BookView
{
    std::span<const ContactRecord> contacts;
    // One per contact, or none at all; "" is a contact without identity.
    std::span<const std::string> uids;
    // nGroupId of 0 or more is the group's identity; a negative id is none.
    std::span<const GroupRecord> groups;
};

// A field changed differently on both sides, or a contact or group deleted on one side and
// changed on the other. Field names are those of the JSON forms (kContactFields'
// fieldName, "nGroup"); a group's are prefixed "group." ("group.strName",
// "group.nParent"). A deletion has the field "deleted" ("group.deleted"); its values are ""
// for the base, "deleted" for the side that deleted, "changed" for the other.
struct Conflict
{
    Kind kind = Kind::Contact;
    std::string uid;  // the contact's uid; a group's id in decimal, or ""
    std::string name; // "First Last", else the first address; a group's name
    std::string field;
    std::string base; // "" when the base does not have it
    std::string local;
    std::string remote;
    Side choice = Side::Local; // the side the merged book follows
};

// What the address book's rules left out of the merged book.
struct Unfit
{
    Kind kind = Kind::Contact;
    std::string uid;    // as in Conflict
    std::string name;   // for a member, its address
    std::string reason; // for the user
};

// The merged book against the base, contacts and groups together.
struct Counts
{
    int added = 0;
    int removed = 0;
    int changed = 0;   // in both, with other values
    int conflicts = 0; // resolved or not
};

class Result
{
public:
    // The merged book, under the current choices: contacts in base order, then those added
    // by the local side, then those added by the remote side; every contact with a free slot
    // (nIndex, the local one where it can, then the remote one) and nKey = nIndex + 1; every
    // group with an id of its own (the base's, else a side's while free, else a new one;
    // nGroup and nParent follow).
    const std::vector<ContactRecord>& contacts() const { return m_contacts; }
    // Parallel to contacts(): the uid of the base, else the local side, else the remote.
    const std::vector<std::string>& uids() const { return m_uids; }
    const std::vector<GroupRecord>& groups() const { return m_groups; }
    const std::vector<Conflict>& conflicts() const { return m_conflicts; }
    const std::vector<Unfit>& unfit() const { return m_unfit; }
    const Counts& counts() const { return m_counts; }

    // Contacts of a side that are not in the merged book (deleted, or left out as unfit).
    int deleted(Side side) const;
    int sideContacts(Side side) const;
    // More than half of either side's contacts, or all of them, would go: the caller asks
    // first (or refuses).
    bool massDeletion() const;

    // Resolves one conflict (an index into conflicts()), or all of them, for a side; the
    // merged book follows.
    void choose(size_t conflict, Side side);
    void chooseAll(Side side);

private:
    friend class Merger;

    // One contact or group of any side, as the merge left it.
    template <typename Record> struct Entry
    {
        Record record;   // merged; conflicting fields at the chosen side's values
        std::string uid; // contacts only
        bool inBase = false;
        bool on[2] = {};      // present on the local and the remote side
        bool changed = false; // kept with values other than the base's
        bool removed = false; // deleted by the rules
        int deletion = -1;    // its deletion conflict: kept when the survivor is chosen
        Side survivor = Side::Local;
        qint32 slots[3] = {-1, -1, -1}; // the local, remote and base nIndex (contacts)
    };

    template <typename Record> bool kept(const Entry<Record>& entry) const;
    void apply(size_t conflict, Side side);
    void build();
    void placeContacts(const std::vector<const Entry<ContactRecord>*>& placed);

    std::vector<Entry<ContactRecord>> m_contactEntries;
    std::vector<Entry<GroupRecord>> m_groupEntries;
    std::vector<size_t> m_conflictEntries; // per conflict: its entry
    std::vector<int> m_conflictFields;     // per conflict: what it sets
    std::vector<Unfit> m_memberUnfit;
    int m_sideContacts[2] = {};

    std::vector<ContactRecord> m_contacts;
    std::vector<std::string> m_uids;
    std::vector<GroupRecord> m_groups;
    std::vector<Conflict> m_conflicts;
    std::vector<Unfit> m_unfit;
    Counts m_counts;
    int m_deleted[2] = {};
};

Result merge(const BookView& base, const BookView& local, const BookView& remote);

} // namespace contactmerge
