#include "tests/contacts/bookfill.h"

#include <QTest>

using namespace addressbook;

namespace {

std::vector<qint32> slots(const AddressBook& mirror)
{
    std::vector<qint32> out;
    for (const auto& c : mirror.m_AddressList)
        out.push_back(c->nIndex);
    return out;
}

} // namespace

class TestAddressBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addingContacts();
    void memoryLimit();
    void deleteContact();
    void changeInPlace();
    void groups();
    void clearAndReplace();
    void findInsertPos_data();
    void findInsertPos();
};

void TestAddressBook::addingContacts()
{
    AddressBook mirror;
    auto record = std::make_unique<ContactRecord>();
    record->strFirstName = "Ann";
    ContactRecord* ann = record.get();
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_ADD_CONTACT, 5), int(DL_BAD_ARGUMENT));
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_ADD_CONTACT, -1), int(DL_OK));
    QVERIFY(!record);
    QCOMPARE(ann->nIndex, 0);
    QCOMPARE(ann->nKey, 1);

    // Same name, another record and key; lookups by slot, before nKey is written too.
    ContactRecord* twin = addContact(mirror, {"Ann"});
    ann->nKey = 0;
    QCOMPARE(mirror.GetListAddress(1), ann);
    QCOMPARE(mirror.GetListAddress(2), twin);
    QVERIFY(!mirror.GetListAddress(0) && !mirror.GetListAddress(-1) && !mirror.GetListAddress(3));

    // The lowest free slot is given.
    addContact(mirror, {"Bo"});
    QCOMPARE(mirror.UpdatePagerAddress(twin, OP_DELETE_CONTACT, -1), int(DL_OK));
    QCOMPARE(addContact(mirror, {"Cy"})->nIndex, 1);
    QCOMPARE(slots(mirror), (std::vector<qint32>{0, 2, 1}));

    // Refused: the caller keeps the record, the mirror keeps nothing.
    record = std::make_unique<ContactRecord>();
    record->strWorkNumber.assign(19, '1');
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_ADD_CONTACT, -1), int(DL_INVALID_CONTACT));
    record->strWorkNumber.pop_back();
    record->nGroup = KEY_GROUPS;
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_ADD_CONTACT, KEY_GROUPS),
             int(DL_INVALID_CONTACT));
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_CHANGE_CONTACT, -1), int(DL_BAD_OPERATION));
    QVERIFY(record && record->nKey == 0);
    QCOMPARE(mirror.m_AddressList.size(), size_t(3));
    QCOMPARE(mirror.UpdatePagerAddress(nullptr, 11, -1), int(DL_BAD_OPERATION));
    QCOMPARE(mirror.UpdatePagerAddress(nullptr, OP_DELETE_CONTACT, -1), int(DL_NO_DATA));
}

void TestAddressBook::memoryLimit()
{
    AddressBook mirror;
    for (int i = 0; i < MAX_CONTACTS; ++i)
        QVERIFY(mirror.CheckAddressSpace() && addContact(mirror, {"x"}));
    QCOMPARE(mirror.CheckAddressSpace(), 0);
    auto extra = std::make_unique<ContactRecord>();
    QCOMPARE(mirror.UpdatePagerAddress(extra, OP_ADD_CONTACT, -1), int(DL_ADDRESS_MEMORY_FULL));
    QVERIFY(extra);

    const qint32 key = 100;
    QCOMPARE(mirror.UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0), int(DL_OK));
    QVERIFY(mirror.CheckAddressSpace());
    QCOMPARE(mirror.UpdatePagerAddress(extra, OP_ADD_CONTACT, -1), int(DL_OK));
    QCOMPARE(mirror.m_AddressList.back()->nIndex, 99);
}

void TestAddressBook::deleteContact()
{
    AddressBook byKey;
    AddressBook byRecord;
    for (AddressBook* mirror : {&byKey, &byRecord}) {
        addContact(*mirror, {"Ann"});
        addContact(*mirror, {"Ann"});
        addContact(*mirror, {"Bo"}, 3);
    }
    const qint32 key = 2;
    QCOMPARE(byKey.UpdatePagerAddress(&key, OP_DELETE_CONTACT, -1), int(DL_BAD_ARGUMENT));
    QCOMPARE(byKey.UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0), int(DL_OK));
    ContactRecord* second = byRecord.GetListAddress(2);
    QCOMPARE(byRecord.UpdatePagerAddress(second, OP_DELETE_CONTACT, 3), int(DL_BAD_ARGUMENT));
    QCOMPARE(byRecord.UpdatePagerAddress(second, OP_DELETE_CONTACT, -1), int(DL_OK));
    QCOMPARE(byKey.snapshot().contacts, byRecord.snapshot().contacts);

    // A gone record is not found, and is not read.
    QCOMPARE(byKey.UpdatePagerAddress(&key, OP_DELETE_CONTACT, 0), int(DL_NOT_FOUND));
    QCOMPARE(byRecord.UpdatePagerAddress(second, OP_DELETE_CONTACT, -1), int(DL_NOT_FOUND));

    // A folder's contacts deleted during a walk that takes the next element first.
    addContact(byKey, {"Cy"}, 3);
    for (auto it = byKey.m_AddressList.begin(); it != byKey.m_AddressList.end();) {
        ContactRecord* record = (it++)->get();
        if (record->nGroup == 3)
            QCOMPARE(byKey.UpdatePagerAddress(record, OP_DELETE_CONTACT, 3), int(DL_OK));
    }
    QCOMPARE(slots(byKey), (std::vector<qint32>{0}));
}

void TestAddressBook::changeInPlace()
{
    AddressBook mirror;
    ContactRecord* record = addContact(mirror, {"Ann"});
    record->strNote = "met at the fair";
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_CHANGE_CONTACT, -1), int(DL_OK));

    // A refused change is undone; nKey, the program's, stays as written.
    const ContactRecord accepted = *record;
    record->strFirstName.assign(17, 'A');
    record->nKey = 9;
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_CHANGE_CONTACT, -1), int(DL_INVALID_CONTACT));
    QCOMPARE(record->strFirstName, accepted.strFirstName);
    QCOMPARE(record->nKey, 9);
    record->strCompany = "Elsewhere";
    record->nIndex = 5;
    QCOMPARE(mirror.UpdatePagerAddress(record, OP_CHANGE_CONTACT, 4), int(DL_BAD_ARGUMENT));
    QVERIFY(record->strCompany.empty() && record->nIndex == 0);

    GroupRecord* group = addGroup(mirror, "Team", {{1, "5551234"}});
    QCOMPARE(mirror.UpdatePagerAddress(group, OP_CHANGE_GROUP, group->nGroupId), int(DL_OK));
    const GroupRecord kept = *group;
    auto refused = [&](auto change) {
        change(*group);
        const int result = mirror.UpdatePagerAddress(group, OP_CHANGE_GROUP, kept.nGroupId);
        return result != DL_OK && *group == kept;
    };
    QVERIFY(refused([](GroupRecord& g) { g.strName.assign(41, 'n'); }));
    QVERIFY(refused([](GroupRecord& g) { g.nBlockLength = 401; }));
    QVERIFY(refused([](GroupRecord& g) { g.nGroupId += 5; }));
}

void TestAddressBook::groups()
{
    AddressBook mirror;
    auto fresh = std::make_unique<GroupRecord>();
    fresh->nParent = 6;
    GroupRecord* team = fresh.get();
    QCOMPARE(mirror.UpdatePagerAddress(fresh, OP_ADD_GROUP, 0), int(DL_BAD_ARGUMENT));
    QCOMPARE(mirror.UpdatePagerAddress(fresh, OP_ADD_GROUP, -1), int(DL_OK));
    QVERIFY(team->nParent == -1 && team->nGroupId >= 1);

    // Deleting a group leaves its contacts, and a new group never adopts them.
    ContactRecord* member = addContact(mirror, {"Ann"}, team->nGroupId);
    const qint32 oldId = team->nGroupId;
    QCOMPARE(mirror.UpdatePagerAddress(team, OP_DELETE_GROUP, oldId + 1), int(DL_BAD_ARGUMENT));
    QCOMPARE(mirror.UpdatePagerAddress(team, OP_DELETE_GROUP, oldId), int(DL_OK));
    QVERIFY(mirror.m_GroupList.empty());
    QCOMPARE(member->nGroup, oldId);
    QVERIFY(addGroup(mirror, "Other")->nGroupId != oldId);

    while (mirror.m_GroupList.size() < size_t(MAX_BOOK_GROUPS))
        QVERIFY(addGroup(mirror, "g"));
    QVERIFY(!addGroup(mirror, "one too many"));
}

void TestAddressBook::clearAndReplace()
{
    AddressBook mirror;
    addContact(mirror, {"Ann"});
    addGroup(mirror, "Team");
    QCOMPARE(mirror.UpdatePagerAddress(nullptr, OP_CLEAR_ALL, 0), int(DL_BAD_ARGUMENT));
    QCOMPARE(mirror.UpdatePagerAddress(nullptr, OP_CLEAR_ALL, -1), int(DL_OK));
    QVERIFY(mirror.m_AddressList.empty() && mirror.m_GroupList.empty());

    std::vector<ContactRecord> contacts(2);
    contacts[0].nIndex = 249;
    contacts[0].strFirstName = "Last slot";
    std::vector<GroupRecord> groups(2);
    groups[0].nGroupId = 4;
    groups[1].nGroupId = 9;
    groups[1].nParent = 4; // a subgroup is kept like any other
    QCOMPARE(mirror.replaceAll(contacts, groups), int(DL_OK));
    QCOMPARE(mirror.m_AddressList.front()->nKey, 250);
    QCOMPARE(mirror.GetListAddress(250)->strFirstName, "Last slot");
    QCOMPARE(mirror.m_GroupList.back()->nParent, 4);
    QCOMPARE(addContact(mirror, {"Next"})->nIndex, 1);

    // A damaged address book changes nothing.
    const AddressBookCopy before = mirror.snapshot();
    auto refused = [&](std::vector<ContactRecord> c, std::vector<GroupRecord> g) {
        const int result = mirror.replaceAll(std::move(c), std::move(g));
        const AddressBookCopy after = mirror.snapshot();
        return isAddressBookError(result) && after.contacts == before.contacts &&
               after.groups == before.groups;
    };
    QVERIFY(refused({contacts[1], contacts[1]}, {}));
    QVERIFY(refused(std::vector<ContactRecord>(MAX_CONTACTS + 1), {}));
    QVERIFY(refused({}, {groups[0], groups[0]}));
    contacts[0].nIndex = MAX_CONTACTS;
    QVERIFY(refused(contacts, {}));
    contacts[0].nIndex = 1;
    contacts[0].strEmail1.assign(65, 'e');
    QVERIFY(refused(contacts, {}));
    QVERIFY(errorText(DL_ADDRESS_MEMORY_FULL).contains(QStringLiteral("250")));
}

using Rows = std::vector<ContactRow>;
Q_DECLARE_METATYPE(Rows)

void TestAddressBook::findInsertPos_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<int>("pos");

    const Rows sorted = {{"Ann", "Lee"}, {"Bob", "Ray"}, {"Bob", "Ray"}, {"Bob", "Zed"}};
    QTest::newRow("empty list") << Rows{} << QByteArray("X") << QByteArray("Y") << 0;
    QTest::newRow("after all equal rows") << sorted << QByteArray("Bob") << QByteArray("Ray") << 3;
    QTest::newRow("same first, smaller last")
        << sorted << QByteArray("Bob") << QByteArray("Max") << 1;
    QTest::newRow("same first, last after all")
        << sorted << QByteArray("Bob") << QByteArray("Zz") << 4;
    QTest::newRow("case-sensitive: upper before lower")
        << Rows{{"bob", ""}} << QByteArray("Zed") << QByteArray("") << 0;
    QTest::newRow("bytes above 0x7F after ASCII")
        << Rows{{"z", ""}, {"\xE9mile", ""}} << QByteArray("\xC9") << QByteArray("") << 1;
    QTest::newRow("empty first name first") << sorted << QByteArray("") << QByteArray("Z") << 0;
}

void TestAddressBook::findInsertPos()
{
    QFETCH(Rows, rows);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    QFETCH(int, pos);
    QCOMPARE(FindInsertPos(rows, first.toStdString(), last.toStdString()), pos);
}

QTEST_GUILESS_MAIN(TestAddressBook)
#include "tst_addressbook.moc"
