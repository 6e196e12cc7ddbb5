#include "devlink/portdetector.h"

#include "devlink/portidentity.h"
#include "devlink/protocol/errors.h"
#include "devlink/protocol/transferclient.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <chrono>

namespace devlink {

using namespace protocol;

namespace {

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// How long the probe waits at a stretch, so that a cancel is seen soon.
constexpr int kSliceMs = 50;
// However the link judges the line, a probe ends by then.
constexpr int kProbeLimitMs = 2500;
constexpr int kProbeBaud = 38400;

QString sameFile(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString openFailure(const QSerialPort& port, const QString& device)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QCoreApplication::translate("devlink::ports", "no such device");
    case QSerialPort::PermissionError:
        // Why, in short; how to mend it is the transfer's message.
        return permissionRefused(device)
                   ? QCoreApplication::translate("devlink::ports", "not permitted: %1")
                         .arg(permissionReason(portAccess(device)))
                   : QCoreApplication::translate("devlink::ports", "in use by another program");
    default:
        return QCoreApplication::translate("devlink::ports", "cannot be opened: %1")
            .arg(port.errorString());
    }
}

} // namespace

std::vector<PortCandidate> detectionCandidates()
{
    std::vector<PortCandidate> out;
    QStringList seen;
    const std::vector<PortDescription> system = systemPorts();
    const auto identityOf = [&system](const QString& device) {
        for (const PortDescription& port : system) {
            if (sameFile(port.device) == sameFile(device))
                return portIdentity(port);
        }
        return QString();
    };
    for (int n = 1; n <= 8; ++n) {
        const QString device = followedPortDevice(n);
        out.push_back({QStringLiteral("COM%1").arg(n), device, identityOf(device)});
        seen.push_back(sameFile(device));
    }
    for (const PortDescription& port : system) {
        if (seen.contains(sameFile(port.device)))
            continue;
        out.push_back({QString(), port.device, portIdentity(port)});
        seen.push_back(sameFile(port.device));
    }
    return out;
}

bool sameDevice(const QString& a, const QString& b)
{
    return sameFile(a) == sameFile(b);
}

std::pair<QString, QString> splitModelVersion(const std::string& identity)
{
    const QString text = QString::fromLatin1(identity).trimmed();
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space > 0) {
        const QString last = text.mid(space + 1);
        const qsizetype digit = last.startsWith(QLatin1Char('v')) ? 1 : 0;
        if (last.size() > digit && last.at(digit).isDigit())
            return {text.left(space).trimmed(), last};
    }
    return {text, QString()};
}

QString openForProbe(QSerialPort& port, const QString& device)
{
    port.setPortName(device);
    if (!port.open(QIODevice::ReadWrite))
        return openFailure(port, device);
    port.setBaudRate(kProbeBaud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    // Bytes already waiting belong to an earlier session: a slow device's answer to a probe
    // that gave up on it, which this greeting must not take for its own.
    port.clear(QSerialPort::Input);
    return QString();
}

ProbeResult probePort(const PortCandidate& candidate, int timeoutMs,
                      const std::atomic<bool>& cancelled)
{
    ProbeResult result{candidate, false, {}, {}, {}};
    QSerialPort port;
    result.reason = openForProbe(port, candidate.device);
    if (!result.reason.isEmpty())
        return result;

    TransferClient client;
    client.setBaudRate(kProbeBaud);
    client.setTimeout(timeoutMs);
    const qint64 start = nowMs();
    client.startIdentify(start);
    int outcome = -1;
    while (outcome < 0) {
        const qint64 now = nowMs();
        if (cancelled.load() || now - start > kProbeLimitMs) {
            client.abort(ErrNoAnswer);
            port.write(client.poll(now));
            port.waitForBytesWritten(kSliceMs);
            result.reason = cancelled.load()
                                ? QCoreApplication::translate("devlink::ports", "cancelled")
                                : QCoreApplication::translate("devlink::ports", "does not answer");
            return result;
        }
        const QByteArray in = port.readAll();
        if (!in.isEmpty())
            client.receiveBytes(in, now);
        const QByteArray out = client.poll(now);
        if (!out.isEmpty())
            port.write(out);
        for (const TransferEvent& event : client.takeEvents()) {
            if (event.nCode == EventFinished)
                outcome = ErrNone;
            else if (event.nCode == EventFailed)
                outcome = event.nArg;
        }
        if (outcome >= 0)
            break;
        const qint64 wait = std::clamp<qint64>(client.nextWakeMs(now) - now, 0, kSliceMs);
        if (port.bytesToWrite() > 0)
            port.waitForBytesWritten(int(wait));
        else if (wait > 0)
            port.waitForReadyRead(int(wait));
    }
    port.waitForBytesWritten(kSliceMs);
    switch (outcome) {
    case ErrNone: {
        result.answered = true;
        std::tie(result.model, result.version) = splitModelVersion(client.pagerIdentity().strModel);
        break;
    }
    case ErrNoAnswer:
        result.reason = QCoreApplication::translate("devlink::ports", "does not answer");
        break;
    case ErrUnsupportedPager:
        result.reason = QCoreApplication::translate(
            "devlink::ports", "answers, but its protocol version is not supported");
        break;
    case ErrConnectionLost:
        result.reason = QCoreApplication::translate("devlink::ports", "the line went away");
        break;
    default:
        result.reason =
            QCoreApplication::translate("devlink::ports", "answers, but not as a pager");
        break;
    }
    return result;
}

PortDetector::PortDetector(QObject* parent) : QObject(parent) {}

PortDetector::~PortDetector()
{
    cancel();
    if (m_thread)
        m_thread->wait();
    delete m_thread;
}

bool PortDetector::isRunning() const
{
    return m_running;
}

void PortDetector::cancel()
{
    m_cancel = true;
}

void PortDetector::start(std::vector<PortCandidate> candidates)
{
    if (m_running)
        return;
    m_running = true;
    // A search that has reported its end may still be leaving its thread.
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    m_cancel = false;
    // The probes run on the thread; their reports are queued to this object's thread.
    m_thread = QThread::create([this, list = std::move(candidates)] {
        const int count = static_cast<int>(list.size());
        bool stopped = false;
        for (int i = 0; i < count && !stopped; ++i) {
            const PortCandidate& candidate = list[size_t(i)];
            QMetaObject::invokeMethod(this, [this, i, count, device = candidate.device] {
                Q_EMIT probing(i, count, device);
            });
            const ProbeResult result = probePort(candidate, kProbeTimeoutMs, m_cancel);
            stopped = m_cancel.load();
            if (!stopped)
                QMetaObject::invokeMethod(this, [this, result] { Q_EMIT probed(result); });
        }
        QMetaObject::invokeMethod(this, [this, stopped] {
            m_running = false;
            Q_EMIT finished(stopped);
        });
    });
    m_thread->start();
}

} // namespace devlink
