// Renumbering must give exactly what the plain rule gives: walk the list, and each time a
// number is lowered, rewrite every field that holds it, across the whole list.

#include "messages/messagestore.h"
#include "randomstore.h"

#include <QTest>

#include <limits>

namespace {

void plainRenumber(RecordList& list, StoreCounters& counters)
{
    if (list.empty())
        return;
    qint32 folderCounter = 20;
    qint32 messageCounter = 2;
    for (MessageRecord& r : list) {
        if (r.nKind == KIND_FOLDER) {
            if (r.nFolderId > folderCounter) {
                const qint32 old = r.nFolderId;
                r.nFolderId = folderCounter;
                for (MessageRecord& x : list) {
                    if (x.nParentId == old)
                        x.nParentId = folderCounter;
                    if (x.nFolderId == old)
                        x.nFolderId = folderCounter;
                }
            }
            ++folderCounter;
        } else if (r.nKind == KIND_MESSAGE) {
            if (r.nMessageId > messageCounter) {
                const qint32 old = r.nMessageId;
                r.nMessageId = messageCounter;
                for (MessageRecord& x : list) {
                    if (x.nKind == KIND_COMPANION && x.nMessageId == old)
                        x.nMessageId = messageCounter;
                }
            }
            ++messageCounter;
        }
    }
    counters.TreeItemDataCNT = folderCounter + 1;
    counters.ListItemDataCNT = messageCounter + 1;
}

// The next folder and message numbers.
std::pair<qint32, qint32> numbers(const StoreCounters& c)
{
    return {c.TreeItemDataCNT, c.ListItemDataCNT};
}

MessageRecord record(RecordKind kind, qint32 folderId, qint32 parentId, qint32 messageId = 0)
{
    MessageRecord r;
    r.nKind = kind;
    r.nFolderId = folderId;
    r.nParentId = parentId;
    r.nMessageId = messageId;
    return r;
}

} // namespace

class TestRenumber : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void matchesPlainRuleOnRandomLists()
    {
        std::mt19937 rng(20240611);
        for (int round = 0; round < 4000; ++round) {
            const int range = round % 3 == 0 ? 4 : 12;
            MessageStore store;
            store.records() = randomRecords(rng, 14, range);
            store.counters() = {round % 7, 20 + round % 5};
            RecordList expected = store.records();
            StoreCounters expectedCounters = store.counters();
            plainRenumber(expected, expectedCounters);

            store.RenumberRecords();
            if (store.records() != expected)
                QFAIL(qPrintable(QStringLiteral("records differ in round %1").arg(round)));
            QCOMPARE(numbers(store.counters()), numbers(expectedCounters));
        }
    }

    void countersRiseAboveNumbersRead()
    {
        MessageStore store;
        store.records().push_back(record(KIND_FOLDER, 20, PARENT_LOCAL));
        store.records().push_back(record(KIND_FOLDER, 26, 41)); // parent missing from the list
        store.records().push_back(record(KIND_MESSAGE, 55, PARENT_LOCAL, 300)); // folder gone
        store.records().push_back(record(KIND_COMPANION, 20, PARENT_LOCAL, 301));
        store.RaiseCountersAboveRecords();
        QCOMPARE(numbers(store.counters()), std::pair(56, 302));

        // Never lowered.
        store.counters() = {1000, 1000};
        store.RaiseCountersAboveRecords();
        QCOMPARE(numbers(store.counters()), std::pair(1000, 1000));

        // At the top of the range a counter stops instead of wrapping to a negative number.
        constexpr qint32 top = std::numeric_limits<qint32>::max();
        store.records().push_back(record(KIND_MESSAGE, top, PARENT_LOCAL, top));
        store.RaiseCountersAboveRecords();
        QCOMPARE(numbers(store.counters()), std::pair(top, top));
        store.InsertFolder("x", "LocalFolder", PARENT_LOCAL);
        QCOMPARE(store.counters().TreeItemDataCNT, top);
    }
};

QTEST_GUILESS_MAIN(TestRenumber)
#include "tst_renumber.moc"
