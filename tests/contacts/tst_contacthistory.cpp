// The address book's history: snapshots come back as kept, newest first, and only the old
// ones beyond the newest few are let go.

#include "contacts/core/contacthistory.h"
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace contacthistory;

class TestContactHistory : public QObject
{
    Q_OBJECT

    static recoverycopy::Contents book(int contacts, int groups)
    {
        recoverycopy::Contents contents;
        for (int i = 0; i < contacts; ++i) {
            ContactRecord& c = contents.contacts.emplace_back();
            c.nIndex = i;
            c.strFirstName = std::to_string(i).insert(0, 1, 'N');
        }
        for (int i = 0; i < groups; ++i) {
            GroupRecord& g = contents.groups.emplace_back();
            g.nGroupId = i + 1;
            g.strName = std::to_string(i).insert(0, 1, 'G');
        }
        return contents;
    }

private Q_SLOTS:
    void keepsListsAndReads()
    {
        QTemporaryDir dir;
        History history(dir.filePath(QStringLiteral("h")));
        const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-12-06T10:00:00Z"),
                                                   Qt::ISODate);
        QString error;
        const QString first = history.keep(Event::Download, book(3, 1), &error, t0);
        QVERIFY2(!first.isEmpty(), qPrintable(error));
        // Two within one millisecond get distinct ids, in order.
        const QString second = history.keep(Event::VCardImport, book(2, 0), &error, t0);
        const QString third = history.keep(Event::Close, book(0, 0), &error, t0.addSecs(5));
        QCOMPARE(first, QStringLiteral("20261206T100000000Z"));
        QCOMPARE(second, QStringLiteral("20261206T100000001Z"));

        // Not snapshots, or damaged: passed over, the damaged one named.
        QVERIFY(platform::writeFileAtomically(dir.filePath(QStringLiteral("h/notes.json")), "x",
                                              &error));
        QVERIFY(platform::writeFileAtomically(
            dir.filePath(QStringLiteral("h/20261206T090000000Z-upload.json")), "{", &error));
        QStringList damaged;
        const std::vector<Snapshot> listed = history.list(&damaged);
        QCOMPARE(damaged.size(), 1);
        QVERIFY(damaged[0].startsWith(QLatin1String("20261206T090000000Z-upload.json: ")));
        QCOMPARE(listed.size(), size_t(3));
        QCOMPARE(listed[0].id, third);
        QCOMPARE(listed[0].event, QStringLiteral("close"));
        QCOMPARE(listed[1].event, QStringLiteral("vcard-import"));
        QCOMPARE(listed[2].time, t0);
        QCOMPARE(listed[2].contacts, 3);
        QCOMPARE(listed[2].groups, 1);

        recoverycopy::Contents back;
        QVERIFY2(history.read(first, &back, &error), qPrintable(error));
        QCOMPARE(back.contacts.size(), size_t(3));
        QCOMPARE(back.groups[0].strName, std::string("G0"));
        // An id is looked up, never used as a path.
        QVERIFY(!history.read(QStringLiteral("../h/") + first, &back, &error));
        QCOMPARE(error, QStringLiteral("there is no snapshot ../h/") + first);
    }

    // The newest kKeepNewest stay whatever their age; beyond them, only the recent ones.
    void keepsTheNewestAndTheRecent()
    {
        const QDateTime now = QDateTime::fromString(QStringLiteral("2026-12-06T10:00:00Z"),
                                                    Qt::ISODate);
        QString error;
        QTemporaryDir old;
        History history(old.path());
        for (int i = 0; i < kKeepNewest + 1; ++i)
            history.keep(Event::Import, book(1, 0), &error, now.addDays(-100 + i));
        history.keep(Event::Restore, book(1, 0), &error, now);
        const std::vector<Snapshot> left = history.list();
        QCOMPARE(left.size(), size_t(kKeepNewest));
        QCOMPARE(left.back().time, now.addDays(-100 + 2));

        QTemporaryDir recent;
        History busy(recent.path());
        for (int i = 0; i < kKeepNewest + 5; ++i)
            busy.keep(Event::Close, book(1, 0), &error, now.addDays(-kKeepDays + 1).addSecs(i));
        QCOMPARE(busy.list().size(), size_t(kKeepNewest + 5));
    }

    // Equal contacts pair first; then the duplicate rule names a changed one; groups by name.
    void comparesByName()
    {
        recoverycopy::Contents now = book(3, 0);
        recoverycopy::Contents then = book(2, 0);
        now.contacts[0].strLastName = "B";
        then.contacts[0].strLastName = "B";
        then.contacts[0].strCompany = "Other";
        then.contacts.emplace_back().strEmail1 = "gus@example.org";
        for (const char* name : {"Kept", "Gone", "Members"})
            now.groups.emplace_back().strName = name;
        for (const char* name : {"Kept", "Back", "Members"})
            then.groups.emplace_back().strName = name;
        then.groups[2].aMembers[0] = {1, "5551234"};
        then.groups[2].nMemberCount = 1;

        const Changes changes = compare(now, then);
        using Names = std::vector<std::string>;
        QCOMPARE(changes.added, (Names{"gus@example.org", "Back (group)"}));
        QCOMPARE(changes.removed, (Names{"N2", "Gone (group)"}));
        QCOMPARE(changes.changed, (Names{"N0 B", "Members (group)"}));
        QVERIFY(compare(now, now).empty());
    }

    void unwritableFolderIsSaid()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(platform::writeFileAtomically(dir.filePath(QStringLiteral("file")), "x", &error));
        History history(dir.filePath(QStringLiteral("file/h")));
        QVERIFY(history.keep(Event::Close, book(1, 0), &error).isEmpty());
        QVERIFY(error.contains(QLatin1String("could not be made")));
    }
};

QTEST_GUILESS_MAIN(TestContactHistory)
#include "tst_contacthistory.moc"
