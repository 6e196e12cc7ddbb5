#include "devlink/protocol/frame.h"

#include "devlink/protocol/crc.h"

namespace devlink::protocol {

namespace {

quint16 readU16(const QByteArray& buf, qsizetype at)
{
    return static_cast<quint16>(static_cast<quint8>(buf[at]) |
                                (static_cast<quint8>(buf[at + 1]) << 8));
}

quint32 readU32(const QByteArray& buf, qsizetype at)
{
    return static_cast<quint32>(readU16(buf, at)) |
           (static_cast<quint32>(readU16(buf, at + 2)) << 16);
}

void appendU16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFFu));
    out.append(static_cast<char>(value >> 8));
}

} // namespace

bool isKnownFrameType(quint8 type)
{
    return type >= static_cast<quint8>(FrameType::Data) &&
           type <= static_cast<quint8>(FrameType::Reset);
}

void appendFrame(QByteArray& out, FrameType type, quint16 seq, quint16 ack, QByteArrayView payload)
{
    Q_ASSERT(payload.size() <= kMaxPayload);
    const qsizetype start = out.size();
    out.reserve(start + kFrameOverhead + payload.size());
    out.append(static_cast<char>(kMarker0));
    out.append(static_cast<char>(kMarker1));
    out.append(static_cast<char>(type));
    appendU16(out, seq);
    appendU16(out, ack);
    appendU16(out, static_cast<quint16>(payload.size()));
    out.append(static_cast<char>(crc8(QByteArrayView(out).sliced(start, kHeaderBytes - 1))));
    out.append(payload);
    const quint32 check = crc32(QByteArrayView(out).sliced(start + 2, out.size() - start - 2));
    appendU16(out, static_cast<quint16>(check & 0xFFFFu));
    appendU16(out, static_cast<quint16>(check >> 16));
}

QByteArray encodeFrame(FrameType type, quint16 seq, quint16 ack, QByteArrayView payload)
{
    QByteArray out;
    appendFrame(out, type, seq, ack, payload);
    return out;
}

void FrameDecoder::reset()
{
    m_state = State::Hunt;
    m_buf.clear();
    m_need = 0;
}

// Moves input bytes into the candidate until it holds `count` bytes.
bool FrameDecoder::fill(qsizetype count, QByteArrayView input, qsizetype& pos)
{
    const qsizetype missing = count - m_buf.size();
    if (missing > 0) {
        const qsizetype take = qMin(missing, input.size() - pos);
        m_buf.append(input.sliced(pos, take));
        pos += take;
    }
    return m_buf.size() >= count;
}

// The candidate was no frame: its first byte is garbage, and the bytes after it are
// searched again for a start marker.
void FrameDecoder::rejectCandidate()
{
    m_buf.remove(0, 1);
    ++m_stats.garbageBytes;
    m_state = State::Hunt;
}

void FrameDecoder::feed(QByteArrayView input, const Sink& sink)
{
    qsizetype pos = 0;
    for (;;) {
        switch (m_state) {
        case State::Hunt: {
            if (!m_buf.isEmpty()) {
                // Left over from a rejected candidate: search these first, in order.
                const qsizetype at = m_buf.indexOf(static_cast<char>(kMarker0));
                if (at < 0) {
                    m_stats.garbageBytes += static_cast<quint64>(m_buf.size());
                    m_buf.clear();
                } else {
                    m_stats.garbageBytes += static_cast<quint64>(at);
                    m_buf.remove(0, at);
                    m_state = State::Marker;
                }
                break;
            }
            if (pos == input.size())
                return;
            const qsizetype at = input.indexOf(static_cast<char>(kMarker0), pos);
            if (at < 0) {
                m_stats.garbageBytes += static_cast<quint64>(input.size() - pos);
                return;
            }
            m_stats.garbageBytes += static_cast<quint64>(at - pos);
            m_buf.append(input[at]);
            pos = at + 1;
            m_state = State::Marker;
            break;
        }
        case State::Marker:
            if (!fill(2, input, pos))
                return;
            if (static_cast<quint8>(m_buf[1]) != kMarker1)
                rejectCandidate();
            else
                m_state = State::Header;
            break;
        case State::Header: {
            if (!fill(kHeaderBytes, input, pos))
                return;
            const quint8 type = static_cast<quint8>(m_buf[2]);
            const qsizetype length = readU16(m_buf, 7);
            const quint8 check = crc8(QByteArrayView(m_buf).first(kHeaderBytes - 1));
            if (check != static_cast<quint8>(m_buf[kHeaderBytes - 1]) || !isKnownFrameType(type) ||
                length > kMaxPayload) {
                ++m_stats.badHeaders;
                rejectCandidate();
                break;
            }
            m_need = kHeaderBytes + length + kTrailerBytes;
            m_state = State::Body;
            break;
        }
        case State::Body: {
            if (!fill(m_need, input, pos))
                return;
            const qsizetype length = m_need - kFrameOverhead;
            DecodedFrame decoded;
            decoded.frame.type = static_cast<FrameType>(static_cast<quint8>(m_buf[2]));
            decoded.frame.seq = readU16(m_buf, 3);
            decoded.frame.ack = readU16(m_buf, 5);
            const quint32 expected = crc32(QByteArrayView(m_buf).sliced(2, m_need - 6));
            if (expected != readU32(m_buf, m_need - kTrailerBytes)) {
                ++m_stats.damagedFrames;
                decoded.intact = false;
                rejectCandidate();
                sink(decoded);
                break;
            }
            decoded.frame.payload = m_buf.sliced(kHeaderBytes, length);
            // m_buf may hold more than this frame after a rescan; keep the rest.
            m_buf.remove(0, m_need);
            m_state = State::Hunt;
            ++m_stats.frames;
            sink(decoded);
            break;
        }
        }
    }
}

} // namespace devlink::protocol
