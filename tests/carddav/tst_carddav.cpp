// CardDAV: the card editing that keeps what the address book has no field for, and the sync
// against real servers of Debian's (Radicale; Xandikos for a second server's habits),
// started by the tests on 127.0.0.1.
#include "carddav/carddavsync.h"
#include "carddav/cardedit.h"
#include "tests/carddav/davserver.h"
#ifdef QUILLBOX_HAVE_KEYCHAIN
#include "carddav/keychainstore.h"
#endif

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(DavServer::Kind)
Q_DECLARE_METATYPE(contactmerge::Side)

namespace {

std::string* field(ContactRecord& c, const char* name)
{
    for (const ContactField& f : kContactFields) {
        if (qstrcmp(f.fieldName, name) == 0)
            return &(c.*f.member);
    }
    qFatal("no field %s", name);
}

// Ann's card as another address book writes it: a photo, a birthday, an X- property with a
// parameter, a grouped label, a fourth e-mail and a number the book has no room for.
const QByteArray kAnn = "BEGIN:VCARD\r\n"
                        "VERSION:3.0\r\n"
                        "UID:ann-1\r\n"
                        "FN:Ann Lee\r\n"
                        "N:Lee;Ann;;Dr.;\r\n"
                        "PHOTO;ENCODING=b;TYPE=JPEG:yMnKy8zNzs/Q0dLT1NXW19jZ2tvc3d7f4OHi4+Tl5ufo6err\r\n"
                        " 7O3u7/Dx8vP09fb3+Pn6+/z9/nBob3RvLWJ5dGVz\r\n"
                        "BDAY:1980-02-03\r\n"
                        "EMAIL;TYPE=INTERNET:ann@example.org\r\n"
                        "EMAIL;TYPE=INTERNET:ann@work.example\r\n"
                        "EMAIL;TYPE=INTERNET:ann@home.example\r\n"
                        "EMAIL;TYPE=INTERNET:ann@old.example\r\n"
                        "item1.TEL;TYPE=CELL:+1 555 0100\r\n"
                        "item1.X-ABLabel:Mobile\r\n"
                        "TEL;TYPE=HOME:+1 555 0101\r\n"
                        "TEL;TYPE=WORK:+1 555 0102\r\n"
                        "TEL;TYPE=VOICE:+1 555 0103\r\n"
                        "X-QUIRK;X-PARAM=\"a,b\":keep\\, me\r\n"
                        "NOTE:old note\r\n"
                        "END:VCARD\r\n";

ContactRecord person(const char* first, const char* last, const char* email)
{
    ContactRecord c;
    c.strFirstName = first;
    c.strLastName = last;
    c.strEmail1 = email;
    return c;
}

// The card with the line that starts with prefix replaced (or removed when line is empty).
QByteArray withLine(QByteArray card, const QByteArray& prefix, const QByteArray& line)
{
    const qsizetype at = card.indexOf("\r\n" + prefix) + 2;
    Q_ASSERT(at >= 2);
    const qsizetype end = card.indexOf("\r\n", at) + 2;
    return card.replace(at, end - at, line);
}

} // namespace

class TestCardDav : public QObject
{
    Q_OBJECT

private:
    struct Desktop
    {
        carddav::LocalBook book;
        carddav::SyncState state;
    };

    // Starts the row's server, or skips.
    bool startServer(DavServer::Kind kind)
    {
        m_server = std::make_unique<DavServer>(kind);
        const QString why = m_server->start();
        if (!why.isEmpty()) {
            m_server.reset();
            m_skip = why;
            return false;
        }
        return true;
    }

    // One sync of desktop; it keeps the book and the state only when the sync succeeded.
    carddav::Outcome sync(Desktop& desktop, carddav::Options options = {},
                          std::function<void()> beforeChanges = {}, int* requests = nullptr)
    {
        carddav::DavClient client(m_server->user, m_server->password);
        client.setTimeout(60000);
        carddav::Sync run(client);
        run.beforeChanges = std::move(beforeChanges);
        carddav::Outcome out =
            run.run(m_server->url(), m_server->user, desktop.book, desktop.state, options);
        if (out.failure == carddav::Failure::None && !options.dryRun) {
            desktop.book = out.book;
            desktop.state = out.state;
        }
        if (requests)
            *requests = client.requests();
        return out;
    }

    qsizetype contactOf(const Desktop& desktop, const std::string& uid)
    {
        const auto& uids = desktop.book.uids;
        return std::find(uids.begin(), uids.end(), uid) - uids.begin();
    }

    std::unique_ptr<DavServer> m_server;
    QString m_skip;

private Q_SLOTS:
    void cleanup() { m_server.reset(); }

    void cardEdit_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\n";
        const QByteArray x = "X-A;P=1:q\r\n";
        QTest::newRow("note in place") << head + "NOTE:a\r\n" + x + "END:VCARD\r\n" << QByteArray("strNote")
                                       << QByteArray("b") << head + "NOTE:b\r\n" + x + "END:VCARD\r\n";
        QTest::newRow("field added before END")
            << head + x + "END:VCARD\r\n" << QByteArray("strCompany") << QByteArray("Acme; Inc")
            << head + x + "ORG:Acme\\; Inc\r\nEND:VCARD\r\n";
        QTest::newRow("field emptied")
            << head + "ORG:Acme\r\n" + x + "END:VCARD\r\n" << QByteArray("strCompany") << QByteArray()
            << head + x + "END:VCARD\r\n";
        QTest::newRow("name: FN and N rewritten")
            << head + x + "END:VCARD\r\n" << QByteArray("strLastName") << QByteArray("Ray")
            << "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u\r\nFN:Ann Ray\r\nN:Ray;Ann;;;\r\n" + x + "END:VCARD\r\n";
        const QByteArray mails = "EMAIL:a@x\r\nEMAIL:b@x\r\nEMAIL:c@x\r\nEMAIL:d@x\r\n";
        QTest::newRow("third e-mail, the fourth kept after it")
            << head + mails + "END:VCARD\r\n" << QByteArray("strEmail3") << QByteArray("e@x")
            << head + "EMAIL:a@x\r\nEMAIL:b@x\r\nEMAIL;TYPE=INTERNET:e@x\r\nEMAIL:d@x\r\nEND:VCARD\r\n";
        QTest::newRow("4.0 number in its version")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:A\r\nTEL;TYPE=cell:1\r\nEND:VCARD\r\n")
            << QByteArray("strMobileNumber") << QByteArray("2")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:A\r\nTEL;VALUE=text;TYPE=cell:2\r\nEND:VCARD\r\n");
        QTest::newRow("folded LF card, untouched line kept")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:A\nX-LONG:abc\n def\nNOTE:n\nEND:VCARD\n")
            << QByteArray("strNote") << QByteArray("m")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:A\nX-LONG:abc\n def\nNOTE:m\nEND:VCARD\n");
    }

    void cardEdit()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        ContactRecord contact = carddav::readServerCard(stored).contact;
        *::field(contact, field.constData()) = value.toStdString();
        QCOMPARE(carddav::editCard(stored, contact), expected);
    }

    // Where no keychain answers, the password is kept for this run only, and the user is
    // told why.
    void noKeychain()
    {
#ifndef QUILLBOX_HAVE_KEYCHAIN
        QSKIP("built without qtkeychain (qtkeychain-qt6-dev)");
#else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("DISPLAY");
        QString why;
        const auto store = carddav::systemPasswordStore(&why);
        QVERIFY(!store->persistent());
        QVERIFY2(why.startsWith(QLatin1String("no keychain answered")), qPrintable(why));
        QString password;
        QVERIFY(store->write(QStringLiteral("k"), QStringLiteral("pw"), &why));
        QVERIFY(store->read(QStringLiteral("k"), &password, &why));
        QCOMPARE(password, QStringLiteral("pw"));
#endif
    }

    void servers_data()
    {
        QTest::addColumn<DavServer::Kind>("kind");
        QTest::newRow("radicale") << DavServer::Radicale;
        QTest::newRow("xandikos") << DavServer::Xandikos;
    }

    // First sync both ways, an edit on each side with a conflict, a card deleted on the
    // server, and an unchanged sync that costs one request.
    void syncBothWays_data()
    {
        QTest::addColumn<DavServer::Kind>("kind");
        QTest::addColumn<contactmerge::Side>("prefer");
        QTest::newRow("radicale, local wins") << DavServer::Radicale << contactmerge::Side::Local;
        QTest::newRow("radicale, server wins") << DavServer::Radicale << contactmerge::Side::Remote;
        QTest::newRow("xandikos, local wins") << DavServer::Xandikos << contactmerge::Side::Local;
    }

    void syncBothWays()
    {
        QFETCH(DavServer::Kind, kind);
        QFETCH(contactmerge::Side, prefer);
        if (!startServer(kind))
            QSKIP(qPrintable(m_skip));
        QCOMPARE(m_server->send("PUT", QStringLiteral("ann.vcf"), kAnn).status, 201);
        QCOMPARE(m_server->send("PUT", QStringLiteral("cy.vcf"),
                                "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:cy-1\r\nFN:Cy Ng\r\nEND:VCARD\r\n")
                     .status,
                 201);
        Desktop desk;
        desk.book.contacts = {person("Bob", "Day", "bob@example.org")};
        desk.book.uids = {""};
        QCOMPARE(sync(desk).error, QString());
        QCOMPARE(desk.book.contacts.size(), size_t(3));
        const std::string bobUid = desk.book.uids[0];
        QVERIFY(!bobUid.empty());

        // A second desktop gets all three; an unchanged sync is one request, nothing fetched.
        Desktop other;
        QCOMPARE(sync(other).error, QString());
        QCOMPARE(other.book.contacts.size(), size_t(3));
        QCOMPARE(other.book.contacts[size_t(contactOf(other, bobUid))].strEmail1,
                 std::string("bob@example.org"));
        int requests = 0;
        carddav::Outcome unchanged = sync(other, {}, {}, &requests);
        QCOMPARE(requests, 1);
        QCOMPARE(unchanged.fetched + unchanged.created + unchanged.updated + unchanged.deleted, 0);

        // Ann: the note and the company on the desktop, the mobile and the company on the
        // server (another client's edit); Cy deleted on the server.
        const QByteArray served = m_server->send("GET", QStringLiteral("ann.vcf")).body;
        QByteArray theirs = withLine(served, "item1.TEL", "item1.TEL;TYPE=CELL:+1 555 0199\r\n");
        theirs.replace("END:VCARD", "ORG:Server Co\r\nEND:VCARD");
        QCOMPARE(m_server->send("PUT", QStringLiteral("ann.vcf"), theirs).status / 100, 2);
        theirs = m_server->send("GET", QStringLiteral("ann.vcf")).body; // as the server keeps it
        QCOMPARE(m_server->send("DELETE", QStringLiteral("cy.vcf")).status / 100, 2);
        ContactRecord& ann = desk.book.contacts[size_t(contactOf(desk, "ann-1"))];
        ann.strNote = "Call after six";
        ann.strCompany = "Desk Co";
        carddav::Options options;
        options.prefer = prefer;
        options.dryRun = true; // tells, sends nothing
        QCOMPARE(sync(desk, options).updated, 1);
        QCOMPARE(m_server->send("GET", QStringLiteral("ann.vcf")).body, theirs);
        options.dryRun = false;
        const carddav::Outcome out = sync(desk, options);
        QCOMPARE(out.error, QString());
        QCOMPARE(out.merge->counts().conflicts, 1);
        QCOMPARE(desk.book.contacts.size(), size_t(2));
        const ContactRecord& merged = desk.book.contacts[size_t(contactOf(desk, "ann-1"))];
        QCOMPARE(merged.strNote, std::string("Call after six"));
        QCOMPARE(merged.strMobileNumber, std::string("+1 555 0199"));
        const char* company = prefer == contactmerge::Side::Local ? "Desk Co" : "Server Co";
        QCOMPARE(merged.strCompany, std::string(company));

        // What went up is the server's card with the mapped lines changed, every other byte
        // as it came (through XML, which makes every line end an LF); the server gives the
        // unmapped properties back.
        const QByteArray fetched = m_server->send("GET", QStringLiteral("ann.vcf")).body.toUpper();
        QByteArray expected = withLine(theirs, "NOTE", "NOTE:Call after six\r\n");
        if (prefer == contactmerge::Side::Local)
            expected = withLine(expected, "ORG", "ORG:Desk Co\r\n");
        const auto& cards = desk.state.cards;
        const auto sent = std::find_if(cards.begin(), cards.end(), [](const auto& c) {
            return c.first.endsWith(QLatin1String("/ann.vcf"));
        });
        QVERIFY(sent != cards.end());
        QCOMPARE(sent->second.bytes, expected.replace("\r\n", "\n"));
        for (const char* kept : {"BDAY:1980-02-03", "ANN@OLD.EXAMPLE", "X-ABLABEL:MOBILE",
                                 "+1 555 0103", "KEEP\\, ME", "YMNKY8ZN"})
            QVERIFY2(fetched.contains(kept), kept);
        QVERIFY(fetched.contains("CALL AFTER SIX"));

        // The other desktop follows, and the two books agree.
        QCOMPARE(sync(other).error, QString());
        QCOMPARE(other.book.contacts.size(), size_t(2));
        QCOMPARE(other.book.contacts[size_t(contactOf(other, "ann-1"))].strCompany,
                 std::string(company));
    }

    // A card changed on the server between the listing and the upload: the PUT is refused
    // (412), the card is read again and merged once more.
    void preconditionFailed_data() { servers_data(); }
    void preconditionFailed()
    {
        QFETCH(DavServer::Kind, kind);
        if (!startServer(kind))
            QSKIP(qPrintable(m_skip));
        QCOMPARE(m_server->send("PUT", QStringLiteral("ann.vcf"), kAnn).status, 201);
        Desktop desk;
        QCOMPARE(sync(desk).error, QString());
        desk.book.contacts[0].strNote = "desk";
        const carddav::Outcome out = sync(desk, {}, [this] {
            QByteArray changed = kAnn;
            changed.replace("+1 555 0101", "+1 555 0777");
            m_server->send("PUT", QStringLiteral("ann.vcf"), changed);
        });
        QCOMPARE(out.error, QString());
        QCOMPARE(out.retries, 1);
        QCOMPARE(desk.book.contacts[0].strHomeNumber, std::string("+1 555 0777"));
        const QByteArray card = m_server->send("GET", QStringLiteral("ann.vcf")).body;
        QVERIFY(card.contains("+1 555 0777"));
        QVERIFY(card.contains("NOTE:desk"));
    }

    // A sync token the server does not know: every card is listed by its ETag and the
    // changed ones fetched.
    void staleSyncToken_data() { servers_data(); }
    void staleSyncToken()
    {
        QFETCH(DavServer::Kind, kind);
        if (!startServer(kind))
            QSKIP(qPrintable(m_skip));
        QCOMPARE(m_server->send("PUT", QStringLiteral("ann.vcf"), kAnn).status, 201);
        Desktop desk;
        QCOMPARE(sync(desk).error, QString());
        QCOMPARE(m_server->send("PUT", QStringLiteral("cy.vcf"),
                                "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:cy-1\r\nFN:Cy Ng\r\nEND:VCARD\r\n")
                     .status,
                 201);
        desk.state.syncToken = desk.state.syncToken.isEmpty() ? QStringLiteral("http://x/sync/1")
                                                              : desk.state.syncToken + QStringLiteral("0bad");
        const carddav::Outcome out = sync(desk);
        QCOMPARE(out.error, QString());
        QVERIFY(out.fullListing);
        QCOMPARE(out.fetched, 1);
        QCOMPARE(desk.book.contacts.size(), size_t(2));
        QVERIFY(!desk.state.syncToken.contains(QLatin1String("0bad")));
    }

    // A UID given to two contacts of the book: each gets a card of its own.
    void sameUidTwiceInTheBook()
    {
        if (!startServer(DavServer::Radicale))
            QSKIP(qPrintable(m_skip));
        Desktop desk;
        desk.book.contacts = {person("Bob", "Day", "bob@example.org"),
                              person("Cy", "Ng", "cy@example.org")};
        desk.book.uids = {"dup", "dup"};
        const carddav::Outcome out = sync(desk);
        QCOMPARE(out.error, QString());
        QCOMPARE(out.created, 2);
        Desktop other;
        QCOMPARE(sync(other).error, QString());
        QCOMPARE(other.book.contacts.size(), size_t(2));
    }

    // More cards than the book holds: the ones left out stay on the server, and are not
    // counted as deletions that would stop the sync.
    void moreCardsThanTheBookHolds()
    {
        if (!startServer(DavServer::Radicale))
            QSKIP(qPrintable(m_skip));
        for (int i = 0; i < 2 * MAX_CONTACTS + 5; ++i) {
            QFile file(m_server->bookFolder() + QStringLiteral("/c%1.vcf").arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c%1\r\nFN:C%1\r\nEND:VCARD\r\n")
                           .arg(i)
                           .toUtf8());
        }
        Desktop desk;
        const carddav::Outcome out = sync(desk);
        QCOMPARE(out.error, QString());
        QCOMPARE(desk.book.contacts.size(), size_t(MAX_CONTACTS));
        QCOMPARE(out.merge->unfit().size(), size_t(MAX_CONTACTS + 5));
        QCOMPARE(out.deleted, 0);
        QCOMPARE(int(desk.state.cards.size()), 2 * MAX_CONTACTS + 5);
    }

    // The server stops between the merge and the uploads: a failure, and the state handed
    // back is the one the sync began with.
    void serverStoppedMidSync()
    {
        if (!startServer(DavServer::Radicale))
            QSKIP(qPrintable(m_skip));
        QCOMPARE(m_server->send("PUT", QStringLiteral("ann.vcf"), kAnn).status, 201);
        Desktop desk;
        QCOMPARE(sync(desk).error, QString());
        const carddav::SyncState before = desk.state;
        desk.book.contacts[0].strNote = "desk";
        const carddav::Outcome out = sync(desk, {}, [this] { m_server->stop(); });
        QCOMPARE(out.failure, carddav::Failure::Network);
        QVERIFY2(out.error.startsWith(QLatin1String("no connection to")), qPrintable(out.error));
        QCOMPARE(out.state.syncToken, before.syncToken);
        QCOMPARE(out.state.cards.begin()->second.bytes, before.cards.begin()->second.bytes);
    }

    // Failures through quillbox-cli: a clear message and its status, the book file and the
    // state folder untouched.
    void cliFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<bool>("serverUp");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << QString() << QStringLiteral("alice") << QByteArray("wrong\n") << true
                                        << 3 << QStringLiteral("refused the login of user 'alice'");
        QTest::newRow("not an address book")
            << QStringLiteral("alice/other/") << QStringLiteral("alice") << QByteArray("secret\n")
            << true << 3 << QStringLiteral("alice/other/ is not a CardDAV address book");
        QTest::newRow("no address book") << QString() << QStringLiteral("bob") << QByteArray("secret\n") << true
                                         << 3 << QStringLiteral("has no address book");
        QTest::newRow("no server") << QString() << QStringLiteral("alice") << QByteArray("secret\n") << false << 2
                                   << QStringLiteral("no connection to");
    }

    void cliFailures()
    {
        QFETCH(QString, path);
        QFETCH(QString, user);
        QFETCH(QByteArray, password);
        QFETCH(bool, serverUp);
        QFETCH(int, status);
        QFETCH(QString, message);
        if (!startServer(DavServer::Radicale))
            QSKIP(qPrintable(m_skip));
        if (!serverUp)
            m_server->stop();
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("book.json"));
        const QByteArray contents = "{\"contacts\": [], \"groups\": []}\n";
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        QProcess cli;
        cli.start(QStringLiteral(QUILLBOX_CLI),
                  {QStringLiteral("carddav"), QStringLiteral("sync"), m_server->url() + path,
                   QStringLiteral("--user"), user, QStringLiteral("--book"), book,
                   QStringLiteral("--state"), dir.filePath(QStringLiteral("state"))});
        cli.write(password);
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(60000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), status);
        QVERIFY2(err.contains(message) && err.contains(QLatin1String("nothing was changed")),
                 qPrintable(err));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("state"))));
    }
};

QTEST_GUILESS_MAIN(TestCardDav)
#include "tst_carddav.moc"
