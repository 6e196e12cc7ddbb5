#include "devlink/protocol/frame.h"

#include "devlink/protocol/crc.h"
#include "devlink/protocol/reedsolomon.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

// The sizes of a coded frame's body blocks: `data` bytes (payload and crc32) cut into the
// fewest blocks that fit the code, the first ones a byte longer when they do not share
// evenly.
struct BlockLayout
{
    qsizetype count = 1;
    qsizetype base = 0;
    qsizetype longer = 0; // blocks of base + 1 bytes
    qsizetype size(qsizetype block) const { return base + (block < longer ? 1 : 0); }
};

BlockLayout blockLayout(qsizetype data, int parity)
{
    BlockLayout layout;
    if (parity > 0) {
        const qsizetype room = rs::kBlockBytes - parity;
        layout.count = (data + room - 1) / room;
    }
    layout.base = data / layout.count;
    layout.longer = data % layout.count;
    return layout;
}

// Other readings of a block that lost a byte, kept for the crc32 to choose from.
constexpr size_t kMaxReadings = 8;

bool validParity(quint8 parity)
{
    return parity <= kMaxParity && parity % 2 == 0;
}

// A coded frame's crc32: over its header fields (bytes 2 to 10) and its payload, as they
// are once the parity has put them right.
quint32 codedCheck(QByteArrayView header, QByteArrayView payload)
{
    QByteArray checked;
    checked.reserve(header.size() + payload.size());
    checked.append(header);
    checked.append(payload);
    return crc32(checked);
}

} // namespace

qsizetype codedBlockCount(qsizetype payload, int parity)
{
    return blockLayout(payload + kTrailerBytes, parity).count;
}

qsizetype codedFrameBytes(qsizetype payload, int parity)
{
    return kCodedHeaderBytes + payload + kTrailerBytes + codedBlockCount(payload, parity) * parity;
}

qsizetype writtenFrameBytes(QByteArrayView bytes)
{
    const bool coded = bytes.size() > 1 && static_cast<quint8>(bytes[1]) == kCodedMarker1;
    if (bytes.size() < (coded ? kCodedHeaderBytes : kHeaderBytes))
        return bytes.size();
    const qsizetype length =
        static_cast<quint8>(bytes[7]) | (qsizetype(static_cast<quint8>(bytes[8])) << 8);
    return qMin(bytes.size(), coded ? codedFrameBytes(length, static_cast<quint8>(bytes[9]))
                                    : kFrameOverhead + length);
}

static_assert(kMaxFrameBytes == kCodedHeaderBytes + kMaxPayload + kTrailerBytes + 5 * kMaxParity);

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

void appendCodedFrame(QByteArray& out, FrameType type, quint16 seq, quint16 ack,
                      QByteArrayView payload, int parity)
{
    Q_ASSERT(payload.size() <= kMaxPayload && validParity(quint8(parity)));
    const qsizetype start = out.size();
    out.reserve(start + codedFrameBytes(payload.size(), parity));
    out.append(static_cast<char>(kMarker0));
    out.append(static_cast<char>(kCodedMarker1));
    out.append(static_cast<char>(type));
    appendU16(out, seq);
    appendU16(out, ack);
    appendU16(out, static_cast<quint16>(payload.size()));
    out.append(static_cast<char>(parity));
    out.append(static_cast<char>(crc8(QByteArrayView(out).sliced(start, 10))));
    char headerParity[kHeaderParityBytes];
    rs::encode(out.constData() + start + 2, 9, kHeaderParityBytes, headerParity);
    out.append(headerParity, kHeaderParityBytes);

    QByteArray data(payload.toByteArray());
    const quint32 check = codedCheck(QByteArrayView(out).sliced(start + 2, 9), payload);
    appendU16(data, static_cast<quint16>(check & 0xFFFFu));
    appendU16(data, static_cast<quint16>(check >> 16));
    const BlockLayout layout = blockLayout(data.size(), parity);
    char blockParity[kMaxParity];
    for (qsizetype block = 0, at = 0; block < layout.count; ++block) {
        const qsizetype size = layout.size(block);
        out.append(data.constData() + at, size);
        if (parity > 0) {
            rs::encode(data.constData() + at, size, parity, blockParity);
            out.append(blockParity, parity);
        }
        at += size;
    }
}

QByteArray encodeCodedFrame(FrameType type, quint16 seq, quint16 ack, QByteArrayView payload,
                            int parity)
{
    QByteArray out;
    appendCodedFrame(out, type, seq, ack, payload, parity);
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
            if (static_cast<quint8>(m_buf[1]) == kMarker1)
                m_state = State::Header;
            else if (static_cast<quint8>(m_buf[1]) == kCodedMarker1)
                m_state = State::CodedHeader;
            else
                rejectCandidate();
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
        case State::CodedHeader:
            if (!fill(kCodedHeaderBytes, input, pos))
                return;
            if (!acceptCodedHeader()) {
                ++m_stats.badHeaders;
                rejectCandidate();
                break;
            }
            m_state = State::CodedBody;
            break;
        case State::CodedBody:
            if (!fill(m_need, input, pos))
                return;
            takeCodedBody(sink);
            break;
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

// The header of a coded frame, put right by its parity when its check fails; false when it
// is no header (a false start, or more damage than the parity repairs).
bool FrameDecoder::acceptCodedHeader()
{
    const auto sound = [](const QByteArray& header) {
        return crc8(QByteArrayView(header).first(10)) == static_cast<quint8>(header[10]) &&
               isKnownFrameType(static_cast<quint8>(header[2])) &&
               readU16(header, 7) <= kMaxPayload && validParity(static_cast<quint8>(header[9]));
    };
    if (!sound(m_buf)) {
        QByteArray repaired = m_buf.first(kCodedHeaderBytes);
        const int fixed =
            rs::decode(repaired.data() + 2, kCodedHeaderBytes - 2, kHeaderParityBytes);
        if (fixed <= 0 || !sound(repaired))
            return false;
        m_buf.replace(0, kCodedHeaderBytes, repaired);
        m_stats.repairedBytes += static_cast<quint64>(fixed);
        m_headerRepairs = fixed;
    } else {
        m_headerRepairs = 0;
    }
    m_parity = static_cast<quint8>(m_buf[9]);
    m_need = codedFrameBytes(readU16(m_buf, 7), m_parity);
    return true;
}

// The body's blocks, each put right by its parity, into `data`. A block that its parity
// cannot put right as it stands (or the block `dropAt`, whatever its parity says: with
// little parity, a block shifted by a dropped byte often decodes to a wrong one) is read as
// if one of its bytes had been dropped on the line: a stand-in byte, known to be wrong, is
// put at each place in turn. A place near the right one decodes too (the bytes between
// them count as spoilt), and now and then a place far from it decodes to a wrong block: the
// readings that put the fewest bytes right come first, and the crc32 chooses among them.
FrameDecoder::CodedBody FrameDecoder::readCodedBody(qsizetype dropAt) const
{
    const qsizetype length = readU16(m_buf, 7);
    const BlockLayout layout = blockLayout(length + kTrailerBytes, m_parity);
    CodedBody body;
    body.data.reserve(length + kTrailerBytes);
    body.end = kCodedHeaderBytes;
    // Blocks read as having lost a byte, with the other readings that also decoded.
    struct Readings
    {
        qsizetype offset; // in data
        std::vector<QByteArray> others;
    };
    std::vector<Readings> doubtful;
    char block[rs::kBlockBytes];
    for (qsizetype b = 0; b < layout.count; ++b) {
        const qsizetype size = layout.size(b);
        qsizetype& at = body.end;
        if (m_parity == 0) {
            body.data.append(m_buf.constData() + at, size);
            at += size;
            continue;
        }
        const qsizetype span = size + m_parity;
        std::memcpy(block, m_buf.constData() + at, size_t(span));
        int fixed = b == dropAt ? -1 : rs::decode(block, span, m_parity);
        if (fixed > 0)
            body.repairedBlocks.push_back(b);
        qsizetype used = span;
        if (fixed < 0) {
            std::vector<std::pair<int, QByteArray>> readings;
            char trial[rs::kBlockBytes];
            for (qsizetype dropped = 0; dropped < span; ++dropped) {
                std::memcpy(trial, m_buf.constData() + at, size_t(dropped));
                trial[dropped] = 0;
                std::memcpy(trial + dropped + 1, m_buf.constData() + at + dropped,
                            size_t(span - dropped - 1));
                const int repaired = rs::decode(trial, span, m_parity, int(dropped));
                if (repaired >= 0)
                    readings.emplace_back(repaired, QByteArray(trial, size));
            }
            std::stable_sort(readings.begin(), readings.end(),
                             [](const auto& x, const auto& y) { return x.first < y.first; });
            Readings others{body.data.size(), {}};
            for (const auto& [repaired, reading] : readings) {
                if (fixed < 0) {
                    fixed = repaired;
                    std::memcpy(block, reading.constData(), size_t(size));
                } else if (others.others.size() < kMaxReadings &&
                           reading != QByteArrayView(block, size) &&
                           std::find(others.others.begin(), others.others.end(), reading) ==
                               others.others.end()) {
                    others.others.push_back(reading);
                }
            }
            if (!others.others.empty())
                doubtful.push_back(std::move(others));
            used = span - 1;
        }
        if (fixed < 0) {
            // Beyond repair: it held at least one byte more than its parity puts right.
            body.spoilt += m_parity / 2 + 1;
            return body;
        }
        body.spoilt += fixed;
        body.data.append(block, size);
        // The last byte of the frame put right, where the next frame's first byte stood: the
        // frame lost a byte near its end (the shifted bytes were few enough to be repaired as
        // spoilt ones), and that byte is the next frame's.
        if (b == layout.count - 1 && used == span && block[span - 1] != m_buf[at + span - 1] &&
            static_cast<quint8>(m_buf[at + span - 1]) == kMarker0)
            --used;
        at += used;
    }
    QByteArray& data = body.data;
    const auto checks = [this, &data, length] {
        return codedCheck(QByteArrayView(m_buf).sliced(2, 9), QByteArrayView(data).first(length)) ==
               readU32(data, length);
    };
    body.intact = checks();
    for (const Readings& doubt : doubtful) {
        const QByteArray first = data.sliced(doubt.offset, doubt.others.front().size());
        for (auto other = doubt.others.begin(); !body.intact && other != doubt.others.end();
             ++other) {
            data.replace(doubt.offset, other->size(), *other);
            body.intact = checks();
        }
        if (body.intact)
            break;
        data.replace(doubt.offset, first.size(), first);
    }
    return body;
}

// The body of a coded frame, repaired. Bytes of the candidate that dropped ones leave over
// belong to whatever followed, and are searched again. The work is bounded: at most one
// reading more than the frame has blocks, each trying a block's places at most once a block.
void FrameDecoder::takeCodedBody(const Sink& sink)
{
    DecodedFrame decoded;
    decoded.coded = true;
    decoded.frame.type = static_cast<FrameType>(static_cast<quint8>(m_buf[2]));
    decoded.frame.seq = readU16(m_buf, 3);
    decoded.frame.ack = readU16(m_buf, 5);
    CodedBody body = readCodedBody(-1);
    // A block that its parity "repaired" may have lost a byte instead.
    for (size_t i = 0; !body.intact && i < body.repairedBlocks.size(); ++i) {
        CodedBody other = readCodedBody(body.repairedBlocks[i]);
        if (other.intact)
            body = std::move(other);
    }
    decoded.spoiltBytes = m_headerRepairs + body.spoilt;
    if (body.intact) {
        const qsizetype length = readU16(m_buf, 7);
        decoded.frame.payload = body.data.first(length);
        decoded.lineBytes = body.end;
        m_stats.repairedBytes += static_cast<quint64>(body.spoilt);
        m_buf.remove(0, body.end);
        m_state = State::Hunt;
        ++m_stats.frames;
        sink(decoded);
        return;
    }
    decoded.spoiltBytes = qMax(decoded.spoiltBytes, 1);
    decoded.lineBytes = m_need;
    ++m_stats.damagedFrames;
    decoded.intact = false;
    rejectCandidate();
    sink(decoded);
}

} // namespace devlink::protocol
