#include "devlink/protocol/framelog.h"

#include <QDateTime>
#include <QMutexLocker>

namespace devlink::protocol {

namespace {

const char* typeName(quint8 type)
{
    switch (static_cast<FrameType>(type)) {
    case FrameType::Data:
        return "DATA";
    case FrameType::Ack:
        return "ACK";
    case FrameType::Nak:
        return "NAK";
    case FrameType::Syn:
        return "SYN";
    case FrameType::SynAck:
        return "SYNACK";
    case FrameType::Reset:
        return "RST";
    }
    return nullptr;
}

QByteArray timeText(qint64 wallMs)
{
    return QDateTime::fromMSecsSinceEpoch(wallMs, Qt::UTC).toString(Qt::ISODateWithMs).toLatin1();
}

} // namespace

FrameLog::FrameLog(qsizetype capacity) : m_capacity(qMax<qsizetype>(1, capacity)) {}

void FrameLog::add(const FrameSeen& frame)
{
    const QMutexLocker lock(&m_mutex);
    if (qsizetype(m_lines.size()) == m_capacity) {
        m_lines.pop_front();
        ++m_dropped;
    }
    m_lines.push_back({QDateTime::currentMSecsSinceEpoch(), frame, {}});
}

void FrameLog::note(const QString& text)
{
    const QMutexLocker lock(&m_mutex);
    if (qsizetype(m_lines.size()) == m_capacity) {
        m_lines.pop_front();
        ++m_dropped;
    }
    m_lines.push_back(
        {QDateTime::currentMSecsSinceEpoch(), {}, text.isEmpty() ? QStringLiteral("-") : text});
}

bool FrameLog::isEmpty() const
{
    const QMutexLocker lock(&m_mutex);
    return m_lines.empty();
}

qsizetype FrameLog::size() const
{
    const QMutexLocker lock(&m_mutex);
    return qsizetype(m_lines.size());
}

QByteArray FrameLog::text() const
{
    const QMutexLocker lock(&m_mutex);
    QByteArray out;
    out += "# Quillbox link log, written " + timeText(QDateTime::currentMSecsSinceEpoch()) + "\n";
    out += "# The last " + QByteArray::number(qsizetype(m_lines.size())) +
           " frames and events of the serial link";
    if (m_dropped > 0)
        out += " (" + QByteArray::number(m_dropped) + " older ones left out)";
    out += ". Frame headers only: no message\n# or contact is in it.\n";
    out += "# time (UTC)              dir  type       seq    ack  length  check\n";
    for (const Line& line : m_lines) {
        out += timeText(line.wallMs);
        if (!line.note.isEmpty()) {
            out += "  --   " + line.note.toUtf8() + "\n";
            continue;
        }
        const FrameSeen& f = line.frame;
        const char* name = typeName(f.type);
        const QByteArray type =
            name ? QByteArray(name) : "0x" + QByteArray::number(f.type, 16).rightJustified(2, '0');
        out += f.sent ? "  out  " : "  in   ";
        out += type.leftJustified(6) + QByteArray::number(f.seq).rightJustified(8) +
               QByteArray::number(f.ack).rightJustified(7) +
               (f.length >= 0 ? QByteArray::number(f.length) : QByteArray("-")).rightJustified(8);
        if (f.sent)
            out += "  -\n";
        else if (!f.intact)
            out += "  damaged\n";
        else if (f.repairedBytes > 0)
            out += "  repaired " + QByteArray::number(f.repairedBytes) + "\n";
        else
            out += "  ok\n";
    }
    return out;
}

} // namespace devlink::protocol
