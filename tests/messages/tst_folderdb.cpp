#include "messages/core/folderdb.h"
#include "messages/core/messagestore.h"
#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

MessageRecord folder(const char* name, qint32 number)
{
    MessageRecord r;
    r.strName = name;
    r.strParentName = "LocalFolder";
    r.nFolderId = number;
    r.nParentId = PARENT_LOCAL;
    return r;
}

// A store as a run leaves it: pager side, default folders, messages filed locally.
MessageStore usedStore()
{
    MessageStore store;
    store.AddPagerFolders();
    for (const char* name : kDefaultLocalFolderNames)
        store.InsertFolder(name, "LocalFolder", PARENT_LOCAL);
    DeviceMessage m;
    m.nFolder = 1;
    m.strText = std::string(300, 'x') + "\r\nend";
    m.strHeader = "From 12";
    m.strAddress = "12";
    store.TakeDownloadedMessages({m, m, m}, {});
    store.counters().nextFolderId = 60;
    const qint32 sub = store.InsertFolder("Sub", "Inbox(0)", 20).nFolderId;
    store.CopyMessages(std::vector<qint32>{2, 3}, 20);
    store.CopyMessages(std::vector<qint32>{2}, sub);
    return store;
}

// The next folder and message numbers.
std::pair<qint32, qint32> numbers(const StoreCounters& c)
{
    return {c.nextFolderId, c.nextMessageId};
}

RecordList localSide(const RecordList& l)
{
    RecordList local;
    std::copy_if(l.begin(), l.end(), std::back_inserter(local),
                 [](const MessageRecord& r) { return r.nParentId != PARENT_PAGER; });
    return local;
}

} // namespace

class TestFolderDb : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodesEachStringForm()
    {
        // The length of a string, and the bytes that say it.
        const std::pair<size_t, QByteArray> forms[] = {{0, "00"},
                                                       {254, "fe"},
                                                       {255, "ffff00"},
                                                       {0xFFFD, "fffdff"},
                                                       {0xFFFE, "fffffffeff0000"},
                                                       {70000, "ffffff70110100"}};
        for (const auto& [length, prefix] : forms) {
            RecordList records{folder("", 20)};
            records.front().strName = std::string(length, 'n');
            const QByteArray bytes = folderdb::toBytes(7, records);
            QCOMPARE(bytes.mid(8, prefix.size() / 2).toHex(), prefix);
            RecordList read;
            QVERIFY(folderdb::readBytes(bytes.constData(), bytes.size(), read).ok);
            QVERIFY(read == records);
        }

        // The long forms are read even where a shorter one would have done.
        const QByteArray loose =
            QByteArray::fromHex("1400000001000000") + QByteArray::fromHex("ff0200") + "ab" +
            QByteArray::fromHex("00000000ffffff01000000") + "c" + QByteArray(5 * 4 + 6, '\0');
        RecordList read;
        QVERIFY(folderdb::readBytes(loose.constData(), loose.size(), read).ok);
        QCOMPARE(read.front().strName, std::string("ab"));
        QCOMPARE(read.front().strParentName, std::string("c"));

        // 0xFFFE after 0xFF marks wide text, which this file never holds.
        const QByteArray wide = QByteArray::fromHex("1400000001000000fffeff");
        const folderdb::ReadResult r = folderdb::readBytes(wide.constData(), wide.size(), read);
        QVERIFY(!r.ok);
        QCOMPARE(r.errorOffset, 8);
        QVERIFY(r.error.contains(QStringLiteral("byte 8")));
    }

    void encodesWorkedExamples()
    {
        // The 56-byte folder of the format's description, and a message whose fields are all
        // distinct, to pin the file order of a record.
        const MessageRecord m{"N", 0,   "P", KIND_MESSAGE, 20,  PARENT_LOCAL, 3,
                              "A", "H", "T", "I",          "D", "O",          7};
        const std::tuple<quint32, MessageRecord, const char*> examples[] = {
            {20, folder("Inbox", 20),
             "14000000 01000000 05 496e626f78 00000000 0b 4c6f63616c466f6c646572 00000000 "
             "14000000 feffffff 00000000 00000000 00 00 00 00 00 00"},
            {0xDEADBEEF, m,
             "efbeadde 01000000 014e 00000000 0150 01000000 14000000 feffffff 03000000 "
             "07000000 0154 0144 014f 0149 0148 0141"}};
        for (const auto& [header, record, hex] : examples) {
            const QByteArray expected = QByteArray::fromHex(hex);
            QCOMPARE(folderdb::toBytes(header, {record}).toHex(' '), expected.toHex(' '));
            RecordList one;
            const folderdb::ReadResult r =
                folderdb::readBytes(expected.constData(), expected.size(), one);
            QVERIFY(r.found && r.ok);
            QCOMPARE(r.header, header);
            QVERIFY(one == RecordList{record});
        }
    }

    void readsOddCounts()
    {
        RecordList read{folder("stale", 1)};
        for (const char* hex : {"1400000000000000", "14000000fbffffff0b0c0d"}) {
            const QByteArray bytes = QByteArray::fromHex(hex);
            const folderdb::ReadResult r =
                folderdb::readBytes(bytes.constData(), bytes.size(), read);
            QVERIFY(r.found && r.ok);
            QVERIFY(read.empty());
        }

        // An absurd count fails where the bytes run out, allocating nothing big (an absurd
        // length: refusesAbsurdLengthsAndWhatItCannotRead).
        QByteArray hugeCount = folderdb::toBytes(20, {folder("a", 20)});
        hugeCount.replace(4, 4, QByteArray::fromHex("ffffff7f"));
        folderdb::ReadResult r = folderdb::readBytes(hugeCount.constData(), hugeCount.size(), read);
        QVERIFY(!r.ok);
        QCOMPARE(read.size(), size_t(1));
        QCOMPARE(r.errorOffset, hugeCount.size());
    }

    void keepsWhatComesBeforeDamageAtEveryOffset()
    {
        QTemporaryDir dir;
        const QString path = folderdb::databasePath(dir.path());
        MessageStore store = usedStore();
        QString error;
        QVERIFY(store.SaveFolderDb(path, 20, &error));
        const QByteArray bytes = fileBytes(path);
        RecordList full;
        QVERIFY(folderdb::readBytes(bytes.constData(), bytes.size(), full).ok);
        QCOMPARE(full.size(), size_t(12));

        std::vector<qint64> recordEnds;
        RecordList prefix;
        for (const MessageRecord& rec : full) {
            prefix.push_back(rec);
            recordEnds.push_back(folderdb::toBytes(20, prefix).size());
        }
        for (qint64 cut = 0; cut < bytes.size(); ++cut) {
            RecordList read;
            const folderdb::ReadResult r = folderdb::readBytes(bytes.constData(), cut, read);
            QVERIFY(r.found && !r.ok);
            QVERIFY(r.errorOffset >= 0 && r.errorOffset <= cut);
            QVERIFY2(r.error.contains(QStringLiteral("byte %1").arg(r.errorOffset)),
                     qPrintable(r.error));
            const auto kept = static_cast<size_t>(std::count_if(
                recordEnds.begin(), recordEnds.end(), [&](qint64 e) { return e <= cut; }));
            QCOMPARE(read.size(), kept);
            QVERIFY(std::equal(read.begin(), read.end(), full.begin()));
        }
    }

    void readsLargeFilesInPieces()
    {
        // Records larger than the read and write buffers, and records across their seams: a
        // file read gives what reading the same bytes from memory gives, whole or cut.
        RecordList records{folder("big", 20), folder("bigger", 21)};
        records.front().strText = std::string(size_t(3) << 20, 'b');
        records.back().strText = std::string(size_t(9) << 20, 'B');
        for (int i = 0; i < 20000; ++i)
            records.push_back(folder("small", 22 + i % 7));
        QTemporaryDir dir;
        const QString path = folderdb::databasePath(dir.path());
        QVERIFY(folderdb::writeFile(path, 20, records, nullptr));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, folderdb::toBytes(20, records));

        for (const qint64 cut : {bytes.size(), qint64(4) << 20, qint64(8) << 20,
                                 (qint64(12) << 20) + 70, bytes.size() - 1}) {
            QVERIFY(platform::writeFileAtomically(path, bytes.left(cut), nullptr));
            RecordList fromFile, fromMemory;
            const folderdb::ReadResult a = folderdb::readFile(path, fromFile);
            const folderdb::ReadResult b = folderdb::readBytes(bytes.constData(), cut, fromMemory);
            QCOMPARE(a.ok, cut == bytes.size());
            QCOMPARE(a.ok, b.ok);
            QCOMPARE(a.errorOffset, b.errorOffset);
            QCOMPARE(a.error, b.error);
            QVERIFY(fromFile == fromMemory);
        }
        // Texts read share blocks with their neighbours; a record kept outlives the list.
        MessageRecord kept;
        {
            RecordList read;
            QVERIFY(folderdb::readBytes(bytes.constData(), bytes.size(), read).ok);
            kept = read.back();
        }
        QVERIFY(kept == records.back());
    }

    void savesAndLoadsTheStore()
    {
        QTemporaryDir dir;
        const QString path = folderdb::databasePath(dir.path());
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("LocalFolderDb.psf"));

        // Nothing local: header and a count of 0, counters untouched, and the file counts
        // as found when read.
        MessageStore empty;
        empty.AddPagerFolders();
        empty.counters() = {33, 44};
        QVERIFY(empty.SaveFolderDb(path, 20, nullptr));
        QCOMPARE(fileBytes(path).toHex(), QByteArray("1400000000000000"));
        QCOMPARE(empty.counters().nextMessageId, 33);
        QCOMPARE(empty.records().size(), size_t(14));
        MessageStore none;
        none.records().push_back(folder("stale", 20));
        folderdb::ReadResult r = none.LoadFolderDb(path);
        QVERIFY(r.found && r.ok);
        QVERIFY(none.records().empty());

        // The file holds the local side renumbered; memory keeps every number as it was, so
        // that a close that does not go ahead leaves every view naming the same records.
        MessageStore store = usedStore();
        const RecordList before = store.records();
        const StoreCounters countersBefore = store.counters();
        StoreCounters written;
        QVERIFY(store.SaveFolderDb(path, 0x12345678, nullptr, &written));
        QVERIFY(store.records() == before);
        QVERIFY(numbers(store.counters()) == numbers(countersBefore));
        QCOMPARE(numbers(written), std::pair(27, 6));
        RecordList local;
        QVERIFY(folderdb::readFile(path, local).ok);
        QCOMPARE(local.size(), size_t(12));
        MessageStore renumbered;
        renumbered.records() = localSide(before);
        renumbered.RenumberRecords();
        QVERIFY(local == renumbered.records());
        QCOMPARE(renumbered.childFolders(20).front()->nFolderId, 25);

        MessageStore loaded;
        r = loaded.LoadFolderDb(path);
        QVERIFY(r.found && r.ok);
        QCOMPARE(r.header, 0x12345678u);
        QVERIFY(loaded.records() == local);
        QCOMPARE(numbers(loaded.counters()), std::pair(26, 5)); // above folder 25 and message 4

        // A damaged file is moved aside whole, once (what a load keeps of it:
        // keepsWhatComesBeforeDamageAtEveryOffset).
        const QByteArray bytes = fileBytes(path);
        QString error;
        const QString aside = folderdb::setAside(path, &error);
        QVERIFY2(aside.startsWith(path + QStringLiteral(".damaged-")), qPrintable(error));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(fileBytes(aside), bytes);
        QVERIFY(folderdb::setAside(path, &error).isEmpty());
        QVERIFY(!error.isEmpty());

        // No file at all: a first run, and the records are left alone.
        r = loaded.LoadFolderDb(path);
        QVERIFY(!r.found && r.ok);
        QVERIFY(loaded.records() == local);
    }

    void refusesAbsurdLengthsAndWhatItCannotRead()
    {
        // A 1 GB file (sparse) whose first string claims 4 GB: refused at once, without
        // buffering the file on the way.
        QTemporaryDir dir;
        const QString huge = dir.filePath(QStringLiteral("huge.psf"));
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromHex("1400000001000000ffffffffffffff"));
            QVERIFY(file.resize(qint64(1) << 30));
        }
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        RecordList records;
        folderdb::ReadResult r = folderdb::readFile(huge, records);
        getrusage(RUSAGE_SELF, &after);
        QVERIFY(r.found && !r.ok && !r.unreadable);
        QCOMPARE(r.errorOffset, 8);
        QVERIFY2(r.error.contains(QStringLiteral(
                     "claims 4294967295 bytes, but the file ends at byte 1073741824")),
                 qPrintable(r.error));
        QVERIFY(after.ru_maxrss - before.ru_maxrss < 64 * 1024); // in KB

        // What cannot be read is not damaged: a pipe (never opened, so no hang) or a folder.
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const auto& [path, why] : {std::pair{pipe, "cannot be read: it is a pipe"},
                                        std::pair{dir.path(), "cannot be read: it is a folder"}}) {
            r = folderdb::readFile(path, records);
            QVERIFY(r.found && !r.ok && r.unreadable);
            QVERIFY2(r.error.contains(QLatin1String(why)), qPrintable(r.error));
        }
    }

    void failedSaveKeepsTheStore()
    {
        // The failure is told, and the store keeps its records and its pager side (what a
        // failed write leaves on disk is the atomic writer's test).
        QTemporaryDir dir;
        MessageStore saving = usedStore();
        const RecordList before = saving.records();
        QString error;
        QVERIFY(!saving.SaveFolderDb(dir.filePath(QStringLiteral("missing/db.psf")), 20, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(saving.records() == before);
    }
};

QTEST_GUILESS_MAIN(TestFolderDb)
#include "tst_folderdb.moc"
