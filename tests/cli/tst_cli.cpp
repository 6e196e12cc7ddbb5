// quillbox-cli as scripts use it: its outputs, files and exit statuses.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// With output, the standard output goes to that file, on a disk that is full after
// fullAfter bytes (the file size limit of the process makes every write past it fail).
Run cli(const QStringList& args, const QString& output = {}, rlim_t fullAfter = RLIM_INFINITY)
{
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.setChildProcessModifier([fullAfter] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = fullAfter;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(QUILLBOX_CLI), args);
    if (!process.waitForFinished(60000))
        qFatal("quillbox-cli did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One empty top-level local folder "Inbox" numbered 20.
const QByteArray kInboxDb = QByteArray::fromHex(
    "14000000" "01000000" "05496e626f78" "00000000" "0b4c6f63616c466f6c646572"
    "00000000" "14000000" "feffffff" "00000000" "00000000" "000000000000");

// A whole record as folderdb build takes it; texts empty unless given.
QJsonObject recordJson(const char* name, const char* parent, int kind, int folder, int parentId,
                       int id, const QString& text = {})
{
    QJsonObject record{{QStringLiteral("nReserved"), 0}, {QStringLiteral("nCount"), 0}};
    for (const char* field : {"strDate", "strOrigin", "strTitle", "strHeader", "strAddress"})
        record.insert(QLatin1String(field), QString());
    record.insert(QStringLiteral("strText"), text);
    record.insert(QStringLiteral("strName"), QLatin1String(name));
    record.insert(QStringLiteral("strParentName"), QLatin1String(parent));
    record.insert(QStringLiteral("nKind"), kind);
    record.insert(QStringLiteral("nFolderId"), folder);
    record.insert(QStringLiteral("nParentId"), parentId);
    record.insert(QStringLiteral("nMessageId"), id);
    return record;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void helpAndUsageErrors()
    {
        Run r = cli({QStringLiteral("--help")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("folderdb dump FILE"));
        for (const char* command : {"folderdb dump", "folderdb build", "folderdb close",
                                    "folderdb search", "folderdb export",
                                    "group-block build", "group-block rebuild", "contacts parse",
                                    "contacts write", "contacts vcard-read",
                                    "contacts vcard-write"}) {
            r = cli(QString::fromLatin1(command).split(QLatin1Char(' ')) << QStringLiteral("--help"));
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.startsWith("Usage: quillbox-cli " + QByteArray(command)), r.out.constData());
        }
        QCOMPARE(cli({}).status, 1);
        QCOMPARE(cli({QStringLiteral("nonsense")}).status, 1);
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("dump")}).status, 1);
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("dump"), QStringLiteral("a"), QStringLiteral("b")}).status, 1);
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("close"), QStringLiteral("a"), QStringLiteral("b"),
                      QStringLiteral("--folder-counter"), QStringLiteral("x")}).status, 1);
    }

    void folderDbDumpAndBuildRoundTrip()
    {
        writeFile(path("inbox.psf"), kInboxDb);
        Run r = cli({QStringLiteral("folderdb"), QStringLiteral("dump"), path("inbox.psf")});
        QCOMPARE(r.status, 0);
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(doc.value(QStringLiteral("header")).toInt(), 20);
        const QJsonObject folder = doc.value(QStringLiteral("records")).toArray().at(0).toObject();
        QCOMPARE(folder.value(QStringLiteral("strName")).toString(), QStringLiteral("Inbox"));
        QCOMPARE(folder.value(QStringLiteral("strParentName")).toString(), QStringLiteral("LocalFolder"));
        QCOMPARE(folder.value(QStringLiteral("nParentId")).toInt(), -2);
        QCOMPARE(folder.size(), 14);

        // Bytes above 0x7F survive the trip through JSON as Latin-1 characters.
        QJsonObject message = folder;
        message[QStringLiteral("nKind")] = 1;
        message[QStringLiteral("nMessageId")] = 7;
        message[QStringLiteral("strText")] = QString::fromLatin1("caf\xe9 \xff\x01");
        QJsonObject built{{QStringLiteral("header"), 99},
                          {QStringLiteral("records"), QJsonArray{folder, message}}};
        writeFile(path("built.json"), QJsonDocument(built).toJson());
        r = cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("built.json"), path("built.psf")});
        QCOMPARE(r.status, 0);
        QVERIFY(readFile(path("built.psf")).contains("caf\xe9 \xff\x01"));
        r = cli({QStringLiteral("folderdb"), QStringLiteral("dump"), path("built.psf")});
        QCOMPARE(QJsonDocument::fromJson(r.out).object(), built);

        // The worked example, built from its JSON, is byte for byte the file.
        built[QStringLiteral("header")] = 20;
        built[QStringLiteral("records")] = QJsonArray{folder};
        writeFile(path("one.json"), QJsonDocument(built).toJson());
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("one.json"), path("one.psf")}).status, 0);
        QCOMPARE(readFile(path("one.psf")), kInboxDb);
    }

    void folderDbBadInput()
    {
        writeFile(path("short.psf"), kInboxDb.left(30));
        Run r = cli({QStringLiteral("folderdb"), QStringLiteral("dump"), path("short.psf")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("offset"), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("dump"), path("missing.psf")}).status, 2);

        writeFile(path("bad.json"), "{\"records\": [{\"strName\": \"\\u0100\"}]}");
        r = cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("bad.json"), path("x.psf")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("U+0100"));
        writeFile(path("typo.json"), "{\"records\": [{\"nFolderID\": 3}]}");
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("typo.json"), path("x.psf")}).status, 2);
        writeFile(path("partial.json"), "{\"records\": [{\"strName\": \"x\"}]}");
        r = cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("partial.json"), path("x.psf")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("records[0]: \"nReserved\" is missing"), r.err);
        // A folder is not a damaged database.
        r = cli({QStringLiteral("folderdb"), QStringLiteral("dump"), m_dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("cannot be read: it is a folder") && !r.err.contains("offset"), r.err);
        writeFile(path("notjson.json"), "{");
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("notjson.json"), path("x.psf")}).status, 2);
        QVERIFY(!QFile::exists(path("x.psf")));
    }

    void folderDbCloseRenumbersAndReportsCounters()
    {
        // Pager folder 1 with a message, local folders 25 and 31, message 40 in folder 31.
        auto rec = [](const char* name, const char* parent, int kind, int folder, int parentId, int id) {
            return recordJson(name, parent, kind, folder, parentId, id);
        };
        const QJsonObject doc{{QStringLiteral("header"), 20},
                              {QStringLiteral("records"),
                               QJsonArray{rec("Inbox", "PAGER", 0, 1, -1, 0), rec("Inbox", "PAGER", 1, 1, -1, 5),
                                          rec("A", "LocalFolder", 0, 25, -2, 0),
                                          rec("B", "LocalFolder", 0, 31, -2, 0),
                                          rec("B", "LocalFolder", 1, 31, -2, 40),
                                          rec("B", "LocalFolder", 2, 31, -2, 40)}}};
        writeFile(path("close.json"), QJsonDocument(doc).toJson());
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("close.json"), path("close.psf")}).status, 0);
        Run r = cli({QStringLiteral("folderdb"), QStringLiteral("close"), path("close.psf"), path("closed.psf"),
                     QStringLiteral("--folder-counter"), QStringLiteral("32"),
                     QStringLiteral("--message-counter"), QStringLiteral("41")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("TreeItemDataCNT=23\nListItemDataCNT=4\n"));
        r = cli({QStringLiteral("folderdb"), QStringLiteral("dump"), path("closed.psf")});
        const QJsonArray records = QJsonDocument::fromJson(r.out).object().value(QStringLiteral("records")).toArray();
        QCOMPARE(records.size(), 4);
        QCOMPARE(records.at(0).toObject().value(QStringLiteral("nFolderId")).toInt(), 20);
        QCOMPARE(records.at(1).toObject().value(QStringLiteral("nFolderId")).toInt(), 21);
        QCOMPARE(records.at(2).toObject().value(QStringLiteral("nMessageId")).toInt(), 2);
        QCOMPARE(records.at(3).toObject().value(QStringLiteral("nMessageId")).toInt(), 2);
        QCOMPARE(records.at(3).toObject().value(QStringLiteral("nFolderId")).toInt(), 21);

        // A store with nothing local: the file still written, counters as given.
        writeFile(path("pager.json"), QJsonDocument(QJsonObject{{QStringLiteral("records"),
                                         QJsonArray{rec("Inbox", "PAGER", 0, 1, -1, 0)}}}).toJson());
        QCOMPARE(cli({QStringLiteral("folderdb"), QStringLiteral("build"), path("pager.json"), path("pager.psf")}).status, 0);
        r = cli({QStringLiteral("folderdb"), QStringLiteral("close"), path("pager.psf"), path("empty.psf")});
        QCOMPARE(r.out, QByteArray("TreeItemDataCNT=20\nListItemDataCNT=1\n"));
        QCOMPARE(readFile(path("empty.psf")), QByteArray::fromHex("1400000000000000"));

        // An unwritable target: exit 2 with the reason.
        r = cli({QStringLiteral("folderdb"), QStringLiteral("close"), path("close.psf"),
                 path("no-such-folder/out.psf")});
        QCOMPARE(r.status, 2);
        QVERIFY(!r.err.isEmpty());
    }

    void folderDbSearchAndExport()
    {
        auto rec = [](const char* name, int kind, int folder, int parentId, int id, const char* text) {
            return recordJson(name, "", kind, folder, parentId, id, QString::fromLatin1(text));
        };
        const QJsonObject doc{{QStringLiteral("records"),
                               QJsonArray{rec("Folders", 0, 20, -2, 0, ""), rec("Work", 0, 21, 20, 0, ""),
                                          rec("Folders", 1, 20, -2, 2, "summer \xC9T\xC9"),
                                          rec("Work", 1, 21, 20, 3, "\xE9t\xE9 at work"),
                                          rec("Work", 2, 21, 20, 3, "\xE9t\xE9 at work")}}};
        writeFile(path("search.json"), QJsonDocument(doc).toJson());
        auto run = [&](const char* words, QStringList more = {}) {
            return cli(QString::fromLatin1(words).split(QLatin1Char(' ')) + more);
        };
        QCOMPARE(run("folderdb build", {path("search.json"), path("search.psf")}).status, 0);

        Run r = run("folderdb search", {path("search.psf"), QStringLiteral("WORK"), QStringLiteral("été")});
        QCOMPARE(r.status, 0);
        const QJsonArray found = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.at(0).toObject().value(QStringLiteral("nMessageId")).toInt(), 3);
        QCOMPARE(found.at(0).toObject().value(QStringLiteral("folder")).toString(),
                 QStringLiteral("LocalFolder/Folders/Work"));
        QCOMPARE(run("folderdb search", {path("search.psf"), QStringLiteral("\u0100")}).status, 1);

        for (const auto& [option, count] : {std::pair{"", 2}, {"--folder 20", 1}, {"--folder 20 --recursive", 2}}) {
            QStringList args{path("search.psf"), path("out.csv"), QStringLiteral("--format"), QStringLiteral("csv")};
            if (*option)
                args += QString::fromLatin1(option).split(QLatin1Char(' '));
            r = run("folderdb export", args);
            QCOMPARE(r.status, 0);
            QCOMPARE(readFile(path("out.csv")).count("\r\n"), count + 1);
        }
        for (const char* bad : {"--format xml", "--format csv --folder 99", "--format csv --recursive"})
            QCOMPARE(run("folderdb export", QStringList{path("search.psf"), path("x")} +
                                               QString::fromLatin1(bad).split(QLatin1Char(' '))).status, 1);
        QCOMPARE(run("folderdb export", {path("search.psf"), path("no-such-folder/x"),
                                         QStringLiteral("--format"), QStringLiteral("mbox")}).status, 2);
    }

    void groupBlock()
    {
        Run r = cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("1:123"),
                     QStringLiteral("0:a@b.c")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("15 15 02 12 3C 70 50 02 11 05 61 40 62 2E 63 00\n"));
        r = cli({QStringLiteral("group-block"), QStringLiteral("build")});
        QCOMPARE(r.out, QByteArray("00\n"));
        // Loaded as the Group dialog loads a stored block, then one more member.
        r = cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("--from"),
                 QStringLiteral("15 15 02 12 3C 00"), QStringLiteral("1:12@ab")});
        QCOMPARE(r.out, QByteArray("15 15 02 12 3C 70 15 04 12 DC 61 62 00\n"));
        // The address is everything after the first colon.
        r = cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("0:x:y")});
        QCOMPARE(r.out, QByteArray("15 50 02 11 03 78 3A 79 00\n"));

        QStringList many{QStringLiteral("group-block"), QStringLiteral("build")};
        for (int i = 0; i < 40; ++i)
            many << QStringLiteral("0:someone%1@example.org").arg(i);
        r = cli(many);
        QCOMPARE(r.status, 3);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("Address Size OverFlow. Can't Add Group."));
        many[1] = QStringLiteral("rebuild");
        r = cli(many);
        QCOMPARE(r.status, 3);
        QVERIFY(r.err.contains("Address Size OverFlow. Delete or Modify Address."));

        r = cli({QStringLiteral("group-block"), QStringLiteral("rebuild"), QStringLiteral("1:123"),
                 QStringLiteral("0:"), QStringLiteral("1:5-12")});
        QCOMPARE(r.out, QByteArray("15 15 02 12 3C 70 11 04 35 2D 31 32 00\n"));
        QCOMPARE(cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("no-colon")}).status, 1);
        // Text the block cannot store is refused, not turned into '?'.
        r = cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("0:a\u540d")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("(U+540D), which a group block cannot store"), r.err);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(cli({QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("--from"),
                      QStringLiteral("1G")}).status, 1);
    }

    void fullOutputFailsWithTheReason()
    {
        writeFile(path("inbox.psf"), kInboxDb);
        writeFile(path("one.txt"), "Ann\r\n");
        const QStringList commands[] = {
            {QStringLiteral("folderdb"), QStringLiteral("dump"), path("inbox.psf")},
            {QStringLiteral("group-block"), QStringLiteral("build"), QStringLiteral("1:123")},
            {QStringLiteral("contacts"), QStringLiteral("parse"), path("one.txt")},
        };
        for (const QStringList& args : commands) {
            const Run r = cli(args, path("out.txt"), 8);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains("the output could not be written: File too large"), r.err);
        }
        // A file written by a command fails with the system's reason and leaves nothing.
        writeFile(path("one.json"), "[]");
        const Run r = cli({QStringLiteral("contacts"), QStringLiteral("write"), path("one.json"), path("full.txt")},
                          {}, 8);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("full.txt: File too large"), r.err);
        QVERIFY(!QFile::exists(path("full.txt")));
    }

    void contactsParseAndWrite()
    {
        writeFile(path("in.txt"), "First Name\tLast Name\r\n"
                                  "Ann\tLee\t555\r\n"
                                  "\r\n"
                                  "Abcdefghijklmnopqrstu\tX\n"
                                  "Bo");
        Run r = cli({QStringLiteral("contacts"), QStringLiteral("parse"), path("in.txt")});
        QCOMPARE(r.status, 0);
        const QJsonArray list = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).toObject().value(QStringLiteral("strWireless")).toString(), QStringLiteral("555"));
        QCOMPARE(list.at(0).toObject().size(), 13);
        QCOMPARE(list.at(1).toObject().value(QStringLiteral("strFirstName")).toString(),
                 QStringLiteral("Abcdefghijklmnop"));
        QCOMPARE(list.at(2).toObject().value(QStringLiteral("strFirstName")).toString(), QStringLiteral("Bo"));

        r = cli({QStringLiteral("contacts"), QStringLiteral("parse"), path("in.txt"), QStringLiteral("--room"),
                 QStringLiteral("2")});
        QCOMPARE(QJsonDocument::fromJson(r.out).array().size(), 2);

        writeFile(path("contacts.json"), QJsonDocument(list).toJson());
        QCOMPARE(cli({QStringLiteral("contacts"), QStringLiteral("write"), path("contacts.json"), path("out.txt")}).status, 0);
        const QByteArray written = readFile(path("out.txt"));
        QVERIFY(written.startsWith("First Name\tLast Name\tWireless Address\tEmail Address #1\t"));
        QVERIFY(written.contains("\r\nAnn\tLee\t555\t\t\t\t\t\t\t\t\t\t\r\n"));
        QVERIFY(written.endsWith("Bo\t\t\t\t\t\t\t\t\t\t\t\t\r\n"));
        r = cli({QStringLiteral("contacts"), QStringLiteral("parse"), path("out.txt")});
        QCOMPARE(QJsonDocument::fromJson(r.out).array(), list);

        r = cli({QStringLiteral("contacts"), QStringLiteral("parse"), path("missing.txt")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("missing.txt: Couldn't open source file: No such file"), r.err);
        r = cli({QStringLiteral("contacts"), QStringLiteral("write"), path("contacts.json"),
                 path("no-such-folder/out.txt")});
        QCOMPARE(r.status, 2);
    }

    void contactsVCardReadAndWrite()
    {
        writeFile(path("in.vcf"),
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann\r\nEMAIL:1@x\r\nEMAIL:2@x\r\n"
                  "EMAIL:3@x\r\nEMAIL:4@x\r\nEND:VCARD\r\nBEGIN:VCARD\r\nno property\r\n"
                  "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\n"
                  "MEMBER:mailto:1@x\r\nEND:VCARD\r\n");
        Run r = cli({QStringLiteral("contacts"), QStringLiteral("vcard-read"), path("in.vcf")});
        QCOMPARE(r.status, 0);
        const QJsonObject book = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(book.value(QStringLiteral("skipped")).toInt(), 1);
        const QJsonObject ann = book.value(QStringLiteral("contacts")).toArray().at(0).toObject();
        QCOMPARE(ann.size(), 13);
        QCOMPARE(ann.value(QStringLiteral("strFirstName")).toString(), QStringLiteral("Ann"));
        QCOMPARE(ann.value(QStringLiteral("strEmail3")).toString(), QStringLiteral("3@x"));
        QCOMPARE(QJsonDocument(book.value(QStringLiteral("groups")).toArray())
                     .toJson(QJsonDocument::Compact),
                 QByteArray(R"([{"members":[{"nKind":0,"strEntry":"1@x"}],"strName":"Team"}])"));
        const QJsonObject report = book.value(QStringLiteral("report")).toArray().at(0).toObject();
        QCOMPARE(report.value(QStringLiteral("contact")).toInt(), 0);
        QCOMPARE(report.value(QStringLiteral("emails")).toInt(), 1);

        writeFile(path("book.json"), r.out);
        QCOMPARE(cli({QStringLiteral("contacts"), QStringLiteral("vcard-write"), path("book.json"),
                      path("out.vcf"), QStringLiteral("--version"), QStringLiteral("3.0")})
                     .status,
                 0);
        QVERIFY(
            readFile(path("out.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\n"));
        r = cli({QStringLiteral("contacts"), QStringLiteral("vcard-read"), path("out.vcf")});
        QJsonObject again = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(again.value(QStringLiteral("contacts")), book.value(QStringLiteral("contacts")));
        QCOMPARE(again.value(QStringLiteral("groups")), book.value(QStringLiteral("groups")));

        QCOMPARE(
            cli({QStringLiteral("contacts"), QStringLiteral("vcard-read"), path("missing.vcf")})
                .status,
            2);
        QCOMPARE(cli({QStringLiteral("contacts"), QStringLiteral("vcard-write"), path("book.json"),
                      path("out.vcf"), QStringLiteral("--version"), QStringLiteral("2.1")})
                     .status,
                 1);
        writeFile(path("bad.json"), R"({"contacts": [], "groups": [{"name": "x"}]})");
        r = cli({QStringLiteral("contacts"), QStringLiteral("vcard-write"), path("bad.json"),
                 path("out.vcf")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("groups[0]: unknown member"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
