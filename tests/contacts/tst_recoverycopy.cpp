// The recovery copy of the address book: what is written comes back, damage is refused.

#include "contacts/core/recoverycopy.h"
#include "platform/atomicfile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestRecoveryCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Groups come back whole too: the fuzz target's check, over its seed's group.
    void roundTrip()
    {
        recoverycopy::Contents contents;
        ContactRecord& c = contents.contacts.emplace_back();
        c.nIndex = 7;
        c.nGroup = 3;
        c.strFirstName = "\xE9t\xE9";
        c.strNote = std::string("a\0\r\nb", 5);
        contents.addressFile = QStringLiteral("/home/u/contacts.txt");

        recoverycopy::Contents back;
        QString error;
        QVERIFY2(recoverycopy::parse(recoverycopy::serialize(contents), &back, &error),
                 qPrintable(error));
        contents.contacts[0].nKey = 8; // the key follows the slot
        QVERIFY(back.contacts == contents.contacts);
        QCOMPARE(back.addressFile, contents.addressFile);
    }

    void damageIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray(R"({"format": 1,)")
                                  << QStringLiteral("document: not a JSON object");
        QTest::newRow("other format")
            << QByteArray(R"({"format": 2})") << QStringLiteral("format: an unknown format");
        QTest::newRow("missing member")
            << QByteArray(R"({"format": 1, "addressFile": "", "contacts": []})")
            << QStringLiteral("document: a member is missing");
        QTest::newRow("twelve fields")
            << QByteArray(
                   R"({"format":1,"addressFile":"","groups":[],"contacts":[{"nIndex":0,"nGroup":-1,)"
                   R"("fields":["","","","","","","","","","","",""]}]})")
            << QStringLiteral("contacts[0]: thirteen fields were expected");
        QTest::newRow("a character with no byte")
            << QByteArray(R"({"format":1,"addressFile":"","contacts":[],"groups":[{"nGroupId":1,)"
                          R"("nParent":-1,"strName":"\u20ac","members":[],"block":""}]})")
            << QStringLiteral("groups[0]: a character above U+00FF");
        QTest::newRow("fractional slot")
            << QByteArray(
                   R"({"format":1,"addressFile":"","groups":[],"contacts":[{"nIndex":0.5,"nGroup":-1}]})")
            << QStringLiteral("contacts[0]: a 32-bit whole number was expected");
    }

    void damageIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        recoverycopy::Contents contents;
        contents.addressFile = QStringLiteral("untouched");
        QString reason;
        QVERIFY(!recoverycopy::parse(bytes, &contents, &reason));
        QCOMPARE(reason, error);
        QCOMPARE(contents.addressFile, QStringLiteral("untouched"));
    }

    void keeperWritesAfterEachChangeAndRemovesAtClose()
    {
        QTemporaryDir dir;
        const QString path =
            dir.filePath(QStringLiteral("data/") + QLatin1String(recoverycopy::kFileName));
        recoverycopy::Contents book;
        book.contacts.emplace_back().strFirstName = "Ann";
        RecoveryCopyKeeper keeper(path, [&] { return book; });
        QSignalSpy written(&keeper, &RecoveryCopyKeeper::written);
        keeper.start();
        keeper.check();
        QVERIFY(!keeper.exists()); // nothing changed yet
        book.contacts[0].strFirstName = "Bo";
        QVERIFY(written.wait()); // a moment later
        keeper.check();
        QCOMPARE(written.size(), 1); // nothing new to write
        recoverycopy::Contents back;
        QString error;
        QVERIFY2(keeper.read(&back, &error), qPrintable(error));
        QCOMPARE(back.contacts.at(0).strFirstName, std::string("Bo"));
        keeper.remove();
        QVERIFY(!keeper.exists());

        // A well-formed copy of a book the address memory would not keep is refused as well,
        // before anyone is asked to restore it.
        recoverycopy::Contents oneSlot;
        oneSlot.contacts.resize(2);
        QVERIFY(platform::writeFileAtomically(path, recoverycopy::serialize(oneSlot), nullptr));
        QVERIFY(!keeper.read(&back, &error));
        QVERIFY2(error.startsWith(QStringLiteral("The address book is damaged")),
                 qPrintable(error));

        QVERIFY(platform::writeFileAtomically(path, "{", nullptr));
        QVERIFY(!keeper.read(&back, &error));
        keeper.setAside();
        QVERIFY(!keeper.exists());
        QVERIFY(QFile::exists(path + QStringLiteral(".damaged")));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
