// What Synchronize Contacts adds to the merge: the base kept per pager, a slot as a contact's
// identity while the contact is still recognisably the one the base had there, and the book
// left for the pager. The merge's own rules are tst_contactmerge's; the whole synchronize
// against the simulator is tst_cli's.

#include "contacts/core/contactsync.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace contactsync;

namespace {

ContactRecord contact(qint32 slot, const char* first, const char* email, qint32 folder = -1)
{
    ContactRecord c;
    c.nIndex = slot;
    c.nGroup = folder;
    c.nKey = slot + 1;
    c.strFirstName = first;
    c.strEmail1 = email;
    return c;
}

GroupRecord group(qint32 id, const char* name)
{
    GroupRecord g;
    g.nGroupId = id;
    g.strName = name;
    return g;
}

} // namespace

class TestContactSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void baseStore()
    {
        QTemporaryDir dir;
        const BaseStore store(dir.filePath(QStringLiteral("bases")));
        const PagerKey pager{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("Pager 2W")};
        const AddressBookCopy book{{contact(7, "Ann", "ann@x", 3)}, {group(3, "Team")}};
        AddressBookCopy read;
        bool found = true;
        QString error;
        QVERIFY(store.read(pager, &read, &found, &error));
        QVERIFY(!found);
        QVERIFY2(store.write(pager, book, &error), qPrintable(error));
        QVERIFY(store.read(pager, &read, &found, &error));
        QVERIFY(found);
        QCOMPARE(read.contacts, book.contacts);
        QCOMPARE(read.groups, book.groups);
        // The same model on another device is another pager.
        const PagerKey other{QStringLiteral("/dev/ttyUSB1"), pager.model};
        QVERIFY(store.path(other) != store.path(pager));
        QVERIFY(store.read(other, &read, &found, &error) && !found);

        // A base that is not this pager's, or is damaged, is told, never taken for none.
        QVERIFY(QFile::copy(store.path(pager), store.path(other)));
        QVERIFY(!store.read(other, &read, &found, &error));
        QCOMPARE(error, QStringLiteral("the base of another pager (Pager 2W on /dev/ttyUSB0)"));
        QFile damaged(store.path(pager));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("{\"format\": 1, \"book\"");
        damaged.close();
        error.clear();
        QVERIFY(!store.read(pager, &read, &found, &error));
        QVERIFY(!error.isEmpty());
    }

    void freedSlotTakenByAnotherContact()
    {
        // On the pager Ann was deleted and Zed took her slot, while the desktop edited Ann:
        // a deletion against a change, and Zed a contact of his own, not Ann renamed.
        const AddressBookCopy base{{contact(5, "Ann", "ann@x")}, {}};
        AddressBookCopy desktop = base;
        desktop.contacts[0].strNote = "edited";
        const AddressBookCopy pager{{contact(5, "Zed", "zed@y")}, {}};
        const contactmerge::Result result = merge(base, desktop, slotUids(desktop.contacts), pager);
        QCOMPARE(result.conflicts().size(), size_t(1));
        QCOMPARE(result.conflicts()[0].field, "deleted");
        QCOMPARE(result.contacts().size(), size_t(2));
        QCOMPARE(result.contacts()[1].strFirstName, "Zed");
        QCOMPARE(result.contacts()[1].strEmail1, "zed@y");
    }

    void contactFiledInADeletedGroup()
    {
        // The desktop deleted the group that the pager filed Ann in: Ann is kept, in the
        // Contacts folder, for the pager keeps no folder that names nothing.
        const AddressBookCopy base{{contact(0, "Ann", "ann@x")}, {group(3, "Team")}};
        const AddressBookCopy desktop{base.contacts, {}};
        const AddressBookCopy pager{{contact(0, "Ann", "ann@x", 3)}, base.groups};
        const Outcome out = outcome(merge(base, desktop, slotUids(desktop.contacts), pager), pager);
        QVERIFY(out.book.groups.empty());
        QCOMPARE(out.book.contacts.size(), size_t(1));
        QCOMPARE(out.book.contacts[0].nGroup, KEY_CONTACTS);
        QCOMPARE(out.uids, std::vector<std::string>{"0"});
        QVERIFY(!out.pagerHoldsIt);
    }
};

QTEST_GUILESS_MAIN(TestContactSync)
#include "tst_contactsync.moc"
