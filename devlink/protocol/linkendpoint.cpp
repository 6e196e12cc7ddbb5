#include "devlink/protocol/linkendpoint.h"

#include "devlink/protocol/errors.h"
#include "devlink/protocol/wire.h"

#include <algorithm>
#include <cmath>

namespace devlink::protocol {

namespace {

QByteArray sessionPayload(quint8 version, quint32 session)
{
    ByteWriter out;
    out.u8(version);
    out.u32(session);
    return out.take();
}

quint16 low16(qint64 offset)
{
    return static_cast<quint16>(offset & 0xFFFF);
}

qint64 ceilMs(qint64 us)
{
    return us >= 0 ? (us + 999) / 1000 : -((-us) / 1000);
}

// The frame size that moves the most data, on a line that spoils each byte with
// probability 1 - e^-q: the largest (n - h) / n * e^(-q n), h the frame's own bytes.
qsizetype bestSegment(double q)
{
    const double h = double(kFrameOverhead);
    const double n = (h + std::sqrt(h * h + 4 * h / q)) / 2;
    return static_cast<qsizetype>(std::clamp(n - h, double(kMinSegment), double(kMaxPayload)));
}

// The error rate is judged from about kOutcomeMemory recent frames. A new session starts
// as if kOutcomePrior full frames had passed, so that one early loss does not shrink the
// frames much, while a noisy line shows within a few frames.
constexpr double kOutcomeMemory = 48;
constexpr double kOutcomePrior = 8;
constexpr double kOutcomeDecay = 1 - 1 / kOutcomeMemory;

// The rate of spoilt bytes is judged from about the last 32 KiB that arrived.
constexpr double kSpoiltMemoryBytes = 32 * 1024;

// The rate of spoilt bytes travels in ACKs and NAKs as bytes per million (at most 65,535).
constexpr double kRateScale = 1e6;

// The parity bytes per block that move the most data when each byte is spoilt with
// probability `rate`: a block of 255 bytes with R parity bytes is put right as long as it
// holds at most R/2 spoilt bytes (Poisson), and a frame of several blocks goes again when
// one of them holds more.
int bestParity(double rate)
{
    if (rate <= 0)
        return 0;
    const double mean = rate * 255;
    int best = 0;
    double bestYield = 0;
    double term = std::exp(-mean); // P(k spoilt bytes), k = 0, 1, ...
    double within = 0;             // P(at most k)
    int k = 0;
    for (int parity = 0; parity <= kMaxParity; parity += 2) {
        for (; k <= parity / 2; ++k) {
            within += term;
            term *= mean / (k + 1);
        }
        const double yield = (255.0 - parity) * std::pow(within, 4);
        if (yield > bestYield) {
            bestYield = yield;
            best = parity;
        }
    }
    return best;
}

bool covers(const std::vector<LinkEndpoint::Span>& set, qint64 start, qint64 end)
{
    for (const auto& span : set) {
        if (span.start > start)
            return false;
        if (span.end >= end)
            return true;
    }
    return false;
}

void addSpan(std::vector<LinkEndpoint::Span>& set, qint64 start, qint64 end)
{
    if (start >= end)
        return;
    std::vector<LinkEndpoint::Span> out;
    out.reserve(set.size() + 1);
    bool placed = false;
    for (const auto& span : set) {
        if (span.end < start) {
            out.push_back(span);
        } else if (end < span.start) {
            if (!placed)
                out.push_back({start, end});
            placed = true;
            out.push_back(span);
        } else {
            start = qMin(start, span.start);
            end = qMax(end, span.end);
        }
    }
    if (!placed)
        out.push_back({start, end});
    set = std::move(out);
}

void dropBelow(std::vector<LinkEndpoint::Span>& set, qint64 offset)
{
    while (!set.empty() && set.front().end <= offset)
        set.erase(set.begin());
    if (!set.empty())
        set.front().start = qMax(set.front().start, offset);
}

} // namespace

LinkEndpoint::LinkEndpoint(Role role) : m_role(role) {}

void LinkEndpoint::setTimeout(int ms)
{
    m_timeoutMs = qMax(1, ms);
}

void LinkEndpoint::setLinkVersion(quint8 version)
{
    m_maxVersion = std::clamp(version, kPlainLinkVersion, kLinkVersion);
}

void LinkEndpoint::setBaudRate(int baud)
{
    m_baud = qMax(0, baud);
}

qint64 LinkEndpoint::lineUs(qsizetype bytes) const
{
    if (m_baud <= 0)
        return 0;
    return static_cast<qint64>(bytes) * 10'000'000 / m_baud;
}

void LinkEndpoint::resetSession()
{
    m_out.clear();
    m_sendBase = m_sendNext = 0;
    m_inFlight.clear();
    m_serial = m_provenSerial = 0;
    m_timerFromMs = 0;
    m_resend.clear();
    m_peerHolds.clear();
    m_messageEnds.clear();
    m_messagesQueued = m_messagesAcked = 0;
    m_segment = kMaxPayload;
    m_outcomeFrames = kOutcomePrior;
    m_outcomeLost = 0;
    m_outcomeBytes = kOutcomePrior * double(kMaxPlainFrameBytes);
    m_version = kPlainLinkVersion;
    m_parity = 0;
    m_spoiltBytes = 0;
    m_lineBytes = kOutcomePrior * double(kMaxPlainFrameBytes);
    m_retries = 0;
    m_resetReason = 0;
    m_silentTimeouts = 0;
    m_heardSinceTimeout = m_heardSinceAck = m_heardSinceProgress = false;
    m_synDue = m_ackDue = m_synAckDue = false;
    m_naks.clear();
    m_lastTransmission = 0;
    m_recvNext = 0;
    m_held.clear();
    m_lengthValue = 0;
    m_lengthBytes = 0;
    m_inBody = false;
    m_partial.clear();
    m_partialNeed = 0;
    m_inbox.clear();
    m_inboxBytes = 0;
    m_awaiting = false;
    m_error = ErrNone;
}

void LinkEndpoint::open(qint64 nowMs, quint32 sessionId)
{
    Q_ASSERT(m_role == Role::Initiator);
    resetSession();
    m_resetDue = false;
    m_session = sessionId;
    m_state = State::Connecting;
    m_synDue = true;
    m_lastHeardMs = m_lastProgressMs = nowMs;
}

void LinkEndpoint::listen()
{
    Q_ASSERT(m_role == Role::Responder);
    resetSession();
    m_state = State::Closed;
}

void LinkEndpoint::abort(int code)
{
    if (m_state == State::Connecting || m_state == State::Established) {
        m_resetDue = true;
        m_resetSession = m_session;
        m_resetReason = code == ErrLineCorrupt ? quint8(ErrLineCorrupt) : quint8(0);
    }
    fail(code);
}

void LinkEndpoint::fail(int code)
{
    if (m_state == State::Failed)
        return;
    m_state = State::Failed;
    m_error = code;
    m_inFlight.clear();
    m_resend.clear();
    m_synDue = m_ackDue = m_synAckDue = false;
    m_naks.clear();
    m_awaiting = false;
    m_sessionChanged = true;
}

bool LinkEndpoint::takeSessionChanged()
{
    const bool changed = m_sessionChanged;
    m_sessionChanged = false;
    return changed;
}

bool LinkEndpoint::send(QByteArrayView message)
{
    if (m_state != State::Connecting && m_state != State::Established)
        return false;
    if (message.isEmpty() || message.size() > kMaxMessageBytes ||
        m_out.size() + message.size() > kMaxQueuedBytes)
        return false;
    // LEB128 length: seven bits a byte, low bits first, top bit set on all but the last.
    quint32 length = static_cast<quint32>(message.size());
    do {
        quint8 byte = static_cast<quint8>(length & 0x7Fu);
        length >>= 7;
        if (length != 0)
            byte |= 0x80u;
        m_out.append(static_cast<char>(byte));
    } while (length != 0);
    m_out.append(message);
    m_messageEnds.push_back(m_sendBase + m_out.size());
    ++m_messagesQueued;
    return true;
}

QByteArray LinkEndpoint::takeMessage()
{
    if (m_inbox.empty())
        return {};
    QByteArray message = std::move(m_inbox.front());
    m_inbox.pop_front();
    m_inboxBytes -= message.size();
    return message;
}

void LinkEndpoint::setAwaitingReply(bool awaiting, qint64 nowMs)
{
    m_awaiting = awaiting;
    m_awaitSinceMs = nowMs;
}

qsizetype LinkEndpoint::unsentBytes() const
{
    return static_cast<qsizetype>(m_sendBase + m_out.size() - m_sendNext);
}

void LinkEndpoint::receiveBytes(QByteArrayView bytes, qint64 nowMs)
{
    if (bytes.isEmpty())
        return;
    // A frame's bytes come in one burst: after a pause longer than the time-out, the rest
    // of a partial frame is lost, and waiting for it would swallow the frames that follow.
    if (m_decoder.bufferedBytes() > 0 && nowMs - m_lastHeardMs > m_timeoutMs)
        m_decoder.reset();
    m_lastHeardMs = nowMs;
    m_heardSinceTimeout = m_heardSinceAck = m_heardSinceProgress = true;
    const DecoderStats before = m_decoder.stats();
    m_decoder.feed(bytes,
                   [this, nowMs](const DecodedFrame& decoded) { handleFrame(decoded, nowMs); });
    // Bytes that made no frame: the line is noisy. Say so now and then, so that the peer
    // hears us (and does not take a noisy line for a silent one) and sends again.
    const DecoderStats& after = m_decoder.stats();
    const bool unusable = after.garbageBytes != before.garbageBytes ||
                          after.badHeaders != before.badHeaders ||
                          after.damagedFrames != before.damagedFrames;
    if (unusable && m_state == State::Established && nowMs - m_lastNakMs >= m_timeoutMs / 2) {
        m_ackDue = true;
        m_lastNakMs = nowMs;
    }
}

void LinkEndpoint::handleFrame(const DecodedFrame& decoded, qint64 nowMs)
{
    const Frame& frame = decoded.frame;
    if (decoded.coded && coded())
        noteSpoilt(decoded);
    if (m_frameObserver)
        m_frameObserver({false, quint8(frame.type), frame.seq, frame.ack,
                         decoded.intact ? frame.payload.size() : -1, decoded.intact,
                         decoded.intact && decoded.coded ? decoded.spoiltBytes : 0});
    if (!decoded.intact) {
        // Only the header can be trusted: name the transmission, so that it comes again now
        // rather than after a time-out (at the end of a stream no later frame shows it lost).
        if (m_state == State::Established && frame.type == FrameType::Data && m_naks.size() < 8)
            m_naks.push_back(frame.ack);
        return;
    }
    switch (frame.type) {
    case FrameType::Syn:
        onSyn(frame, nowMs);
        return;
    case FrameType::SynAck:
        onSynAck(frame, nowMs);
        return;
    case FrameType::Reset:
        onReset(frame);
        return;
    case FrameType::Data:
    case FrameType::Ack:
    case FrameType::Nak:
        break;
    }
    if (m_state != State::Established) {
        // A peer still talking in a session this side has left: tell it the session is over.
        if (m_role == Role::Responder) {
            m_resetDue = true;
            // (With the reason this side gave up with, if it did: the peer may have missed
            // the first RST on the same noisy line.)
            m_resetSession = m_session;
        }
        return;
    }
    if (frame.type == FrameType::Data) {
        onData(frame, nowMs);
        return;
    }
    // Coded sessions: the rate of spoilt bytes the peer measures, then the ranges held.
    QByteArrayView sack(frame.payload);
    if (coded()) {
        if (sack.size() < 2)
            return;
        ByteReader in(sack.first(2));
        m_parity = bestParity(in.u16() / kRateScale);
        sack = sack.sliced(2);
    }
    if (sack.size() % 4 != 0)
        return;
    processAck(frame.ack, sack, nowMs);
    onReport(frame.seq, frame.type == FrameType::Nak);
}

void LinkEndpoint::onSyn(const Frame& frame, qint64 nowMs)
{
    if (m_role != Role::Responder || frame.payload.size() != 5)
        return;
    ByteReader in(frame.payload);
    // The initiator judges the versions from our answer: its own when we speak it, else
    // ours (an initiator of version 2 is answered in version 2).
    const quint8 version = in.u8();
    const quint32 session = in.u32();
    if (m_state == State::Established && session == m_session) {
        m_synAckDue = true; // our answer was lost
        return;
    }
    resetSession();
    m_session = session;
    m_version = std::clamp(version, kPlainLinkVersion, m_maxVersion);
    m_state = State::Established;
    m_sessionChanged = true;
    m_synAckDue = true;
    m_resetDue = false;
    m_lastHeardMs = m_lastProgressMs = nowMs;
}

void LinkEndpoint::onSynAck(const Frame& frame, qint64 nowMs)
{
    if (m_role != Role::Initiator || m_state != State::Connecting || frame.payload.size() != 5)
        return;
    ByteReader in(frame.payload);
    const quint8 version = in.u8();
    if (in.u32() != m_session)
        return;
    if (version < kPlainLinkVersion || version > m_maxVersion) {
        abort(ErrUnsupportedPager);
        return;
    }
    m_version = version;
    m_state = State::Established;
    m_synDue = false;
    noteProgress(nowMs);
}

void LinkEndpoint::onReset(const Frame& frame)
{
    if (m_state != State::Established || (frame.payload.size() != 4 && frame.payload.size() != 5))
        return;
    ByteReader in(frame.payload);
    const quint32 session = in.u32();
    // 0: the peer knows no session at all (it started afresh).
    if (session != m_session && session != 0)
        return;
    if (m_role == Role::Initiator) {
        // A peer that gave up on a noisy line says so, and the user is told that rather
        // than that the connection was lost.
        const bool noisy = frame.payload.size() == 5 && in.u8() == ErrLineCorrupt;
        fail(noisy ? ErrLineCorrupt : ErrConnectionLost);
    } else {
        resetSession();
        m_state = State::Closed;
        m_sessionChanged = true;
    }
}

void LinkEndpoint::processAck(quint16 ack, QByteArrayView sack, qint64 nowMs)
{
    bool progress = false;
    const qint64 distance = static_cast<quint16>(ack - low16(m_sendBase));
    // Zero: nothing new. Beyond what was ever sent: a stale number from long ago.
    if (distance != 0 && distance <= m_sendNext - m_sendBase) {
        const qint64 newBase = m_sendBase + distance;
        m_out.remove(0, static_cast<qsizetype>(distance));
        m_sendBase = newBase;
        dropBelow(m_peerHolds, newBase);
        while (!m_messageEnds.empty() && m_messageEnds.front() <= newBase) {
            m_messageEnds.pop_front();
            ++m_messagesAcked;
        }
        progress = true;
    }
    // The ranges the peer holds beyond a missing frame (it never lets one go).
    for (qsizetype at = 0; at + 4 <= sack.size() && at < 4 * kMaxSackBlocks; at += 4) {
        ByteReader in(sack.sliced(at, 4));
        const quint16 start = in.u16();
        const quint16 end = in.u16();
        const qint64 from = m_sendBase + static_cast<quint16>(start - low16(m_sendBase));
        const qint64 to = from + static_cast<quint16>(end - start);
        if (to <= from || to > m_sendNext || covers(m_peerHolds, from, to))
            continue;
        addSpan(m_peerHolds, from, to);
        progress = true;
    }
    if (progress)
        noteProgress(nowMs);
}

// An ACK names the last transmission that reached the peer whole, a NAK one that reached it
// damaged. The line keeps the order of what it carries: every transmission before it has
// reached the peer too, or was lost on the way.
void LinkEndpoint::onReport(quint16 transmission, bool damaged)
{
    const auto named =
        std::find_if(m_inFlight.rbegin(), m_inFlight.rend(),
                     [transmission](const InFlight& f) { return low16(f.serial) == transmission; });
    if (named != m_inFlight.rend()) {
        m_provenSerial = qMax(m_provenSerial, named->serial);
        if (damaged) {
            markLost(*named);
            m_inFlight.erase(std::next(named).base());
        }
    }
    settleInFlight();
}

void LinkEndpoint::settleInFlight()
{
    for (auto it = m_inFlight.begin(); it != m_inFlight.end();) {
        if (it->end <= m_sendBase || covers(m_peerHolds, qMax(it->start, m_sendBase), it->end)) {
            noteOutcome(frameBytes(it->end - it->start), false);
            it = m_inFlight.erase(it);
        } else {
            ++it;
        }
    }
    // The line keeps its order: what was sent before a frame that arrived, and is missing,
    // was lost on the way.
    while (!m_inFlight.empty() && m_inFlight.front().serial < m_provenSerial) {
        markLost(m_inFlight.front());
        m_inFlight.pop_front();
    }
    // Lost ranges the peer has received meanwhile (from an earlier copy) need not go again.
    std::erase_if(m_resend, [this](const Resend& r) {
        return r.end <= m_sendBase || covers(m_peerHolds, qMax(r.start, m_sendBase), r.end);
    });
}

void LinkEndpoint::markLost(const InFlight& frame, bool judged)
{
    ++m_stats.lostFrames;
    if (judged)
        noteOutcome(frameBytes(frame.end - frame.start), true);
    const qint64 start = qMax(frame.start, m_sendBase);
    if (start >= frame.end)
        return;
    const auto at = std::find_if(m_resend.begin(), m_resend.end(),
                                 [start](const Resend& r) { return r.start > start; });
    m_resend.insert(at, Resend{start, frame.end});
}

void LinkEndpoint::noteOutcome(qsizetype frameBytes, bool lost)
{
    m_outcomeFrames = m_outcomeFrames * kOutcomeDecay + 1;
    m_outcomeLost = m_outcomeLost * kOutcomeDecay + (lost ? 1 : 0);
    m_outcomeBytes = m_outcomeBytes * kOutcomeDecay + double(frameBytes);
    // Fraction of frames lost and their mean size give the rate per byte.
    const double lostShare = qMin(0.9, m_outcomeLost / m_outcomeFrames);
    const double perByte = -std::log1p(-lostShare) / (m_outcomeBytes / m_outcomeFrames);
    m_segment = perByte > 1e-9 ? bestSegment(perByte) : kMaxPayload;
}

qsizetype LinkEndpoint::frameBytes(qsizetype payload) const
{
    return coded() ? codedFrameBytes(payload, m_parity) : kFrameOverhead + payload;
}

void LinkEndpoint::noteSpoilt(const DecodedFrame& decoded)
{
    // Counted by the byte, not by the frame: short ACKs carry little evidence each.
    const double decay = std::exp(-double(decoded.lineBytes) / kSpoiltMemoryBytes);
    m_spoiltBytes = m_spoiltBytes * decay + decoded.spoiltBytes;
    m_lineBytes = m_lineBytes * decay + double(decoded.lineBytes);
}

void LinkEndpoint::noteProgress(qint64 nowMs)
{
    m_retries = 0;
    m_silentTimeouts = 0;
    m_heardSinceAck = m_heardSinceProgress = false;
    m_lastProgressMs = m_sendProgressMs = nowMs;
}

void LinkEndpoint::onData(const Frame& frame, qint64 nowMs)
{
    const qsizetype length = frame.payload.size();
    if (length == 0)
        return;
    m_lastTransmission = frame.ack;
    m_ackDue = true; // whatever becomes of it, the peer learns that it arrived
    const qint16 ahead = static_cast<qint16>(static_cast<quint16>(frame.seq - low16(m_recvNext)));
    const qint64 start = m_recvNext + ahead;
    const qint64 end = start + length;
    if (end <= m_recvNext || (ahead > 0 && covers(m_held, start, end))) {
        // Had it already: our acknowledgement was lost, so say it again.
        ++m_stats.duplicateFrames;
        return;
    }
    if (end > m_recvNext + kWindowBytes || m_inboxBytes > kMaxInboxBytes)
        return; // beyond any window the peer keeps, or the reader is behind: it comes again
    if (ahead > 0) {
        // A frame before this one is missing: keep this one, and name it in the ACK.
        ++m_stats.heldFrames;
        holdData(start, frame.payload);
    } else if (!acceptStream(QByteArrayView(frame.payload).sliced(-ahead)) || !drainHeld()) {
        abort(ErrProtocol);
        return;
    }
    // Progress (held bytes too) for a caller awaiting an answer, but not for our own
    // retries: a peer that talks while never acknowledging us still fails the link.
    m_heardSinceProgress = false;
    m_lastProgressMs = nowMs;
}

void LinkEndpoint::holdData(qint64 start, QByteArrayView bytes)
{
    if (m_holdRing.isEmpty())
        m_holdRing = QByteArray(kWindowBytes, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_holdRing[static_cast<qsizetype>((start + i) % kWindowBytes)] = bytes[i];
    addSpan(m_held, start, start + bytes.size());
}

// After the stream grew (m_recvNext moved on by the caller's acceptStream): the held
// ranges that now continue it join it.
bool LinkEndpoint::drainHeld()
{
    while (!m_held.empty() && m_held.front().start <= m_recvNext) {
        const Span span = m_held.front();
        m_held.erase(m_held.begin());
        while (m_recvNext < span.end) {
            const qsizetype at = static_cast<qsizetype>(m_recvNext % kWindowBytes);
            const qsizetype take =
                static_cast<qsizetype>(qMin<qint64>(span.end - m_recvNext, kWindowBytes - at));
            if (!acceptStream(QByteArrayView(m_holdRing).sliced(at, take)))
                return false;
        }
    }
    return true;
}

bool LinkEndpoint::acceptStream(QByteArrayView bytes)
{
    m_recvNext += bytes.size();
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (!m_inBody) {
            const quint8 byte = static_cast<quint8>(bytes[i++]);
            m_lengthValue |= static_cast<quint32>(byte & 0x7Fu) << (7 * m_lengthBytes);
            ++m_lengthBytes;
            if (byte & 0x80u) {
                if (m_lengthBytes == 3)
                    return false;
                continue;
            }
            if (m_lengthValue == 0 || m_lengthValue > kMaxMessageBytes)
                return false;
            m_partialNeed = static_cast<qsizetype>(m_lengthValue);
            m_partial.clear();
            m_partial.reserve(qMin<qsizetype>(m_partialNeed, 4096));
            m_lengthValue = 0;
            m_lengthBytes = 0;
            m_inBody = true;
            continue;
        }
        const qsizetype take = qMin(m_partialNeed - m_partial.size(), bytes.size() - i);
        m_partial.append(bytes.sliced(i, take));
        i += take;
        if (m_partial.size() == m_partialNeed) {
            m_inboxBytes += m_partial.size();
            m_inbox.push_back(std::move(m_partial));
            m_partial = QByteArray();
            m_inBody = false;
        }
    }
    return true;
}

// One more attempt without progress; false when the link gave up.
bool LinkEndpoint::countRetry()
{
    if (m_retries >= kMaxRetries) {
        abort(m_heardSinceAck ? ErrLineCorrupt : ErrNoAnswer);
        return false;
    }
    ++m_retries;
    return true;
}

void LinkEndpoint::onTimeout(qint64 nowMs)
{
    ++m_stats.timeouts;
    m_silentTimeouts = m_heardSinceTimeout ? 0 : m_silentTimeouts + 1;
    m_heardSinceTimeout = false;
    if (m_silentTimeouts >= kSilentTimeouts) {
        abort(ErrNoAnswer);
        return;
    }
    if (!countRetry())
        return;
    if (m_state == State::Connecting) {
        m_synDue = true;
        return;
    }
    // Nothing came back: the oldest frame in flight goes again. The peer's report on it
    // (it names the resend) shows which of the others arrived; if the line only stalled, one
    // frame was sent twice, not the window. A stall says nothing of the error rate.
    markLost(m_inFlight.front(), false);
    m_inFlight.pop_front();
    m_timerFromMs = nowMs + ceilMs(lineUs(kMaxFrameBytes)) + kPaceLeadMs;
}

qint64 LinkEndpoint::awaitDeadline() const
{
    const qint64 since = std::max({m_awaitSinceMs, m_lastProgressMs, m_lastHeardMs});
    return since + qint64(kSilentTimeouts) * m_timeoutMs + ceilMs(lineUs(kMaxFrameBytes));
}

qint64 LinkEndpoint::sendDeadline() const
{
    return m_sendProgressMs + qint64(kMaxRetries + 2) * m_timeoutMs +
           ceilMs(lineUs(kMaxFrameBytes));
}

qint64 LinkEndpoint::corruptDeadline() const
{
    const qint64 since = qMax(m_awaitSinceMs, m_lastProgressMs);
    return since + qint64(kMaxRetries + 2) * m_timeoutMs + ceilMs(lineUs(kMaxFrameBytes));
}

void LinkEndpoint::checkTimers(qint64 nowMs)
{
    if (m_state == State::Connecting && !m_synDue && nowMs >= m_synArrivalMs + m_timeoutMs)
        onTimeout(nowMs);
    if (m_state == State::Established && !m_inFlight.empty() &&
        nowMs >= qMax(m_inFlight.front().arrivalMs, m_timerFromMs) + m_timeoutMs)
        onTimeout(nowMs);
    // Sending on, with reports coming back, yet nothing acknowledged for that long.
    if (m_state == State::Established && (!m_inFlight.empty() || !m_resend.empty()) &&
        nowMs >= sendDeadline())
        abort(m_heardSinceAck ? ErrLineCorrupt : ErrNoAnswer);
    if (m_awaiting && (m_state == State::Connecting || m_state == State::Established)) {
        if (nowMs >= awaitDeadline())
            abort(ErrNoAnswer);
        else if (nowMs >= corruptDeadline())
            abort(m_heardSinceProgress ? ErrLineCorrupt : ErrNoAnswer);
    }
}

qint64 LinkEndpoint::appendTimed(QByteArray& out, FrameType type, quint16 seq, quint16 ack,
                                 QByteArrayView payload, qint64 nowMs)
{
    const qsizetype before = out.size();
    if (coded() && type != FrameType::Syn && type != FrameType::SynAck)
        appendCodedFrame(out, type, seq, ack, payload, m_parity);
    else
        appendFrame(out, type, seq, ack, payload);
    if (m_frameObserver)
        m_frameObserver({true, quint8(type), seq, ack, payload.size(), true, 0});
    const qsizetype bytes = out.size() - before;
    ++m_stats.framesSent;
    m_stats.bytesSent += static_cast<quint64>(bytes);
    if (m_baud <= 0)
        return nowMs;
    m_lineFreeUs = qMax(m_lineFreeUs, nowMs * 1000) + lineUs(bytes);
    return ceilMs(m_lineFreeUs);
}

bool LinkEndpoint::freshReady() const
{
    const qsizetype unsent = unsentBytes();
    if (unsent <= 0)
        return false;
    const qint64 room = kWindowBytes - (m_sendNext - m_sendBase);
    return room >= qMin(m_segment, unsent);
}

bool LinkEndpoint::dataReady() const
{
    return !m_resend.empty() || freshReady();
}

// The next piece of a lost range to send again, cut at the current frame size, without
// the bytes the peer holds already.
bool LinkEndpoint::takeResend(Resend& piece)
{
    while (!m_resend.empty()) {
        Resend& range = m_resend.front();
        range.start = qMax(range.start, m_sendBase);
        qint64 stop = qMin(range.end, range.start + m_segment);
        for (const Span& held : m_peerHolds) {
            if (held.end <= range.start)
                continue;
            if (held.start <= range.start) {
                range.start = held.end;
                stop = qMin(range.end, range.start + m_segment);
                continue;
            }
            stop = qMin(stop, held.start);
            break;
        }
        if (range.start >= range.end) {
            m_resend.pop_front();
            continue;
        }
        piece = {range.start, stop};
        range.start = stop;
        if (range.start >= range.end)
            m_resend.pop_front();
        return true;
    }
    return false;
}

void LinkEndpoint::sendData(QByteArray& out, qint64 nowMs)
{
    if (m_inFlight.empty() && m_resend.empty())
        m_sendProgressMs = nowMs; // the time without progress counts from the first send
    const qint64 leadUs = kPaceLeadMs * 1000;
    while (m_baud <= 0 || m_lineFreeUs - nowMs * 1000 <= leadUs) {
        // What was lost goes first; then new bytes, within the window.
        Resend piece{};
        if (takeResend(piece)) {
            m_stats.retransmittedBytes += static_cast<quint64>(piece.end - piece.start);
        } else if (freshReady()) {
            piece = {m_sendNext, m_sendNext + qMin(m_segment, unsentBytes())};
            m_sendNext = piece.end;
            m_stats.streamBytesSent += static_cast<quint64>(piece.end - piece.start);
        } else {
            break;
        }
        // Transmission numbers skip those that end in 0000 (a peer that has received
        // nothing names 0).
        if (low16(++m_serial) == 0)
            ++m_serial;
        const qsizetype at = static_cast<qsizetype>(piece.start - m_sendBase);
        const qint64 arrival =
            appendTimed(out, FrameType::Data, low16(piece.start), low16(m_serial),
                        QByteArrayView(m_out).sliced(at, piece.end - piece.start), nowMs);
        ++m_stats.dataFramesSent;
        m_inFlight.push_back({piece.start, piece.end, arrival, m_serial});
    }
}

QByteArray LinkEndpoint::sackPayload() const
{
    ByteWriter out;
    if (coded()) {
        const double rate = m_lineBytes > 0 ? m_spoiltBytes / m_lineBytes : 0;
        out.u16(static_cast<quint16>(std::clamp(std::lround(rate * kRateScale), 0L, 65535L)));
    }
    int blocks = 0;
    for (const Span& span : m_held) {
        if (++blocks > kMaxSackBlocks)
            break;
        out.u16(low16(span.start));
        out.u16(low16(span.end));
    }
    return out.take();
}

QByteArray LinkEndpoint::poll(qint64 nowMs)
{
    QByteArray out;
    checkTimers(nowMs);
    if (m_resetDue) {
        ByteWriter payload;
        payload.u32(m_resetSession);
        if (m_resetReason != 0)
            payload.u8(m_resetReason);
        appendTimed(out, FrameType::Reset, 0, 0, payload.data(), nowMs);
        m_resetDue = false;
    }
    if (m_state == State::Failed || m_state == State::Closed)
        return out;
    if (m_synAckDue) {
        appendTimed(out, FrameType::SynAck, 0, 0, sessionPayload(m_version, m_session), nowMs);
        m_synAckDue = false;
    }
    if (m_state == State::Connecting) {
        if (m_synDue) {
            m_synArrivalMs = appendTimed(out, FrameType::Syn, 0, 0,
                                         sessionPayload(m_maxVersion, m_session), nowMs);
            m_synDue = false;
        }
        return out;
    }
    if (!m_naks.empty()) {
        const QByteArray sack = sackPayload();
        for (const quint16 transmission : m_naks) {
            appendTimed(out, FrameType::Nak, transmission, low16(m_recvNext), sack, nowMs);
            ++m_stats.naksSent;
        }
        m_naks.clear();
    }
    sendData(out, nowMs);
    if (m_ackDue) {
        appendTimed(out, FrameType::Ack, m_lastTransmission, low16(m_recvNext), sackPayload(),
                    nowMs);
        m_ackDue = false;
    }
    return out;
}

qint64 LinkEndpoint::nextWakeMs(qint64 nowMs) const
{
    if (m_resetDue)
        return nowMs;
    if (m_state == State::Failed || m_state == State::Closed)
        return kNever;
    if (m_synAckDue || m_synDue || !m_naks.empty() || m_ackDue)
        return nowMs;
    qint64 wake = kNever;
    if (m_state == State::Connecting)
        wake = m_synArrivalMs + m_timeoutMs;
    if (m_state == State::Established) {
        if (!m_inFlight.empty())
            wake = std::min({wake, qMax(m_inFlight.front().arrivalMs, m_timerFromMs) + m_timeoutMs,
                             sendDeadline()});
        if (dataReady())
            wake = qMin(wake, m_baud <= 0 ? nowMs : ceilMs(m_lineFreeUs - kPaceLeadMs * 1000));
    }
    if (m_awaiting)
        wake = std::min({wake, awaitDeadline(), corruptDeadline()});
    return qMax(wake, nowMs);
}

} // namespace devlink::protocol
