// The reliable link over a simulated 38400-baud line: what each fault of the line costs and
// how it ends.

#include "devlink/protocol/errors.h"
#include "devlink/protocol/framelog.h"
#include "devlink/protocol/linkendpoint.h"
#include "simline.h"

#include <QTest>

using namespace devlink::protocol;
using simline::A;
using simline::B;
using simline::Simulation;

namespace {

constexpr int kBaud = 38400;

struct Pair
{
    Pair(quint32 seed = 1) : sim(kBaud, seed)
    {
        for (LinkEndpoint* link : {&a, &b}) {
            link->setBaudRate(kBaud);
            link->setTimeout(300);
        }
        b.listen();
    }

    // Opens a session and waits until both ends have it.
    bool connect()
    {
        a.open(sim.now, ++sessions);
        return run([this] { return a.isEstablished() && a.nextWakeMs(sim.now) > sim.now; });
    }
    bool run(const std::function<bool()>& done, qint64 limitMs = 60'000)
    {
        return sim.run(a, b, done, limitMs);
    }
    std::vector<QByteArray> received()
    {
        std::vector<QByteArray> out;
        while (b.hasMessage())
            out.push_back(b.takeMessage());
        return out;
    }

    Simulation sim;
    LinkEndpoint a{LinkEndpoint::Role::Initiator};
    LinkEndpoint b{LinkEndpoint::Role::Responder};
    quint32 sessions = 0;
};

// The frames of one write, whole (poll hands out whole frames).
std::vector<QByteArray> splitFrames(const QByteArray& bytes)
{
    std::vector<QByteArray> out;
    for (qsizetype at = 0; at < bytes.size();) {
        out.push_back(bytes.sliced(at, writtenFrameBytes(QByteArrayView(bytes).sliced(at))));
        at += out.back().size();
    }
    return out;
}

qsizetype payloadSize(const QByteArray& frame)
{
    return quint8(frame[7]) | (qsizetype(quint8(frame[8])) << 8);
}

FrameType typeOf(const QByteArray& frame)
{
    return FrameType(quint8(frame[2]));
}

enum class Spoil
{
    Drop,
    Corrupt, // one byte of the body changed
    Repeat,
};

// A filter for one direction of the line: the n-th frame of a type is spoilt, and the size of
// its body goes to *bodySize.
auto spoilFrame(FrameType type, int n, Spoil how, qsizetype* bodySize = nullptr)
{
    return [=, seen = 0](const QByteArray& bytes) mutable {
        QByteArray out;
        for (QByteArray f : splitFrames(bytes)) {
            if (typeOf(f) == type && seen++ == n) {
                if (bodySize)
                    *bodySize = payloadSize(f);
                if (how == Spoil::Drop)
                    continue;
                if (how == Spoil::Repeat)
                    out += f;
                else
                    f[kHeaderBytes + 100] = static_cast<char>(f[kHeaderBytes + 100] ^ 0x10);
            }
            out += f;
        }
        return out;
    };
}

QByteArray pattern(qsizetype size, int seed)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = static_cast<char>((i * 131 + seed) & 0xFF);
    return out;
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void streamsAtLineSpeed();
    void onlyWhatWasLostGoesAgain_data();
    void onlyWhatWasLostGoesAgain();
    void noisyLine_data();
    void noisyLine();
    void deliveredOnceAndAcknowledgedAgain();
    void silence();
    void lineStaysCorrupt();
    void disconnectInAFrameThenNewSession();
    void peerStartedAfresh();
    void logHoldsHeadersOnly();
};

void TestLink::streamsAtLineSpeed()
{
    Pair p;
    QVERIFY(p.connect());
    const std::vector<QByteArray> messages = {pattern(kMaxMessageBytes, 1), "x", pattern(5000, 2)};
    QVERIFY(!p.a.send(pattern(kMaxMessageBytes + 1, 3)));
    qsizetype streamBytes = 0;
    for (const QByteArray& m : messages) {
        QVERIFY(p.a.send(m));
        streamBytes += m.size() + (m.size() < 128 ? 1 : m.size() < 16384 ? 2 : 3);
    }
    const qint64 start = p.sim.now;
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    QCOMPARE(p.received(), messages);

    // Time-outs count from when a frame reaches the peer: a long queue costs none.
    QCOMPARE(p.a.stats().timeouts, 0u);
    QCOMPARE(p.a.stats().retransmittedBytes, 0u);
    const double lineMs = double(streamBytes) * 10000.0 / kBaud;
    const double elapsed = double(p.sim.now - start);
    QVERIFY2(elapsed < lineMs * 1.03,
             qPrintable(QStringLiteral("%1 ms for %2 ms of payload").arg(elapsed).arg(lineMs)));

    // A queue nobody drains is bounded.
    int queued = 0;
    while (p.a.send(pattern(kMaxMessageBytes, 4)))
        ++queued;
    QCOMPARE(queued, int(kMaxQueuedBytes / kMaxMessageBytes));
}

void TestLink::onlyWhatWasLostGoesAgain_data()
{
    // A message of four frames (1024, 1024, 1024, 930 bytes); one of them is spoilt.
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("drop"); // else one byte of its body is changed
    QTest::addColumn<quint64>("timeouts");
    QTest::addColumn<quint64>("held"); // frames kept beyond the missing one
    QTest::newRow("first damaged: its NAK") << 0 << false << 0ull << 1ull;
    QTest::newRow("second lost: the next one shows it") << 1 << true << 0ull << 2ull;
    QTest::newRow("last damaged: its NAK") << 3 << false << 0ull << 0ull;
    QTest::newRow("last lost: only the time-out tells") << 3 << true << 1ull << 0ull;
}

void TestLink::onlyWhatWasLostGoesAgain()
{
    QFETCH(int, frame);
    QFETCH(bool, drop);
    QFETCH(quint64, timeouts);
    QFETCH(quint64, held);
    Pair p;
    QVERIFY(p.connect());
    qsizetype spoiltBytes = 0;
    p.sim.line.from(A).filter =
        spoilFrame(FrameType::Data, frame, drop ? Spoil::Drop : Spoil::Corrupt, &spoiltBytes);
    const QByteArray message = pattern(4000, 5);
    p.a.send(message);
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    QCOMPARE(p.received(), std::vector<QByteArray>{message});
    QCOMPARE(p.a.stats().lostFrames, 1u);
    QCOMPARE(p.a.stats().retransmittedBytes, quint64(spoiltBytes));
    QCOMPARE(p.a.stats().timeouts, timeouts);
    QCOMPARE(p.b.stats().heldFrames, held); // and put in order when the resend came
}

void TestLink::noisyLine_data()
{
    // A session of the current version repairs a noisy line's bytes with parity, whose
    // strength follows the error rate; one with a peer of version 2 (either end) speaks
    // plain frames and cuts them shorter instead.
    QTest::addColumn<int>("versionA"); // the program's end, which opens the session
    QTest::addColumn<int>("versionB"); // the pager's
    QTest::newRow("parity") << int(kLinkVersion) << int(kLinkVersion);
    QTest::newRow("old pager") << int(kLinkVersion) << int(kPlainLinkVersion);
    QTest::newRow("old program") << int(kPlainLinkVersion) << int(kLinkVersion);
}

void TestLink::noisyLine()
{
    QFETCH(int, versionA);
    QFETCH(int, versionB);
    const bool coded = versionA >= kCodedLinkVersion && versionB >= kCodedLinkVersion;
    Pair p(3);
    p.a.setLinkVersion(quint8(versionA));
    p.b.setLinkVersion(quint8(versionB));
    bool plainOnly = true;
    p.sim.line.from(A).filter = [&plainOnly](const QByteArray& bytes) {
        for (const QByteArray& f : splitFrames(bytes))
            plainOnly = plainOnly && quint8(f[1]) == kMarker1;
        return bytes;
    };
    QVERIFY(p.connect());
    QCOMPARE(int(p.a.sessionVersion()), coded ? int(kCodedLinkVersion) : int(kPlainLinkVersion));
    p.sim.line.from(A).corruptRate = 0.001;
    p.sim.line.from(B).corruptRate = 0.001;
    const QByteArray noisy = pattern(60'000, 9);
    p.a.send(noisy);
    const qint64 start = p.sim.now;
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    QCOMPARE(plainOnly, !coded);
    const double lineMs = 60'003 * 10000.0 / kBaud;
    const double elapsed = double(p.sim.now - start);
    if (coded) {
        QVERIFY2(p.a.parity() >= 2 && p.a.parity() <= 8, qPrintable(QString::number(p.a.parity())));
        QCOMPARE(p.a.segmentSize(), kMaxPayload);
        QVERIFY2(elapsed < 1.1 * lineMs, qPrintable(QString::number(elapsed)));
    } else {
        // Near the best size for this rate (about 110 bytes); the line's time goes to the
        // frames' own bytes and the lost ones, not to resending what arrived.
        QVERIFY2(p.a.segmentSize() >= 60 && p.a.segmentSize() <= 250,
                 qPrintable(QString::number(p.a.segmentSize())));
        QVERIFY2(elapsed < 1.4 * lineMs, qPrintable(QString::number(elapsed)));
    }

    p.sim.line.from(A).corruptRate = 0;
    p.sim.line.from(B).corruptRate = 0;
    p.a.send(pattern(60'000, 10));
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    QCOMPARE(p.a.segmentSize(), kMaxPayload); // a clean line gets full frames again
    QVERIFY(p.a.parity() <= 2);               // and little parity
    QCOMPARE(p.received(), (std::vector<QByteArray>{noisy, pattern(60'000, 10)}));
}

void TestLink::deliveredOnceAndAcknowledgedAgain()
{
    // A lost acknowledgement brings the frame again after a time-out; a frame may also simply
    // arrive twice.
    for (const bool ackLost : {true, false}) {
        Pair p;
        QVERIFY(p.connect());
        if (ackLost)
            p.sim.line.from(B).filter = spoilFrame(FrameType::Ack, 0, Spoil::Drop);
        else
            p.sim.line.from(A).filter = spoilFrame(FrameType::Data, 0, Spoil::Repeat);
        p.a.send("hello");
        QVERIFY(
            p.run([&] { return p.a.allAcknowledged() && p.sim.line.nextArrivalMs(B) == kNever; }));
        QCOMPARE(p.received(), std::vector<QByteArray>{"hello"});
        QCOMPARE(p.b.stats().duplicateFrames, 1u);
        QCOMPARE(p.a.stats().timeouts, ackLost ? 1u : 0u);
        QCOMPARE(p.a.stats().lostFrames, ackLost ? 1u : 0u);
    }
}

void TestLink::silence()
{
    // Nobody at the other end.
    Pair p;
    p.sim.line.from(A).cut = true;
    p.a.open(0, 1);
    QVERIFY(p.run([&] { return p.a.failed(); }));
    QCOMPARE(p.a.errorCode(), int(ErrNoAnswer));
    QVERIFY2(p.sim.now <= 4 * 300 + 50, qPrintable(QString::number(p.sim.now)));

    // Waiting for an answer that never comes, with nothing in flight.
    Pair q;
    QVERIFY(q.connect());
    q.a.setAwaitingReply(true, q.sim.now);
    q.sim.line.from(B).cut = true;
    QVERIFY(q.run([&] { return q.a.failed(); }));
    QCOMPARE(q.a.errorCode(), int(ErrNoAnswer));
}

void TestLink::lineStaysCorrupt()
{
    Pair p(7);
    QVERIFY(p.connect());
    // Hardly a frame of any size passes (a noisy line that still moves data is slow, not
    // failed).
    p.sim.line.from(A).corruptRate = 0.3;
    p.sim.line.from(B).corruptRate = 0.3;
    p.a.send(pattern(30'000, 7));
    QVERIFY(p.run([&] { return p.a.failed(); }));
    QCOMPARE(p.a.errorCode(), int(ErrLineCorrupt));
    QVERIFY(p.sim.now < 30'000);

    // When the pager is the one that gives up (it sends a download), its RST says why, and
    // the program reports the noise rather than a lost connection.
    for (const int reason : {int(ErrLineCorrupt), int(ErrProtocol)}) {
        Pair q(7);
        QVERIFY(q.connect());
        q.b.send(pattern(3'000, 7));
        q.b.abort(reason);
        QVERIFY(q.run([&] { return q.a.failed(); }));
        QCOMPARE(q.a.errorCode(), reason == ErrLineCorrupt ? reason : int(ErrConnectionLost));
    }
}

void TestLink::disconnectInAFrameThenNewSession()
{
    Pair p;
    QVERIFY(p.connect());
    p.a.send(pattern(4000, 8));
    // Half of the first frame is through when the cable comes out.
    QVERIFY(p.run([&] { return p.a.stats().dataFramesSent > 0; }));
    const qint64 start = p.sim.now;
    QVERIFY(p.run([&] { return p.sim.now >= start + 140; }));
    p.sim.line.from(A).cut = true;
    QVERIFY(p.run([&] { return p.a.failed(); }));
    QCOMPARE(p.a.errorCode(), int(ErrNoAnswer));
    QVERIFY(p.received().empty());

    // Back in: a new session goes through; the half frame is not taken for anything.
    p.sim.line.from(A).cut = false;
    QVERIFY(p.run([&] {
        return p.sim.line.nextArrivalMs(A) == kNever && p.a.nextWakeMs(p.sim.now) == kNever;
    }));
    QVERIFY(p.connect());
    p.a.send("again");
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    QCOMPARE(p.received(), std::vector<QByteArray>{"again"});
}

void TestLink::peerStartedAfresh()
{
    Pair p;
    QVERIFY(p.connect());
    p.b = LinkEndpoint(LinkEndpoint::Role::Responder); // the pager was switched off and on
    p.b.setBaudRate(kBaud);
    p.b.listen();
    p.a.send("anyone?");
    QVERIFY(p.run([&] { return p.a.failed(); }));
    QCOMPARE(p.a.errorCode(), int(ErrConnectionLost));
    QVERIFY(p.sim.now < 1000);
}

void TestLink::logHoldsHeadersOnly()
{
    // A session whose first DATA frame arrives damaged, then comes again.
    Pair p;
    FrameLog log;
    FrameLog lastTen(10);
    for (LinkEndpoint* end : {&p.a, &p.b})
        end->setFrameObserver([&](const FrameSeen& f) {
            log.add(f);
            lastTen.add(f);
        });
    p.sim.line.from(A).filter = spoilFrame(FrameType::Data, 0, Spoil::Corrupt);
    QVERIFY(p.connect());
    p.a.send(QByteArray("Meet me at noon, Ann. ").repeated(300));
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));

    const QString text = QString::fromUtf8(log.text());
    QVERIFY(!text.contains(QLatin1String("noon")));
    // Sent, the damaged arrival with what its header told, and a whole one.
    QVERIFY(text.contains(QLatin1String("  out  DATA         0      1    1024  -\n")));
    QVERIFY(text.contains(QLatin1String("  in   DATA         0      1       -  damaged\n")));
    QVERIFY(text.contains(QLatin1String("  in   DATA      1024      2    1024  ok\n")));
    // Bytes the parity put right, once the line has shown itself noisy.
    p.sim.line.from(A).corruptRate = 0.002;
    p.a.send(QByteArray("Meet me at noon, Ann. ").repeated(3000));
    QVERIFY(p.run([&] { return p.a.allAcknowledged(); }));
    const QString after = QString::fromUtf8(log.text());
    QVERIFY(after.contains(QLatin1String("  repaired ")));
    QVERIFY(!after.contains(QLatin1String("noon")));

    QCOMPARE(lastTen.size(), 10);
    QVERIFY(QString::fromUtf8(lastTen.text()).contains(QLatin1String(" older ones left out")));
    QCOMPARE(lastTen.text().split('\n').last(1), log.text().split('\n').last(1));
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
