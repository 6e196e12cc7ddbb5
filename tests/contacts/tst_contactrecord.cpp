#include "contacts/contactrecord.h"

#include <QTest>

#include <vector>

class TestContactRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldsInRecordOrder();
    void lookupsTakeFirstMatch();
    void findInsertPos_data();
    void findInsertPos();
};

void TestContactRecord::fieldsInRecordOrder()
{
    // The header names are pinned by the contacts text tests; here the limits and the
    // member pointers, which must follow the record's own field order.
    ContactRecord record;
    std::vector<int> limits;
    for (size_t i = 0; i < kContactFields.size(); ++i) {
        limits.push_back(kContactFields[i].nMax);
        record.*kContactFields[i].member = std::string(1, char('a' + i));
    }
    QCOMPARE(limits, (std::vector<int>{16, 16, 64, 64, 64, 64, 18, 18, 18, 18, 32, 80, 32}));
    const std::string inRecord = record.strFirstName + record.strLastName + record.strWireless +
                                 record.strEmail1 + record.strEmail2 + record.strEmail3 +
                                 record.strWorkNumber + record.strMobileNumber +
                                 record.strHomeNumber + record.strFaxNumber + record.strCompany +
                                 record.strAddress + record.strNote;
    QCOMPARE(inRecord, std::string("abcdefghijklm"));
    QCOMPARE(kContactFields.front().fieldName, "strFirstName");
    QCOMPARE(kContactFields.back().fieldName, "strNote");
}

void TestContactRecord::lookupsTakeFirstMatch()
{
    ContactList contacts(3);
    auto it = contacts.begin();
    (it++)->nKey = 1;
    (it++)->nKey = 2;
    it->nKey = 2; // a stale key, as left by a renumbering device link
    it->strFirstName = "second";
    QCOMPARE(findContact(contacts, 2), &*std::next(contacts.begin()));
    QVERIFY(!findContact(contacts, 0));
    QVERIFY(!findContact(std::as_const(contacts), 3));

    GroupList groups(2);
    groups.front().nGroupId = 7;
    groups.back().nGroupId = 7;
    QCOMPARE(findGroup(std::as_const(groups), 7), &groups.front());
    QVERIFY(!findGroup(groups, -2));
}

using Rows = std::vector<ContactRow>;
Q_DECLARE_METATYPE(Rows)

void TestContactRecord::findInsertPos_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<int>("pos");

    const Rows sorted = {{"Ann", "Lee"}, {"Bob", "Ray"}, {"Bob", "Ray"}, {"Bob", "Zed"}};
    QTest::newRow("empty list") << Rows{} << QByteArray("X") << QByteArray("Y") << 0;
    QTest::newRow("before all") << sorted << QByteArray("Al") << QByteArray("") << 0;
    QTest::newRow("after all equal rows") << sorted << QByteArray("Bob") << QByteArray("Ray") << 3;
    QTest::newRow("same first, smaller last")
        << sorted << QByteArray("Bob") << QByteArray("Max") << 1;
    QTest::newRow("same first, last after all")
        << sorted << QByteArray("Bob") << QByteArray("Zz") << 4;
    QTest::newRow("after all") << sorted << QByteArray("Cy") << QByteArray("") << 4;
    QTest::newRow("case-sensitive: upper before lower")
        << Rows{{"bob", ""}} << QByteArray("Zed") << QByteArray("") << 0;
    QTest::newRow("bytes above 0x7F after ASCII")
        << Rows{{"z", ""}, {"\xE9mile", ""}} << QByteArray("\xC9") << QByteArray("") << 1;
    QTest::newRow("empty first name first") << sorted << QByteArray("") << QByteArray("Z") << 0;
}

void TestContactRecord::findInsertPos()
{
    QFETCH(Rows, rows);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    QFETCH(int, pos);
    QCOMPARE(FindInsertPos(rows, first.toStdString(), last.toStdString()), pos);
}

QTEST_GUILESS_MAIN(TestContactRecord)
#include "tst_contactrecord.moc"
