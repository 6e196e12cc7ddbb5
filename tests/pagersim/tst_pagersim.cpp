// quillbox-pager-sim as the program meets it: a real pseudo-terminal, the program's side of
// the protocol driven over it, and the simulator's options, faults and files.

#include "devlink/protocol/errors.h"
#include "tests/devlink/simline.h"
#include "tools/common/pagerimage.h"
#include "tools/pager-sim/simclient.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace devlink::protocol;
using pagersim::TransferRun;

namespace {

constexpr qint64 kLimitMs = 15000;
constexpr int kTimeoutMs = 300;

// Simulator arguments written as blank-separated words.
QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

PagerImage demoImage()
{
    return PagerImage::readFile(QUILLBOX_DEMO_PAGER);
}

// As the image holds them: the key is the program's, given on arrival.
std::vector<ContactRecord> withoutKeys(ContactList contacts)
{
    std::vector<ContactRecord> out(contacts.begin(), contacts.end());
    for (ContactRecord& contact : out)
        contact.nKey = 0;
    return out;
}

// A simulator on its terminal, and the program's side on the other end.
struct Pager
{
    // Unpaced: the line's time is the benchmark's business.
    explicit Pager(const QStringList& arguments = {})
    {
        path = sim.start(words("--baud 0") + arguments);
        client.setBaudRate(0);
        client.setTimeout(kTimeoutMs);
        if (!path.isEmpty())
            port.open(path, 38400);
    }
    bool ready() const { return port.fd() >= 0; }

    TransferRun run(const std::function<int(qint64)>& start)
    {
        return pagersim::runTransfer(port.fd(), client, start, kLimitMs);
    }
    TransferRun downloadMessages()
    {
        return run([&](qint64 now) { return client.startMessageDownload(now); });
    }
    TransferRun downloadBook()
    {
        return run([&](qint64 now) { return client.startContactsDownload(now); });
    }
    TransferRun upload(const std::vector<ContactRecord>& contacts,
                       const std::vector<GroupRecord>& groups)
    {
        return run([&](qint64 now) {
            return client.startContactsUpload({contacts.begin(), contacts.end()},
                                              {groups.begin(), groups.end()}, now);
        });
    }

    pagersim::SimProcess sim{QStringLiteral(QUILLBOX_PAGER_SIM)};
    pagersim::RawPort port;
    TransferClient client;
    QString path;
};

// The demo's address book changed the way a user would: a contact gone, one edited with
// bytes beyond ASCII, a group gone.
std::pair<std::vector<ContactRecord>, std::vector<GroupRecord>> editedBook(const PagerImage& image)
{
    std::vector<ContactRecord> contacts(image.contacts.begin() + 1, image.contacts.end());
    contacts.front().strFirstName = "Ren\xE9";
    contacts.front().strNote = "tab\there";
    std::vector<GroupRecord> groups(image.groups.begin(), image.groups.end() - 1);
    return {contacts, groups};
}

// Processor time (clock ticks) a process has used so far.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command's name, which is in parentheses and may hold blanks.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

struct Exit
{
    int status = -1;
    QByteArray err;
};

Exit runToExit(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLBOX_PAGER_SIM), arguments);
    if (!process.waitForFinished(10000))
        qFatal("quillbox-pager-sim did not end");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

} // namespace

class TestPagerSim : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void downloadsMatchTheImage();
    void uploadIsKeptAndSaved();
    void faults_data();
    void faults();
    void symlink();
    void badStarts_data();
    void badStarts();
};

void TestPagerSim::downloadsMatchTheImage()
{
    const PagerImage demo = demoImage();
    Pager pager;
    QVERIFY(pager.ready());

    QCOMPARE(pager.downloadMessages().result, 0);
    QVERIFY(pager.client.folderNames() == demo.folderNames);
    QVERIFY(simline::sameMessages(pager.client.takeMessages(), demo.messages));

    // The program closes its port and opens it again between transfers: the pager waits
    // without using the processor meanwhile, is still there afterwards, and nothing stale in
    // the terminal upsets the next session.
    pager.port.close();
    const qint64 pid = pager.sim.process().processId();
    const qint64 before = cpuTicks(pid);
    QTest::qWait(600);
    QVERIFY2(cpuTicks(pid) - before < 10, "the simulator spins while the port is closed");
    QVERIFY(pager.port.open(pager.path, 38400));
    QCOMPARE(pager.downloadMessages().result, 0);
    QCOMPARE(pager.sim.stop(), 0);
}

void TestPagerSim::uploadIsKeptAndSaved()
{
    const PagerImage demo = demoImage();
    const auto [contacts, groups] = editedBook(demo);
    // Saved to the image file; when that cannot be written any more (its folder is gone),
    // the pager keeps the upload all the same and goes on serving.
    for (const bool folderGone : {false, true}) {
        QTemporaryDir dir;
        const QString imagePath = dir.filePath(QStringLiteral("pager.json"));
        QVERIFY(QFile::copy(QStringLiteral(QUILLBOX_DEMO_PAGER), imagePath));
        Pager pager(words("--save --image") << imagePath);
        QVERIFY(pager.ready());
        if (folderGone)
            QVERIFY(dir.remove());
        QCOMPARE(pager.upload(contacts, groups).result, 0);
        QCOMPARE(pager.downloadBook().result, 0);
        QVERIFY(withoutKeys(pager.client.takeContacts()) == contacts);
        QCOMPARE(pager.sim.stop(), 0);
        if (folderGone)
            continue;
        const PagerImage saved = PagerImage::readFile(imagePath.toStdString());
        QVERIFY(saved.contacts == contacts && saved.groups == groups);
        QVERIFY(simline::sameMessages(saved.messages, demo.messages));
        QVERIFY(saved.folderNames == demo.folderNames);
    }
}

void TestPagerSim::faults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("upload");
    QTest::addColumn<int>("code");
    QTest::newRow("invalid data") << words("--refuse-upload") << true << int(ErrInvalidData);
    QTest::newRow("memory full") << words("--memory-full") << true << int(ErrMemoryFull);
    QTest::newRow("silent") << words("--silent-after 6") << false << int(ErrNoAnswer);
    QTest::newRow("noisy") << words("--corrupt-rate 0.001 --drop-rate 0.0005 --seed 7") << false
                           << 0;
}

void TestPagerSim::faults()
{
    QFETCH(QStringList, options);
    QFETCH(bool, upload);
    QFETCH(int, code);
    const PagerImage demo = demoImage();
    const auto [contacts, groups] = editedBook(demo);
    Pager pager(options);
    QVERIFY(pager.ready());
    QCOMPARE((upload ? pager.upload(contacts, groups) : pager.downloadMessages()).result, code);
    if (upload) {
        // The address memory is as it was, and downloads are served as ever.
        QCOMPARE(pager.downloadBook().result, 0);
        QVERIFY(withoutKeys(pager.client.takeContacts()) == demo.contacts);
    } else if (code == 0) {
        // The noise reached the program, and did the messages no harm.
        const DecoderStats& stats = pager.client.link().decoderStats();
        QVERIFY(stats.damagedFrames + stats.badHeaders + stats.garbageBytes > 0);
        QVERIFY(simline::sameMessages(pager.client.takeMessages(), demo.messages));
    }
    QCOMPARE(pager.sim.stop(), 0);
}

void TestPagerSim::symlink()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("pager-tty"));
    // A link left behind by a simulator that was killed is replaced.
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), link));
    {
        Pager pager(words("--link") << link);
        QVERIFY(pager.ready());
        QCOMPARE(QFileInfo(link).symLinkTarget(), pager.path);
        QCOMPARE(pager.sim.stop(), 0);
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
    }
}

void TestPagerSim::badStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("says");
    const auto row = [](const char* name, const char* arguments, int status, const char* says) {
        QTest::newRow(name) << words(arguments) << status << QByteArray(says);
    };
    row("unknown option", "--fast", 1, "Usage:");
    row("negative baud", "--baud -1", 1, "--baud");
    row("nan rate", "--corrupt-rate nan", 1, "--corrupt-rate");
    row("seed", "--seed -3", 1, "--seed");
    row("silent", "--silent-after x", 1, "--silent-after");
    row("two refusals", "--refuse-upload --memory-full", 1, "exclude");
    row("save the demo", "--save", 1, "--image");
    row("two devices", "/dev/null /dev/zero", 1, "DEVICE");
    row("no image", "--image /nonexistent/pager.json", 2, "/nonexistent/pager.json");
    row("not a serial device", "/dev/null", 2, "not a serial device");
    row("odd rate on a device", "--baud 12345 /dev/null", 2, "standard rate");
    // Anything but a link is never replaced (badStarts checks the file is whole).
    QFile keep(m_dir.filePath(QStringLiteral("keep")));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
    QTest::newRow("link over a file")
        << (words("--link") << keep.fileName()) << 2 << QByteArray("not a symbolic link");
    // An image the pager can read but not send: a header over the 255 bytes of the wire.
    QFile image(m_dir.filePath(QStringLiteral("unsendable.json")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(R"({"messages": {"messages": [{"folder": 1, "header": ")" + QByteArray(256, 'h') +
                "\"}]}}");
    QTest::newRow("unsendable image")
        << QStringList{QStringLiteral("--image"), image.fileName()} << 2
        << QByteArray("messages[0]: \"header\" is 256 bytes long; at most 255 fit");
}

void TestPagerSim::badStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, says);
    const Exit exit = runToExit(arguments);
    QCOMPARE(exit.status, status);
    QVERIFY2(exit.err.contains(says), exit.err.constData());
    QFile keep(m_dir.filePath(QStringLiteral("keep")));
    QVERIFY(keep.open(QIODevice::ReadOnly) && keep.readAll() == "keep");
}

QTEST_GUILESS_MAIN(TestPagerSim)
#include "tst_pagersim.moc"
