#include "contacts/core/contactmerge.h"

#include "contacts/core/addressbook.h"
#include "contacts/core/duplicatereview.h"
#include "contacts/core/groupblock.h"
#include "platform/bytes.h"

#include <QCoreApplication>

#include <algorithm>
#include <bitset>
#include <charconv>
#include <numeric>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace contactmerge {

namespace {

// The sides as array indices: local and remote as Side says, then the base.
constexpr int kLocal = 0;
constexpr int kRemote = 1;
constexpr int kBase = 2;

// What a conflict sets: a contact's text field by its number, or one of these.
constexpr int kFolderField = CONTACT_FIELD_COUNT; // a contact's nGroup
constexpr int kGroupNameField = 0;
constexpr int kGroupParentField = 1;
constexpr int kDeletedField = -1;

// Reasons for the user, in the user's language and kept as bytes like the names beside them.
std::string reasonText(const char* text, int limit = 0)
{
    QString reason = QCoreApplication::translate("contacts::merge", text);
    if (limit > 0)
        reason = reason.arg(limit);
    return platform::fromDisplay(reason);
}

constexpr const char* kTooLong =
    QT_TRANSLATE_NOOP("contacts::merge", "a field is longer than the address book keeps");
constexpr const char* kGroupTooBig =
    QT_TRANSLATE_NOOP("contacts::merge", "a group holds at most %1 members");
constexpr const char* kTooManyGroups =
    QT_TRANSLATE_NOOP("contacts::merge", "the address book holds at most %1 groups");

int indexOf(Side side)
{
    return side == Side::Local ? kLocal : kRemote;
}

Side sideOf(int index)
{
    return index == kLocal ? Side::Local : Side::Remote;
}

bool sameName(const GroupRecord& a, const GroupRecord& b)
{
    return a.strName == b.strName;
}

// The merged value of one field, or null for a conflict.
template <typename T> const T* pick(const T& base, const T& local, const T& remote)
{
    if (local == remote || remote == base)
        return &local;
    if (local == base)
        return &remote;
    return nullptr;
}

// One side's records and their identities ("" for none).
template <typename Record> struct Input
{
    std::span<const Record> records;
    std::vector<std::string_view> keys;
};

// Links the records `fromWhich` of one side to the records `toWhich` of another that are
// not linked yet: by key first, then by the rules, where a record that is the same in every
// field goes before the first that matches.
template <typename Record, typename Same, typename Match>
void link(const Input<Record>& from, const std::vector<int>& fromWhich, const Input<Record>& to,
          const std::vector<int>& toWhich, std::vector<int>& fromLink, std::vector<int>& toLink,
          Same same, Match match)
{
    std::unordered_map<std::string_view, int> byKey;
    for (const int t : toWhich) {
        if (!to.keys[size_t(t)].empty())
            byKey.emplace(to.keys[size_t(t)], t);
    }
    const auto join = [&](int f, int t) {
        fromLink[size_t(f)] = t;
        toLink[size_t(t)] = f;
    };
    std::vector<int> rest;
    for (const int f : fromWhich) {
        const std::string_view key = from.keys[size_t(f)];
        const auto it = key.empty() ? byKey.end() : byKey.find(key);
        if (it != byKey.end() && toLink[size_t(it->second)] < 0)
            join(f, it->second);
        else
            rest.push_back(f);
    }
    for (const int f : rest) {
        const Record& record = from.records[size_t(f)];
        int found = -1;
        for (const int t : toWhich) {
            if (toLink[size_t(t)] >= 0)
                continue;
            if (same(record, to.records[size_t(t)])) {
                found = t;
                break;
            }
            if (found < 0 && match(record, to.records[size_t(t)]))
                found = t;
        }
        if (found >= 0)
            join(f, found);
    }
}

// The records of local, remote and base that are one contact (or group); -1 where a side
// does not have it.
using Triple = std::array<int, 3>;

// Base records first, in base order; then the local side's new ones, then the remote's.
template <typename Record, typename Same, typename Match>
std::vector<Triple> pairUp(const Input<Record> (&in)[3], Same same, Match match)
{
    std::vector<int> all[3];
    for (int s = 0; s < 3; ++s) {
        all[s].resize(in[s].records.size());
        std::iota(all[s].begin(), all[s].end(), 0);
    }
    std::vector<int> baseLink[2];
    std::vector<int> sideLink[2];
    std::vector<int> fresh[2];
    std::vector<int> cross[2];
    for (const int s : {kLocal, kRemote}) {
        baseLink[s].assign(in[kBase].records.size(), -1);
        sideLink[s].assign(in[s].records.size(), -1);
        link(in[s], all[s], in[kBase], all[kBase], sideLink[s], baseLink[s], same, match);
        for (const int r : all[s]) {
            if (sideLink[s][size_t(r)] < 0)
                fresh[s].push_back(r);
        }
        cross[s].assign(in[s].records.size(), -1);
    }
    link(in[kLocal], fresh[kLocal], in[kRemote], fresh[kRemote], cross[kLocal], cross[kRemote],
         same, match);

    std::vector<Triple> triples;
    triples.reserve(in[kBase].records.size() + fresh[kLocal].size() + fresh[kRemote].size());
    for (const int b : all[kBase])
        triples.push_back({baseLink[kLocal][size_t(b)], baseLink[kRemote][size_t(b)], b});
    for (const int l : fresh[kLocal])
        triples.push_back({l, cross[kLocal][size_t(l)], -1});
    for (const int r : fresh[kRemote]) {
        if (cross[kRemote][size_t(r)] < 0)
            triples.push_back({-1, r, -1});
    }
    return triples;
}

bool memberLess(const GroupMember* a, const GroupMember* b)
{
    return std::tie(a->nKind, a->strEntry) < std::tie(b->nKind, b->strEntry);
}

std::span<const GroupMember> membersOf(const GroupRecord& group)
{
    return {group.aMembers.data(),
            size_t(std::clamp(group.nMemberCount, 0, qint32(MAX_GROUP_MEMBERS)))};
}

// A group's members as a set: sorted, each once.
using MemberSet = std::vector<const GroupMember*>;

MemberSet memberSet(std::span<const GroupMember> members)
{
    MemberSet set;
    set.reserve(members.size());
    for (const GroupMember& member : members)
        set.push_back(&member);
    std::sort(set.begin(), set.end(), memberLess);
    set.erase(std::unique(set.begin(), set.end(),
                          [](const GroupMember* a, const GroupMember* b) { return *a == *b; }),
              set.end());
    return set;
}

bool contains(const MemberSet& set, const GroupMember& member)
{
    return std::binary_search(set.begin(), set.end(), &member, memberLess);
}

bool sameSet(const MemberSet& a, const MemberSet& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const GroupMember* x, const GroupMember* y) { return *x == *y; });
}

bool sameList(std::span<const GroupMember> a, std::span<const GroupMember> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

// Pairs the records of the three books and merges each contact and group into an entry
// of the result.
class Merger
{
public:
    Merger(const BookView& base, const BookView& local, const BookView& remote)
        : m_views{&local, &remote, &base}
    {
    }

    Result run()
    {
        Input<GroupRecord> groups[3];
        std::vector<std::string> ids[3];
        for (int s = 0; s < 3; ++s) {
            groups[s].records = m_views[s]->groups;
            for (const GroupRecord& group : groups[s].records)
                ids[s].push_back(group.nGroupId >= 0 ? std::to_string(group.nGroupId) : "");
            groups[s].keys.assign(ids[s].begin(), ids[s].end());
        }
        const std::vector<Triple> groupTriples = pairUp(groups, sameName, sameName);
        assignGroupIds(groups, groupTriples);
        m_result.m_groupEntries.reserve(groupTriples.size());
        for (const Triple& triple : groupTriples)
            mergeGroup(groups, triple);

        Input<ContactRecord> contacts[3];
        for (int s = 0; s < 3; ++s) {
            const BookView& view = *m_views[s];
            contacts[s].records = view.contacts;
            contacts[s].keys.resize(view.contacts.size());
            for (size_t i = 0; i < view.contacts.size() && i < view.uids.size(); ++i)
                contacts[s].keys[i] = view.uids[i];
        }
        const std::vector<Triple> contactTriples =
            pairUp(contacts, sameContactFields, duplicates::matches);
        m_result.m_contactEntries.reserve(contactTriples.size());
        for (const Triple& triple : contactTriples)
            mergeContact(contacts, triple);

        for (const int s : {kLocal, kRemote})
            m_result.m_sideContacts[s] = int(m_views[s]->contacts.size());
        m_result.build();
        return std::move(m_result);
    }

private:
    // Every group of the result gets an id: the base's; else the local or remote one while
    // no other group has it; else the lowest that nothing in any book names. Each side's ids
    // then translate to the result's.
    void assignGroupIds(const Input<GroupRecord> (&groups)[3], const std::vector<Triple>& triples)
    {
        m_groupIds.assign(triples.size(), -1);
        std::vector<qint32> taken;
        const auto take = [&](size_t t, qint32 id) {
            if (id < 0 || std::find(taken.begin(), taken.end(), id) != taken.end())
                return;
            m_groupIds[t] = id;
            taken.push_back(id);
        };
        for (const int s : {kBase, kLocal, kRemote}) {
            for (size_t t = 0; t < triples.size(); ++t) {
                if (m_groupIds[t] < 0 && triples[t][size_t(s)] >= 0)
                    take(t, groups[s].records[size_t(triples[t][size_t(s)])].nGroupId);
            }
        }
        std::vector<qint32> named;
        for (size_t t = 0; t < triples.size(); ++t) {
            if (m_groupIds[t] >= 0)
                continue;
            if (named.empty())
                named = namedIds(taken);
            qint32 id = 1;
            while (std::binary_search(named.begin(), named.end(), id))
                ++id;
            m_groupIds[t] = id;
            named.insert(std::lower_bound(named.begin(), named.end(), id), id);
        }
        for (size_t t = 0; t < triples.size(); ++t) {
            for (int s = 0; s < 3; ++s) {
                if (triples[t][size_t(s)] < 0)
                    continue;
                const qint32 own = groups[s].records[size_t(triples[t][size_t(s)])].nGroupId;
                if (own >= 0)
                    m_idMaps[s].emplace_back(own, m_groupIds[t]);
            }
        }
    }

    // Every id a group has or a contact or group names, in any book, and those taken: a
    // new group adopts none of them.
    std::vector<qint32> namedIds(const std::vector<qint32>& taken) const
    {
        std::vector<qint32> named = taken;
        for (const BookView* view : m_views) {
            for (const GroupRecord& group : view->groups)
                named.insert(named.end(), {group.nGroupId, group.nParent});
            for (const ContactRecord& contact : view->contacts)
                named.push_back(contact.nGroup);
        }
        std::sort(named.begin(), named.end());
        named.erase(std::unique(named.begin(), named.end()), named.end());
        return named;
    }

    // A group id of side s as the result numbers it; the Contacts folder and ids that name
    // no group stay as they are.
    qint32 translate(int s, qint32 id) const
    {
        if (id < 0)
            return id;
        const auto& map = m_idMaps[s];
        const auto it =
            std::find_if(map.begin(), map.end(), [id](const auto& p) { return p.first == id; });
        return it != map.end() ? it->second : id;
    }

    size_t addConflict(Kind kind, size_t entry, int field, const std::string& uid,
                       const std::string& name, std::string fieldName, std::string base,
                       std::string local, std::string remote)
    {
        m_result.m_conflicts.push_back({kind, uid, name, std::move(fieldName), std::move(base),
                                        std::move(local), std::move(remote), Side::Local});
        m_result.m_conflictEntries.push_back(entry);
        m_result.m_conflictFields.push_back(field);
        return m_result.m_conflicts.size() - 1;
    }

    // Deleted on one side: gone when the other left it as the base had it, otherwise a
    // conflict that keeps the other side's record when it is chosen.
    template <typename Record>
    void deletedOnOneSide(Result::Entry<Record>& entry, Kind kind, size_t index, int survivor,
                          bool unchanged, const std::string& name, const char* field)
    {
        if (unchanged) {
            entry.removed = true;
            return;
        }
        entry.changed = true;
        entry.survivor = sideOf(survivor);
        const std::string values[2] = {survivor == kLocal ? "changed" : "deleted",
                                       survivor == kRemote ? "changed" : "deleted"};
        entry.deletion = int(addConflict(kind, index, kDeletedField, entry.uid, name, field, {},
                                         values[0], values[1]));
    }

    void mergeContact(const Input<ContactRecord> (&in)[3], const Triple& triple)
    {
        const ContactRecord* records[3] = {};
        qint32 folders[3] = {KEY_CONTACTS, KEY_CONTACTS, KEY_CONTACTS};
        Result::Entry<ContactRecord> entry;
        for (int s = 0; s < 3; ++s) {
            if (triple[size_t(s)] < 0)
                continue;
            records[s] = &in[s].records[size_t(triple[size_t(s)])];
            folders[s] = translate(s, records[s]->nGroup);
            entry.slots[s] = records[s]->nIndex;
        }
        for (const int s : {kBase, kLocal, kRemote}) {
            if (records[s] && entry.uid.empty())
                entry.uid = in[s].keys[size_t(triple[size_t(s)])];
        }
        entry.inBase = records[kBase] != nullptr;
        entry.on[kLocal] = records[kLocal] != nullptr;
        entry.on[kRemote] = records[kRemote] != nullptr;
        const size_t index = m_result.m_contactEntries.size();
        const int only = records[kLocal] ? kLocal : kRemote;

        if (records[kLocal] && records[kRemote]) {
            static const ContactRecord kNone;
            const ContactRecord& base = records[kBase] ? *records[kBase] : kNone;
            const ContactRecord& local = *records[kLocal];
            const ContactRecord& remote = *records[kRemote];
            const std::string name = contactDisplayName(records[kBase] ? base : local);
            entry.record = local;
            for (size_t f = 0; f < kContactFields.size(); ++f) {
                const auto member = kContactFields[f].member;
                const std::string* value = pick(base.*member, local.*member, remote.*member);
                if (!value) {
                    addConflict(Kind::Contact, index, int(f), entry.uid, name,
                                kContactFields[f].fieldName, base.*member, local.*member,
                                remote.*member);
                    entry.changed = true;
                    continue;
                }
                if (value != &(local.*member))
                    entry.record.*member = *value;
                entry.changed = entry.changed || *value != base.*member;
            }
            const qint32 baseFolder = records[kBase] ? folders[kBase] : KEY_CONTACTS;
            const qint32* folder = pick(baseFolder, folders[kLocal], folders[kRemote]);
            if (!folder) {
                addConflict(Kind::Contact, index, kFolderField, entry.uid, name, "nGroup",
                            records[kBase] ? std::to_string(baseFolder) : std::string(),
                            std::to_string(folders[kLocal]), std::to_string(folders[kRemote]));
                folder = &folders[kLocal];
                entry.changed = true;
            }
            entry.record.nGroup = *folder;
            entry.changed = entry.changed || *folder != baseFolder;
        } else if (records[kLocal] || records[kRemote]) {
            entry.record = *records[only];
            entry.record.nGroup = folders[only];
            if (records[kBase]) {
                const bool unchanged =
                    sameContactFields(*records[only], *records[kBase]) && folders[only] == folders[kBase];
                deletedOnOneSide(entry, Kind::Contact, index, only, unchanged,
                                 contactDisplayName(*records[kBase]), "deleted");
            }
        } else {
            entry.removed = true;
        }
        m_result.m_contactEntries.push_back(std::move(entry));
    }

    void mergeGroup(const Input<GroupRecord> (&in)[3], const Triple& triple)
    {
        const GroupRecord* records[3] = {};
        qint32 parents[3] = {-1, -1, -1};
        for (int s = 0; s < 3; ++s) {
            if (triple[size_t(s)] < 0)
                continue;
            records[s] = &in[s].records[size_t(triple[size_t(s)])];
            parents[s] = translate(s, records[s]->nParent);
        }
        const size_t index = m_result.m_groupEntries.size();
        Result::Entry<GroupRecord> entry;
        entry.inBase = records[kBase] != nullptr;
        entry.on[kLocal] = records[kLocal] != nullptr;
        entry.on[kRemote] = records[kRemote] != nullptr;
        const qint32 id = m_groupIds[index];
        // A group that no book numbered has no identity to show.
        if (std::any_of(std::begin(records), std::end(records),
                        [](const GroupRecord* r) { return r && r->nGroupId >= 0; }))
            entry.uid = std::to_string(id);
        const int only = records[kLocal] ? kLocal : kRemote;

        if (records[kLocal] && records[kRemote]) {
            static const GroupRecord kNone;
            const GroupRecord& base = records[kBase] ? *records[kBase] : kNone;
            const GroupRecord& local = *records[kLocal];
            const GroupRecord& remote = *records[kRemote];
            const std::string& name = records[kBase] ? base.strName : local.strName;
            entry.record = local;
            const std::string* groupName = pick(base.strName, local.strName, remote.strName);
            if (!groupName) {
                addConflict(Kind::Group, index, kGroupNameField, entry.uid, name, "group.strName",
                            base.strName, local.strName, remote.strName);
                groupName = &local.strName;
                entry.changed = true;
            }
            entry.record.strName = *groupName;
            const qint32 baseParent = records[kBase] ? parents[kBase] : -1;
            const qint32* parent = pick(baseParent, parents[kLocal], parents[kRemote]);
            if (!parent) {
                addConflict(Kind::Group, index, kGroupParentField, entry.uid, name, "group.nParent",
                            records[kBase] ? std::to_string(baseParent) : std::string(),
                            std::to_string(parents[kLocal]), std::to_string(parents[kRemote]));
                parent = &parents[kLocal];
                entry.changed = true;
            }
            entry.record.nParent = *parent;
            const MemberSet baseSet = memberSet(membersOf(base));
            mergeMembers(entry, baseSet, local, remote);
            entry.changed = entry.changed || *groupName != base.strName || *parent != baseParent ||
                            !sameSet(memberSet(membersOf(entry.record)), baseSet);
        } else if (records[kLocal] || records[kRemote]) {
            entry.record = *records[only];
            entry.record.nParent = parents[only];
            if (records[kBase]) {
                const bool unchanged = records[only]->strName == records[kBase]->strName &&
                                       parents[only] == parents[kBase] &&
                                       sameSet(memberSet(membersOf(*records[only])),
                                               memberSet(membersOf(*records[kBase])));
                deletedOnOneSide(entry, Kind::Group, index, only, unchanged,
                                 records[kBase]->strName, "group.deleted");
            }
        } else {
            entry.removed = true;
        }
        entry.record.nGroupId = id;
        m_result.m_groupEntries.push_back(std::move(entry));
    }

    // Members in local order, then the remote side's additions; a member of the base stays
    // only while both sides kept it. The pager's block is rebuilt when the list is new;
    // members that do not fit it, or go past the hundredth, are reported.
    void mergeMembers(Result::Entry<GroupRecord>& entry, const MemberSet& base,
                      const GroupRecord& local, const GroupRecord& remote)
    {
        const MemberSet localSet = memberSet(membersOf(local));
        const MemberSet remoteSet = memberSet(membersOf(remote));
        std::vector<GroupMember> merged;
        MemberSet emitted;
        const auto emit = [&](const GroupMember& member) {
            const auto at = std::lower_bound(emitted.begin(), emitted.end(), &member, memberLess);
            if (at != emitted.end() && **at == member)
                return;
            emitted.insert(at, &member);
            merged.push_back(member);
        };
        for (const GroupMember& member : membersOf(local)) {
            if (!contains(base, member) || contains(remoteSet, member))
                emit(member);
        }
        for (const GroupMember& member : membersOf(remote)) {
            if (!contains(localSet, member) && !contains(base, member))
                emit(member);
        }

        GroupRecord& group = entry.record;
        if (sameList(merged, membersOf(local)))
            return;
        if (sameList(merged, membersOf(remote))) {
            group.aMembers = remote.aMembers;
            group.nMemberCount = remote.nMemberCount;
            group.abyBlock = remote.abyBlock;
            group.nBlockLength = remote.nBlockLength;
            return;
        }
        GroupBlock block;
        group.aMembers = {};
        group.nMemberCount = 0;
        for (const GroupMember& member : merged) {
            std::string reason;
            if (group.nMemberCount == MAX_GROUP_MEMBERS)
                reason = reasonText(kGroupTooBig, MAX_GROUP_MEMBERS);
            else if (!member.strEntry.empty())
                reason = platform::fromDisplay(QCoreApplication::translate(
                    "contacts::groupblock",
                    block.append(member.nKind, member.strEntry).message.c_str()));
            if (!reason.empty()) {
                m_result.m_memberUnfit.push_back(
                    {Kind::Member, entry.uid, member.strEntry, std::move(reason)});
                continue;
            }
            group.aMembers[size_t(group.nMemberCount++)] = member;
        }
        block.store(group);
    }

    const BookView* m_views[3];
    Result m_result;
    std::vector<qint32> m_groupIds;                     // per group triple
    std::vector<std::pair<qint32, qint32>> m_idMaps[3]; // side id -> result id
};

Result merge(const BookView& base, const BookView& local, const BookView& remote)
{
    return Merger(base, local, remote).run();
}

template <typename Record> bool Result::kept(const Entry<Record>& entry) const
{
    if (entry.removed)
        return false;
    return entry.deletion < 0 || m_conflicts[size_t(entry.deletion)].choice == entry.survivor;
}

void Result::build()
{
    m_contacts.clear();
    m_uids.clear();
    m_groups.clear();
    m_contacts.reserve(m_contactEntries.size());
    m_uids.reserve(m_contactEntries.size());
    m_groups.reserve(m_groupEntries.size());
    m_unfit = m_memberUnfit;
    m_counts = {};
    m_counts.conflicts = int(m_conflicts.size());
    m_deleted[kLocal] = m_deleted[kRemote] = 0;
    const auto count = [this](const auto& entry, bool in) {
        if (in && !entry.inBase)
            ++m_counts.added;
        else if (!in && entry.inBase)
            ++m_counts.removed;
        else if (in && entry.changed)
            ++m_counts.changed;
    };

    // Groups the base had come first and keep their place up to what the book holds;
    // groups added by the merge stop where New Group would.
    int topLevel = 0;
    for (const Entry<GroupRecord>& entry : m_groupEntries) {
        bool in = false;
        if (kept(entry)) {
            std::string reason;
            if (addressbook::checkGroup(entry.record) != addressbook::DL_OK)
                reason = reasonText(kTooLong);
            else if (m_groups.size() >= size_t(MAX_BOOK_GROUPS))
                reason = reasonText(kTooManyGroups, MAX_BOOK_GROUPS);
            else if (!entry.inBase && topLevel >= MAX_GROUPS)
                reason = reasonText(kTooManyGroups, MAX_GROUPS);
            if (reason.empty()) {
                m_groups.push_back(entry.record);
                topLevel += entry.record.nParent == -1 ? 1 : 0;
                in = true;
            } else {
                m_unfit.push_back({Kind::Group, entry.uid, entry.record.strName, reason});
            }
        }
        count(entry, in);
    }

    std::vector<const Entry<ContactRecord>*> placed;
    placed.reserve(m_contactEntries.size());
    for (const Entry<ContactRecord>& entry : m_contactEntries) {
        bool in = false;
        if (kept(entry)) {
            std::string reason;
            if (addressbook::checkContact(entry.record) != addressbook::DL_OK)
                reason = reasonText(kTooLong);
            else if (m_contacts.size() >= size_t(MAX_CONTACTS))
                reason = platform::fromDisplay(
                    QCoreApplication::translate("contacts::limits", kExceededContactsLimits));
            if (reason.empty()) {
                m_contacts.push_back(entry.record);
                m_uids.push_back(entry.uid);
                placed.push_back(&entry);
                in = true;
            } else {
                m_unfit.push_back({Kind::Contact, entry.uid, contactDisplayName(entry.record),
                                   std::move(reason)});
            }
        }
        count(entry, in);
        for (const int s : {kLocal, kRemote})
            m_deleted[s] += entry.on[s] && !in ? 1 : 0;
    }
    placeContacts(placed);
}

void Result::placeContacts(const std::vector<const Entry<ContactRecord>*>& placed)
{
    // Each contact keeps a slot it had where no contact before it took that slot already.
    std::bitset<MAX_CONTACTS> used;
    std::vector<size_t> later;
    for (size_t i = 0; i < placed.size(); ++i) {
        m_contacts[i].nIndex = -1;
        for (const qint32 slot : placed[i]->slots) {
            if (slot >= 0 && slot < MAX_CONTACTS && !used.test(size_t(slot))) {
                used.set(size_t(slot));
                m_contacts[i].nIndex = slot;
                break;
            }
        }
        if (m_contacts[i].nIndex < 0)
            later.push_back(i);
    }
    size_t free = 0;
    for (const size_t i : later) {
        while (used.test(free))
            ++free;
        used.set(free);
        m_contacts[i].nIndex = qint32(free);
    }
    for (ContactRecord& contact : m_contacts)
        contact.nKey = contact.nIndex + 1;
}

int Result::deleted(Side side) const
{
    return m_deleted[indexOf(side)];
}

int Result::sideContacts(Side side) const
{
    return m_sideContacts[indexOf(side)];
}

bool Result::massDeletion() const
{
    for (const int s : {kLocal, kRemote}) {
        if (m_deleted[s] > 0 &&
            (m_deleted[s] * 2 > m_sideContacts[s] || m_deleted[s] == m_sideContacts[s]))
            return true;
    }
    return false;
}

void Result::choose(size_t conflict, Side side)
{
    if (conflict >= m_conflicts.size())
        return;
    apply(conflict, side);
    build();
}

void Result::chooseAll(Side side)
{
    for (size_t i = 0; i < m_conflicts.size(); ++i)
        apply(i, side);
    build();
}

void Result::apply(size_t conflict, Side side)
{
    Conflict& c = m_conflicts[conflict];
    c.choice = side;
    const std::string& value = side == Side::Local ? c.local : c.remote;
    const int field = m_conflictFields[conflict];
    const size_t entry = m_conflictEntries[conflict];
    qint32 number = 0;
    if (field == kFolderField || (c.kind == Kind::Group && field == kGroupParentField))
        std::from_chars(value.data(), value.data() + value.size(), number);
    if (field == kDeletedField) {
        // Whether the entry stays is read from the choice.
    } else if (c.kind == Kind::Group) {
        GroupRecord& group = m_groupEntries[entry].record;
        if (field == kGroupNameField)
            group.strName = value;
        else
            group.nParent = number;
    } else if (field == kFolderField) {
        m_contactEntries[entry].record.nGroup = number;
    } else {
        m_contactEntries[entry].record.*kContactFields[size_t(field)].member = value;
    }
}

} // namespace contactmerge
