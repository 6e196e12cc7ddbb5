#pragma once
// The link log: the last few thousand frames a link sent and received, for a bug report.
// Each line holds the time, the direction, the frame's type, sequence and acknowledgement
// numbers, its payload length and whether it passed its checks, never a payload byte: the
// log shows how the line behaved, not what it carried (no message text, no contact). Lines
// of the program's own (a transfer began on this device, it ended so) sit between them.
//
// Thread-safe: the link's thread adds, another thread writes the log out.

#include "devlink/protocol/frame.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QtGlobal>

#include <deque>

namespace devlink::protocol {

// One frame as the link saw it, without its payload.
struct FrameSeen
{
    bool sent = false;
    quint8 type = 0;
    quint16 seq = 0;
    quint16 ack = 0;
    qsizetype length = -1; // payload bytes; -1 when a damaged frame does not tell
    bool intact = true;    // received: it passed its checks
    int repairedBytes = 0; // received: bytes its parity put right
};

class FrameLog
{
public:
    static constexpr qsizetype kDefaultCapacity = 4000;

    explicit FrameLog(qsizetype capacity = kDefaultCapacity);

    void add(const FrameSeen& frame);
    // A line of the program's own; it must hold nothing the user wrote.
    void note(const QString& text);
    bool isEmpty() const;
    qsizetype size() const;

    // The log as text, oldest line first, under a heading that says what it holds.
    QByteArray text() const;

private:
    struct Line
    {
        qint64 wallMs;
        FrameSeen frame;
        QString note; // empty for a frame
    };

    mutable QMutex m_mutex;
    qsizetype m_capacity;
    std::deque<Line> m_lines;
    quint64 m_dropped = 0; // lines that made room for newer ones
};

} // namespace devlink::protocol
