#include "contacts/core/groupblock.h"
#include "tools/common/pagerimage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using recordjson::Json;

namespace {

PagerImage sampleImage()
{
    PagerImage image;
    image.folderNames[0] = "Work";
    image.folderNames[10] = std::string(16, 'N'); // a full slot, folder 14
    DeviceMessage m;
    m.nFolder = 14;
    m.nMonth = 65535;
    m.nYear = 2026;
    m.strHeader = "From: Zo\xEB";
    m.strText = std::string("line 1\r\nline 2 \xFF", 16) + std::string(1, '\0') + "after";
    m.strAddress = "5550142";
    image.messages = {m, DeviceMessage{1, 3, 4, 2026, 23, 59, {}, {}, {}}};

    ContactRecord c;
    c.nIndex = 249;
    c.nGroup = 3;
    for (const ContactField& field : kContactFields)
        c.*field.member = std::string(static_cast<size_t>(field.nMax), '\xE9');
    ContactRecord empty;
    empty.nIndex = 0;
    image.contacts = {c, empty};

    GroupRecord g;
    g.nGroupId = 3;
    g.nParent = 7;
    g.strName = std::string(MAX_GROUP_NAME, 'g');
    g.nMemberCount = MAX_GROUP_MEMBERS;
    for (int i = 0; i < MAX_GROUP_MEMBERS; ++i)
        g.aMembers[size_t(i)] = {i % 2, "555" + std::to_string(i)};
    g.nBlockLength = GROUP_BLOCK_SIZE;
    for (size_t i = 0; i < g.abyBlock.size(); ++i)
        g.abyBlock[i] = static_cast<quint8>(i);
    image.groups = {g, GroupRecord{}};
    return image;
}

// Every member of a contact, each empty, in the Contacts folder.
QByteArray emptyContactMembers()
{
    QByteArray members = R"("nGroup": -1)";
    for (const ContactField& field : kContactFields)
        members += QByteArray(", \"") + field.fieldName + "\": \"\"";
    return members;
}

} // namespace

class TestPagerImage : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void roundTrip();
    void partsReplaceOnlyThemselves();
    void badDocuments_data();
    void badDocuments();
    void demoPager();
};

void TestPagerImage::initTestCase()
{
    // Files that may be read neither without end nor whole into memory (a pipe and a folder
    // are the folder database's test cases of the same check).
    QFile twice(m_dir.filePath(QStringLiteral("twice.json")));
    QVERIFY(twice.open(QIODevice::WriteOnly));
    twice.write(R"({"messages": {"messages": [{"folder": 1, "day": 2, "day": 3}]}})");
    QFile big(m_dir.filePath(QStringLiteral("huge.json")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize((qint64(256) << 20) + 1)); // sparse
}

void TestPagerImage::roundTrip()
{
    const PagerImage image = sampleImage();
    const Json json = Json::parse(image.toJson().dump());
    const PagerImage back = PagerImage::fromJson(json, "image");
    QCOMPARE(back.folderNames, image.folderNames);
    QVERIFY(back.messages.size() == 2 && back.messages[0].strText == image.messages[0].strText);
    QCOMPARE(back.messages[1].nMinute, quint16(59));
    QVERIFY(back.contacts == image.contacts);
    QVERIFY(back.groups == image.groups);

    // The written form reads back (above), and the demo pager pins how it is read; the reader
    // takes hex digits of either case, the writer's are upper case.
    const auto block = json["addressBook"]["groups"][0]["block"].get<std::string>();
    QCOMPARE(block.substr(block.size() - 11), "8C 8D 8E 8F");
}

void TestPagerImage::partsReplaceOnlyThemselves()
{
    PagerImage image = sampleImage();
    const PagerImage before = image;
    const Json book = Json::parse(R"({"contacts": [{"nIndex": 5, )" + emptyContactMembers() +
                                  R"(, "strNote": "n"}]})");
    image.addressBookFromJson(book, "book");
    QCOMPARE(image.contacts.size(), size_t(1));
    QVERIFY(image.groups.empty());
    QCOMPARE(image.messages.size(), before.messages.size());

    // A bad document leaves everything as it was.
    const Json bad = Json::parse(R"({"folderNames": {"4": "New"}, "messages": [{"folder": 0}]})");
    QVERIFY_THROWS_EXCEPTION(recordjson::FormError, image.messagesFromJson(bad, "m"));
    QCOMPARE(image.folderNames, before.folderNames);
    QCOMPARE(image.messages.size(), before.messages.size());
}

void TestPagerImage::badDocuments_data()
{
    QTest::addColumn<QString>("file"); // read from the file when one is named
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("error");
    auto row = [](const char* name, const QByteArray& document, const char* error) {
        QTest::newRow(name) << QString() << document << QByteArray(error);
    };
    auto file = [](const char* name, const QString& path, const char* error) {
        QTest::newRow(name) << path << QByteArray() << QByteArray(error);
    };
    file("device", QStringLiteral("/dev/zero"),
         "/dev/zero: cannot be read: it is a device, not a file");
    file("huge", m_dir.filePath(QStringLiteral("huge.json")),
         "huge.json: cannot be read: it is 268435457 bytes long, more than the 256 MB");
    file("key twice", m_dir.filePath(QStringLiteral("twice.json")),
         "twice.json: the key \"day\" is given twice in one object");
    auto message = [](const char* members) {
        return R"({"messages": {"messages": [{"folder": 1}, {)" + QByteArray(members) + "}]}}";
    };
    auto slot = [](const char* member) {
        return R"({"messages": {"folderNames": {)" + QByteArray(member) + "}}}";
    };
    // Later members take the place of the empty ones before them.
    auto contact = [](const char* members) {
        return R"({"addressBook": {"contacts": [{"nIndex": 3, )" + emptyContactMembers() + "}, {" +
               emptyContactMembers() + ", " + members + "}]}}";
    };
    auto group = [](const QByteArray& members) {
        return R"({"addressBook": {"groups": [{"nGroupId": 2}, {)" + members + "}]}}";
    };
    row("not an object", "[]", "doc: an object was expected");
    row("unknown member", R"({"message": {}})", "doc: unknown member \"message\"");
    row("folder missing", message(""), "doc.messages.messages[1]: \"folder\" is missing");
    row("folder 0", message(R"("folder": 0)"), "\"folder\" must be 1 to 14");
    row("month -1", message(R"("folder": 1, "month": -1)"), "\"month\" must be 0 to 65535");
    row("minute 1.5", message(R"("folder": 1, "minute": 1.5)"), "must be a whole number");
    row("slot 3", slot(R"("3": "x")"), "\"3\" is not a folder");
    row("slot 17 bytes", slot(R"("4": "12345678901234567")"),
        "doc.messages.folderNames: \"4\" is 17 bytes long; at most 16 fit");
    row("slot zero", slot(R"("5": "a\u0000b")"), "zero character");
    row("nIndex 250", contact(R"("nIndex": 250)"), "\"nIndex\" must be 0 to 249");
    row("slot twice", contact(R"("nIndex": 3)"), "contacts[1]: slot \"nIndex\" 3 is taken");
    row("huge nGroup", contact(R"("nIndex": 1, "nGroup": 18446744073709551615)"),
        "\"nGroup\" must be -1 to 2147483647");
    row("field 17", contact(R"("nIndex": 1, "strLastName": "abcdefghijklmnopq")"),
        "\"strLastName\" is 17 bytes long; at most 16 fit");
    row("field missing", R"({"addressBook": {"contacts": [{"nIndex": 1, "nGroup": -1}]}})",
        "doc.addressBook.contacts[0]: \"strFirstName\" is missing");
    row("no such group", contact(R"("nIndex": 1, "nGroup": 9)"),
        "contacts[1]: \"nGroup\" 9 names no group");
    row("id twice", group(R"("nGroupId": 2)"), "groups[1]: \"nGroupId\" 2 is taken");
    row("own parent", group(R"("nGroupId": 1, "nParent": 1)"),
        "groups[1]: \"nParent\" 1 is the group itself");
    row("cycle",
        R"({"addressBook": {"groups": [{"nGroupId": 2, "nParent": 3}, {"nGroupId": 3, )"
        R"("nParent": 4}, {"nGroupId": 4, "nParent": 2}, {"nGroupId": 5, "nParent": 2}]}})",
        "groups[0]: \"nParent\" 3 leads round a cycle");
    row("id -1", group(R"("nGroupId": -1)"), "must be 0 to");
    row("entry 256",
        group(R"("nGroupId": 1, "members": [{"strEntry": ")" + QByteArray(256, '1') + "\"}]"),
        "doc.addressBook.groups[1].members[0]: \"strEntry\" is 256 bytes long");
    QByteArray members = R"("nGroupId": 1, "members": [{})";
    for (int i = 0; i < 100; ++i)
        members += ", {}";
    row("101 members", group(members + "]"), "\"members\" has 101 entries; at most 100 fit");
    const QByteArray block401 = QByteArray("70 ").repeated(400) + "70";
    row("block 401", group(R"("nGroupId": 1, "block": ")" + block401 + "\""), "401 bytes");
    row("block run on", group(R"("nGroupId": 1, "block": "1570")"),
        "doc.addressBook.groups[1].block: two hex digits per byte");
    row("block digit", group(R"("nGroupId": 1, "block": "15 7G 00")"), "byte 2 is not");
    row("block lower case", group(R"("nGroupId": 1, "block": "15 7f 00")"), "");
}

void TestPagerImage::badDocuments()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, error);
    std::string message;
    try {
        if (file.isEmpty())
            PagerImage::fromJson(Json::parse(document.constData()), "doc");
        else
            PagerImage::readFile(file.toStdString());
    } catch (const recordjson::FormError& e) {
        message = e.what();
    }
    if (error.isEmpty())
        QCOMPARE(message, std::string());
    else
        QVERIFY2(message.find(error.toStdString()) != std::string::npos, message.c_str());
}

void TestPagerImage::demoPager()
{
    // What the end-to-end tests count on the demo pager is theirs to check, and CPager's
    // tests load its address book into the device link.
    const PagerImage demo = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
    // Every group's block is exactly what the Group dialog would build from its members.
    QVERIFY(demo.groups.size() >= 3);
    for (const GroupRecord& group : demo.groups) {
        GroupBlock block;
        const auto members = std::span(group.aMembers).first(size_t(group.nMemberCount));
        QVERIFY(block.rebuild(members).ok);
        const std::vector<quint8> stored = block.stored();
        QCOMPARE(size_t(group.nBlockLength), stored.size());
        QVERIFY2(std::equal(stored.begin(), stored.end(), group.abyBlock.begin()),
                 group.strName.c_str());
    }
}

QTEST_GUILESS_MAIN(TestPagerImage)
#include "tst_pagerimage.moc"
