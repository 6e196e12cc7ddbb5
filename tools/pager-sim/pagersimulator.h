#pragma once
// The simulated pager at work: one thread, one poll() loop over the line and a stop
// descriptor. It feeds what arrives to the pager's side of the protocol, writes what the
// protocol hands out no faster than the line would carry it, spoils bytes on request, and
// keeps (and optionally saves) an address book the program uploads.

#include "devlink/protocol/transferserver.h"
#include "tools/common/pagerimage.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

#include <memory>

struct SimOptions
{
    int baud = 38400;       // 0: write as fast as the line takes it
    double dropRate = 0;    // per byte, both directions
    double corruptRate = 0; // per byte, both directions
    quint32 seed = 1;
    qint64 silentAfter = -1; // frames sent before falling silent; -1: never
    int refusal = 0;         // 0, or the code every upload is refused with
    QString saveTo;          // where an accepted upload is written back; empty: nowhere
};

// Bytes may cross the line at its rate: a token bucket filled by the monotonic clock. Its
// depth, ten milliseconds of the line (and at least one byte), is about the burst a UART's
// FIFO lets go at once. The caller is woken when half of it has filled, so that a late wake
// does not find the bucket overflowing and the line loses no time.
class LinePacer
{
public:
    explicit LinePacer(int baud);

    bool paced() const { return m_baud > 0; }
    // How many of `wanted` bytes may go now.
    qsizetype allowance(qint64 nowNs, qsizetype wanted);
    void spend(qsizetype bytes);
    // Nanoseconds until `wanted` bytes (or half a bucket, if less) may go.
    qint64 waitNs(qsizetype wanted) const;

private:
    // Credit in units where a nanosecond of line time earns `baud` and a byte (ten bits on
    // the line) costs 1e10: exact integers at every rate.
    static constexpr qint64 kByteCost = 10'000'000'000;
    qint64 m_baud;
    qint64 m_depth;
    qint64 m_credit;
    qint64 m_lastNs = -1;
};

// Drops and corrupts bytes at random, reproducibly from its seed.
class LineNoise
{
public:
    LineNoise(double dropRate, double corruptRate, quint32 seed);

    bool active() const { return m_drop > 0 || m_corrupt > 0; }
    QByteArray apply(QByteArrayView bytes);

private:
    double m_drop;
    double m_corrupt;
    QRandomGenerator m_random;
};

// What the pager of this image holds, as the protocol's pager side takes it.
devlink::protocol::PagerContents contentsOf(const PagerImage& image);

class PagerSimulator
{
public:
    // The image has passed checkContents.
    PagerSimulator(const SimOptions& options, PagerImage image);
    ~PagerSimulator();

    // Serves the line until stopFd becomes readable; the exit status.
    int run(int lineFd, int stopFd);

private:
    void readLine(qint64 nowNs);
    void deliver(qint64 nowNs);
    void handOut(qint64 nowMs);
    void writeLine(qint64 nowNs);
    void noteTransfers();
    void saveImage();
    qint64 pollTimeoutNs(qint64 nowNs) const;

    SimOptions m_options;
    PagerImage m_image;
    devlink::protocol::TransferServer m_server;
    devlink::protocol::ServerCounters m_seen;
    LinePacer m_pacer;        // what we send
    LinePacer m_arrivalPacer; // what the program sends: it reaches us at the line's rate too
    LineNoise m_sendNoise;
    LineNoise m_receiveNoise;

    int m_fd = -1;
    QByteArray m_pending;  // handed out by the protocol, not yet on the line
    QByteArray m_wire;     // let out by the pacer, not yet taken by the terminal
    QByteArray m_arriving; // read from the terminal, still on its way over the line
    bool m_writeBlocked = false;
    qint64 m_lineDownUntilNs = 0; // nobody on the line: not read again before this
    bool m_silent = false;
    quint64 m_framesSent = 0;
    quint64 m_bytesSent = 0;
    quint64 m_bytesReceived = 0;
};
