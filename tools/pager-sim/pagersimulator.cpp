#include "tools/pager-sim/pagersimulator.h"

#include "devlink/protocol/frame.h"
#include "devlink/protocol/linkendpoint.h"
#include "platform/atomicfile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

using namespace devlink::protocol;

PagerContents contentsOf(const PagerImage& image)
{
    PagerContents contents;
    contents.folderNames = image.folderNames;
    contents.messages = image.messages;
    contents.contacts.assign(image.contacts.begin(), image.contacts.end());
    contents.groups.assign(image.groups.begin(), image.groups.end());
    return contents;
}

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
// A line nobody reads (a device with nothing attached) does not hold bytes for ever.
constexpr qsizetype kMaxPendingBytes = 256 * 1024;
// After a hang-up or a read error the line is looked at again this much later, so that a
// line with nobody on it costs no processor time.
constexpr qint64 kLineDownNs = 100 * kNsPerMs;
// The program's bytes still on their way (paced) are held up to this; beyond it the terminal
// is not read, and the program's writes wait in the terminal as they would in a UART.
constexpr qsizetype kMaxArrivingBytes = 64 * 1024;
// A protocol that asks to be polled at once this many times in a row without any input or
// output gets a millisecond's rest: a fault there must not become a busy loop.
constexpr int kMaxImmediateWakes = 64;

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void note(const QString& text)
{
    std::fprintf(stderr, "quillbox-pager-sim: %s\n", text.toLocal8Bit().constData());
}

// The bytes of the frame that starts at `at`; poll hands out whole frames back to back.
qsizetype frameBytes(const QByteArray& out, qsizetype at)
{
    return writtenFrameBytes(QByteArrayView(out).sliced(at));
}

} // namespace

LinePacer::LinePacer(int baud)
    : m_baud(qMax(0, baud)), m_depth(qMax(kByteCost, 10 * kNsPerMs * m_baud)), m_credit(m_depth)
{
}

qsizetype LinePacer::allowance(qint64 nowNs, qsizetype wanted)
{
    if (m_baud <= 0)
        return wanted;
    if (m_lastNs >= 0) {
        // Capped before multiplying: a long idle spell fills the bucket and no more.
        const qint64 elapsed = std::clamp<qint64>(nowNs - m_lastNs, 0, 1'000 * kNsPerMs);
        m_credit = qMin(m_depth, m_credit + elapsed * m_baud);
    }
    m_lastNs = nowNs;
    return qMin<qsizetype>(wanted, static_cast<qsizetype>(m_credit / kByteCost));
}

void LinePacer::spend(qsizetype bytes)
{
    if (m_baud > 0)
        m_credit -= static_cast<qint64>(bytes) * kByteCost;
}

qint64 LinePacer::waitNs(qsizetype wanted) const
{
    if (m_baud <= 0)
        return 0;
    const qint64 need = qMin(m_depth / 2, static_cast<qint64>(wanted) * kByteCost) - m_credit;
    return need <= 0 ? 0 : (need + m_baud - 1) / m_baud;
}

LineNoise::LineNoise(double dropRate, double corruptRate, quint32 seed)
    : m_drop(dropRate), m_corrupt(corruptRate), m_random(seed)
{
}

QByteArray LineNoise::apply(QByteArrayView bytes)
{
    if (!active())
        return bytes.toByteArray();
    QByteArray out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const double draw = m_random.generateDouble();
        if (draw < m_drop)
            continue;
        if (draw < m_drop + m_corrupt)
            out.append(static_cast<char>(static_cast<quint8>(byte) ^ (1 + m_random.bounded(255u))));
        else
            out.append(byte);
    }
    return out;
}

PagerSimulator::PagerSimulator(const SimOptions& options, PagerImage image)
    : m_options(options), m_image(std::move(image)), m_pacer(options.baud),
      m_arrivalPacer(options.baud),
      m_sendNoise(options.dropRate, options.corruptRate, options.seed),
      // Its own stream, so that what the program sends does not shift the faults we send.
      m_receiveNoise(options.dropRate, options.corruptRate, options.seed ^ 0x9E3779B9u)
{
    m_server.setBaudRate(options.baud);
    m_server.setTimeout(kDefaultTimeoutMs);
    m_server.setUploadRefusal(options.refusal);
    m_server.setContents(contentsOf(m_image));
    m_seen = m_server.counters();
}

PagerSimulator::~PagerSimulator() = default;

int PagerSimulator::run(int lineFd, int stopFd)
{
    m_fd = lineFd;
    int immediateWakes = 0;
    for (;;) {
        const qint64 nowNs = monotonicNs();
        deliver(nowNs);
        handOut(nowNs / kNsPerMs);
        noteTransfers();
        writeLine(nowNs);

        qint64 timeoutNs = pollTimeoutNs(nowNs);
        if (timeoutNs != 0)
            immediateWakes = 0;
        else if (++immediateWakes > kMaxImmediateWakes)
            timeoutNs = kNsPerMs;
        const bool reading = nowNs >= m_lineDownUntilNs && m_arriving.size() < kMaxArrivingBytes;
        pollfd fds[2] = {};
        fds[0].fd = reading || m_writeBlocked ? m_fd : -1;
        fds[0].events = static_cast<short>((reading ? POLLIN : 0) | (m_writeBlocked ? POLLOUT : 0));
        fds[1].fd = stopFd;
        fds[1].events = POLLIN;
        // Nanoseconds: the pacers' wakes fall between milliseconds.
        timespec timeout{timeoutNs / 1'000'000'000, timeoutNs % 1'000'000'000};
        if (::ppoll(fds, 2, timeoutNs < 0 ? nullptr : &timeout, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            note(QStringLiteral("poll: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
            return 1;
        }
        if (fds[1].revents != 0)
            break;
        if (fds[0].revents != 0)
            immediateWakes = 0;
        if (fds[0].revents & (POLLOUT | POLLERR | POLLHUP))
            m_writeBlocked = false;
        if (reading && (fds[0].revents & (POLLIN | POLLERR | POLLHUP)))
            readLine(monotonicNs());
    }
    const ServerCounters& c = m_server.counters();
    note(QStringLiteral("stopped: %1 message downloads, %2 address book downloads, %3 uploads "
                        "accepted, %4 refused; %5 frames and %6 bytes sent, %7 bytes received")
             .arg(c.messageDownloads)
             .arg(c.contactDownloads)
             .arg(c.uploadsAccepted)
             .arg(c.uploadsRefused)
             .arg(m_framesSent)
             .arg(m_bytesSent)
             .arg(m_bytesReceived));
    return 0;
}

void PagerSimulator::readLine(qint64 nowNs)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            m_bytesReceived += static_cast<quint64>(got);
            m_arriving.append(buffer, got);
            if (m_arriving.size() >= kMaxArrivingBytes)
                break;
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // End of file or an error (EIO: nobody has the terminal open): nothing to read for
        // now. Looking again at once would spin.
        m_lineDownUntilNs = nowNs + kLineDownNs;
        return;
    }
}

// The program's bytes reach the pager when the line has carried them.
void PagerSimulator::deliver(qint64 nowNs)
{
    const qsizetype arrived = m_arrivalPacer.allowance(nowNs, m_arriving.size());
    if (arrived == 0)
        return;
    // Bytes that noise drops took their time on the line all the same.
    m_arrivalPacer.spend(arrived);
    m_server.receiveBytes(m_receiveNoise.apply(QByteArrayView(m_arriving).first(arrived)),
                          nowNs / kNsPerMs);
    m_arriving.remove(0, arrived);
}

void PagerSimulator::handOut(qint64 nowMs)
{
    const QByteArray out = m_server.poll(nowMs);
    if (out.isEmpty() || m_silent)
        return;
    qsizetype keep = 0;
    while (keep < out.size()) {
        if (m_options.silentAfter >= 0 &&
            m_framesSent >= static_cast<quint64>(m_options.silentAfter)) {
            m_silent = true;
            note(QStringLiteral("silent after %1 frames: reading on, answering nothing")
                     .arg(m_framesSent));
            break;
        }
        keep += frameBytes(out, keep);
        ++m_framesSent;
    }
    if (m_pending.size() + keep > kMaxPendingBytes)
        return; // nobody takes the bytes off the line: they are lost, as on a real one
    m_pending.append(QByteArrayView(out).first(keep));
}

void PagerSimulator::writeLine(qint64 nowNs)
{
    for (;;) {
        if (m_wire.isEmpty()) {
            const qsizetype allowed = m_pacer.allowance(nowNs, m_pending.size());
            if (allowed == 0)
                return;
            // Bytes that noise drops took their time on the line all the same.
            m_pacer.spend(allowed);
            m_wire = m_sendNoise.apply(QByteArrayView(m_pending).first(allowed));
            m_pending.remove(0, allowed);
            continue;
        }
        const ssize_t put = ::write(m_fd, m_wire.constData(), static_cast<size_t>(m_wire.size()));
        if (put > 0) {
            m_bytesSent += static_cast<quint64>(put);
            m_wire.remove(0, put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            m_writeBlocked = true; // the terminal's buffer is full: on when it has room
            return;
        }
        // Nobody on the line (a device gone): what was on its way is lost.
        m_wire.clear();
        m_pending.clear();
        m_lineDownUntilNs = nowNs + kLineDownNs;
        return;
    }
}

void PagerSimulator::noteTransfers()
{
    const ServerCounters now = m_server.counters();
    if (now.messageDownloads != m_seen.messageDownloads)
        note(QStringLiteral("message download: %1 messages queued for the line")
                 .arg(m_image.messages.size()));
    if (now.contactDownloads != m_seen.contactDownloads)
        note(QStringLiteral("address book download: %1 contacts and %2 groups queued for the line")
                 .arg(m_image.contacts.size())
                 .arg(m_image.groups.size()));
    if (now.uploadsRefused != m_seen.uploadsRefused)
        note(QStringLiteral("address book upload refused"));
    if (now.transfersAborted != m_seen.transfersAborted)
        note(QStringLiteral("a transfer was broken off"));
    if (now.uploadsAccepted != m_seen.uploadsAccepted) {
        const PagerContents& contents = m_server.contents();
        m_image.contacts.assign(contents.contacts.begin(), contents.contacts.end());
        m_image.groups.assign(contents.groups.begin(), contents.groups.end());
        note(QStringLiteral("address book upload accepted: %1 contacts and %2 groups")
                 .arg(m_image.contacts.size())
                 .arg(m_image.groups.size()));
        if (!m_options.saveTo.isEmpty())
            saveImage();
    }
    m_seen = now;
}

void PagerSimulator::saveImage()
{
    const std::string text = m_image.toJson().dump(2) + "\n";
    QString error;
    if (!platform::writeFileAtomically(
            m_options.saveTo, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
            &error)) {
        note(QStringLiteral("%1: cannot save the address book (%2); the file is as it was")
                 .arg(m_options.saveTo, error));
        return;
    }
    note(QStringLiteral("saved to %1").arg(m_options.saveTo));
}

qint64 PagerSimulator::pollTimeoutNs(qint64 nowNs) const
{
    const qint64 nowMs = nowNs / kNsPerMs;
    qint64 wakeNs = LLONG_MAX;
    const qint64 serverWake = m_server.nextWakeMs(nowMs);
    if (serverWake != kNever)
        wakeNs = serverWake <= nowMs ? nowNs : serverWake * kNsPerMs;
    if (m_wire.isEmpty() && !m_pending.isEmpty())
        wakeNs = qMin(wakeNs, nowNs + m_pacer.waitNs(m_pending.size()));
    if (!m_arriving.isEmpty())
        wakeNs = qMin(wakeNs, nowNs + m_arrivalPacer.waitNs(m_arriving.size()));
    if (nowNs < m_lineDownUntilNs)
        wakeNs = qMin(wakeNs, m_lineDownUntilNs);
    return wakeNs == LLONG_MAX ? -1 : qMax<qint64>(0, wakeNs - nowNs);
}
