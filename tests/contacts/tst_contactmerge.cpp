// The three-way merge of address books, rule by rule. Every row runs twice: as written, and
// with the local and remote books swapped and the remote side chosen in every conflict,
// which must give the same book (local and remote values and deletions shown as written).
//
// Books are written one entry a string: a contact "UID:FIELD;FIELD;..." (the fields in the
// book's order, trailing empty ones left out), a group "[ID#]NAME=MEMBER,MEMBER" (e-mail
// members; without ID the group has no id).

#include "contacts/core/addressbook.h"
#include "contacts/core/contactmerge.h"

#include <QTest>

using namespace contactmerge;

namespace {

using Lines = std::vector<std::string>;

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Lines split(const std::string& text, char by)
{
    Lines out;
    for (size_t at = 0;; ++at) {
        const size_t end = std::min(text.find(by, at), text.size());
        out.push_back(text.substr(at, end - at));
        if ((at = end) == text.size())
            return out;
    }
}

std::string joined(const Lines& lines, char by)
{
    std::string out;
    for (const std::string& line : lines)
        out += (&line == &lines.front() ? "" : std::string(1, by)) + line;
    return out;
}

// The lines in order, one a line: what the comparisons show.
std::string sorted(Lines lines)
{
    std::sort(lines.begin(), lines.end());
    return joined(lines, '\n');
}

Lines numbered(const std::string& before, int count, const std::string& after = {})
{
    Lines out;
    for (int i = 0; i < count; ++i)
        out.push_back(before + std::to_string(i) + after);
    return out;
}

struct Book
{
    std::vector<ContactRecord> contacts;
    std::vector<std::string> uids;
    std::vector<GroupRecord> groups;

    BookView view() const { return {contacts, uids, groups}; }
};

Book bookOf(const Lines& entries)
{
    Book book;
    for (const std::string& entry : entries) {
        const size_t equals = entry.find('=');
        if (equals != std::string::npos) {
            GroupRecord& group = book.groups.emplace_back();
            const size_t hash = entry.find('#');
            group.nGroupId = hash < equals ? std::stoi(entry.substr(0, hash)) : -1;
            group.strName =
                entry.substr(hash < equals ? hash + 1 : 0, equals - (hash < equals ? hash + 1 : 0));
            for (const std::string& member : split(entry.substr(equals + 1), ',')) {
                if (!member.empty())
                    group.aMembers[size_t(group.nMemberCount++)].strEntry = member;
            }
            continue;
        }
        const size_t colon = entry.find(':');
        book.uids.push_back(entry.substr(0, colon));
        ContactRecord& contact = book.contacts.emplace_back();
        const Lines fields = split(entry.substr(colon + 1), ';');
        for (size_t i = 0; i < fields.size(); ++i)
            contact.*kContactFields[i].member = fields[i];
    }
    return book;
}

// The merged book in the notation; a group of more than four members shows their number.
std::string rendered(const Result& result)
{
    Lines out;
    for (size_t i = 0; i < result.contacts().size(); ++i) {
        Lines fields;
        for (const ContactField& f : kContactFields)
            fields.push_back(result.contacts()[i].*f.member);
        while (!fields.empty() && fields.back().empty())
            fields.pop_back();
        out.push_back(result.uids()[i] + ':' + joined(fields, ';'));
    }
    for (const GroupRecord& group : result.groups()) {
        Lines members;
        for (qint32 m = 0; m < group.nMemberCount; ++m)
            members.push_back(group.aMembers[size_t(m)].strEntry);
        std::sort(members.begin(), members.end());
        out.push_back(group.strName + '=' +
                      (members.size() > 4 ? std::to_string(members.size()) : joined(members, ',')));
    }
    return sorted(out);
}

// "WHO FIELD BASE|LOCAL|REMOTE", WHO the uid or else the name; local and remote as the row
// has them.
std::string conflicts(const Result& result, bool swapped)
{
    Lines out;
    for (const Conflict& c : result.conflicts()) {
        const std::string& local = swapped ? c.remote : c.local;
        const std::string& remote = swapped ? c.local : c.remote;
        out.push_back((c.uid.empty() ? c.name : c.uid) + ' ' + c.field + ' ' + c.base + '|' +
                      local + '|' + remote);
    }
    return sorted(out);
}

// "+ADDED -REMOVED ~CHANGED !CONFLICTS L<deleted locally> R<deleted remotely>", then "mass"
// when the guard speaks and the unfit by name ("member" for a member).
std::string counts(const Result& result, bool swapped)
{
    const Counts& n = result.counts();
    std::string text = '+' + std::to_string(n.added) + " -" + std::to_string(n.removed) + " ~" +
                       std::to_string(n.changed) + " !" + std::to_string(n.conflicts) + " L" +
                       std::to_string(result.deleted(swapped ? Side::Remote : Side::Local)) + " R" +
                       std::to_string(result.deleted(swapped ? Side::Local : Side::Remote));
    if (result.massDeletion())
        text += " mass";
    Lines unfit;
    for (const Unfit& u : result.unfit())
        unfit.push_back(u.kind == Kind::Member ? "member" : u.name);
    std::sort(unfit.begin(), unfit.end());
    if (!unfit.empty())
        text += " unfit=" + joined(unfit, ',');
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(std::string)

class TestContactMerge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void merge_data()
    {
        QTest::addColumn<Lines>("base");
        QTest::addColumn<Lines>("local");
        QTest::addColumn<Lines>("remote");
        QTest::addColumn<Lines>("merged"); // the local side chosen in every conflict
        QTest::addColumn<Lines>("conflicts");
        QTest::addColumn<std::string>("counts");
        QTest::addColumn<bool>("swapped");
        const auto row = [](const char* name, const Lines& base, const Lines& local,
                            const Lines& remote, const Lines& merged, const Lines& conflicts,
                            const std::string& counts) {
            QTest::newRow(name) << base << local << remote << merged << conflicts << counts
                                << false;
            QTest::addRow("%s, swapped", name)
                << base << remote << local << merged << conflicts << counts << true;
        };
        const Lines ann{"1:Ann;Lee;;ann@x", "2:Bob"};
        const Lines annY{"1:Ann;Lee;;ann@y", "2:Bob"};
        row("unchanged", ann, ann, ann, ann, {}, "+0 -0 ~0 !0 L0 R0");
        row("changed on one side", ann, annY, ann, annY, {}, "+0 -0 ~1 !0 L0 R0");
        row("the same change on both", ann, annY, annY, annY, {}, "+0 -0 ~1 !0 L0 R0");
        row("other fields on each side", ann, annY, {"1:Ann;Lee;555;ann@x", "2:Bob"},
            {"1:Ann;Lee;555;ann@y", "2:Bob"}, {}, "+0 -0 ~1 !0 L0 R0");
        row("one field changed differently", ann, annY, {"1:Ann;Lee;;ann@z", "2:Bob"}, annY,
            {"1 strEmail1 ann@x|ann@y|ann@z"}, "+0 -0 ~1 !1 L0 R0");
        row("added on one side", ann, ann + Lines{"9:Cy"}, ann, ann + Lines{"9:Cy"}, {},
            "+1 -0 ~0 !0 L0 R0");
        // Without uids the duplicate review's rules make them one contact.
        row("added on both", {}, {":Cy;Day;;cy@x;;;111"}, {":Cy;Day;;CY@X;;;;222"},
            {":Cy;Day;;cy@x;;;111;222"}, {"Cy Day strEmail1 |cy@x|CY@X"}, "+1 -0 ~0 !1 L0 R0");
        row("deleted on one side", ann + Lines{"3:Cy"}, ann + Lines{"3:Cy"}, ann, ann, {},
            "+0 -1 ~0 !0 L1 R0");
        row("deleted on both", ann + Lines{"3:Cy"}, ann, ann, ann, {}, "+0 -1 ~0 !0 L0 R0");
        row("deleted against changed", ann, {"1:Ann;Lee;555;ann@x", "2:Bob"}, {"2:Bob"},
            {"1:Ann;Lee;555;ann@x", "2:Bob"}, {"1 deleted |changed|deleted"}, "+0 -0 ~1 !1 L0 R0");
        row("no uid: the rules", {":Ann;Lee;;ann@x"}, {":Anne;Lee;;ann@x"},
            {":Ann;Lee;;ann@x;;;111"}, {":Anne;Lee;;ann@x;;;111"}, {}, "+0 -0 ~1 !0 L0 R0");
        row("the uid before the rules", {"1:Ann;Lee"}, {"1:Zoe;Kim"}, {"1:Ann;Lee;555"},
            {"1:Zoe;Kim;555"}, {}, "+0 -0 ~1 !0 L0 R0");
        // Of two that match by the rules, the one the same in every field goes first.
        row("namesakes", {":Jo;Li;;a@x", ":Jo;Li;;b@x"}, {":Jo;Li;;b@x", ":Jo;Li;;a@x;;;111"},
            {":Jo;Li;;a@x", ":Jo;Li;;b@x"}, {":Jo;Li;;a@x;;;111", ":Jo;Li;;b@x"}, {},
            "+0 -0 ~1 !0 L0 R0");
        // Family: renamed on one side, members added and removed on both. Work: deleted
        // against changed. Club: deleted, unchanged on the other side. Choir: no id, found
        // by name. Team: renamed on both.
        row("groups", {"3#Family=a,b,c", "4#Work=w", "5#Club=k", "Choir=x,y", "6#Team=t"},
            {"3#Folks=a,b,c,d", "4#Work=w,v", "Choir=x", "6#Crew=t"},
            {"3#Family=a,c,e", "5#Club=k", "Choir=x,y,z", "6#Squad=t"},
            {"Folks=a,c,d,e", "Work=v,w", "Choir=x,z", "Crew=t"},
            {"4 group.deleted |changed|deleted", "6 group.strName Team|Crew|Squad"},
            "+0 -1 ~4 !2 L0 R0");
        // Exactly half is not a mass deletion; all is.
        row("half deleted", ann + Lines{"3:Cy", "4:Di"}, ann + Lines{"3:Cy", "4:Di"}, ann, ann, {},
            "+0 -2 ~0 !0 L2 R0");
        row("all deleted", ann, ann, {}, {}, {}, "+0 -2 ~0 !0 L2 R0 mass");
        // Additions stop at the book's limits (a field's length, 250 contacts, 20 groups, the
        // 400 bytes of a group's block); what the base had stays.
        const Lines book =
            numbered("", MAX_CONTACTS - 1, ":N") + numbered("G", MAX_GROUPS - 2, "=");
        const std::string big = "Big=" + joined(numbered(std::string(69, 'm'), 4), ',');
        row("limits", book + Lines{big},
            book + Lines{":Yan", ":Zed", ":ABCDEFGHIJKLMNOPQ",
                         "H1=", "H2=", big + ',' + std::string(60, 'x')},
            book + Lines{big + ',' + std::string(60, 'y')}, book + Lines{":Yan", "H1=", "Big=5"},
            {}, "+2 -0 ~1 !0 L2 R0 unfit=ABCDEFGHIJKLMNOPQ,H2,Zed,member");
    }

    void merge()
    {
        QFETCH(Lines, base);
        QFETCH(Lines, local);
        QFETCH(Lines, remote);
        QFETCH(Lines, merged);
        QFETCH(Lines, conflicts);
        QFETCH(std::string, counts);
        QFETCH(bool, swapped);
        const Book books[3] = {bookOf(base), bookOf(local), bookOf(remote)};
        Result result = contactmerge::merge(books[0].view(), books[1].view(), books[2].view());
        // Both ways of choosing, each with an effect: all remote, then back one by one.
        result.chooseAll(Side::Remote);
        for (size_t i = 0; !swapped && i < result.conflicts().size(); ++i)
            result.choose(i, Side::Local);
        QCOMPARE(QString::fromStdString(rendered(result)), QString::fromStdString(sorted(merged)));
        QCOMPARE(QString::fromStdString(::conflicts(result, swapped)),
                 QString::fromStdString(sorted(conflicts)));
        QCOMPARE(QString::fromStdString(::counts(result, swapped)), QString::fromStdString(counts));
        // Slots and group ids are the book's to check.
        QCOMPARE(addressbook::checkBook(result.contacts(), result.groups(), MAX_CONTACTS,
                                        MAX_BOOK_GROUPS),
                 int(addressbook::DL_OK));
    }
};

QTEST_GUILESS_MAIN(TestContactMerge)
#include "tst_contactmerge.moc"
