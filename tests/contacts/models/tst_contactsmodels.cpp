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
        model.reload();
        QCOMPARE(cells(model), QStringLiteral("Anna,,,,,|Carl,A,,,,|Carl,B,,,,|bob,,,,,"));
        QCOMPARE(model.index(0, 0).data(ContactListModel::KeyRole).toInt(), 3); // slot 2

        ContactRecord* bea = addContact(book, {"Bea", "", "", "", "", "bea@x"});
        bea->nKey = bea->nIndex + 1;
        QCOMPARE(model.insertContact(*bea), 1);
        QCOMPARE(model.index(1, 5).data().toString(), QStringLiteral("bea@x"));
        ContactRecord* carl = addContact(book, {"Carl", "A"});
        carl->nKey = carl->nIndex + 1;
        QCOMPARE(model.insertContact(*carl), 3); // after the equal one

        // A contact gone from the book shows nothing; its row leaves when told.
        const qint32 key = model.keyAt(0);
        QCOMPARE(book.UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0), 0);
        QCOMPARE(model.index(0, 0).data().toString(), QString());
        model.removeContactRow(0);
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

    // The roots and the top-level groups; sync() tells each change and keeps the items of
    // groups that stay.
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
        addGroup(book, "New");
        model.sync();
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
        model.sync();
        QCOMPARE((std::array{icon(0), icon(2)}),
                 (std::array{icons.group.cacheKey(), icons.folder.cacheKey()}));
        folder->nMemberCount = 1;
        QCOMPARE(icon(2), icons.group.cacheKey());
        folder->nMemberCount = 0;
        model.reload();
        QCOMPARE(icon(2), icons.group.cacheKey());

        book.UpdatePagerAddress(nullptr, OP_CLEAR_ALL, -1);
        model.reload();
        QCOMPARE(model.rowCount(groups), 0);
    }
};

QTEST_MAIN(TestContactsModels)
#include "tst_contactsmodels.moc"
