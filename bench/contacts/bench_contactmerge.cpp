// What a Synchronize costs before the line: the three-way merge of a full address memory
// (250 contacts with every field at its limit, 20 groups of 20 members) with 50 changes on
// each side: 40 edited contacts (10 of them edited on both sides, in the same field: 10
// conflicts), 5 deleted, 5 added (one of them added on both sides), a group renamed and a
// member added or removed. Once with the pager's slots as uids, once without any (every
// contact matched by the duplicate review's rules, as `quillbox-cli contacts merge` does
// with books that carry none).
#include "bench/contacts/fullbook.h"
#include "contacts/core/contactmerge.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace contactmerge;

struct Book
{
    std::vector<ContactRecord> contacts;
    std::vector<std::string> uids;
    std::vector<GroupRecord> groups;

    BookView view(bool withUids) const
    {
        return {contacts,
                withUids ? std::span<const std::string>(uids) : std::span<const std::string>(),
                groups};
    }
};

Book baseBook()
{
    Book book;
    for (ContactRecord& contact : fullBook()) {
        contact.nIndex = qint32(book.contacts.size());
        book.uids.push_back(std::to_string(contact.nIndex));
        book.contacts.push_back(std::move(contact));
    }
    for (int g = 0; g < MAX_GROUPS; ++g) {
        GroupRecord& group = book.groups.emplace_back();
        group.nGroupId = g + 1;
        group.strName = "Group " + std::to_string(g);
        for (int m = 0; m < 20; ++m)
            group.aMembers[size_t(group.nMemberCount++)] = {1,
                                                            std::to_string(5550000 + g * 100 + m)};
    }
    return book;
}

// One side's 50 changes: contacts first..first+39 edited (their note, to text of the same
// length), five deleted from `deleted` on, five added.
Book edited(const Book& base, size_t first, size_t deleted, char mark)
{
    Book side = base;
    for (size_t i = first; i < first + 40; ++i)
        side.contacts[i].strNote.back() = mark;
    side.contacts.erase(side.contacts.begin() + long(deleted),
                        side.contacts.begin() + long(deleted) + 5);
    side.uids.erase(side.uids.begin() + long(deleted), side.uids.begin() + long(deleted) + 5);
    for (int i = 0; i < 5; ++i) {
        ContactRecord& added = side.contacts.emplace_back();
        added.strFirstName =
            i == 0 ? std::string("Both") : std::string(1, mark) + std::to_string(i);
        added.strEmail1 = added.strFirstName + "@example.org";
        added.nIndex = qint32(deleted) + i;
        side.uids.emplace_back();
    }
    side.groups[0].strName += mark;
    GroupRecord& members = side.groups[1];
    if (mark == 'L')
        members.aMembers[size_t(members.nMemberCount++)] = {0, "new@example.org"};
    else
        members.aMembers[size_t(--members.nMemberCount)] = {};
    return side;
}

void merge(benchmark::State& state, bool withUids)
{
    const Book base = baseBook();
    const Book local = edited(base, 0, 240, 'L');
    const Book remote = edited(base, 30, 245, 'R');
    const Result check =
        contactmerge::merge(base.view(withUids), local.view(withUids), remote.view(withUids));
    // 10 notes and a group's name changed both ways; the rest merges cleanly into a full book.
    if (check.conflicts().size() != 11 || check.contacts().size() != size_t(MAX_CONTACTS - 1) ||
        !check.unfit().empty())
        std::abort();
    for (auto _ : state) {
        Result result =
            contactmerge::merge(base.view(withUids), local.view(withUids), remote.view(withUids));
        benchmark::DoNotOptimize(result);
    }
}

void BM_MergeBySlot(benchmark::State& state)
{
    merge(state, true);
}

void BM_MergeByRules(benchmark::State& state)
{
    merge(state, false);
}

} // namespace

BENCHMARK(BM_MergeBySlot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MergeByRules)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
