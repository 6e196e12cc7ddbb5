// Frames on the line: the decoder's resynchronisation and bounds, and the bytes of a few
// frames pinned in files (both checksums included), because the program and the pager
// simulator share this code and a fault on both sides would otherwise pass unseen.

#include "devlink/protocol/frame.h"
#include "devlink/protocol/transfermessages.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace devlink::protocol;

namespace {

struct Collector
{
    std::vector<Frame> frames;
    std::vector<DecodedFrame> damaged;
    void feed(FrameDecoder& decoder, QByteArrayView bytes)
    {
        decoder.feed(bytes, [this](const DecodedFrame& d) {
            if (d.intact)
                frames.push_back(d.frame);
            else
                damaged.push_back(d);
        });
    }
};

QByteArray bytesOf(const Frame& f)
{
    return encodeFrame(f.type, f.seq, f.ack, f.payload);
}

// A DATA frame at the start of a stream carrying one message (length prefix, then bytes);
// coded with this parity when it is given.
QByteArray dataFrameWith(const QByteArray& message, quint16 seq, quint16 ack, int parity = -1)
{
    QByteArray stream;
    for (quint32 length = quint32(message.size());; length >>= 7) {
        stream.append(static_cast<char>(length < 0x80 ? length : (length & 0x7F) | 0x80));
        if (length < 0x80)
            break;
    }
    if (parity >= 0)
        return encodeCodedFrame(FrameType::Data, seq, ack, stream + message, parity);
    return encodeFrame(FrameType::Data, seq, ack, stream + message);
}

} // namespace

class TestProtocolFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameSplitAnywhere();
    void resynchronises();
    void boundedWhateverItIsFed();
    void parityAtItsLimit_data();
    void parityAtItsLimit();
    void wireFormatIsPinned();
};

void TestProtocolFrames::frameSplitAnywhere()
{
    const std::vector<Frame> frames = {
        {FrameType::Data, 0xFFFE, 7, QByteArray(kMaxPayload, '\x5A')},
        {FrameType::Ack, 0, 0x1234, {}},
        {FrameType::Syn, 0, 0, QByteArray("\x01\xC3\x5A\x00\x01", 5)},
    };
    QByteArray stream;
    for (const Frame& f : frames)
        stream += bytesOf(f);
    // Every cut into two reads (random pieces are boundedWhateverItIsFed's).
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        FrameDecoder decoder;
        Collector got;
        got.feed(decoder, QByteArrayView(stream).first(cut));
        got.feed(decoder, QByteArrayView(stream).sliced(cut));
        QCOMPARE(got.frames, frames);
        QCOMPARE(decoder.stats().garbageBytes, 0u);
    }
}

void TestProtocolFrames::resynchronises()
{
    // Garbage with false markers, a frame, a damaged one, a good one.
    const Frame first{FrameType::Data, 10, 1, "first"};
    const Frame last{FrameType::Data, 22, 1, "last"};
    QByteArray damaged = bytesOf({FrameType::Data, 15, 1, "damaged"});
    damaged[kHeaderBytes + 2] = 'X';
    FrameDecoder decoder;
    Collector got;
    got.feed(decoder,
             QByteArray("noise\x5A\x5A\xC3\x5A", 9) + bytesOf(first) + damaged + bytesOf(last));
    QCOMPARE(got.frames, (std::vector<Frame>{first, last}));
    QCOMPARE(got.damaged.size(), size_t(1));
    QCOMPARE(got.damaged[0].frame.seq, quint16(15)); // the link can ask for this one again

    // A header whose check passes but whose length runs over the frames after it: once
    // its check fails, the frames it swallowed are found in what the decoder held.
    const QByteArray longOne = encodeFrame(FrameType::Data, 0, 0, QByteArray(kMaxPayload, 'x'));
    QByteArray swallowed;
    std::vector<Frame> inside;
    for (int i = 0; i < 20; ++i) {
        inside.push_back({FrameType::Data, quint16(i), 0, QByteArray(30, char('a' + i))});
        swallowed += bytesOf(inside.back());
    }
    FrameDecoder rescanning;
    Collector found;
    found.feed(rescanning, longOne.first(kHeaderBytes) + swallowed +
                               QByteArray(kMaxFrameBytes - swallowed.size(), '\0'));
    QCOMPARE(found.frames, inside);
}

void TestProtocolFrames::boundedWhateverItIsFed()
{
    // Random bytes rich in marker bytes, in random pieces, with a real frame now and then:
    // never more than a frame held, and no real frame lost to the noise before it.
    QRandomGenerator random(42);
    FrameDecoder decoder;
    std::vector<Frame> sent;
    Collector got;
    for (int round = 0; round < 400; ++round) {
        QByteArray noise(random.bounded(3000), Qt::Uninitialized);
        for (char& ch : noise) {
            const int pick = random.bounded(10);
            ch = char(pick < 3 ? kMarker0 : pick < 6 ? kMarker1 : random.bounded(256));
        }
        if (round % 4 == 0) {
            sent.push_back({FrameType::Data, quint16(round), 0,
                            QByteArray(random.bounded(kMaxPayload + 1), 'p')});
            noise += bytesOf(sent.back());
        }
        for (qsizetype at = 0; at < noise.size();) {
            const qsizetype piece = qMin<qsizetype>(noise.size() - at, 1 + random.bounded(700));
            got.feed(decoder, QByteArrayView(noise).sliced(at, piece));
            at += piece;
            QVERIFY(decoder.bufferedBytes() <= kMaxFrameBytes);
        }
    }
    got.feed(decoder, QByteArray(kMaxFrameBytes, '\0'));
    QCOMPARE(got.frames, sent);
}

void TestProtocolFrames::parityAtItsLimit_data()
{
    // A coded frame of one block (215 bytes with 8 parity bytes): four spoilt bytes are put
    // right, a fifth is too many; a dropped byte costs one and a half spoilt ones, also with
    // the least parity (where the shifted block often passes for a spoilt one). The header's
    // parity puts two of its bytes right.
    QTest::addColumn<int>("parity");
    QTest::addColumn<QList<int>>("spoilt"); // offsets in the frame
    QTest::addColumn<int>("dropped");       // offset in the frame, or -1
    QTest::addColumn<int>("outcome");       // 0 repaired, 1 damaged, 2 no frame
    const QList<int> body{20, 60, 100, 150, 200};
    QTest::newRow("four spoilt") << 8 << body.first(4) << -1 << 0;
    QTest::newRow("five spoilt") << 8 << body << -1 << 1;
    QTest::newRow("dropped, three spoilt") << 8 << body.first(3) << 120 << 0;
    QTest::newRow("dropped, four spoilt") << 8 << body.first(4) << 120 << 1;
    QTest::newRow("dropped, two parity bytes") << 2 << QList<int>{} << 120 << 0;
    QTest::newRow("two in the header") << 8 << QList<int>{3, 8} << -1 << 0;
    QTest::newRow("three in the header") << 8 << QList<int>{3, 6, 8} << -1 << 2;
}

void TestProtocolFrames::parityAtItsLimit()
{
    QFETCH(int, parity);
    QFETCH(QList<int>, spoilt);
    QFETCH(int, dropped);
    QFETCH(int, outcome);
    QByteArray payload(203, Qt::Uninitialized);
    for (qsizetype i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 37);
    const Frame sent{FrameType::Data, 7, 9, payload};
    QByteArray bytes = encodeCodedFrame(sent.type, sent.seq, sent.ack, sent.payload, parity);
    QCOMPARE(bytes.size(), 15 + 203 + 4 + parity);
    for (const int at : spoilt)
        bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
    if (dropped >= 0)
        bytes.remove(dropped, 1);
    // What follows is found whatever became of the frame before it.
    const Frame next{FrameType::Ack, 1, 2, {}};
    FrameDecoder decoder;
    Collector got;
    got.feed(decoder, bytes + encodeCodedFrame(next.type, next.seq, next.ack, {}, 2));
    QCOMPARE(got.frames.back(), next);
    QCOMPARE(got.frames.size(), outcome == 0 ? size_t(2) : size_t(1));
    QCOMPARE(got.damaged.size(), outcome == 1 ? size_t(1) : size_t(0));
    if (outcome == 0)
        QCOMPARE(got.frames.front(), sent);
}

void TestProtocolFrames::wireFormatIsPinned()
{
    ContactRecord contact;
    contact.nIndex = 3;
    contact.nGroup = 1;
    contact.strFirstName = "Ada";
    contact.strLastName = "Quill";
    contact.strWireless = "5550100";
    contact.strNote = "n\xE9";
    GroupRecord group;
    group.nGroupId = 1;
    group.strName = "Team";
    group.nMemberCount = 2;
    group.aMembers[0] = {1, "5550100"};
    group.aMembers[1] = {0, "ada@example.org"};
    group.nBlockLength = 5;
    group.abyBlock = {0x01, 0x02, 0x03, 0xFE, 0x00};
    const DeviceMessage message{1,        12, 31, 2026, 23, 59, "From: desk", "Line 1\r\nLine 2",
                                "5550100"};
    FolderNameSlots names;
    names[0] = "Work";
    names[10] = "Sixteen-byte-nam";

    const std::pair<const char*, QByteArray> pinned[] = {
        {"syn.bin", encodeFrame(FrameType::Syn, 0, 0, QByteArray("\x03\x78\x56\x34\x12", 5))},
        // Acknowledges up to 0x0102 and holds 0x0200..0x0280 and 0x0300..0x0310.
        {"ack.bin",
         encodeFrame(FrameType::Ack, 0, 0x0102, QByteArray("\x00\x02\x80\x02\x00\x03\x10\x03", 8))},
        {"data-hello.bin", dataFrameWith(encodeHello(), 0, 1)},
        // Coded: 1,000 spoilt bytes in a million seen, the same ranges held; the greeting
        // with four parity bytes.
        {"coded-ack.bin",
         encodeCodedFrame(FrameType::Ack, 0, 0x0102,
                          QByteArray("\xE8\x03\x00\x02\x80\x02\x00\x03\x10\x03", 10), 0)},
        {"coded-data-hello.bin", dataFrameWith(encodeHello(), 0, 1, 4)},
        {"data-ident.bin", dataFrameWith(*encodeIdent(PagerIdentity{}), 0, 2)},
        {"data-folder-names.bin", dataFrameWith(*encodeFolderNames(names), 300, 4)},
        {"data-message.bin", dataFrameWith(*encodeMessage(message), 0xFFF0, 4)},
        {"data-contact.bin", dataFrameWith(*encodeContact(contact), 9, 0)},
        {"data-group.bin", dataFrameWith(*encodeGroup(group), 9, 0)},
    };
    const QString folder = QStringLiteral(QUILLBOX_TEST_DATA "/protocol/");
    for (const auto& [name, bytes] : pinned) {
        QFile file(folder + QLatin1String(name));
        if (qEnvironmentVariableIsSet("QUILLBOX_WRITE_PROTOCOL_DATA")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        QCOMPARE(file.readAll(), bytes);
    }
}

QTEST_GUILESS_MAIN(TestProtocolFrames)
#include "tst_protocolframes.moc"
