// The Contacts window's models over an address book, each watched by the model tester.

#include "contacts/models/contactlistmodel.h"
#include "contacts/models/contactstreemodel.h"
#include "contacts/models/grouplistmodel.h"

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QTest>

#include <array>

#include "tests/contacts/bookfill.h"

namespace {

// Every row's cells, columns joined by ',' and rows by '|'.
QString cells(const QAbstractItemModel& model, const QModelIndex& parent = {})
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(parent); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(parent); ++c)
            row << model.index(r, c, parent).data().toString();
        rows << row.join(u',');
    }
    return rows.join(u'|');
}

constexpr auto kReport = QAbstractItemModelTester::FailureReportingMode::QtTest;

} // namespace

class TestContactsModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The Contacts folder in the core's order; rows added and removed in place; texts read
    // from the book by key, never kept.
    void contactList()
    {
        AddressBook book;
        addContact(book, {"bob"});
        addContact(book, {"Carl", "B"});
        addContact(book, {"Anna"});
        addContact(book, {"Carl", "A"});
        addContact(book, {"Filed"}, 0);
        ContactListModel model;
        QAbstractItemModelTester tester(&model, kReport);
        model.setBook(&book);
        QCOMPARE(cells(model), QStringLiteral("Anna,,,,,|Carl,A,,,,|Carl,B,,,,|bob,,,,,"));
        QCOMPARE(model.index(0, 0).data(ContactListModel::KeyRole).toInt(), 3); // slot 2

        const ContactRecord* bea = addContact(book, {"Bea", "", "", "", "", "bea@x"});
        QCOMPARE(model.rowOf(bea->nKey), 1);
        QCOMPARE(model.index(1, 5).data().toString(), QStringLiteral("bea@x"));
        const ContactRecord* carl = addContact(book, {"Carl", "A"});
        QCOMPARE(model.rowOf(carl->nKey), 3); // after the equal one

        // A contact gone from the book leaves its row.
        const qint32 key = model.keyAt(0);
        QCOMPARE(book.UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0), 0);
        QCOMPARE(model.rowOf(key), -1);
        QCOMPARE(model.rowCount(), 5);
    }

    // Every group (nested ones too), or one group's members; rows carry the group's id.
    void groupListings()
    {
        AddressBook book;
        const qint32 team = addGroup(book, "Team", {{1, "5551234"}, {0, "a@b.c"}})->nGroupId;
        addGroup(book, "Nested")->nParent = team;
        GroupListModel model;
        QAbstractItemModelTester tester(&model, kReport);
        model.setBook(&book);
        model.showGroups();
        QCOMPARE(cells(model), QStringLiteral("GROUP,Team|GROUP,Nested"));
        model.showMembers(team);
        QCOMPARE(cells(model), QStringLiteral("Wireless,5551234|Email,a@b.c"));
        QCOMPARE(model.index(1, 1).data(GroupListModel::KeyRole).toInt(), team);
        book.m_GroupList.front()->nMemberCount = 1; // a member gone shows nothing
        QCOMPARE(cells(model), QStringLiteral("Wireless,5551234|,"));
        model.showMembers(999);
        QCOMPARE(model.rowCount(), 0);
    }

    // The roots and the top-level groups; each change comes in row by row and keeps the
    // items of groups that stay.
    void tree()
    {
        AddressBook book;
        GroupRecord* team = addGroup(book, "Team");
        addGroup(book, "Nested")->nParent = team->nGroupId;
        GroupRecord* club = addGroup(book, "Club");
        ContactsTreeModel model;
        QAbstractItemModelTester tester(&model, kReport);
        model.setBook(&book);
        const QModelIndex groups = model.groupsRoot();
        QCOMPARE(cells(model), QStringLiteral("Contacts|Groups"));
        QCOMPARE(cells(model, groups), QStringLiteral("Team|Club"));
        QCOMPARE(ContactsTreeModel::keyOf(model.contactsRoot()), KEY_CONTACTS);
        QCOMPARE(ContactsTreeModel::keyOf(groups), KEY_GROUPS);
        QVERIFY(!(model.flags(groups) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(0, 0, groups)) & Qt::ItemIsEditable);

        const QPersistentModelIndex kept = model.groupIndex(club->nGroupId);
        QCOMPARE(book.UpdatePagerAddress(team, OP_DELETE_GROUP, team->nGroupId), 0);
        club->strName = "Crew";
        QCOMPARE(book.UpdatePagerAddress(club, OP_CHANGE_GROUP, club->nGroupId), 0);
        addGroup(book, "New");
        QCOMPARE(cells(model, groups), QStringLiteral("Crew|New"));
        QCOMPARE(kept.row(), 0);
        QCOMPARE(ContactsTreeModel::keyOf(kept), club->nGroupId);

        // A group made as a folder shows the folder pictures while it has no members; a book
        // listed afresh has no such groups.
        const ContactsIcons icons{{}, QIcon(QPixmap(1, 1)), {}, QIcon(QPixmap(1, 1))};
        model.setIcons(icons);
        const auto icon = [&](int row) {
            return model.index(row, 0, groups).data(Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        GroupRecord* folder = addGroup(book, "Folder");
        model.markFolder(folder->nGroupId);
        QCOMPARE((std::array{icon(0), icon(2)}),
                 (std::array{icons.group.cacheKey(), icons.folder.cacheKey()}));
        // ... and says so to a screen reader, which cannot see the pictures.
        const auto said = [&](int row) {
            return model.index(row, 0, groups).data(Qt::AccessibleDescriptionRole).toString();
        };
        QCOMPARE(said(0) + QLatin1Char('|') + said(2), QStringLiteral("Group|Folder"));
        folder->nMemberCount = 1;
        QCOMPARE(icon(2), icons.group.cacheKey());
        folder->nMemberCount = 0;
        const AddressBookCopy same = book.snapshot();
        QCOMPARE(book.replaceAll(same.contacts, same.groups), 0);
        QCOMPARE(icon(2), icons.group.cacheKey());

        book.UpdatePagerAddress(nullptr, OP_CLEAR_ALL, -1);
        QCOMPARE(model.rowCount(groups), 0);
    }

    // All three models follow the book's own operations, and nothing else tells them: rows
    // in and out in place, a renamed contact moved with its index, groups in and out of the
    // tree, a member listing, a book replaced whole.
    void modelsFollowTheBook()
    {
        AddressBook book;
        ContactListModel contacts;
        ContactsTreeModel tree;
        GroupListModel groups;
        GroupListModel members;
        const QAbstractItemModelTester testers[] = {
            {&contacts, kReport}, {&tree, kReport}, {&groups, kReport}, {&members, kReport}};
        contacts.setBook(&book);
        tree.setBook(&book);
        groups.setBook(&book);
        members.setBook(&book);
        groups.showGroups();
        const QModelIndex root = tree.groupsRoot();
        const auto names = [&] { return cells(contacts).remove(u','); };

        ContactRecord* carl = addContact(book, {"Carl"});
        addContact(book, {"Anna"});
        ContactRecord* bob = addContact(book, {"Bob"});
        GroupRecord* team = addGroup(book, "Team", {{1, "5551234"}});
        GroupRecord* club = addGroup(book, "Club");
        members.showMembers(team->nGroupId);
        QCOMPARE(names(), QStringLiteral("Anna|Bob|Carl"));
        QCOMPARE(cells(tree, root), QStringLiteral("Team|Club"));
        QCOMPARE(cells(groups), QStringLiteral("GROUP,Team|GROUP,Club"));
        QCOMPARE(cells(members), QStringLiteral("Wireless,5551234"));

        const QPersistentModelIndex carlRow = contacts.index(2, 0);
        carl->strFirstName = "Abe";
        QCOMPARE(book.UpdatePagerAddress(carl, OP_CHANGE_CONTACT, KEY_CONTACTS), 0);
        QCOMPARE(names(), QStringLiteral("Abe|Anna|Bob"));
        QCOMPARE(carlRow.row(), 0);

        // Bob filed under the group leaves the list; the group renamed and given a member;
        // Club nested under it leaves the tree, not the list of all groups.
        bob->nGroup = team->nGroupId;
        QCOMPARE(book.UpdatePagerAddress(bob, OP_CHANGE_CONTACT, team->nGroupId), 0);
        team->strName = "Crew";
        team->aMembers[1] = {0, "t@x"};
        team->nMemberCount = 2;
        QCOMPARE(book.UpdatePagerAddress(team, OP_CHANGE_GROUP, team->nGroupId), 0);
        club->nParent = team->nGroupId;
        QCOMPARE(book.UpdatePagerAddress(club, OP_CHANGE_GROUP, club->nGroupId), 0);
        QCOMPARE(names(), QStringLiteral("Abe|Anna"));
        QCOMPARE(cells(tree, root), QStringLiteral("Crew"));
        QCOMPARE(cells(groups), QStringLiteral("GROUP,Crew|GROUP,Club"));
        QCOMPARE(cells(members), QStringLiteral("Wireless,5551234|Email,t@x"));

        QCOMPARE(book.UpdatePagerAddress(carl, OP_DELETE_CONTACT, KEY_CONTACTS), 0);
        QCOMPARE(book.UpdatePagerAddress(team, OP_DELETE_GROUP, team->nGroupId), 0);
        QCOMPARE(names(), QStringLiteral("Anna"));
        QCOMPARE(tree.rowCount(root), 0);
        QCOMPARE(cells(groups), QStringLiteral("GROUP,Club"));
        QCOMPARE(members.rowCount(), 0);

        ContactRecord zed = contactOf({"Zed"});
        zed.nIndex = 7;
        QCOMPARE(book.replaceAll({zed}, {groupOf("New")}), 0);
        QCOMPARE(names(), QStringLiteral("Zed"));
        QCOMPARE(contacts.keyAt(0), 8);
        QCOMPARE(cells(tree, root), QStringLiteral("New"));
        QCOMPARE(cells(groups), QStringLiteral("GROUP,New"));
    }
};

QTEST_MAIN(TestContactsModels)
#include "tst_contactsmodels.moc"
