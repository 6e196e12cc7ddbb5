#include "contacts/core/addressbookexchange.h"
#include "contacts/core/contactstext.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include "tests/contacts/bookfill.h"

using contactstext::Fields;

namespace {

// The fields joined by TAB with the empty trailing ones dropped: compact to write down.
QByteArray joined(const Fields& fields)
{
    QByteArray out;
    for (const std::string& field : fields)
        out += QByteArray::fromStdString(field) + '\t';
    while (out.endsWith('\t'))
        out.chop(1);
    return out;
}

QByteArrayList readAll(const QByteArray& bytes, qsizetype chunkSize, QString* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    contactstext::Reader reader(buffer, chunkSize);
    QByteArrayList lines;
    Fields fields;
    while (reader.next(fields))
        lines << joined(fields);
    if (error)
        *error = reader.error();
    return lines;
}

// Serves `size` bytes of 'x' (never held), then `tail`, then fails if asked to, as a
// broken disk would.
class SourceDevice : public QIODevice
{
public:
    SourceDevice(qint64 size, QByteArray tail, bool fail)
        : m_size(size), m_tail(std::move(tail)), m_fail(fail)
    {
        open(ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 n = 0;
        for (; n < maxSize && m_pos < m_size + m_tail.size(); ++n, ++m_pos)
            data[n] = m_pos < m_size ? 'x' : m_tail[m_pos - m_size];
        if (n == 0 && m_fail)
            setErrorString(QStringLiteral("Input/output error"));
        return n == 0 && m_fail ? -1 : n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 m_size;
    QByteArray m_tail;
    bool m_fail;
    qint64 m_pos = 0;
};

} // namespace

class TestContactsText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reader_data();
    void reader();
    void readerLongLine();
    void exportThroughTheExchange();
    void importReport();
};

void TestContactsText::reader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("contacts");
    const QByteArray header = QByteArray::fromStdString(contactstext::headerLine());

    QTest::newRow("header skipped") << header + "\r\nAnn\tLee\r\n" << QByteArrayList{"Ann\tLee"};
    QTest::newRow("First Name in a field of line 1")
        << QByteArray("x\tMy First Name\r\nBob\n") << QByteArrayList{"Bob"};
    QTest::newRow("overlapping start") << QByteArray("FFirst Name\nBob") << QByteArrayList{"Bob"};
    QTest::newRow("later header is a contact") << QByteArray("Ann\n") + header + "\r\n"
                                               << QByteArrayList{"Ann", header};
    QTest::newRow("header after an empty line 1")
        << QByteArray("\r\n") + header << QByteArrayList{header};
    QTest::newRow("empty lines anywhere")
        << QByteArray("\n\r\nAnn\r\n\r\n\nBob\r\n\r\n\n") << QByteArrayList{"Ann", "Bob"};
    QTest::newRow("no final LF") << QByteArray("Ann\r\nBob\tLee")
                                 << QByteArrayList{"Ann", "Bob\tLee"};
    QTest::newRow("CR inside a line is text")
        << QByteArray("A\rB\r\r\nC\r") << QByteArrayList{"A\rB\r", "C\r"};
    QTest::newRow("NUL bytes") << QByteArray("A\0B\tC\n", 6)
                               << QByteArrayList{QByteArray("A\0B\tC", 5)};
    QTest::newRow("cut across chunks")
        << QByteArray(20, 'f') + "\t" + QByteArray(30, 'l') + "\r\n"
        << QByteArrayList{QByteArray(16, 'f') + "\t" + QByteArray(16, 'l')};
}

void TestContactsText::reader()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArrayList, contacts);
    // Tiny chunks put every line end, CR LF pair and "First Name" across a boundary.
    for (qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(7),
                            contactstext::Reader::kDefaultChunkSize}) {
        QString error;
        QCOMPARE(readAll(file, chunk, &error), contacts);
        QVERIFY(error.isEmpty());
    }
}

void TestContactsText::readerLongLine()
{
    // A line far longer than any buffer: only the kept bytes are held.
    SourceDevice longLine(64LL << 20, "\tLee\r\nBob\n", false);
    contactstext::Reader reader(longLine);
    Fields fields;
    QVERIFY(reader.next(fields));
    QCOMPARE(joined(fields), QByteArray(16, 'x') + "\tLee");
    QVERIFY(reader.next(fields));
    QCOMPARE(joined(fields), QByteArray("Bob"));
    QVERIFY(!reader.next(fields));
    QVERIFY(reader.error().isEmpty());
}

void TestContactsText::exportThroughTheExchange()
{
    // As a download may bring them: fields over their Max (written in full), a contact in
    // a group (written too), a pasted line break (it goes out as it is).
    ContactRecord over;
    for (const ContactField& field : kContactFields)
        over.*field.member = std::string(size_t(field.nMax) + 5, 'w');
    ContactRecord grouped = contactOf({"Ann", "", "", "", "", "", "", "", "", "", "", "", "n"});
    grouped.nGroup = 4;
    const ContactRecord pasted =
        contactOf({"", "", "", "", "", "", "", "", "", "", "", "Main St\r\nApt 4"});
    AddressBook book;
    for (const ContactRecord& contact : {over, grouped, pasted})
        book.m_AddressList.push_back(std::make_unique<ContactRecord>(contact));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(AddressBookExchange().exportTo(buffer, book));
    QByteArray expected = "First Name\tLast Name\tWireless Address\tEmail Address #1\t"
                          "Email Address #2\tEmail Address #3\tWork Number\tMobile Number\t"
                          "Home Number\tFax Number\tCompany Name\tAddress\tNote\r\n";
    QByteArrayList wide;
    for (const int max : {16, 16, 64, 64, 64, 64, 18, 18, 18, 18, 32, 80, 32})
        wide << QByteArray(max + 5, 'w');
    expected += wide.join('\t') + "\r\nAnn\t\t\t\t\t\t\t\t\t\t\t\tn\r\n";
    expected += "\t\t\t\t\t\t\t\t\t\t\tMain St\r\nApt 4\t\r\n";
    QCOMPARE(buffer.data(), expected);

    // A failed write: false, with the reason.
    QBuffer closed;
    QVERIFY(!AddressBookExchange().exportTo(closed, book));
    QTemporaryDir dir;
    QString error;
    QVERIFY(!AddressBookExchange().exportToFile(dir.filePath(QStringLiteral("no/such.txt")), book,
                                                &error));
    QVERIFY(!error.isEmpty());
    Fields fields;
    contactstext::Reader unopened(closed);
    QVERIFY(!unopened.next(fields));
    QVERIFY(!unopened.error().isEmpty());
}

void TestContactsText::importReport()
{
    // 245 contacts kept already: the fifth imported one fills the memory, and the rest of
    // the file is not read.
    AddressBook book;
    for (int i = 0; i < MAX_CONTACTS - 5; ++i)
        QVERIFY(addContact(book, {}));
    QBuffer buffer;
    buffer.setData("First Name\r\nA\r\n" + QByteArray(20, 'b') + "\tc\r\nC\nD\nE\nF\n");
    buffer.open(QIODevice::ReadOnly);
    QByteArrayList added;
    const ImportReport report =
        AddressBookExchange().importFrom(buffer, book, [&](const ContactRecord& contact) {
            QVERIFY(contact.nKey >= 1 && contact.nGroup == KEY_CONTACTS);
            added << QByteArray::fromStdString(contact.strFirstName);
        });
    QCOMPARE(added, QByteArrayList({"A", QByteArray(16, 'b'), "C", "D", "E"}));
    QCOMPARE(report.added, 5);
    QCOMPARE(report.cutFields, 1);
    QVERIFY(report.stoppedAtLimit);
    QCOMPARE(book.CheckAddressSpace(), 0);

    // A full book reads nothing; a read error ends the reading with a reason, and keeps
    // what came before it (the unfinished line is not a contact).
    const ImportReport none = AddressBookExchange().importFrom(buffer, book);
    QVERIFY(none.stoppedAtLimit && none.added == 0);
    SourceDevice failing(0, "Ann\nBob", true);
    AddressBook other;
    const ImportReport broken = AddressBookExchange().importFrom(failing, other);
    QCOMPARE(broken.added, 1);
    QCOMPARE(broken.readError, QStringLiteral("Input/output error"));
}

QTEST_GUILESS_MAIN(TestContactsText)
#include "tst_contactstext.moc"
