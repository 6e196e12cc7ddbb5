// The transfer messages: records survive the trip byte for byte, malformed input never
// decodes, and the pager's limits hold on both sides.

#include "devlink/protocol/errors.h"
#include "devlink/protocol/transferserver.h"
#include "devlink/protocol/wire.h"
#include "simline.h"

#include <QTest>

using namespace devlink::protocol;

namespace {

ContactRecord fullContact()
{
    ContactRecord c;
    c.nIndex = 249;
    c.nKey = 250;
    c.nGroup = 7;
    for (const ContactField& field : kContactFields) {
        std::string value(static_cast<size_t>(field.nMax), 'x');
        value.front() = '\0'; // every byte value travels
        value.back() = '\xFF';
        c.*field.member = value;
    }
    return c;
}

GroupRecord fullGroup()
{
    GroupRecord g;
    g.nGroupId = 19;
    g.nParent = 3;
    g.strName = std::string(MAX_GROUP_NAME, 'g');
    g.nMemberCount = MAX_GROUP_MEMBERS;
    for (int i = 0; i < MAX_GROUP_MEMBERS; ++i)
        g.aMembers[size_t(i)] = {i % 3, std::string(size_t(i % 2 ? 255 : 0), 'm')};
    g.nBlockLength = GROUP_BLOCK_SIZE;
    for (int i = 0; i < GROUP_BLOCK_SIZE; ++i)
        g.abyBlock[size_t(i)] = quint8(i * 7);
    return g;
}

// Written by hand: values our encoder refuses, as a foreign program might send them.
QByteArray rawGroup(int members, int blockLength)
{
    ByteWriter out;
    out.u8(quint8(MessageType::Group));
    out.i32(1);
    out.i32(-1);
    out.str8("G");
    out.u8(quint8(members));
    for (int i = 0; i < members; ++i) {
        out.i32(1);
        out.str8("555");
    }
    out.u16(quint16(blockLength));
    out.bytes(QByteArray(blockLength, '\x01'));
    return out.take();
}

} // namespace

class TestTransferMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordsRoundTrip();
    void malformedNeverDecodes();
    void limitsHold();
};

void TestTransferMessages::recordsRoundTrip()
{
    ContactRecord c;
    QCOMPARE(decodeContact(*encodeContact(fullContact()), c), Decode::Ok);
    QCOMPARE(c, fullContact());
    GroupRecord g;
    QCOMPARE(decodeGroup(*encodeGroup(fullGroup()), g), Decode::Ok);
    QCOMPARE(g, fullGroup());
    DeviceMessage message{14, 65535, 0, 9999, 300, 61, {}, {}, {}};
    message.strHeader.assign(255, 'h');
    message.strText.assign(kMaxMessageText, '\0');
    message.strAddress.assign(255, '\x80');
    DeviceMessage m;
    QCOMPARE(decodeMessage(*encodeMessage(message), m), Decode::Ok);
    QVERIFY(simline::sameMessages({m}, {message}));
    FolderNameSlots names;
    names[0] = "Work";
    names[10] = std::string(16, '\xE9'); // a full slot has no NUL
    FolderNameSlots n;
    QCOMPARE(decodeFolderNames(*encodeFolderNames(names), n), Decode::Ok);
    QCOMPARE(n, names);
    // Another version: only its number is read, the caller refuses it.
    PagerIdentity other;
    QCOMPARE(decodeIdent(QByteArray("\x41\x02\xFF", 3), other), Decode::Ok);
    QCOMPARE(other.nVersion, quint8(2));
}

void TestTransferMessages::malformedNeverDecodes()
{
    const QByteArray messages[] = {*encodeContact(fullContact()), *encodeGroup(fullGroup()),
                                   *encodeMessage({3, 1, 2, 2026, 4, 5, "h", "t", "a"}),
                                   *encodeFolderNames({}), *encodeIdent({})};
    for (const QByteArray& whole : messages) {
        // Every shorter prefix, and one byte too many, as every kind of message.
        for (qsizetype n = 0; n <= whole.size(); ++n) {
            const QByteArray bytes = n < whole.size() ? whole.first(n) : whole + 'x';
            QCOMPARE(decodeContact(bytes, *std::make_unique<ContactRecord>()), Decode::Malformed);
            QCOMPARE(decodeGroup(bytes, *std::make_unique<GroupRecord>()), Decode::Malformed);
            QCOMPARE(decodeMessage(bytes, *std::make_unique<DeviceMessage>()), Decode::Malformed);
            QCOMPARE(decodeFolderNames(bytes, *std::make_unique<FolderNameSlots>()),
                     Decode::Malformed);
            QCOMPARE(decodeIdent(bytes, *std::make_unique<PagerIdentity>()), Decode::Malformed);
        }
    }
}

void TestTransferMessages::limitsHold()
{
    // Well formed but beyond what the pager holds.
    ContactRecord c = fullContact();
    c.strFirstName += 'x';
    QCOMPARE(decodeContact(*encodeContact(c), c), Decode::Invalid);
    GroupRecord g;
    QCOMPARE(decodeGroup(rawGroup(MAX_GROUP_MEMBERS, GROUP_BLOCK_SIZE), g), Decode::Ok);
    QCOMPARE(decodeGroup(rawGroup(MAX_GROUP_MEMBERS + 1, 0), g), Decode::Invalid);
    QCOMPARE(decodeGroup(rawGroup(0, GROUP_BLOCK_SIZE + 1), g), Decode::Invalid);
    QByteArray message = *encodeMessage({1, 1, 1, 2026, 0, 0, "", "", ""});
    message[1] = 15;
    DeviceMessage m;
    QCOMPARE(decodeMessage(message, m), Decode::Invalid);

    // What the wire cannot carry is never encoded, rather than cut.
    QVERIFY(!encodeMessage({1, 1, 1, 2026, 0, 0, "", std::string(kMaxMessageText + 1, 't'), ""}));
    FolderNameSlots names;
    names[3] = std::string(17, 'n');
    QVERIFY(!encodeFolderNames(names));
    c = fullContact();
    c.strNote = std::string(256, 'n');
    QVERIFY(!encodeContact(c));
    g = fullGroup();
    g.nBlockLength = -1;
    QVERIFY(!encodeGroup(g));

    // The pager's verdict on a whole address book.
    const PagerIdentity pager;
    ContactList contacts(static_cast<size_t>(MAX_CONTACTS));
    int slot = MAX_CONTACTS;
    for (ContactRecord& contact : contacts)
        contact.nIndex = --slot;
    QCOMPARE(checkAddressBook(contacts, {}, pager), int(ErrNone));
    contacts.emplace_back();
    QCOMPARE(checkAddressBook(contacts, {}, pager), int(ErrMemoryFull));
    contacts.pop_front(); // slot 249 gone; slot 0 now twice
    QCOMPARE(checkAddressBook(contacts, {}, pager), int(ErrInvalidData));
    contacts.back().nIndex = MAX_CONTACTS;
    QCOMPARE(checkAddressBook(contacts, {}, pager), int(ErrInvalidData));
    QCOMPARE(checkAddressBook({}, GroupList(2), pager), int(ErrInvalidData)); // same id twice
}

QTEST_GUILESS_MAIN(TestTransferMessages)
#include "tst_transfermessages.moc"
