#pragma once
// The program's side of the line, for the simulator's tests and the device-link benchmark:
// the simulator started as a process, the terminal opened raw as the device-link worker
// opens its port, and a TransferClient driven over it by a poll() loop on the real clock.

#include "devlink/protocol/transferclient.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace pagersim {

class SimProcess
{
public:
    explicit SimProcess(QString program) : m_program(std::move(program)) {}
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() { stop(); }

    // Starts the simulator and waits for its first line: the terminal's path, or empty when
    // it did not come (error() says why).
    QString start(const QStringList& arguments, int timeoutMs = 10000);
    // SIGTERM, then its exit status; -1 when it crashed or had to be killed.
    int stop(int timeoutMs = 5000);
    const QString& error() const { return m_error; }
    QProcess& process() { return m_process; }

private:
    QString m_program;
    QProcess m_process;
    QString m_error;
};

// A serial device (or pseudo-terminal) opened raw, 8N1, non-blocking.
class RawPort
{
public:
    RawPort() = default;
    RawPort(const RawPort&) = delete;
    RawPort& operator=(const RawPort&) = delete;
    ~RawPort() { close(); }

    bool open(const QString& path, int baud);
    void close();
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

struct TransferRun
{
    std::vector<devlink::protocol::TransferEvent> events;
    int result = -1;          // 0 finished, an error code, or -1: still running at the limit
    qint64 elapsedMs = 0;     // from the start to the last event
    qint64 elapsedUs = 0;     // the same, finer, for transfers that take a millisecond or two
    quint64 bytesWritten = 0; // program to pager
    quint64 bytesRead = 0;    // pager to program
};

// Starts a transfer with `begin` (which calls one of the client's start functions with the
// time it is given and returns its result) and drives it over the port until it ends or
// limitMs have passed.
TransferRun runTransfer(int fd, devlink::protocol::TransferClient& client,
                        const std::function<int(qint64 nowMs)>& begin, qint64 limitMs);

// Milliseconds of the monotonic clock the transfers run on.
qint64 monotonicMs();

} // namespace pagersim
