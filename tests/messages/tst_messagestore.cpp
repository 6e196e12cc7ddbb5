#include "messages/core/messagestore.h"
#include "randomstore.h"

#include <QTest>

#include <limits>

namespace {

DeviceMessage deviceMessage(quint16 folder, std::string text, std::string address = "555")
{
    DeviceMessage m;
    m.nFolder = folder;
    m.nYear = 2024;
    m.nMonth = 3;
    m.nDay = 9;
    m.nHour = 7;
    m.nMinute = 5;
    m.strHeader = "From 555";
    m.strText = std::move(text);
    m.strAddress = std::move(address);
    return m;
}

int countKind(const RecordList& l, qint32 kind, qint32 parentId)
{
    return static_cast<int>(std::count_if(l.begin(), l.end(), [&](const MessageRecord& r) {
        return r.nKind == kind && r.nParentId == parentId;
    }));
}

// What renumbering must give: walk the list, and each time a number is lowered, rewrite
// every field that holds it, across the whole list.
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
    counters.nextFolderId = folderCounter + 1;
    counters.nextMessageId = messageCounter + 1;
}

// The next folder and message numbers.
std::pair<qint32, qint32> numbers(const StoreCounters& c)
{
    return {c.nextFolderId, c.nextMessageId};
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

class TestMessageStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void takesDownloadedMessages()
    {
        MessageStore store;
        store.AddPagerFolders();
        store.InsertFolder("Inbox", "LocalFolder", PARENT_LOCAL);
        store.counters().nextMessageId = 10;
        FolderNameSlots names;
        names[0] = std::string("Work\0junk", 9);
        names[4] = std::string("\0Nope", 5);
        std::vector<DeviceMessage> download = {deviceMessage(1, "hello\r\n12345678901234567890"),
                                               deviceMessage(8, "news"), deviceMessage(1, "b"),
                                               deviceMessage(15, "nowhere"), deviceMessage(1, "c")};
        store.TakeDownloadedMessages(download, names);

        const RecordList& l = store.records();
        QCOMPARE(countKind(l, KIND_FOLDER, PARENT_PAGER), 14);
        QCOMPARE(countKind(l, KIND_MESSAGE, PARENT_PAGER), 4);
        QCOMPARE(countKind(l, KIND_COMPANION, PARENT_PAGER), 4);
        QCOMPARE(store.findFolder(PARENT_PAGER, 1)->nCount, 3);
        QCOMPARE(store.findFolder(PARENT_PAGER, 8)->nCount, 1);
        QCOMPARE(store.findFolder(PARENT_PAGER, 4)->strName, std::string("Work"));
        QCOMPARE(store.findFolder(PARENT_PAGER, 8)->strName, std::string("News/Info2"));
        QCOMPARE(store.counters().nextMessageId, 14);

        const MessageRecord* m = store.findMessage(10);
        QVERIFY(m);
        QCOMPARE(m->strTitle.str() + '|' + m->strDate + '|' + m->strOrigin + '|' + m->strName +
                     '|' + m->strParentName + '|' + m->strAddress,
                 std::string("hello123456789012345|2024-03-09 07:05|1|Inbox|PAGER|555"));
        const MessageRecord& companion = *std::next(std::find(l.begin(), l.end(), *m));
        MessageRecord expected = *m;
        expected.nKind = KIND_COMPANION;
        expected.strAddress.clear();
        QCOMPARE(companion, expected);

        // The next download replaces the pager side and nothing else.
        store.TakeDownloadedMessages({deviceMessage(2, "x")}, FolderNameSlots{});
        QCOMPARE(countKind(l, KIND_MESSAGE, PARENT_PAGER), 1);
        QCOMPARE(store.findFolder(PARENT_PAGER, 1)->nCount, 0);
        QCOMPARE(store.findFolder(PARENT_PAGER, 2)->nCount, 1);
        QCOMPARE(store.findFolder(PARENT_PAGER, 4)->strName, std::string("Work"));
        QVERIFY(store.findFolder(PARENT_LOCAL, 20));

        QCOMPARE(MessageTitle("\n\r"), std::string());
    }

    void foldersAreNamedCreatedRenamedAndDeleted()
    {
        using V = std::vector<std::string>;
        QCOMPARE(MessageStore::NewFolderName(V{"New Folder", "New Folder-1"}), "New Folder-2");
        QCOMPARE(MessageStore::NewFolderName(V{"New Folder-1", "New Folder"}), "New Folder-1");
        QCOMPARE(MessageStore::NewFolderName(V{"New Folder(0)", "x"}), "New Folder");

        MessageStore store;
        store.AddPagerFolders();
        const qint32 a = store.InsertFolder("A", "LocalFolder", PARENT_LOCAL).nFolderId;
        const qint32 b = store.InsertFolder("B", "A(0)", a).nFolderId;
        const qint32 c = store.InsertFolder("C", "B(0)", b).nFolderId;
        const qint32 keep = store.InsertFolder("Keep", "LocalFolder", PARENT_LOCAL).nFolderId;
        QCOMPARE(a, 20);
        QCOMPARE(store.counters().nextFolderId, 24);
        store.TakeDownloadedMessages({deviceMessage(1, "m1"), deviceMessage(1, "m2")}, {});
        QCOMPARE(store.CopyMessages(std::vector<qint32>{1}, a), 1);
        QCOMPARE(store.CopyMessages(std::vector<qint32>{2}, c), 1);
        QCOMPARE(store.CopyMessages(std::vector<qint32>{2}, keep), 1);

        store.RenameFolder(PARENT_LOCAL, a, "Renamed");
        for (const MessageRecord& r : store.records()) {
            if (r.nFolderId == a)
                QCOMPARE(r.strName, std::string("Renamed"));
            if (r.nParentId == a)
                QCOMPARE(r.strParentName, std::string("Renamed"));
            if (r.nFolderId == c)
                QCOMPARE(r.strParentName, std::string("B(0)"));
        }

        const size_t before = store.records().size();
        QVERIFY(!store.DeleteFolder(PARENT_LOCAL, b)); // b's parent is a, not the root
        QVERIFY(store.DeleteFolder(PARENT_LOCAL, a));
        // Three folders, two messages, and the one companion (message 3 was copied from
        // message 1, which has none to copy).
        QCOMPARE(store.records().size(), before - 6);
        for (const MessageRecord& r : store.records())
            QVERIFY(r.nFolderId != a && r.nFolderId != b && r.nFolderId != c);
        QCOMPARE(store.folderMessages(*store.findFolderById(keep)).size(), size_t(1));

        // Folders of a damaged file that name each other as parents.
        MessageStore loop;
        loop.InsertFolder("X", "LocalFolder", PARENT_LOCAL);
        loop.InsertFolder("Y", "X", 20);
        loop.records().front().nParentId = 21;
        QVERIFY(loop.DeleteFolder(21, 20));
        QVERIFY(loop.records().empty());
    }

    void copiesMovesAndDeletesWithCompanions()
    {
        MessageStore store;
        store.AddPagerFolders();
        const qint32 dest = store.InsertFolder("D", "LocalFolder", PARENT_LOCAL).nFolderId;
        const qint32 other = store.InsertFolder("O", "LocalFolder", PARENT_LOCAL).nFolderId;
        store.counters().nextMessageId = 1;
        store.TakeDownloadedMessages(
            {deviceMessage(1, "one"), deviceMessage(1, "two"), deviceMessage(1, "three")}, {});
        QVERIFY(store.DropCopies(1, false));
        QVERIFY(!store.DropCopies(dest, false));
        QVERIFY(store.DropCopies(dest, true));

        // Message 1 has no companion copied (numbers below 2 never had one worth following).
        QCOMPARE(store.CopyMessages(std::vector<qint32>{1, 2, 3}, dest), 3);
        QCOMPARE(store.findFolder(PARENT_PAGER, 1)->nCount, 3);
        QCOMPARE(store.findFolderById(dest)->nCount, 3);
        QCOMPARE(store.counters().nextMessageId, 7);
        QCOMPARE(countKind(store.records(), KIND_COMPANION, PARENT_LOCAL), 2);
        const MessageRecord& copied = store.records().back();
        QVERIFY(copied.nKind == KIND_COMPANION && copied.nMessageId == 6);
        QCOMPARE(copied.strName.str() + '|' + copied.strText + '|' + copied.strAddress, "D|three|");

        // Move two local messages: the companions go along, the counts follow.
        QCOMPARE(store.MoveMessages(std::vector<qint32>{5, 6, 99, 4}, other), 2);
        QCOMPARE(store.findFolderById(dest)->nCount, 1);
        QCOMPARE(store.findFolderById(other)->nCount, 2);
        for (const MessageRecord& r : store.records()) {
            if (r.nKind != KIND_FOLDER && (r.nMessageId == 5 || r.nMessageId == 6))
                QCOMPARE(r.nFolderId, other);
        }

        // Delete: stops at a number below 1, passes over one that is gone.
        const std::vector<qint32> changed =
            store.DeleteMessages(std::vector<qint32>{6, 42, 5, 0, 4});
        QCOMPARE(changed, std::vector<qint32>{other});
        QCOMPARE(store.findFolderById(other)->nCount, 0);
        QVERIFY(!store.findMessage(5));
        QVERIFY(store.findMessage(4));
        QCOMPARE(countKind(store.records(), KIND_COMPANION, PARENT_LOCAL), 0);

        // No destination folder: nothing happens.
        QCOMPARE(store.CopyMessages(std::vector<qint32>{4}, 0), 0);
        QCOMPARE(store.MoveMessages(std::vector<qint32>{4}, 77), 0);
    }

    void batchesMatchOneAtATime()
    {
        // A batch looks everything up in maps built once; handling the ids one call at a
        // time must give the same records, counts and counters.
        std::mt19937 rng(77);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        for (int round = 0; round < 3000; ++round) {
            MessageStore batch;
            batch.records() = randomRecords(rng, 16, 5);
            batch.counters() = {pick(1, 8), 20};
            MessageStore single = batch;
            std::vector<qint32> ids(static_cast<size_t>(pick(0, 6)));
            for (qint32& id : ids)
                id = pick(-1, 7);
            const qint32 dest = pick(0, 1) ? pick(0, 5) : pick(18, 23);

            const int op = round % 3;
            if (op == 0) {
                std::vector<qint32> changed;
                for (const qint32 id : ids) {
                    if (id < 1)
                        break;
                    for (const qint32 f : single.DeleteMessages(std::vector<qint32>{id})) {
                        if (std::find(changed.begin(), changed.end(), f) == changed.end())
                            changed.push_back(f);
                    }
                }
                QCOMPARE(batch.DeleteMessages(ids), changed);
            } else {
                int done = 0;
                for (const qint32 id : ids) {
                    const std::vector<qint32> one{id};
                    if ((op == 1 ? single.CopyMessages(one, dest)
                                 : single.MoveMessages(one, dest)) == 0)
                        break;
                    ++done;
                }
                QCOMPARE(op == 1 ? batch.CopyMessages(ids, dest) : batch.MoveMessages(ids, dest),
                         done);
            }
            if (batch.records() != single.records())
                QFAIL(qPrintable(
                    QStringLiteral("operation %1 differs in round %2").arg(op).arg(round)));
            QCOMPARE(batch.counters().nextMessageId, single.counters().nextMessageId);
        }
    }

    void renumberingMatchesPlainRuleOnRandomLists()
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
        QCOMPARE(store.counters().nextFolderId, top);
    }
};

QTEST_GUILESS_MAIN(TestMessageStore)
#include "tst_messagestore.moc"
