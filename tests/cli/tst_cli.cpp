// quillbox-cli as scripts use it: one path through each command (the pager's against the
// simulator), its argument errors and exit statuses, and a full output. The rules behind the
// commands are the core libraries' and the device link's tests.

#include "tests/devlink/device/simpager.h"
#include "tools/common/pagerimage.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using recordjson::Json;

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
const QByteArray kInboxDb =
    QByteArray::fromHex("140000000100000005496e626f78000000000b4c6f63616c466f6c646572"
                        "0000000014000000feffffff0000000000000000000000000000");

// A whole record as folderdb build takes it and folderdb dump prints it, in file order.
Json recordJson(const char* name, const char* parent, int kind, int folder, int parentId, int id,
                const char* text = "")
{
    return {{"strName", name}, {"nReserved", 0},      {"strParentName", parent},
            {"nKind", kind},   {"nFolderId", folder}, {"nParentId", parentId},
            {"nCount", 0},     {"nMessageId", id},    {"strText", text},
            {"strDate", ""},   {"strOrigin", ""},     {"strTitle", ""},
            {"strHeader", ""}, {"strAddress", ""}};
}

std::string dumped(const QByteArray& json)
{
    return Json::parse(json.toStdString()).dump();
}

// A book's contacts as sorted lines of their thirteen fields, each led by its identity (the
// member key: "uid", or the pager's "nIndex"), to compare books of either form in any order.
QStringList contactLines(const Json& contacts, const char* key = nullptr)
{
    QStringList lines;
    for (const Json& c : contacts) {
        const Json id = key ? c.at(key) : Json("");
        QString line = QString::fromStdString(id.is_string() ? id.get<std::string>() : id.dump());
        for (const ContactField& f : kContactFields)
            line += u'|' + QString::fromStdString(c.at(f.fieldName).get<std::string>());
        lines << line;
    }
    lines.sort();
    return lines;
}

// The demo pager's book in the desktop's form, each contact's uid its slot.
Json desktopBook(const PagerImage& image)
{
    Json contacts = Json::array();
    for (const ContactRecord& contact : image.contacts) {
        Json c = pagerimage::contactToJson(contact);
        c.erase("nIndex");
        c.erase("nGroup");
        c["uid"] = std::to_string(contact.nIndex);
        contacts.push_back(c);
    }
    Json groups = Json::array();
    const Json book = image.addressBookToJson();
    for (const Json& g : book["groups"])
        groups.push_back({{"strName", g["strName"]}, {"members", g["members"]}});
    return {{"contacts", contacts}, {"groups", groups}};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    // Arguments written as blank-separated words; "%/" is the test's folder.
    QStringList words(const char* text) const
    {
        return QString::fromUtf8(text)
            .replace(QStringLiteral("%/"), m_dir.path() + QLatin1Char('/'))
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase()
    {
        writeFile(path("inbox.psf"), kInboxDb);
        writeFile(path("short.psf"), kInboxDb.left(30));
        writeFile(path("bad.json"), "{\"records\": [{\"strName\": \"\\u0100\"}]}");
        writeFile(path("partial.json"), "{\"records\": [{\"strName\": \"x\"}]}");
        writeFile(path("contacts.json"), "[]");
        writeFile(path("badgroup.json"), R"({"contacts": [], "groups": [{"name": "x"}]})");
        writeFile(path("badbook.json"), R"({"contacts": [{"nIndex": 300}]})");
        writeFile(path("nobook.json"), "{}");
        // One address book three ways: Ann's e-mail address as it was and as each side made it.
        for (const char* email : {"x", "y", "z"}) {
            const Json ann{{"uid", "1"}, {"strFirstName", "Ann"}, {"strEmail1", email}};
            const Json book{{"contacts", {ann, {{"strFirstName", "Bob"}}}}};
            writeFile(path("book-") + QLatin1String(email) + QStringLiteral(".json"),
                      QByteArray::fromStdString(book.dump()));
        }
        // Pager folder 1 with a message; local folder A (25) holding Work (31), which holds
        // message 40 and its companion.
        const Json records{recordJson("Inbox", "PAGER", 0, 1, -1, 0),
                           recordJson("Inbox", "PAGER", 1, 1, -1, 5),
                           recordJson("A", "LocalFolder", 0, 25, -2, 0),
                           recordJson("Work", "A", 0, 31, 25, 0),
                           recordJson("Work", "A", 1, 31, 25, 40, "été at work"),
                           recordJson("Work", "A", 2, 31, 25, 40, "été at work")};
        writeFile(path("store.json"), QByteArray::fromStdString(Json{{"records", records}}.dump()));
        QCOMPARE(cli(words("folderdb build %/store.json %/store.psf")).status, 0);
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out"); // held in the standard output
        QTest::addColumn<QByteArray>("err"); // held in the error output; "%/" as in the args
        const auto row = [](const char* name, const QStringList& args, int status,
                            const char* out = "", const char* err = "") {
            QTest::newRow(name) << args << status << QByteArray(out) << QByteArray(err);
        };
        row("help", words("--help"), 0, "folderdb dump FILE");
        for (const char* command :
             {"folderdb dump", "folderdb build", "folderdb close", "folderdb search",
              "folderdb export", "group-block build", "group-block rebuild", "contacts parse",
              "contacts write", "contacts vcard-read", "contacts vcard-write", "contacts merge",
              "pager"}) {
            const QByteArray usage = "Usage: quillbox-cli " + QByteArray(command);
            QTest::newRow(command)
                << words(command) + words("--help") << 0 << usage << QByteArray();
        }

        row("no command", {}, 1);
        row("unknown command", words("nonsense"), 1, "", "nonsense");
        row("too few", words("folderdb dump"), 1, "", "wrong number of arguments");
        row("too many", words("folderdb dump a b"), 1);
        row("counter", words("folderdb close a b --folder-counter x"), 1, "", "whole number");
        row("search Latin-1", words("folderdb search %/store.psf \u0100"), 1);
        row("format", words("folderdb export %/store.psf %/x --format xml"), 1);
        row("no folder", words("folderdb export %/store.psf %/x --format csv --folder 99"), 1);
        row("recursive", words("folderdb export %/store.psf %/x --format csv --recursive"), 1);
        row("raw mbox", words("folderdb export %/store.psf %/x --format mbox --raw"), 1, "",
            "--raw needs --format csv");
        row("no colon", words("group-block build no-colon"), 1);
        row("not Latin-1", words("group-block build 0:a\u540d"), 1, "",
            "(U+540D), which a group block cannot store");
        row("from", words("group-block build --from 1G"), 1);
        row("vCard version", words("contacts vcard-write %/badgroup.json %/x --version 2.1"), 1);
        row("pager without port", words("pager download-messages"), 1);
        row("pager port 9", words("pager --port 9 download-messages"), 1);
        row("upload without file", words("pager --port 1 upload-contacts"), 1);

        row("damaged", words("folderdb dump %/short.psf"), 2, "", "offset");
        row("missing", words("folderdb dump %/missing.psf"), 2, "", "missing.psf");
        // Not taken for damage: no offset comes between.
        row("a folder", words("folderdb dump %/"), 2, "",
            "quillbox-cli: The folder database %/ cannot be read: it is a folder");
        row("not Latin-1 JSON", words("folderdb build %/bad.json %/x"), 2, "", "U+0100");
        row("field missing", words("folderdb build %/partial.json %/x"), 2, "",
            "records[0]: \"nReserved\" is missing");
        row("close unwritable", words("folderdb close %/store.psf %/no/x"), 2, "", "no/x");
        row("export unwritable", words("folderdb export %/store.psf %/no/x --format mbox"), 2);
        row("export onto itself", words("folderdb export %/store.psf %/./store.psf --format mbox"),
            2, "", "%/./store.psf: it is the folder database being exported");
        row("parse missing", words("contacts parse %/missing.txt"), 2, "",
            "missing.txt: Couldn't open source file: No such file");
        row("write unwritable", words("contacts write %/contacts.json %/no/x"), 2, "", "no/x");
        row("vCard missing", words("contacts vcard-read %/missing.vcf"), 2);
        row("vCard member", words("contacts vcard-write %/badgroup.json %/x"), 2, "",
            "groups[0]: unknown member");
        row("no port", words("pager --port %/missing download-messages"), 2, "",
            "The serial port cannot be opened.");
        // A damaged address book never reaches the port.
        row("damaged book", words("pager --port %/missing upload-contacts %/badbook.json"), 2, "",
            "badbook.json");

        QStringList many;
        for (int i = 0; i < 40; ++i)
            many << QStringLiteral("0:someone%1@example.org").arg(i);
        row("block full", words("group-block build") + many, 3, "",
            "Address Size OverFlow. Can't Add Group.");
        row("rebuild full", words("group-block rebuild") + many, 3, "",
            "Address Size OverFlow. Delete or Modify Address.");
        row("merge deleting all", words("contacts merge %/book-x.json %/book-x.json %/nobook.json"),
            3, "", "would delete 2 of the 2 contacts");

        // The address is everything after the first colon; --from loads a stored block.
        row("block", words("group-block build 0:x:y"), 0, "15 50 02 11 03 78 3A 79 00\n");
        row("block from",
            words("group-block build --from")
                << QStringLiteral("15 15 02 12 3C 00") << QStringLiteral("1:12@ab"),
            0, "15 15 02 12 3C 70 15 04 12 DC 61 62 00\n");
        row("close",
            words("folderdb close %/store.psf %/closed.psf --folder-counter 32 "
                  "--message-counter 41"),
            0, "TreeItemDataCNT=23\nListItemDataCNT=4\n");
        // The words are taken as Latin-1, and each result names its folder's path.
        row("search", words("folderdb search %/store.psf WORK été"), 0,
            "\"folder\": \"LocalFolder/A/Work\"");
        row("export all", words("folderdb export %/store.psf %/out.csv --format csv"), 0,
            "2 messages exported");
        row("export folder",
            words("folderdb export %/store.psf %/out.csv --format csv --folder 25"), 0,
            "0 messages exported");
        row("export subfolders",
            words("folderdb export %/store.psf %/out.csv --format csv --folder 25 --recursive"), 0,
            "1 messages exported");
        // The conflicting field takes the side preferred; the uid is kept.
        row("merge",
            words("contacts merge %/book-x.json %/book-y.json %/book-z.json --prefer remote"), 0,
            "\"uid\": \"1\",\n        \"strFirstName\": \"Ann\",\n        \"strLastName\": \"\",\n"
            "        \"strWireless\": \"\",\n        \"strEmail1\": \"z\"");
    }

    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        err.replace("%/", QFile::encodeName(m_dir.path() + QLatin1Char('/')));
        const Run r = cli(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.out.contains(out), r.out.constData());
        QVERIFY2(r.err.contains(err), r.err.constData());
        if (status != 0) {
            QVERIFY(r.out.isEmpty());
            QVERIFY(!QFile::exists(path("x")));
        }
    }

    void dumpAndBuildBack()
    {
        // Records print in the file's field order; built back, they are the same bytes.
        Run r = cli(words("folderdb dump %/inbox.psf"));
        QCOMPARE(r.status, 0);
        const Json inbox{{"header", 20},
                         {"records", {recordJson("Inbox", "LocalFolder", 0, 20, -2, 0)}}};
        QCOMPARE(dumped(r.out), inbox.dump());
        writeFile(path("inbox.json"), r.out);
        QCOMPARE(cli(words("folderdb build %/inbox.json %/again.psf")).status, 0);
        QCOMPARE(readFile(path("again.psf")), kInboxDb);
    }

    void contactsRoundTrips()
    {
        // parse stops where an import into this much room would, and reports on stderr.
        writeFile(path("in.txt"), "First Name\r\nAnn\tLee\t555\r\nAbcdefghijklmnopqrstu\r\nBo\r\n");
        Run r = cli(words("contacts parse %/in.txt --room 2"));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains("added 2, refused 0, fields cut 1, stopped at the limit"), r.err);
        QCOMPARE(Json::parse(r.out.toStdString()).size(), size_t(2));
        writeFile(path("contacts.json"), r.out);
        QCOMPARE(cli(words("contacts write %/contacts.json %/out.txt")).status, 0);
        QCOMPARE(dumped(cli(words("contacts parse %/out.txt")).out), dumped(r.out));

        writeFile(path("in.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann\r\nEMAIL:1@x\r\n"
                                  "EMAIL:2@x\r\nEMAIL:3@x\r\nEMAIL:4@x\r\nEND:VCARD\r\n"
                                  "BEGIN:VCARD\r\nno property\r\nEND:VCARD\r\n"
                                  "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\n"
                                  "MEMBER:mailto:1@x\r\nEND:VCARD\r\n");
        r = cli(words("contacts vcard-read %/in.vcf"));
        QCOMPARE(r.status, 0);
        const Json book = Json::parse(r.out.toStdString());
        QCOMPARE(book["skipped"].get<int>(), 1);
        QCOMPARE(book["report"][0]["emails"].get<int>(), 1); // the fourth address
        QCOMPARE(book["groups"].dump(),
                 R"([{"strName":"Team","members":[{"nKind":0,"strEntry":"1@x"}]}])");
        writeFile(path("book.json"), r.out);
        QCOMPARE(cli(words("contacts vcard-write %/book.json %/out.vcf --version 3.0")).status, 0);
        QVERIFY(readFile(path("out.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
        const Json again =
            Json::parse(cli(words("contacts vcard-read %/out.vcf")).out.toStdString());
        QCOMPARE(again["contacts"].dump(), book["contacts"].dump());
        QCOMPARE(again["groups"].dump(), book["groups"].dump());
    }

    void fullOutputFailsWithTheReason()
    {
        writeFile(path("one.txt"), "Ann\r\n");
        for (const char* command :
             {"folderdb dump %/inbox.psf", "group-block build 1:123", "contacts parse %/one.txt"}) {
            const Run r = cli(words(command), path("out.txt"), 8);
            QCOMPARE(r.status, 2);
            QVERIFY2(r.err.contains("the output could not be written: File too large"), r.err);
        }
        // A file written by a command fails with the system's reason and leaves nothing.
        const Run r = cli(words("contacts write %/contacts.json %/full.txt"), {}, 8);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("full.txt: File too large"), r.err);
        QVERIFY(!QFile::exists(path("full.txt")));
    }

    void pagerCommands()
    {
        // Against the simulator: what the pager holds is printed, and an upload lands there.
        const PagerImage image = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
        SimPager sim;
        const QStringList port = words("pager --port") << sim.path();
        Run r = cli(port + words("download-messages"));
        QCOMPARE(r.status, 0);
        QCOMPARE(dumped(r.out), image.messagesToJson().dump());

        PagerImage changed = image;
        changed.contacts.resize(2);
        changed.contacts[1].strCompany = "Uploaded \xE9tablissement";
        changed.groups.clear();
        writeFile(path("upload.json"),
                  QByteArray::fromStdString(changed.addressBookToJson().dump()));
        r = cli(port + words("upload-contacts %/upload.json --verbose"));
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("finished"));
        r = cli(port + words("download-contacts"));
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(dumped(r.out), changed.addressBookToJson().dump());

        // Found on COM3 (its mapping); the other ports are not there. The settings (where
        // stored mappings live) are the test folder's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        for (int n = 1; n <= 8; ++n)
            qputenv(("QUILLBOX_COM" + QByteArray::number(n)).constData(),
                    n == 3 ? QFile::encodeName(sim.path()) : QByteArray("/nonexistent/tty"));
        r = cli(words("pager detect"));
        QCOMPARE(r.status, 0);
        const Json found = Json::parse(r.out.toStdString()).at(0);
        QCOMPARE(found.at("port").get<std::string>(), "COM3");
        QCOMPARE(found.at("device").get<std::string>(), sim.path().toStdString());
        QVERIFY(r.err.contains("COM1 (/nonexistent/tty): no such device"));
    }

    void syncContacts()
    {
        // A first synchronize (no base: the books are paired by the duplicate rules) brings
        // the pager's book over. Then edits on both sides, one field changed differently on
        // each: both sides' edits land on both, the conflict takes the side preferred, and the
        // pager, BOOK and the base kept for this pager hold one book with the same slots.
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("sync-data")));
        const PagerImage demo = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
        SimPager sim;
        const QStringList port = words("pager --port") << sim.path();
        const QStringList sync = port + words("sync-contacts %/sync.json");
        writeFile(path("sync.json"), "{}");
        Run r = cli(sync);
        QVERIFY2(r.status == 0, r.err.constData());
        Json book = Json::parse(readFile(path("sync.json")).toStdString());
        QCOMPARE(contactLines(book["contacts"], "uid"),
                 contactLines(demo.addressBookToJson()["contacts"], "nIndex"));

        Json& desk = book["contacts"];
        desk[0]["strNote"] = "desk note";
        desk[1]["strCompany"] = "Desk Co";
        desk.erase(2);
        desk.push_back({{"strFirstName", "Newdesk"}});
        writeFile(path("sync.json"), QByteArray::fromStdString(book.dump()));
        PagerImage pager = demo;
        pager.contacts[1].strCompany = "Pager Co";
        pager.contacts[3].strHomeNumber = "555-9999";
        writeFile(path("pager.json"), QByteArray::fromStdString(pager.addressBookToJson().dump()));
        QCOMPARE(cli(port + words("upload-contacts %/pager.json")).status, 0);

        r = cli(sync + words("--prefer pager"));
        QVERIFY2(r.status == 0, r.err.constData());
        const Json report = Json::parse(r.out.toStdString());
        QCOMPARE(report["conflicts"].size(), size_t(1));
        QCOMPARE(report["conflicts"][0]["field"].get<std::string>(), "strCompany");
        pager.contacts[0].strNote = "desk note";
        pager.contacts.erase(pager.contacts.begin() + 2);
        pager.contacts.push_back({});
        pager.contacts.back().strFirstName = "Newdesk";
        const QStringList expected = contactLines(pager.addressBookToJson()["contacts"]);
        QCOMPARE(contactLines(report["merged"]["contacts"]), expected);

        r = cli(port + words("download-contacts"));
        QCOMPARE(r.status, 0);
        const QStringList onPager =
            contactLines(Json::parse(r.out.toStdString())["contacts"], "nIndex");
        QCOMPARE(onPager.size(), expected.size());
        book = Json::parse(readFile(path("sync.json")).toStdString());
        QCOMPARE(contactLines(book["contacts"], "uid"), onPager);
        QDirIterator bases(path("sync-data"), {QStringLiteral("*.json")}, QDir::Files,
                           QDirIterator::Subdirectories);
        Json base;
        while (bases.hasNext()) {
            if (const QString file = bases.next(); file.contains(QLatin1String("/ContactsBase/")))
                base = Json::parse(readFile(file).toStdString());
        }
        QCOMPARE(base["device"].get<std::string>(), sim.path().toStdString());
        Json baseContacts = Json::array();
        for (const Json& c : base["book"]["contacts"]) {
            Json contact{{"nIndex", c["nIndex"]}};
            for (size_t f = 0; f < kContactFields.size(); ++f)
                contact[kContactFields[f].fieldName] = c["fields"][f];
            baseContacts.push_back(contact);
        }
        QCOMPARE(contactLines(baseContacts, "nIndex"), onPager);
        // The desktop's book before each synchronize is in the history.
        r = cli(words("contacts history"));
        QCOMPARE(Json::parse(r.out.toStdString())[0]["event"].get<std::string>(), "synchronize");
    }

    void syncChangesNothing_data()
    {
        QTest::addColumn<QStringList>("options"); // the simulator's
        QTest::addColumn<bool>("emptied");        // BOOK holds no contact: all would go
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message"); // in the error output, or the standard one
        QTest::newRow("upload refused")
            << QStringList{QStringLiteral("--refuse-upload")} << false << QStringList() << 2
            << QByteArray("the upload failed: %/desk.json and the base are as they were");
        QTest::newRow("mass deletion")
            << QStringList() << true << QStringList() << 3
            << QByteArray("would delete 0 of the 0 contacts of %/desk.json and 40 of the 40 on "
                          "the pager");
        QTest::newRow("dry run") << QStringList() << false
                                 << QStringList{QStringLiteral("--dry-run")} << 0
                                 << QByteArray("\"strNote\": \"edited\"");
    }

    void syncChangesNothing()
    {
        // BOOK, the base and the pager stay as they were; the history too, but for a
        // synchronize that got as far as its upload.
        QFETCH(QStringList, options);
        QFETCH(bool, emptied);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        message.replace("%/", QFile::encodeName(m_dir.path() + QLatin1Char('/')));
        const QString data = path("unchanged-") + QLatin1String(QTest::currentDataTag());
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        const PagerImage demo = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
        Json desk = desktopBook(demo);
        desk["contacts"][0]["strNote"] = "edited";
        if (emptied)
            desk["contacts"] = Json::array();
        const QByteArray book = QByteArray::fromStdString(desk.dump());
        const QByteArray base = QByteArray::fromStdString(demo.addressBookToJson().dump());
        writeFile(path("desk.json"), book);
        writeFile(path("base.json"), base);
        SimPager sim(options);
        const QStringList port = words("pager --port") << sim.path();
        const Run r = cli(port + words("sync-contacts %/desk.json --base %/base.json") + args);
        QCOMPARE(r.status, status);
        QVERIFY2((status == 0 ? r.out : r.err).contains(message), r.err.constData());
        QCOMPARE(readFile(path("desk.json")), book);
        QCOMPARE(readFile(path("base.json")), base);
        QCOMPARE(dumped(cli(port + words("download-contacts")).out), dumped(base));
        QCOMPARE(QFileInfo::exists(data), status == 2);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
