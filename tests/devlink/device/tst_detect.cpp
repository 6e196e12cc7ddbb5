// Finding the pager over pseudo-terminals: one with the simulator behind it, one where
// nobody answers, one that answers noise, and a device that is not there.

#include "devlink/portdetector.h"
#include "devlink/portidentity.h"

#include "simpager.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>

#include <QTemporaryDir>

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

using devlink::PortCandidate;
using devlink::ProbeResult;

namespace {

// The controlling side of a pseudo-terminal; its other side is the "port".
struct Terminal
{
    Terminal()
    {
        fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0 && grantpt(fd) == 0 && unlockpt(fd) == 0)
            path = QString::fromLocal8Bit(ptsname(fd));
    }
    ~Terminal()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
    QString path;
};

} // namespace

class TestDetect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answeringSilentAndNoisyPorts();
    void lateAnswerIsNotRead();
    void modelAndVersion();
    void portFollowsTheAdapter_data();
    void portFollowsTheAdapter();
    void pagerPluggedIn();
    void refusedPortNamesItsGroup();
};

void TestDetect::answeringSilentAndNoisyPorts()
{
    SimPager pager;
    Terminal silent;
    Terminal noisy;
    QVERIFY(!pager.path().isEmpty() && !silent.path.isEmpty() && !noisy.path.isEmpty());
    // Whatever it is sent, it answers with bytes that make no frame.
    QSocketNotifier noise(noisy.fd, QSocketNotifier::Read);
    connect(&noise, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t got = ::read(noisy.fd, buffer, sizeof buffer);
        const QByteArray junk(got > 0 ? 2 * got : 0, '\x5a');
        if (::write(noisy.fd, junk.constData(), size_t(junk.size())) < 0)
            return;
    });

    devlink::PortDetector detector;
    QSignalSpy probing(&detector, &devlink::PortDetector::probing);
    QSignalSpy finished(&detector, &devlink::PortDetector::finished);
    std::vector<ProbeResult> results;
    connect(&detector, &devlink::PortDetector::probed,
            [&](const ProbeResult& result) { results.push_back(result); });
    const std::vector<PortCandidate> ports = {
        {QStringLiteral("COM1"), silent.path, {}},
        {QStringLiteral("COM2"), pager.path(), {}},
        {QString(), noisy.path, {}},
        {QStringLiteral("COM4"), QStringLiteral("/nonexistent/tty"), {}}};
    detector.start(ports);
    QVERIFY(finished.wait(20'000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(probing.size(), 4);

    QStringList seen;
    for (const ProbeResult& result : results)
        seen << result.candidate.device + QLatin1Char(result.answered ? '+' : '-') + result.reason;
    QCOMPARE(seen, (QStringList{silent.path + QStringLiteral("-does not answer"),
                                pager.path() + QLatin1Char('+'),
                                noisy.path + QStringLiteral("-answers, but not as a pager"),
                                QStringLiteral("/nonexistent/tty-no such device")}));
    QCOMPARE(results[1].model, QStringLiteral("Quillbox Pager 2W"));
    QCOMPARE(results[1].version, QStringLiteral("v1.0"));

    // Cancelled in the middle of a silent port: it ends at once, reporting nothing more.
    detector.start(
        {{QStringLiteral("COM1"), silent.path, {}}, {QStringLiteral("COM2"), pager.path(), {}}});
    // (The probing signal may come before a wait() could start: count, don't wait for one.)
    QTRY_VERIFY_WITH_TIMEOUT(probing.size() == 5, 20'000);
    detector.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 2, 20'000);
    QCOMPARE(finished.last().at(0).toBool(), true);
    QCOMPARE(results.size(), size_t(4));
}

// What a slow device sent after its probe had given up waits in the port's input; the next
// greeting on that port starts without it.
void TestDetect::lateAnswerIsNotRead()
{
    Terminal device;
    QSerialPort port;
    QCOMPARE(devlink::openForProbe(port, device.path), QString());
    port.close();
    const QByteArray late(64, '\x5a');
    QCOMPARE(::write(device.fd, late.constData(), size_t(late.size())), ssize_t(late.size()));
    QCOMPARE(devlink::openForProbe(port, device.path), QString());
    QVERIFY(!port.waitForReadyRead(200));
}

void TestDetect::modelAndVersion()
{
    // identity, model, version (the simulator's own is answeringSilentAndNoisyPorts')
    const char* const rows[][3] = {{"Pager 3.2", "Pager", "3.2"},
                                   {"Pager", "Pager", ""},
                                   {"Pager vintage", "Pager vintage", ""},
                                   {"", "", ""}};
    for (const auto& [identity, model, version] : rows)
        QCOMPARE(devlink::splitModelVersion(identity),
                 std::pair(QString::fromLatin1(model), QString::fromLatin1(version)));
}

namespace {

using devlink::PortDescription;
using Ports = std::vector<PortDescription>;

PortDescription adapter(const char* device, quint16 product, const char* serial,
                        const char* byId = "")
{
    return {QString::fromLatin1(device), QString::fromLatin1(byId), true, 0x0403, product,
            QString::fromLatin1(serial)};
}

} // namespace

void TestDetect::portFollowsTheAdapter_data()
{
    QTest::addColumn<PortDescription>("pager");
    QTest::addColumn<QString>("lastDevice");
    QTest::addColumn<Ports>("ports");
    QTest::addColumn<QString>("device"); // empty: the port stays where it was

    const PortDescription pager = adapter("/dev/ttyUSB1", 0x6001, "A1");
    const PortDescription other = adapter("/dev/ttyUSB0", 0x6001, "B2");
    QTest::newRow("back under another name")
        << pager << "/dev/ttyUSB0" << Ports{other, pager} << "/dev/ttyUSB1";
    QTest::newRow("still where it was")
        << pager << "/dev/ttyUSB1" << Ports{other, pager} << "/dev/ttyUSB1";
    QTest::newRow("another of its kind is not it") << pager << "/dev/ttyUSB1" << Ports{other} << "";
    // Without a serial number: the by-id name, else the one adapter of its kind.
    const PortDescription named = adapter("/dev/ttyUSB2", 0x6015, "", "usb-Cable-if00-port0");
    QTest::newRow("by its by-id name")
        << named << "/dev/ttyUSB0" << Ports{adapter("/dev/ttyUSB0", 0x6015, ""), named}
        << "/dev/ttyUSB2";
    const PortDescription bare = adapter("/dev/ttyUSB3", 0x6015, "");
    QTest::newRow("the one of its kind")
        << bare << "/dev/ttyUSB0" << Ports{other, bare} << "/dev/ttyUSB3";
    QTest::newRow("two of its kind: none")
        << bare << "/dev/ttyUSB0" << Ports{adapter("/dev/ttyUSB4", 0x6015, ""), bare} << "";
}

void TestDetect::portFollowsTheAdapter()
{
    QFETCH(PortDescription, pager);
    QFETCH(QString, lastDevice);
    QFETCH(Ports, ports);
    QFETCH(QString, device);
    QCOMPARE(devlink::followPort(devlink::portIdentity(pager), lastDevice, ports), device);
}

void TestDetect::pagerPluggedIn()
{
    const PortDescription pager = adapter("/dev/ttyUSB1", 0x6001, "A1");
    const PortDescription other = adapter("/dev/ttyUSB0", 0x6001, "B2");
    const QString identity = devlink::portIdentity(pager);
    QCOMPARE(identity, QStringLiteral("usb:0403:6001:A1"));
    QCOMPARE(devlink::pagerAppeared({other}, {other, pager}, identity, {})->device, pager.device);
    QVERIFY(!devlink::pagerAppeared({pager}, {other, pager}, identity, {}));
    QVERIFY(!devlink::pagerAppeared({}, {other}, identity, other.device));
    // A port chosen by its device alone (no identity kept): that device appearing.
    QVERIFY(devlink::pagerAppeared({}, {other}, {}, other.device));
}

void TestDetect::refusedPortNamesItsGroup()
{
    // A device of a group the user is not in, as a serial adapter's node is.
    std::vector<gid_t> mine(size_t(qMax(0, getgroups(0, nullptr))));
    mine.resize(size_t(qMax(0, getgroups(int(mine.size()), mine.data()))));
    mine.push_back(getegid());
    gid_t outside = 0;
    QString name;
    for (const char* candidate : {"dialout", "uucp", "nogroup"}) {
        const group* g = getgrnam(candidate);
        if (g && std::find(mine.begin(), mine.end(), g->gr_gid) == mine.end()) {
            outside = g->gr_gid;
            name = QString::fromLatin1(candidate);
            break;
        }
    }
    if (name.isEmpty())
        QSKIP("no group here that the user is not in");
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile node(device);
    QVERIFY(node.open(QIODevice::WriteOnly));
    node.close();
    if (chown(QFile::encodeName(device).constData(), uid_t(-1), outside) != 0)
        QSKIP("the test cannot give the file to another group");
    chmod(QFile::encodeName(device).constData(), 0660);

    const devlink::PortAccess access = devlink::portAccess(device);
    QCOMPARE(access.group, name);
    QVERIFY(!access.userInGroup);
    const QString advice = devlink::permissionAdvice(device, access);
    QVERIFY(advice.contains(QStringLiteral("\"%1\", and you are not in").arg(name)));
    QVERIFY(advice.contains(QStringLiteral("adduser $USER %1").arg(name)));
    QVERIFY(devlink::permissionAdvice(device, {name, false, true})
                .contains(QLatin1String("plug it in again")));
}

QTEST_GUILESS_MAIN(TestDetect)
#include "tst_detect.moc"
