// Sync of 1,000 cards with a Radicale started on 127.0.0.1 (the tests' server): the first
// sync (the ETag listing, 20 multigets of 50, the merge: 250 contacts taken, 750 left on the
// server as the address book is full) and an unchanged sync (one sync-collection request,
// no card fetched). Wall time and requests of each, best of 5.
#include "carddav/carddavsync.h"
#include "tests/carddav/davserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kCards = 1000;

QByteArray card(int i)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:bench-%1\r\nFN:First%1 Last%1\r\n"
                          "N:Last%1;First%1;;;\r\nEMAIL;TYPE=INTERNET:person%1@example.org\r\n"
                          "TEL;TYPE=CELL:+1 555 %2\r\nTEL;TYPE=WORK:+1 556 %2\r\n"
                          "ORG:Company %1\r\nNOTE:A note for card %1\r\nBDAY:1980-01-01\r\n"
                          "X-BENCH:kept\r\nEND:VCARD\r\n")
        .arg(i)
        .arg(i, 4, 10, QLatin1Char('0'))
        .toUtf8();
}

struct Run
{
    qint64 ms = 0;
    int requests = 0;
    carddav::Outcome outcome;
};

Run syncOnce(DavServer& server, const carddav::LocalBook& book, const carddav::SyncState& state)
{
    carddav::DavClient client(server.user, server.password);
    carddav::Sync sync(client);
    QElapsedTimer timer;
    timer.start();
    Run run;
    run.outcome = sync.run(server.url(), server.user, book, state, {});
    run.ms = timer.elapsed();
    run.requests = client.requests();
    if (run.outcome.failure != carddav::Failure::None)
        std::fprintf(stderr, "sync failed: %s\n", qPrintable(run.outcome.error));
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    DavServer server(DavServer::Radicale);
    if (const QString why = server.start(); !why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    // The cards go up as another client's would, once.
    for (int i = 0; i < kCards; ++i) {
        const int status = server.send("PUT", QStringLiteral("c%1.vcf").arg(i), card(i)).status;
        if (status != 201) {
            std::fprintf(stderr, "PUT answered %d\n", status);
            return 1;
        }
    }
    qint64 firstBest = -1;
    qint64 unchangedBest = -1;
    Run first;
    Run unchanged;
    for (int round = 0; round < 5; ++round) {
        first = syncOnce(server, {}, {});
        if (first.outcome.failure != carddav::Failure::None)
            return 1;
        unchanged = syncOnce(server, first.outcome.book, first.outcome.state);
        if (unchanged.outcome.failure != carddav::Failure::None)
            return 1;
        firstBest = firstBest < 0 ? first.ms : std::min(firstBest, first.ms);
        unchangedBest = unchangedBest < 0 ? unchanged.ms : std::min(unchangedBest, unchanged.ms);
    }
    std::printf("first sync:     %5lld ms, %3d requests, %d cards fetched, %zu contacts taken, "
                "%zu left on the server\n",
                static_cast<long long>(firstBest), first.requests, first.outcome.fetched,
                first.outcome.book.contacts.size(),
                first.outcome.merge ? first.outcome.merge->unfit().size() : size_t(0));
    std::printf("unchanged sync: %5lld ms, %3d requests, %d cards fetched\n",
                static_cast<long long>(unchangedBest), unchanged.requests,
                unchanged.outcome.fetched);
    return 0;
}
