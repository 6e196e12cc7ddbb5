#include "contacts/contactstext.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

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
    while (reader.next(fields)) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].size() > size_t(kContactFields[i].nMax))
                return {"field over its Max"};
        }
        lines << joined(fields);
    }
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
    void splitLine_data();
    void splitLine();
    void reader_data();
    void reader();
    void readerLongLineAndErrors();
    void writer();
};

void TestContactsText::splitLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("fields");
    QTest::newRow("one word") << QByteArray("Ann") << QByteArray("Ann");
    QTest::newRow("leading TAB") << QByteArray("\tLee") << QByteArray("\tLee");
    QTest::newRow("blanks kept") << QByteArray(" A \t B ") << QByteArray(" A \t B ");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QByteArray twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += QByteArray::number(i) + (i < 20 ? "\t" : "");
    QTest::newRow("20 fields keep 13") << twenty << twenty.left(twenty.indexOf("\t14"));
    QTest::newRow("cut to Max") << QByteArray(20, 'f') + "\t\t\t\t\t\t\t\t\t\t\t" +
                                       QByteArray(100, 'a')
                                << QByteArray(16, 'f') + "\t\t\t\t\t\t\t\t\t\t\t" +
                                       QByteArray(80, 'a');
}

void TestContactsText::splitLine()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, fields);
    QCOMPARE(joined(contactstext::splitLine(line.toStdString())), fields);
}

void TestContactsText::reader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("contacts");
    const QByteArray header = QByteArray::fromStdString(contactstext::headerLine());

    QTest::newRow("header skipped") << header + "\r\nAnn\tLee\r\n" << QByteArrayList{"Ann\tLee"};
    QTest::newRow("no header") << QByteArray("Ann\r\nBob\r\n") << QByteArrayList{"Ann", "Bob"};
    QTest::newRow("First Name in a field of line 1")
        << QByteArray("x\tMy First Name\r\nBob\n") << QByteArrayList{"Bob"};
    QTest::newRow("overlapping start") << QByteArray("FFirst Name\nBob") << QByteArrayList{"Bob"};
    QTest::newRow("other case is a contact")
        << QByteArray("first name\n") << QByteArrayList{"first name"};
    QTest::newRow("later header is a contact") << QByteArray("Ann\n") + header + "\r\n"
                                               << QByteArrayList{"Ann", header};
    QTest::newRow("header after an empty line 1")
        << QByteArray("\r\n") + header << QByteArrayList{header};
    QTest::newRow("header alone") << header + "\r\n" << QByteArrayList{};
    QTest::newRow("empty lines anywhere")
        << QByteArray("\n\r\nAnn\r\n\r\n\nBob\r\n\r\n\n") << QByteArrayList{"Ann", "Bob"};
    QTest::newRow("only TABs") << QByteArray("\t\t\t\r\n") << QByteArrayList{""};
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

void TestContactsText::readerLongLineAndErrors()
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

    // A read error ends the reading with a reason; the unfinished line is not a contact.
    SourceDevice failing(0, "Ann\nBob", true);
    contactstext::Reader broken(failing, 2);
    QVERIFY(broken.next(fields));
    QCOMPARE(joined(fields), QByteArray("Ann"));
    QVERIFY(!broken.next(fields));
    QCOMPARE(broken.error(), QStringLiteral("Input/output error"));
    QVERIFY(!broken.next(fields));
}

void TestContactsText::writer()
{
    ContactList contacts(3);
    auto it = contacts.begin();
    for (const ContactField& field : kContactFields)
        (*it).*field.member = std::string(size_t(field.nMax) + 5, 'w'); // written in full
    ++it;
    it->nGroup = 4; // in a group: written too
    it->strFirstName = std::string("Ann");
    it->strNote = std::string("n");
    ++it;
    it->strAddress = std::string("Main St\r\nApt 4"); // a pasted break goes out as it is

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(contactstext::write(buffer, contacts));
    const QByteArray header = "First Name\tLast Name\tWireless Address\tEmail Address #1\t"
                              "Email Address #2\tEmail Address #3\tWork Number\tMobile Number\t"
                              "Home Number\tFax Number\tCompany Name\tAddress\tNote";
    QByteArray expected = header + "\r\n";
    expected += QByteArray::fromStdString(contactstext::contactLine(contacts.front())) + "\r\n";
    expected += "Ann\t\t\t\t\t\t\t\t\t\t\t\tn\r\n";
    expected += "\t\t\t\t\t\t\t\t\t\t\tMain St\r\nApt 4\t\r\n";
    QCOMPARE(buffer.data(), expected);
    QCOMPARE(contactstext::contactLine(contacts.front()).size(), size_t(504 + 13 * 5 + 12));

    // Read back: same contacts in the same order, cut to Max; the break starts a new line.
    const QByteArrayList back = readAll(buffer.data(), contactstext::Reader::kDefaultChunkSize);
    QCOMPARE(back.size(), 4);
    QCOMPARE(back[0], joined(contactstext::splitLine(contactstext::contactLine(contacts.front()))));
    QCOMPARE(back[1], QByteArray("Ann\t\t\t\t\t\t\t\t\t\t\t\tn"));
    QCOMPARE(back[3], QByteArray("Apt 4"));

    // Only the device itself: where there is none, opening the name would create a file.
    QFile full(QStringLiteral("/dev/full"));
    if (QFileInfo(full).exists() && !QFileInfo(full).isFile() && full.open(QIODevice::WriteOnly))
        QVERIFY(!contactstext::write(full, contacts));
    QBuffer closed;
    QVERIFY(!contactstext::write(closed, contacts));
    Fields fields;
    contactstext::Reader unopened(closed);
    QVERIFY(!unopened.next(fields));
    QVERIFY(!unopened.error().isEmpty());
}

QTEST_GUILESS_MAIN(TestContactsText)
#include "tst_contactstext.moc"
