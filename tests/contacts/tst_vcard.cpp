// vCard reading, mapping onto the thirteen fields and writing. The round trip of what is
// read is the fuzz target's check, over its seeds and whatever it finds.

#include "contacts/core/addressbookexchange.h"
#include "contacts/core/duplicatereview.h"
#include "contacts/core/vcard.h"

#include <QBuffer>
#include <QTest>

#include "tests/contacts/bookfill.h"

namespace {

vcard::Book read(const QByteArray& text, qsizetype chunkSize = vcard::Reader::kDefaultChunkSize)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return vcard::readBook(buffer, chunkSize);
}

// The thirteen fields joined by '|', as Latin-1 text.
QString fields(const ContactRecord& r)
{
    QStringList out;
    for (const ContactField& f : kContactFields)
        out << QString::fromLatin1((r.*f.member).data(), qsizetype((r.*f.member).size()));
    return out.join(QLatin1Char('|'));
}

// A contact from its fields in the book's order, joined by '|'.
ContactRecord joined(const char* fields)
{
    ContactRecord r;
    size_t i = 0;
    for (const QByteArray& field : QByteArray(fields).split('|'))
        r.*kContactFields[i++].member = field.toStdString();
    return r;
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOneCard_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("report");

        QTest::newRow("3.0 types, pref, structured values, escapes")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Anna;B.;Dr.;\r\nFN:Dr. Anna Smith\r\n"
                   "EMAIL;TYPE=INTERNET:a@home.example\r\nEMAIL;TYPE=INTERNET,pref:a@work."
                   "example\r\n"
                   "TEL;TYPE=CELL:0170\r\nTEL;TYPE=WORK,VOICE:0200\r\nTEL;TYPE=PAGER:77123\r\n"
                   "TEL;TYPE=HOME,FAX:0300\r\nTEL;TYPE=HOME:0400\r\nORG:Acme\\, Inc.;Sales\r\n"
                   "ADR;TYPE=WORK:;;12 Main St;Springfield;;12345;USA\r\n"
                   "NOTE:one\\ntwo\\; three\\\\\r\nEND:VCARD\r\n")
            << QStringLiteral("Anna|Smith|77123|a@work.example|a@home.example||0200|0170|0400|0300|"
                              "Acme, Inc.|12 Main St, Springfield, 12345, USA|one\r\ntwo; three\\")
            << QString();
        QTest::newRow("2.1 bare parameters, quoted-printable, soft breaks, charsets")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                          "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=B6rg\r\n"
                          "TEL;WORK;VOICE:0200\r\nTEL;CELL;PREF:0170\r\nTEL;CELL:0171\r\n"
                          "EMAIL;INTERNET:j@x.example\r\n"
                          "ORG;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Soci=E9t=E9\r\n"
                          "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Caf=C3=A9 au=\r\n"
                          " lait=0D=0Avite\r\n"
                          "END:VCARD\r\n")
            << QStringLiteral(
                   "Jörg|Müller||j@x.example|||0200|0170|0171||Société||Café au lait\r\nvite")
            << QString();
        QTest::newRow("4.0 BOM, LF, folds inside UTF-8, case, groups, quoted TYPE, PREF, tel URI")
            << QByteArray(
                   "\xEF\xBB\xBF"
                   "begin:vcard\nversion:4.0 \nfn:J\xC3\n \xB6rg \xC3\x85str\xC3\xB6m\n"
                   "item1.EMAIL;PREF=2:second@x.example\nitem2.email;pref=1:first@x.example\n"
                   "item2.X-ABLABEL:ignored\nTEL;TYPE=\"work,voice\";VALUE=uri:tel:+1-555-0100\n"
                   "TeL;type=\"pager\";VALUE=text:tel:99\nNOTE:fol\n\tded\nEND:VCARD\n")
            << QStringLiteral("Jörg Åström||tel:99|first@x.example|second@x.example||+1-555-0100|"
                              "|||||folded")
            << QString();
        QTest::newRow("what does not fit")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Verylonglastname-xx;"
                          "\xE6\x9D\x8E\xF0\x9F\x98\x80\r\n"
                          "EMAIL:1@x\r\nEMAIL:2@x\r\nEMAIL:3@x\r\nEMAIL:4@x\r\n"
                          "TEL;TYPE=pager:p1\r\nTEL;TYPE=pager:p2\r\nTEL:n1\r\nTEL;TYPE=cell:c1\r\n"
                          "TEL;TYPE=home:h1\r\nNOTE:123456789012345678901234567890123\r\n"
                          "NOTE;PREF=1:kept\r\nEND:VCARD\r\n")
            << QStringLiteral("??|Verylonglastname|p1|1@x|2@x|3@x|p2|c1|h1||||kept")
            << QStringLiteral("1 e-mail address, 1 telephone number, 1 other value, "
                              "2 characters replaced by '?', Last Name cut");
        QTest::newRow("CR, LF and CR LF line ends, folds after each")
            << QByteArray("BEGIN:VCARD\rVERSION:3.0\rN:Lee;Jo\r\n an\rEMAIL:j@x\n .example\r"
                          "NOTE:a\r b\r\nEND:VCARD\r")
            << QStringLiteral("Joan|Lee||j@x.example|||||||||ab") << QString();
        QTest::newRow("empty N takes FN")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:Acme\r\nEND:VCARD\r\n")
            << QStringLiteral("Acme||||||||||||") << QString();
    }

    void readsOneCard()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QFETCH(QString, report);
        // Any chunk size reads the same: lines, folds and UTF-8 sequences cross chunk ends.
        for (const qsizetype chunk :
             {qsizetype(1), qsizetype(7), vcard::Reader::kDefaultChunkSize}) {
            const vcard::Book book = read(text, chunk);
            QCOMPARE(book.skipped, 0);
            QCOMPARE(book.contacts.size(), size_t(1));
            QCOMPARE(fields(book.contacts[0]), expected);
            QCOMPARE(book.contactReports[0].describe(), report);
        }
    }

    void skipsWhatCannotBeRead()
    {
        const QByteArray good = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Good\r\nEND:VCARD\r\n";
        const QByteArray text =
            "junk before the first card\r\n" + good +
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:no colon\r\nthis line is no property\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:5.0\r\nFN:unknown version\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:3.0\r\nNOTE;ENCODING=b:!!!\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:3.0\r\nX-ONLY:nothing that maps\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:no end\r\n" +
            good + "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Outer;Card\r\nAGENT:\r\n" + good +
            "END:VCARD\r\n"
            // No END after the agent's card: that card was the next one of the file.
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:No;End\r\nAGENT:\r\n" +
            good + good + "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:cut off by the end of the file\r\n";
        const vcard::Book book = read(text);
        QCOMPARE(book.skipped, 7);
        QCOMPARE(book.cards, 12);
        std::vector<std::string> names;
        for (const ContactRecord& r : book.contacts)
            names.push_back(r.strFirstName);
        QCOMPARE(names, (std::vector<std::string>{"Good", "Good", "Card", "Good", "Good"}));
    }

    void longLinesAreCutNotHeld()
    {
        const QByteArray photo(int(vcard::Reader::kMaxLine) * 2, 'A');
        const QByteArray text = "BEGIN:VCARD\r\nVERSION:3.0\r\nPHOTO;ENCODING=b:" + photo +
                                "\r\nN:Doe;Jo\r\nNOTE:" + photo + "\r\nEND:VCARD\r\n";
        const vcard::Book book = read(text);
        QCOMPARE(book.contacts.size(), size_t(1));
        QCOMPARE(book.contacts[0].strNote, std::string(32, 'A'));
        QCOMPARE(book.contactReports[0].describe(), QStringLiteral("Note cut"));
    }

    void groupsNameTheirMembers()
    {
        const QByteArray text =
            "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\nMEMBER:mailto:a%40b.example\r\n"
            "MEMBER:tel:555%20123\r\nMEMBER:mailto:50%25%zz%4\r\nMEMBER:urn:uuid:42\r\n"
            "MEMBER:urn:uuid:nobody\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:42\r\nFN:Pat\r\nTEL;TYPE=pager:9876\r\n"
            "END:VCARD\r\n";
        const vcard::Book book = read(text);
        QCOMPARE(book.contacts.size(), size_t(1));
        QCOMPARE(book.groups.size(), size_t(1));
        const GroupRecord& g = book.groups[0];
        QCOMPARE(QString::fromLatin1(g.strName.c_str()), QStringLiteral("Team"));
        QCOMPARE(std::vector(g.aMembers.begin(), g.aMembers.begin() + g.nMemberCount),
                 (std::vector<GroupMember>{
                     {0, "a@b.example"}, {1, "555 123"}, {0, "50%%zz%4"}, {1, "9876"}}));
        QCOMPARE(book.groupReports[0].describe(), QStringLiteral("1 member"));
        // The block holds the members as the Group dialog encodes them.
        QVERIFY(g.nBlockLength > 4);
    }

    void writesVersion4And3()
    {
        ContactRecord c = contactOf({"J\xF6rg", "M\xFCller", "77 12", "j@x.example", "", "", "0200",
                                     "", "", "0300", "A;B, C", "Main St 1\r\nTown", ""});
        c.strNote = "x" + std::string(35, '\xE9'); // the fold falls inside the 35th character
        const GroupRecord g = groupOf("Team", {{0, "a@b.example"}, {1, "555 1;2"}});
        const QByteArray e35 = QByteArray("\xC3\xA9").repeated(35);
        const QByteArray expected4 =
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:J\xC3\xB6rg "
            "M\xC3\xBCller\r\nN:M\xC3\xBCller;J\xC3\xB6rg;;;\r\n"
            "EMAIL:j@x.example\r\nTEL;VALUE=text;TYPE=pager:77 "
            "12\r\nTEL;VALUE=text;TYPE=work:0200\r\n"
            "TEL;VALUE=text;TYPE=fax:0300\r\nORG:A\\;B\\, C\r\nADR:;;Main St 1\\nTown;;;;\r\n"
            "NOTE:x" +
            e35.left(68) + "\r\n " + e35.mid(68) +
            "\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\nMEMBER:mailto:a@b.example\r\n"
            "MEMBER:tel:555%201%3B2\r\nEND:VCARD\r\n";
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        vcard::Writer writer(buffer);
        writer.contact(c);
        writer.group(g);
        QVERIFY(writer.finish());
        QCOMPARE(buffer.data(), expected4);

        QBuffer buffer3;
        buffer3.open(QIODevice::WriteOnly);
        vcard::Writer writer3(buffer3, vcard::Version::V30);
        writer3.contact(contactOf({"Al", "", "", "", "", "", "", "", "", "", "", "", ""}));
        QVERIFY(writer3.finish());
        QCOMPARE(buffer3.data(),
                 QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Al\r\nN:;Al;;;\r\nEND:VCARD\r\n"));

        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        vcard::Writer refused(readOnly);
        refused.contact(c);
        QVERIFY(!refused.finish());
    }

    void duplicatesByNameEmailOrWireless()
    {
        // The incoming and the existing contact: first name, last name, wireless address and
        // e-mail addresses 1 to 3, joined by '|'.
        const std::tuple<const char*, const char*, bool> cases[] = {
            {"Ann|Lee", "Ann|Lee|1|x@y", true},
            {"Ann|Lee", "Anne|Lee", false},
            {"|||a@x", "|||b@x", false},                       // no names are no match
            {"A|||||Bo@X.example", "B||||bo@x.example", true}, // another slot, other case
            {"A||555", "B||555", true},
            {"A", "B", false}, // empty addresses are no match
        };
        for (const auto& [incoming, existing, match] : cases)
            QVERIFY2(duplicates::matches(joined(incoming), joined(existing)) == match, incoming);
    }

    void importCarriesOutTheReview()
    {
        AddressBook book;
        for (int i = 0; i < MAX_CONTACTS - 4; ++i)
            addContact(book, {"Filler"}); // room for two more
        addContact(book, {"Ann", "Lee", "", "a@x"});
        addContact(book, {"Bo", "", "555"});
        addGroup(book, "Team", {{0, "a@x"}});

        QBuffer file;
        file.setData("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Lee;Ann\r\nEMAIL:new@x\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\r\nTEL;TYPE=pager:555\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:New\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\nMEMBER:mailto:a@x\r\n"
                     "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Other\r\n"
                     "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:Last\r\nEND:VCARD\r\n");
        file.open(QIODevice::ReadOnly);
        VCardImport import = AddressBookExchange::readVCard(file, book);
        const duplicates::Plan& plan = import.plan;
        QCOMPARE(plan.unmatched, (std::vector<size_t>{2, 3})); // New and Last
        QCOMPARE(plan.rows.size(), size_t(2));
        QCOMPARE(plan.rows[0].differing, (std::vector<int>{3})); // Ann's e-mail address
        QCOMPARE(plan.rows[1].differing, (std::vector<int>{0})); // Bob is Bo by his wireless
        QCOMPARE(plan.wontFit(), 0);                             // both duplicates skipped
        import.plan.rows[0].action = duplicates::Action::Replace;
        import.plan.rows[1].action = duplicates::Action::Add;
        QCOMPARE(plan.additions(), (std::vector<size_t>{1, 2})); // Last does not fit
        QCOMPARE(plan.wontFit(), 1);
        QStringList added;
        const VCardImportReport report =
            AddressBookExchange::applyVCard(import, book, [&](const ContactRecord& c) {
                added << QString::fromStdString(c.strFirstName);
            });
        QCOMPARE(added, QStringList({QStringLiteral("Bob"), QStringLiteral("New")}));
        // replaced, not fitting, groups added, groups skipped
        QCOMPARE(
            (std::array{report.replaced, report.notFit, report.groupsAdded, report.groupsSkipped}),
            (std::array{1, 1, 1, 1}));
        QCOMPARE(book.GetListAddress(MAX_CONTACTS - 3)->strEmail1, std::string("new@x"));
        QCOMPARE(book.CheckAddressSpace(), 0);

        // Without a review (the exchange's plain import), duplicates are skipped.
        AddressBook small;
        addContact(small, {"Ann", "Lee", "", "a@x"});
        file.seek(0);
        const ImportReport plain =
            AddressBookExchange(ExchangeFormat::VCard40).importFrom(file, small);
        QCOMPARE(plain.added, 3); // Bob, New, Last; Ann was there
        QCOMPARE(small.m_AddressList.size(), size_t(4));
    }
};

QTEST_APPLESS_MAIN(TestVCard)
#include "tst_vcard.moc"
