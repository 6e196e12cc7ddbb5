#include "devlink/serialworker.h"

#include "devlink/portdetector.h"
#include "devlink/portidentity.h"
#include "devlink/protocol/errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <limits>

namespace devlink {

using namespace protocol;

namespace {

// Rounds of feed, poll and write in one go while the link has work due at once; beyond
// them the worker lets its queued commands and port signals in first.
constexpr int kServiceRounds = 32;
// How long a closing port waits for the link's goodbye (RST) to leave.
constexpr int kFlushMs = 100;
// The rate of a running transfer goes to the window thread at most this often.
constexpr qint64 kRateEveryMs = 250;

// The monotonic clock since boot, not since this process started: the link derives each
// session's number from the time, and a program started again must not offer the pager the
// number of its previous run, which the pager would take for a repeat of that session.
qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString modeName(int mode)
{
    switch (mode) {
    case ModeDownloadMessages:
        return QStringLiteral("download of messages");
    case ModeDownloadContacts:
        return QStringLiteral("download of contacts");
    case ModeUploadContacts:
        return QStringLiteral("upload of contacts");
    default:
        return QStringLiteral("transfer %1").arg(mode);
    }
}

} // namespace

WorkerEvent::WorkerEvent(int code, qint32 arg, std::unique_ptr<TransferOutcome> result)
    : QEvent(eventType()), nCode(code), nArg(arg), outcome(std::move(result))
{
}

QEvent::Type WorkerEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

SerialWorker::SerialWorker(QObject* relay, std::shared_ptr<FrameLog> log)
    : m_relay(relay), m_log(std::move(log)), m_port(new QSerialPort(this)),
      m_timer(new QTimer(this))
{
    if (m_log)
        m_client.setFrameObserver([log = m_log.get()](const FrameSeen& frame) { log->add(frame); });
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SerialWorker::service);
    connect(m_port, &QSerialPort::readyRead, this, &SerialWorker::service);
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialWorker::onPortError);
}

SerialWorker::~SerialWorker()
{
    // The program is closing: the pager hears that the session ended; nobody is told.
    disconnect(m_port, nullptr, this, nullptr);
    if (m_client.isRunning() && m_port->isOpen()) {
        m_client.abort(ErrConnectionLost);
        m_port->write(m_client.poll(nowMs()));
        m_port->waitForBytesWritten(kFlushMs);
    }
    m_client.takeEvents();
    m_port->close();
}

int SerialWorker::openPort(const QString& device, int baud)
{
    shutPort(ErrConnectionLost);
    m_device = device;
    m_baud = baud;
    m_wantOpen = true;
    return tryOpen() ? ErrNone : ErrPortCannotOpen;
}

void SerialWorker::closePort()
{
    shutPort(ErrConnectionLost);
    m_wantOpen = false;
}

bool SerialWorker::tryOpen()
{
    if (m_port->isOpen())
        return true;
    if (!m_wantOpen || m_device.isEmpty())
        return false;
    m_port->setPortName(m_device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_openError = QStringLiteral("%1: %2").arg(m_device, m_port->errorString());
        // Refused for want of permission: who may open it, and how the user gets to.
        if (m_port->error() == QSerialPort::PermissionError) {
            if (const QString advice = permissionProblem(m_device); !advice.isEmpty())
                m_openError += QStringLiteral("\n") + advice;
        }
        return false;
    }
    if (!m_port->setBaudRate(m_baud) || !m_port->setDataBits(QSerialPort::Data8) ||
        !m_port->setParity(QSerialPort::NoParity) || !m_port->setStopBits(QSerialPort::OneStop) ||
        !m_port->setFlowControl(QSerialPort::NoFlowControl)) {
        m_openError = QStringLiteral("%1: %2").arg(m_device, m_port->errorString());
        m_port->close();
        return false;
    }
    // Raised as a terminal raises it on a real line; a pseudo-terminal refuses the request,
    // which does no harm.
    m_port->setDataTerminalReady(true);
    m_port->clearError();
    m_client.setBaudRate(m_baud);
    return true;
}

void SerialWorker::startTransfer(int mode, int timeoutMs,
                                 const std::shared_ptr<AddressBookCopy>& upload)
{
    if (m_log)
        m_log->note(QStringLiteral("%1 on %2").arg(modeName(mode), m_device));
    if (!tryOpen()) {
        if (m_log)
            m_log->note(m_openError);
        // Reported as the transfer's end, so the program learns the mode first.
        post(EventStarted, mode);
        auto why = std::make_unique<TransferOutcome>();
        why->nMode = mode;
        why->detail = m_device.isEmpty()
                          ? QCoreApplication::translate("devlink::link", "No device is set.")
                          : m_openError;
        post(EventFailed, ErrPortCannotOpen, std::move(why));
        return;
    }
    // Bytes from before this transfer belong to no session of ours.
    m_port->readAll();
    m_client.setTimeout(timeoutMs);
    const qint64 now = nowMs();
    int result = ErrUnknownMode;
    if (mode == ModeUploadContacts && upload) {
        ContactList contacts(upload->contacts.begin(), upload->contacts.end());
        GroupList groups(upload->groups.begin(), upload->groups.end());
        result = m_client.startContactsUpload(std::move(contacts), std::move(groups), now);
    } else if (mode != ModeUploadContacts) {
        result = m_client.start(mode, now);
    }
    if (result != ErrNone) {
        post(EventStarted, mode);
        post(EventFailed, result);
        return;
    }
    service();
}

void SerialWorker::service()
{
    for (int round = 0; round < kServiceRounds; ++round) {
        const qint64 now = nowMs();
        if (m_port->isOpen()) {
            // Everything buffered: a readyRead that came while bytes were already waiting
            // says nothing more.
            const QByteArray in = m_port->readAll();
            if (!in.isEmpty())
                m_client.receiveBytes(in, now);
        }
        const QByteArray out = m_client.poll(now);
        if (!out.isEmpty() && m_port->isOpen())
            m_port->write(out);
        deliverEvents();
        reportRate(now);
        if (m_client.nextWakeMs(now) > now) {
            schedule(now);
            return;
        }
    }
    m_timer->start(0);
}

void SerialWorker::schedule(qint64 now)
{
    const qint64 next = m_client.nextWakeMs(now);
    if (next == kNever) {
        m_timer->stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(next - now, 0, std::numeric_limits<int>::max());
    m_timer->start(static_cast<int>(wait));
}

void SerialWorker::deliverEvents()
{
    for (const TransferEvent& event : m_client.takeEvents()) {
        if (event.nCode == EventStarted) {
            m_rate = {};
            m_rateMeter = {};
            m_startMs = m_rateReportMs = nowMs();
        } else if (event.nCode == EventCount) {
            m_rate.itemsTotal = event.nArg;
        } else if (event.nCode == EventItemDone) {
            ++m_rate.itemsDone;
        }
        if (event.nCode == EventFinished || event.nCode == EventFailed)
            reportRate(nowMs(), true); // the whole of it, before the end is known
        if (m_log && event.nCode == EventFinished)
            m_log->note(QStringLiteral("finished"));
        else if (m_log && event.nCode == EventFailed)
            m_log->note(QStringLiteral("failed: %1").arg(errorLogText(event.nArg)));
        std::unique_ptr<TransferOutcome> outcome;
        if (event.nCode == EventFinished) {
            outcome = std::make_unique<TransferOutcome>();
            outcome->nMode = event.nArg;
            outcome->model = splitModelVersion(m_client.pagerIdentity().strModel).first;
            if (event.nArg == ModeDownloadMessages) {
                outcome->folderNames = m_client.folderNames();
                outcome->messages = m_client.takeMessages();
            } else if (event.nArg == ModeDownloadContacts) {
                ContactList contacts = m_client.takeContacts();
                GroupList groups = m_client.takeGroups();
                outcome->contacts.assign(std::make_move_iterator(contacts.begin()),
                                         std::make_move_iterator(contacts.end()));
                outcome->groups.assign(std::make_move_iterator(groups.begin()),
                                       std::make_move_iterator(groups.end()));
            }
        }
        post(event.nCode, event.nArg, std::move(outcome));
    }
}

void SerialWorker::reportRate(qint64 now, bool last)
{
    if (!last && (!m_client.isRunning() || now - m_rateReportMs < kRateEveryMs))
        return;
    m_rateReportMs = now;
    const TransferClient::ByteProgress bytes = m_client.byteProgress();
    m_rate.bytesDone = bytes.done;
    m_rate.bytesTotal = bytes.total;
    m_rate.elapsedMs = now - m_startMs;
    m_rateMeter.update(m_rate);
    auto* event = new WorkerEvent(WorkerEvent::kRateCode, 0);
    event->rate = m_rate;
    QCoreApplication::postEvent(m_relay, event);
}

void SerialWorker::post(int code, qint32 arg, std::unique_ptr<TransferOutcome> outcome)
{
    QCoreApplication::postEvent(m_relay, new WorkerEvent(code, arg, std::move(outcome)));
}

void SerialWorker::onPortError(QSerialPort::SerialPortError error)
{
    // A line that went away ends the transfer. A pseudo-terminal whose other end closed
    // reads as end of file, which the port reports as a read error, again and again while it
    // stays open: so a read error counts as a lost line too. Anything else (a refused
    // control line, a failed open that the transfer reports itself) is left to the link's
    // own time-outs.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (!m_port->isOpen() || m_closeQueued)
        return;
    m_closeQueued = true;
    // Closed from the event loop, not from inside the port's own notification.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_closeQueued = false;
            shutPort(ErrConnectionLost);
        },
        Qt::QueuedConnection);
}

void SerialWorker::shutPort(int abortCode)
{
    if (m_client.isRunning()) {
        m_client.abort(abortCode);
        if (m_port->isOpen()) {
            m_port->write(m_client.poll(nowMs()));
            m_port->waitForBytesWritten(kFlushMs);
        }
        deliverEvents();
    }
    m_port->close();
    m_port->clearError();
    schedule(nowMs());
}

WorkerThread::WorkerThread(QObject* relay, std::shared_ptr<FrameLog> log)
    : m_relay(relay), m_log(std::move(log))
{
}

WorkerThread::~WorkerThread()
{
    stop();
}

void WorkerThread::startAndWait()
{
    if (isRunning())
        return;
    start();
    m_ready.acquire();
}

void WorkerThread::stop()
{
    if (!isRunning())
        return;
    quit();
    wait();
    m_worker = nullptr;
}

void WorkerThread::run()
{
    SerialWorker worker(m_relay, m_log);
    m_worker = &worker;
    m_ready.release();
    exec();
}

} // namespace devlink
