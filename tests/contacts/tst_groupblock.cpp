#include "contacts/core/groupblock.h"

#include <QTest>

using Bytes = std::vector<quint8>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes hex(const char* text)
{
    const QByteArray bytes = QByteArray::fromHex(text);
    return Bytes(bytes.begin(), bytes.end());
}

Bytes bytesOf(const GroupBlock& block)
{
    return Bytes(block.bytes().begin(), block.bytes().end());
}

// A working block of `length` bytes, as a loaded group of that size gives it.
GroupBlock blockOf(int length)
{
    Bytes stored(size_t(length), 0x41);
    stored.front() = 0x15;
    GroupBlock block;
    block.load(stored);
    return block;
}

} // namespace

class TestGroupBlock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodeMember_data();
    void encodeMember();
    void appendAndStore();
    void limits();
    void rebuild();
    void load();
};

void TestGroupBlock::encodeMember_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<Bytes>("encoded");
    QTest::newRow("odd digits") << 1 << QByteArray("123") << hex("15 02 12 3C");
    QTest::newRow("even digits") << 1 << QByteArray("12") << hex("15 01 12");
    QTest::newRow("zero") << 1 << QByteArray("0") << hex("15 01 0C");
    QTest::newRow("odd digits @") << 1 << QByteArray("123@ab") << hex("15 04 12 3D 61 62");
    QTest::newRow("even digits @") << 1 << QByteArray("12@ab") << hex("15 04 12 DC 61 62");
    QTest::newRow("first @ counts") << 1 << QByteArray("12@a@b") << hex("15 05 12 DC 61 40 62");
    QTest::newRow("one digit @") << 1 << QByteArray("5@") << hex("15 01 5D");
    QTest::newRow("dash") << 1 << QByteArray("5-12") << hex("11 04 35 2D 31 32");
    QTest::newRow("@ first") << 1 << QByteArray("@ab") << hex("11 03 40 61 62");
    QTest::newRow("letter before @") << 1 << QByteArray("1a@b") << hex("11 04 31 61 40 62");
    QTest::newRow("e-mail") << 0 << QByteArray("a@b.c") << hex("50 02 11 05 61 40 62 2E 63");
    QTest::newRow("e-mail digits not packed") << 0 << QByteArray("12") << hex("50 02 11 02 31 32");
    QTest::newRow("other kind") << 7 << QByteArray("123") << Bytes{};
    Bytes longest = hex("11 FF");
    longest.resize(257, 'x');
    QTest::newRow("255 bytes") << 1 << QByteArray(255, 'x') << longest;
}

void TestGroupBlock::encodeMember()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, address);
    QFETCH(Bytes, encoded);
    QCOMPARE(::encodeMember(kind, address.toStdString()), std::optional(encoded));
}

void TestGroupBlock::appendAndStore()
{
    GroupBlock block;
    QCOMPARE(bytesOf(block), hex("15"));
    QVERIFY(block.append(MEMBER_WIRELESS, "123").ok);
    QCOMPARE(bytesOf(block), hex("15 15 02 12 3C 70"));
    QVERIFY(block.append(MEMBER_EMAIL, "a@b.c").ok);
    QCOMPARE(bytesOf(block), hex("15 15 02 12 3C 70 50 02 11 05 61 40 62 2E 63 70"));
    QVERIFY(block.append(9, "ignored").ok); // an unknown kind adds the separator alone
    QCOMPARE(block.length(), 17);

    GroupRecord group;
    group.abyBlock.fill(0xEE);
    block.store(group);
    QCOMPARE(group.nBlockLength, 17);
    QCOMPARE(Bytes(group.abyBlock.begin(), group.abyBlock.begin() + 17), block.stored());
    QCOMPARE(block.stored(), hex("15 15 02 12 3C 70 50 02 11 05 61 40 62 2E 63 70 00"));
    QVERIFY(std::all_of(group.abyBlock.begin() + 17, group.abyBlock.end(),
                        [](quint8 b) { return b == 0; }));

    const GroupBlock::Result empty = block.append(MEMBER_EMAIL, "");
    QVERIFY(!empty.ok && empty.message.empty());
    QCOMPARE(block.length(), 17);
}

void TestGroupBlock::limits()
{
    GroupBlock block = blockOf(393);
    GroupBlock::Result result = block.append(MEMBER_EMAIL, "abc"); // 8 bytes
    QVERIFY(!result.ok);
    QCOMPARE(result.message, std::string(kAddressOverflowAdd));
    QCOMPARE(block.length(), 393);
    QVERIFY(block.append(MEMBER_EMAIL, "ab").ok); // 7 bytes: exactly 400
    QCOMPARE(block.length(), 400);
    QCOMPARE(block.bytes().back(), quint8(0x70));
    QVERIFY(!block.append(MEMBER_WIRELESS, "1").ok);

    // No length byte can say 256: refused with a reason, never wrapped.
    const GroupBlock before = blockOf(10);
    block = before;
    result = block.append(MEMBER_WIRELESS, std::string(256, '1'));
    QVERIFY(!result.ok);
    QCOMPARE(result.message, std::string(kAddressTooLong));
    QCOMPARE(bytesOf(block), bytesOf(before));
    QVERIFY(!::encodeMember(MEMBER_EMAIL, std::string(300, 'a')));
}

void TestGroupBlock::rebuild()
{
    GroupBlock block;
    const std::vector<GroupMember> rows = {{1, "123"}, {0, ""}, {0, "a@b.c"}};
    QVERIFY(block.rebuild(rows).ok);
    QCOMPARE(bytesOf(block), hex("15 15 02 12 3C 70 50 02 11 05 61 40 62 2E 63 70"));

    // Deleting the last member leaves the empty block, stored as one 0x00.
    QVERIFY(block.rebuild({}).ok);
    QCOMPARE(bytesOf(block), hex("15"));
    QCOMPARE(block.stored(), hex("00"));

    // 1 + 19 x 21 bytes = 400 (size 399): accepted; one byte more reaches size 400.
    std::vector<GroupMember> big(19, GroupMember{0, std::string(16, 'e')});
    QVERIFY(block.rebuild(big).ok);
    QCOMPARE(block.length(), 400);
    const Bytes full = bytesOf(block);
    big.back().strEntry += 'e';
    const GroupBlock::Result result = block.rebuild(big);
    QVERIFY(!result.ok);
    QCOMPARE(result.message, std::string(kAddressOverflowRebuild));
    QCOMPARE(bytesOf(block), full);

    big = {{1, "5"}, {1, std::string(256, 'x')}};
    QCOMPARE(block.rebuild(big).message, std::string(kAddressTooLong));
    QCOMPARE(bytesOf(block), full);
}

void TestGroupBlock::load()
{
    GroupBlock block;
    for (int length : {1, 2, 3}) {
        block = blockOf(20);
        block.load(Bytes(size_t(length), 0x15));
        QCOMPARE(bytesOf(block), hex("15"));
    }
    GroupBlock built;
    QVERIFY(built.append(MEMBER_WIRELESS, "12").ok); // 15 15 01 12 70: the smallest member
    block.load(built.stored());
    QCOMPARE(bytesOf(block), bytesOf(built));

    // A device may hand over any length: it is clamped to the array.
    GroupRecord group;
    group.abyBlock.fill(0x61);
    group.nBlockLength = 1000;
    block.load(group);
    QCOMPARE(block.length(), GROUP_BLOCK_SIZE);
    QCOMPARE(block.bytes().back(), quint8(0x70));
    group.nBlockLength = -5;
    block.load(group);
    QCOMPARE(bytesOf(block), hex("15"));
    block.load(Bytes(600, 0x61));
    QCOMPARE(block.length(), GROUP_BLOCK_SIZE);
}

QTEST_GUILESS_MAIN(TestGroupBlock)
#include "tst_groupblock.moc"
