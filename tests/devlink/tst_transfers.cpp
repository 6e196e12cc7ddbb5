// The three transfers end to end, program side against pager side over a simulated
// 38400-baud line, clean and noisy, the pager's refusals, and the rate line a running transfer
// shows. What a transfer costs in line time is bench_devlink's to measure.

#include "devlink/protocol/errors.h"
#include "devlink/protocol/transferclient.h"
#include "devlink/protocol/transferserver.h"
#include "devlink/transferrate.h"
#include "simline.h"

#include <QTest>

using namespace devlink::protocol;
using simline::A;
using simline::B;

namespace {

constexpr int kBaud = 38400;

struct Rig
{
    explicit Rig(quint32 seed, double noise = 0, double drop = 0) : sim(kBaud, seed)
    {
        client.setBaudRate(kBaud);
        client.setTimeout(300);
        server.setBaudRate(kBaud);
        server.setTimeout(300);
        for (const simline::Side side : {A, B}) {
            sim.line.from(side).corruptRate = noise;
            sim.line.from(side).dropRate = drop;
        }
    }
    // Runs the transfer to its end; its events.
    std::vector<TransferEvent> finish(qint64 limitMs = 600'000)
    {
        std::vector<TransferEvent> events;
        sim.run(
            client, server,
            [&] {
                for (const TransferEvent& e : client.takeEvents())
                    events.push_back(e);
                return !client.isRunning();
            },
            limitMs);
        // Let the last acknowledgement reach the pager.
        sim.run(
            client, server, [] { return false; }, 50);
        return events;
    }

    simline::Simulation sim;
    TransferClient client;
    TransferServer server;
};

std::vector<TransferEvent> expectedEvents(int mode, int items)
{
    std::vector<TransferEvent> events = {{EventStarted, mode}, {EventCount, items}};
    events.insert(events.end(), size_t(items), TransferEvent{EventItemDone, 0});
    events.push_back({EventFinished, mode});
    return events;
}

} // namespace

class TestTransfers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endToEnd_data();
    void endToEnd();
    void stallsAddUpToNothing();
    void pagerRefusesUpload();
    void programSideGuards();
    void rateLineText();
    void rateMeter();
};

void TestTransfers::endToEnd_data()
{
    QTest::addColumn<double>("noise");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("drop");
    QTest::newRow("clean line") << 0.0 << 1u << 0.0;
    QTest::newRow("1 byte in 1000 corrupted") << 0.001 << 2u << 0.0;
    QTest::newRow("1 byte in 1000 lost") << 0.0 << 5u << 0.001;
}

void TestTransfers::endToEnd()
{
    QFETCH(double, noise);
    QFETCH(quint32, seed);
    QFETCH(double, drop);
    Rig rig(seed, noise, drop);
    const PagerContents pager = simline::sampleContents(150, 120, 12, seed);
    QVERIFY(checkContents(pager, rig.server.identity()).isEmpty());
    rig.server.setContents(pager);

    QCOMPARE(rig.client.startMessageDownload(rig.sim.now), int(ErrNone));
    QCOMPARE(rig.finish(), expectedEvents(ModeDownloadMessages, 150));
    QCOMPARE(rig.client.pagerIdentity(), rig.server.identity());
    QCOMPARE(rig.client.folderNames(), pager.folderNames);
    QVERIFY(simline::sameMessages(rig.client.takeMessages(), pager.messages));

    QCOMPARE(rig.client.startContactsDownload(rig.sim.now), int(ErrNone));
    QCOMPARE(rig.finish(), expectedEvents(ModeDownloadContacts, 132));
    QVERIFY(rig.client.takeContacts() == pager.contacts);
    QVERIFY(rig.client.takeGroups() == pager.groups);

    // Upload another address book: it replaces the pager's whole address memory.
    PagerContents edited = simline::sampleContents(0, 250, 20, seed + 100);
    QCOMPARE(rig.client.startContactsUpload(edited.contacts, edited.groups, rig.sim.now),
             int(ErrNone));
    QCOMPARE(rig.finish(), expectedEvents(ModeUploadContacts, 270));
    QVERIFY(rig.server.contents().contacts == edited.contacts);
    QVERIFY(rig.server.contents().groups == edited.groups);
    QCOMPARE(rig.server.counters().transfersAborted, 0);
}

void TestTransfers::stallsAddUpToNothing()
{
    // The pager's bytes are lost for 0.4 s in every 1.5 s (a line that stalls, each stall
    // short of the silence that ends a link): the time-outs count from the last progress, so
    // however long the stalls add up to, the transfer goes on.
    Rig rig(3);
    const PagerContents pager = simline::sampleContents(150, 0, 0, 3);
    rig.server.setContents(pager);
    qint64 stalledMs = 0;
    QCOMPARE(rig.client.startMessageDownload(rig.sim.now), int(ErrNone));
    std::vector<TransferEvent> events;
    rig.sim.run(
        rig.client, rig.server,
        [&] {
            const bool stalled = rig.sim.now % 1500 >= 1100;
            stalledMs += stalled && !rig.sim.line.from(B).cut ? 400 : 0;
            rig.sim.line.from(B).cut = stalled;
            for (const TransferEvent& e : rig.client.takeEvents())
                events.push_back(e);
            return !rig.client.isRunning();
        },
        600'000);
    QCOMPARE(events, expectedEvents(ModeDownloadMessages, 150));
    QVERIFY(simline::sameMessages(rig.client.takeMessages(), pager.messages));
    // Longer than the longest of the link's limits.
    QVERIFY2(stalledMs > (kMaxRetries + 2) * 300, qPrintable(QString::number(stalledMs)));
}

void TestTransfers::pagerRefusesUpload()
{
    Rig rig(4);
    PagerContents before = simline::sampleContents(3, 10, 2, 4);
    rig.server.setContents(before);

    // One contact more than the address memory holds.
    PagerContents tooMany = simline::sampleContents(0, MAX_CONTACTS, 0, 5);
    tooMany.contacts.push_back(tooMany.contacts.front());
    QCOMPARE(rig.client.startContactsUpload(tooMany.contacts, {}, rig.sim.now), int(ErrNone));
    QCOMPARE(rig.finish().back(), (TransferEvent{EventFailed, ErrMemoryFull}));
    QVERIFY(rig.sim.now < 2000); // said before the records were sent

    // A field longer than the pager keeps.
    ContactList longName = before.contacts;
    longName.back().strFirstName = std::string(17, 'n');
    QCOMPARE(rig.client.startContactsUpload(longName, before.groups, rig.sim.now), int(ErrNone));
    QCOMPARE(rig.finish().back(), (TransferEvent{EventFailed, ErrInvalidData}));

    // None of it touched the pager's address memory.
    QVERIFY(rig.server.contents().contacts == before.contacts);
    QVERIFY(rig.server.contents().groups == before.groups);
}

void TestTransfers::programSideGuards()
{
    Rig rig(6);
    QCOMPARE(rig.client.start(3, 0), int(ErrUnknownMode));
    GroupList bad(1);
    bad.front().nMemberCount = MAX_GROUP_MEMBERS + 1;
    QCOMPARE(rig.client.startContactsUpload({}, bad, 0), int(ErrUnsendableRecord));
    QVERIFY(rig.client.takeEvents().empty());

    QCOMPARE(rig.client.start(ModeDownloadContacts, 0), int(ErrNone));
    QCOMPARE(rig.client.startMessageDownload(0), int(ErrBusy));
    QCOMPARE(rig.client.startContactsUpload({}, {}, 0), int(ErrBusy));

    // The port fails under a running transfer.
    rig.client.abort(ErrConnectionLost);
    QCOMPARE(rig.client.takeEvents(),
             (std::vector<TransferEvent>{{EventStarted, ModeDownloadContacts},
                                         {EventFailed, ErrConnectionLost}}));
    QVERIFY(!rig.client.isRunning());
}

// The rate line's words and numbers: units, the estimated total of a download, the rate
// smoothed while the transfer runs and the mean of the whole at its end, the time left from
// the third second on.
void TestTransfers::rateLineText()
{
    const struct
    {
        devlink::TransferRate rate;
        const char* text;
    } rows[] = {
        {{0, 0, 0, 0, 0, false, 0}, "0 B"},
        {{900, 0, 0, 0, 500, false, 0}, "900 B"}, // no rate before a second
        {{2048, 4096, 0, 0, 2000, false, 1024}, "2.0 of 4.0 KB \u00B7 1.0 KB/s"},
        {{2048, 4096, 0, 0, 3000, false, 1024}, "2.0 of 4.0 KB \u00B7 1.0 KB/s \u00B7 2 s left"},
        {{2048, 4096, 0, 0, 9000, false, 0.4}, "2.0 of 4.0 KB \u00B7 0 B/s"}, // stalled
        // A download: the total follows from the items, until all are done.
        {{3072, 0, 3, 12, 3000, false, 1024}, "3.0 of ~12.0 KB \u00B7 1.0 KB/s \u00B7 9 s left"},
        {{3072, 0, 12, 12, 1000, true, 1024}, "3.0 of 3.0 KB \u00B7 3.0 KB/s"},
        {{3 << 20, 6 << 20, 0, 0, 60'000, false, 52'429},
         "3.0 of 6.0 MB \u00B7 51.2 KB/s \u00B7 1 min 0 s left"},
        {{1000, 4'000'000, 0, 0, 3000, false, 1000},
         "0.0 of 3.8 MB \u00B7 1000 B/s \u00B7 1 h 6 min left"},
    };
    for (const auto& row : rows)
        QCOMPARE(devlink::rateLineText(row.rate), QString::fromUtf8(row.text));
}

// The smoothed rate: stretches of a steady rate, reported every so many milliseconds; the
// rate at the end. A half-life of 2 s halves the distance to a new rate in 2 s.
void TestTransfers::rateMeter()
{
    struct Stretch
    {
        qint64 ms;
        qint64 bytesPerSecond;
    };
    const struct
    {
        std::vector<Stretch> stretches;
        qint64 everyMs;
        double rate;
    } rows[] = {
        {{{4000, 1000}}, 250, 1000},           // steady: as it is from the first report on
        {{{750, 0}, {4000, 1000}}, 250, 1000}, // the greeting before the first bytes is no part
        {{{30'000, 1000}, {2000, 3000}}, 250, 2000},
        {{{30'000, 1000}, {2000, 3000}}, 1000, 2000}, // however often it is reported
        {{{30'000, 1000}, {4000, 0}}, 500, 250},      // a stall
    };
    for (const auto& row : rows) {
        devlink::RateMeter meter;
        devlink::TransferRate rate;
        for (const Stretch& stretch : row.stretches) {
            for (qint64 ms = 0; ms < stretch.ms; ms += row.everyMs) {
                rate.elapsedMs += row.everyMs;
                rate.bytesDone += stretch.bytesPerSecond * row.everyMs / 1000;
                meter.update(rate);
            }
        }
        QVERIFY2(qAbs(rate.bytesPerSecond - row.rate) < row.rate / 500,
                 qPrintable(QString::number(rate.bytesPerSecond)));
    }
}

QTEST_GUILESS_MAIN(TestTransfers)
#include "tst_transfers.moc"
