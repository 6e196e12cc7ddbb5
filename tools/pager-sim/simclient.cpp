#include "tools/pager-sim/simclient.h"

#include "devlink/protocol/errors.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

using namespace devlink::protocol;

namespace pagersim {

namespace {

qint64 monotonicUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

qint64 monotonicMs()
{
    return monotonicUs() / 1000;
}

QString SimProcess::start(const QStringList& arguments, int timeoutMs)
{
    m_error.clear();
    // Its notes go where ours go, so that a failing run shows what the pager saw.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test or benchmark that dies leaves no pager behind holding its terminal.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(m_program, arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = m_process.errorString();
        return {};
    }
    const qint64 deadline = monotonicMs() + timeoutMs;
    while (!m_process.canReadLine()) {
        const qint64 left = deadline - monotonicMs();
        if (left <= 0 || !m_process.waitForReadyRead(static_cast<int>(left))) {
            m_error =
                m_process.state() == QProcess::NotRunning
                    ? QStringLiteral("the simulator ended with status %1").arg(m_process.exitCode())
                    : QStringLiteral("the simulator did not name its terminal");
            return {};
        }
    }
    return QString::fromLocal8Bit(m_process.readLine().trimmed());
}

int SimProcess::stop(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(timeoutMs)) {
            m_process.kill();
            m_process.waitForFinished(timeoutMs);
            return -1;
        }
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

bool RawPort::open(const QString& path, int baud)
{
    close();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0) {
        close();
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    const speed_t speed = baud == 115200 ? B115200 : baud == 57600 ? B57600 : B38400;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
        close();
        return false;
    }
    return true;
}

void RawPort::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

TransferRun runTransfer(int fd, TransferClient& client, const std::function<int(qint64)>& begin,
                        qint64 limitMs)
{
    TransferRun run;
    const qint64 startUs = monotonicUs();
    const qint64 startMs = startUs / 1000;
    const qint64 deadline = startMs + limitMs;
    if (const int code = begin(startMs); code != ErrNone) {
        run.result = code;
        return run;
    }
    QByteArray pending;
    bool ended = false;
    bool hungUp = false;
    for (;;) {
        const qint64 nowUs = monotonicUs();
        const qint64 nowMs = nowUs / 1000;
        pending += client.poll(nowMs);
        for (const TransferEvent& event : client.takeEvents()) {
            run.events.push_back(event);
            if (event.nCode == EventFinished || event.nCode == EventFailed) {
                ended = true;
                run.result = event.nCode == EventFinished ? int(ErrNone) : int(event.nArg);
                run.elapsedMs = nowMs - startMs;
                run.elapsedUs = nowUs - startUs;
            }
        }
        while (!pending.isEmpty()) {
            const ssize_t put =
                ::write(fd, pending.constData(), static_cast<size_t>(pending.size()));
            if (put > 0) {
                run.bytesWritten += static_cast<quint64>(put);
                pending.remove(0, put);
            } else if (put < 0 && errno == EINTR) {
                continue;
            } else {
                if (put < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                    pending.clear(); // the line is gone: the link will say so
                break;
            }
        }
        // The last poll carries the acknowledgement of the pager's last message: out first.
        if ((ended && pending.isEmpty()) || nowMs >= deadline)
            return run;

        const qint64 wake = client.nextWakeMs(nowMs);
        const qint64 timeout = std::clamp<qint64>(std::min(wake, deadline) - nowMs, 0, limitMs);
        pollfd pfd{};
        pfd.fd = hungUp ? -1 : fd;
        pfd.events = static_cast<short>(POLLIN | (pending.isEmpty() ? 0 : POLLOUT));
        if (::poll(&pfd, 1, static_cast<int>(timeout)) < 0 && errno != EINTR)
            return run;
        if (!(pfd.revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                run.bytesRead += static_cast<quint64>(got);
                client.receiveBytes(QByteArrayView(buffer, got), monotonicMs());
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            // End of file or EIO: the pager's end is gone. Only the time-outs speak now.
            if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                hungUp = true;
            break;
        }
    }
}

} // namespace pagersim
