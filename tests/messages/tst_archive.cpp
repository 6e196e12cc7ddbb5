// Search across folders, folder paths and the choice of messages for an export; the mail
// and CSV encodings byte for byte. (tests/cli/export_roundtrip.py reads exports back with
// Python's own readers.)

#include "messages/core/archive.h"
#include "messages/core/mailexport.h"

#include <QTest>

#include <random>

namespace {

using Words = std::vector<std::string>;

MessageRecord folder(const char* name, qint32 id, qint32 parent)
{
    MessageRecord r;
    r.strName = name;
    r.nFolderId = id;
    r.nParentId = parent;
    return r;
}

MessageRecord message(const MessageRecord& f, qint32 id, std::string address, std::string header,
                      std::string text, std::string date = "2024-03-09 07:05")
{
    MessageRecord r = f; // filed in that folder
    r.nKind = KIND_MESSAGE;
    r.nMessageId = id;
    r.strAddress = std::move(address);
    r.strHeader = std::move(header);
    r.strText = std::move(text);
    r.strDate = std::move(date);
    return r;
}

// Folders: pager Inbox(1); local Folders(20) > Work(21) > Deep(22); News(23); and two
// damaged ones (30, 31) that name each other as parents.
RecordList tree()
{
    return {folder("Inbox", 1, PARENT_PAGER),
            folder("Folders", 20, PARENT_LOCAL),
            folder("Work", 21, 20),
            folder("Deep", 22, 21),
            folder("News", 23, PARENT_LOCAL),
            folder("Loop", 30, 31),
            folder("Back", 31, 30)};
}

std::vector<qint32> ids(const auto& records)
{
    std::vector<qint32> out;
    for (const MessageRecord* r : records)
        out.push_back(r->nMessageId);
    return out;
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchWords()
    {
        const std::pair<QByteArray, QList<QByteArray>> cases[] = {
            {"  Abc\tDEF\r\n", {"abc", "def"}},
            {"\xC0\xDE\xD7\xDF\xFF", {"\xE0\xFE\xD7\xDF\xFF"}},
            {" \n", {}}};
        for (const auto& [typed, words] : cases) {
            QList<QByteArray> got;
            for (const std::string& w : archive::searchWords(typed.toStdString()))
                got << QByteArray::fromStdString(w);
            QCOMPARE(got, words);
        }
    }

    // The index against a plain reading of the rule (Qt's own lower-casing of Latin-1) on
    // random texts over an alphabet of near misses.
    void searchMatchesTheRule()
    {
        std::mt19937 rng(11);
        const std::string alphabet = "aAbB \xE9\xC9\xD7\xF7\xDF\xFF\r\n";
        auto text = [&](int max) {
            std::string s(std::uniform_int_distribution<size_t>(0, size_t(max))(rng), ' ');
            for (char& c : s)
                c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
            return s;
        };
        auto lower = [](std::string_view s) {
            return QString::fromLatin1(s.data(), qsizetype(s.size())).toLower();
        };
        for (int round = 0; round < 300; ++round) {
            RecordList l = tree();
            const MessageRecord& work = *std::next(l.begin(), 2);
            for (qint32 i = 0; i < 12; ++i)
                l.push_back(message(work, i + 1, text(4), text(4), text(12)));
            l.push_back(l.back());
            l.back().nKind = KIND_COMPANION; // never a result
            const Words words = archive::searchWords(text(6));
            std::vector<qint32> want;
            for (const MessageRecord& r : l) {
                const bool all = std::all_of(words.begin(), words.end(), [&](const std::string& w) {
                    const QString lw = lower(w);
                    return lower(r.strAddress).contains(lw) || lower(r.strHeader).contains(lw) ||
                           lower(r.strText).contains(lw);
                });
                if (r.nKind == KIND_MESSAGE && !words.empty() && all)
                    want.push_back(r.nMessageId);
            }
            archive::MessageSearch index;
            index.build(l);
            QCOMPARE(ids(index.find(words)), want);
            std::vector<const MessageRecord*> plain;
            for (const MessageRecord& r : l) {
                if (archive::matches(r, words))
                    plain.push_back(&r);
            }
            QCOMPARE(ids(plain), want);
        }
    }

    void folderPaths()
    {
        RecordList l = tree();
        const archive::FolderPaths paths(l);
        QCOMPARE(paths.path(PARENT_PAGER, 1), std::string("Messages/Inbox"));
        QCOMPARE(paths.path(21, 22), std::string("LocalFolder/Folders/Work/Deep"));
        QCOMPARE(paths.pathOf(message(*std::next(l.begin(), 2), 5, "", "", "")),
                 std::string("LocalFolder/Folders/Work"));
        QCOMPARE(paths.path(20, 22), std::string());    // not that folder's pair
        QVERIFY(paths.path(31, 30).ends_with("/Loop")); // a loop of parents ends
    }

    void folderMessagesForExport()
    {
        RecordList l = tree();
        auto at = [&](int i) { return *std::next(l.begin(), i); };
        for (const auto& [f, id] : {std::pair{3, 1}, {1, 2}, {2, 3}, {4, 4}, {1, 5}, {5, 6}})
            l.push_back(message(at(f), id, "", "", ""));
        l.push_back(l.back());
        l.back().nKind = KIND_COMPANION;
        QCOMPARE(ids(archive::folderMessages(l, PARENT_LOCAL, 20, false)),
                 (std::vector<qint32>{2, 5}));
        QCOMPARE(ids(archive::folderMessages(l, PARENT_LOCAL, 20, true)),
                 (std::vector<qint32>{1, 2, 3, 5}));
        QCOMPARE(ids(archive::folderMessages(l, 31, 30, true)), (std::vector<qint32>{6}));

        // A drag out of the search: each message by its own folder.
        const std::vector<archive::FolderGroup> groups =
            archive::groupByFolder(l, {5, 1, 99, 2, 3});
        QCOMPARE(groups.size(), size_t(3));
        QCOMPARE(groups[0].folderId, 20);
        QCOMPARE(groups[0].messageIds, (std::vector<qint32>{5, 2}));
        QCOMPARE(groups[1].folderId, 22);
        QCOMPARE(groups[2].messageIds, (std::vector<qint32>{3}));
    }

    void headerText()
    {
        const std::pair<QByteArray, QByteArray> cases[] = {
            {"555 1234, \"x\"", "555 1234, \"x\""},
            {"M\xFCller a_b", "=?ISO-8859-1?Q?M=FCller_a=5Fb?="},
            {"=?x?=", "=?ISO-8859-1?Q?=3D=3Fx=3F=3D?="},
            {"a\tb", "=?ISO-8859-1?Q?a=09b?="},
            {"\xE9" + QByteArray(59, 'x'),
             "=?ISO-8859-1?Q?=E9" + QByteArray(55, 'x') + "?=\n =?ISO-8859-1?Q?xxxx?="}};
        for (const auto& [bytes, header] : cases)
            QCOMPARE(QByteArray::fromStdString(mailexport::headerText(bytes.toStdString())),
                     header);
    }

    void rfc5322Date()
    {
        // Dates that are not real or not in the store's shape give no header.
        const std::pair<QByteArray, QByteArray> cases[] = {
            {"2024-03-09 07:05", "Sat, 09 Mar 2024 07:05:00 -0000"},
            {"2000-02-29 23:59", "Tue, 29 Feb 2000 23:59:00 -0000"},
            {"1900-02-29 00:00", ""},
            {"2024-13-01 00:00", ""},
            {"0000-01-01 00:00", ""},
            {"2024-03-09 7:05", ""}};
        for (const auto& [store, rfc] : cases)
            QCOMPARE(QByteArray::fromStdString(mailexport::rfc5322Date(store.toStdString())), rfc);
    }

    void mboxMessage()
    {
        RecordList l = tree();
        std::string out;
        mailexport::appendMbox(out,
                               message(l.front(), 1, "5551234", "From 5551234",
                                       "From me\r\n>From you\n" + std::string(80, 'x') + "=\xE9"),
                               "Messages/Inbox");
        QCOMPARE(QByteArray::fromStdString(out), "From 5551234 Sat Mar  9 07:05:00 2024\n"
                                                 "From: 5551234\n"
                                                 "Date: Sat, 09 Mar 2024 07:05:00 -0000\n"
                                                 "Subject: From me\n"
                                                 "X-Quillbox-Folder: Messages/Inbox\n"
                                                 "MIME-Version: 1.0\n"
                                                 "Content-Type: text/plain; charset=ISO-8859-1\n"
                                                 "Content-Transfer-Encoding: quoted-printable\n"
                                                 "\n"
                                                 "=46rom 5551234=0D=0A=\n"
                                                 "=46rom me=0D=0A=\n"
                                                 "=3EFrom you=0A=\n" +
                                                     QByteArray(75, 'x') + "=\nxxxxx=3D=E9=\n\n");
        out.clear();
        mailexport::appendMbox(out, message(l.front(), 1, "a b", "", "", "never"), "");
        QVERIFY(out.starts_with("From quillbox Thu Jan  1 00:00:00 1970\nFrom: a b\nSubject: \n"));
    }

    void csvRow()
    {
        RecordList l = tree();
        std::string out;
        mailexport::appendCsvHeader(out);
        mailexport::appendCsvRow(out, message(l.front(), 1, "a,b", "say \"hi\"", "x\r\ny\xE9"),
                                 "Messages/Inbox", mailexport::CsvFormulas::Guard);
        QCOMPARE(
            QByteArray::fromStdString(out),
            "Folder,Date,Address,Header,Text\r\n"
            "Messages/Inbox,2024-03-09 07:05,\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\xC3\xA9\"\r\n");

        // A field that spreadsheets would run as a formula is guarded by a ' (inside the
        // quotes of a quoted one), unless it is asked for raw.
        const MessageRecord formulas[] = {message(l.front(), 1, "+4930", "\tTab", "=1+2,3", "-1"),
                                          message(l.front(), 2, "'", "a=b", "\rz", "")};
        for (const auto mode : {mailexport::CsvFormulas::Guard, mailexport::CsvFormulas::Raw}) {
            out.clear();
            mailexport::appendCsvRow(out, formulas[0], "@x", mode);
            mailexport::appendCsvRow(out, formulas[1], "Messages/Inbox", mode);
            QCOMPARE(QByteArray::fromStdString(out),
                     mode == mailexport::CsvFormulas::Guard
                         ? "'@x,'-1,'+4930,'\tTab,\"'=1+2,3\"\r\nMessages/Inbox,,',a=b,\"'\rz\"\r\n"
                         : "@x,-1,+4930,\tTab,\"=1+2,3\"\r\nMessages/Inbox,,',a=b,\"\rz\"\r\n");
        }
    }

    void unwritableExportSaysWhy()
    {
        RecordList l = tree();
        QString error;
        QVERIFY(!mailexport::writeFile(QStringLiteral("/nonexistent/out.mbox"),
                                       mailexport::Format::Mbox, {}, archive::FolderPaths(l),
                                       mailexport::CsvFormulas::Guard, &error));
        QVERIFY2(error.startsWith(QStringLiteral("The export file /nonexistent/out.mbox could "
                                                 "not be written: ")),
                 qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
