#include "devlink/protocol/linkendpoint.h"

#include "devlink/protocol/errors.h"
#include "devlink/protocol/wire.h"

#include <algorithm>

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

} // namespace

LinkEndpoint::LinkEndpoint(Role role) : m_role(role) {}

void LinkEndpoint::setTimeout(int ms)
{
    m_timeoutMs = qMax(1, ms);
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
    m_sendBase = m_sendNext = m_sendMax = 0;
    m_inFlight.clear();
    m_messageEnds.clear();
    m_messagesQueued = m_messagesAcked = 0;
    m_segment = kMaxPayload;
    m_cleanFrames = 0;
    m_retries = 0;
    m_silentTimeouts = 0;
    m_heardSinceTimeout = m_heardSinceAck = m_heardSinceProgress = false;
    m_synDue = m_ackDue = m_nakDue = m_synAckDue = false;
    m_recvNext = 0;
    m_gapAhead = 0;
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
    m_synDue = m_ackDue = m_nakDue = m_synAckDue = false;
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
    if (unusable && m_state == State::Established && nowMs - m_lastNakMs >= m_timeoutMs / 2)
        m_nakDue = true;
}

void LinkEndpoint::handleFrame(const DecodedFrame& decoded, qint64 nowMs)
{
    const Frame& frame = decoded.frame;
    if (!decoded.intact) {
        // Only the header can be trusted: if it was the frame expected next, ask for it
        // again now rather than after a time-out. The frames behind it, already on their
        // way, need no NAK of their own (see onData).
        if (m_state == State::Established && frame.type == FrameType::Data &&
            frame.seq == low16(m_recvNext)) {
            m_nakDue = true;
            m_gapAhead = 1;
        }
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
            m_resetSession = m_session;
        }
        return;
    }
    if (frame.type != FrameType::Data && !frame.payload.isEmpty())
        return;
    processAck(frame.ack, nowMs);
    if (frame.type == FrameType::Nak)
        onNak(frame.ack, nowMs);
    else if (frame.type == FrameType::Data)
        onData(frame, nowMs);
}

void LinkEndpoint::onSyn(const Frame& frame, qint64 nowMs)
{
    if (m_role != Role::Responder || frame.payload.size() != 5)
        return;
    ByteReader in(frame.payload);
    in.u8(); // the initiator's version: it judges the versions from our answer
    const quint32 session = in.u32();
    if (m_state == State::Established && session == m_session) {
        m_synAckDue = true; // our answer was lost
        return;
    }
    resetSession();
    m_session = session;
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
    if (version != kLinkVersion) {
        abort(ErrUnsupportedPager);
        return;
    }
    m_state = State::Established;
    m_synDue = false;
    noteProgress(nowMs);
}

void LinkEndpoint::onReset(const Frame& frame)
{
    if (m_state != State::Established || frame.payload.size() != 4)
        return;
    ByteReader in(frame.payload);
    const quint32 session = in.u32();
    // 0: the peer knows no session at all (it started afresh).
    if (session != m_session && session != 0)
        return;
    if (m_role == Role::Initiator) {
        fail(ErrConnectionLost);
    } else {
        resetSession();
        m_state = State::Closed;
        m_sessionChanged = true;
    }
}

void LinkEndpoint::processAck(quint16 ack, qint64 nowMs)
{
    const qint64 distance = static_cast<quint16>(ack - low16(m_sendBase));
    // Zero: nothing new. Beyond what was ever sent: a stale number from long ago.
    if (distance == 0 || distance > m_sendMax - m_sendBase)
        return;
    const qint64 newBase = m_sendBase + distance;
    m_out.remove(0, static_cast<qsizetype>(distance));
    m_sendBase = newBase;
    m_sendNext = qMax(m_sendNext, newBase);
    int framesAcked = 0;
    while (!m_inFlight.empty() && m_inFlight.front().end <= newBase) {
        m_inFlight.pop_front();
        ++framesAcked;
    }
    if (!m_inFlight.empty() && m_inFlight.front().start < newBase)
        m_inFlight.front().start = newBase;
    while (!m_messageEnds.empty() && m_messageEnds.front() <= newBase) {
        m_messageEnds.pop_front();
        ++m_messagesAcked;
    }
    m_cleanFrames += framesAcked;
    if (m_cleanFrames >= kGrowAfterFrames) {
        m_segment = qMin(kMaxPayload, m_segment * 2);
        m_cleanFrames = 0;
    }
    noteProgress(nowMs);
}

void LinkEndpoint::noteProgress(qint64 nowMs)
{
    m_retries = 0;
    m_silentTimeouts = 0;
    m_heardSinceAck = m_heardSinceProgress = false;
    m_lastProgressMs = nowMs;
}

void LinkEndpoint::onNak(quint16 ack, qint64 nowMs)
{
    if (m_inFlight.empty() || ack != low16(m_sendBase))
        return;
    // A NAK that comes before the frame at the base can have reached the peer answers an
    // earlier send of it, which has been replaced already.
    if (nowMs < m_inFlight.front().arrivalMs)
        return;
    retransmit(false);
}

void LinkEndpoint::onData(const Frame& frame, qint64 nowMs)
{
    const qsizetype length = frame.payload.size();
    if (length == 0)
        return;
    const qint16 ahead = static_cast<qint16>(static_cast<quint16>(frame.seq - low16(m_recvNext)));
    if (ahead > 0) {
        // A frame before this one was lost; everything after it waits for it. One NAK for
        // the frames already on their way behind it; another only once the sender has gone
        // back (a gap frame no further ahead than the last) and lost the frame again.
        ++m_stats.gapFrames;
        if (m_gapAhead == 0 || ahead <= m_gapAhead)
            m_nakDue = true;
        m_gapAhead = ahead;
        return;
    }
    const qsizetype skip = -static_cast<qsizetype>(ahead);
    if (skip >= length) {
        // Had it already: our acknowledgement was lost, so say it again.
        ++m_stats.duplicateFrames;
        m_ackDue = true;
        return;
    }
    if (m_inboxBytes > kMaxInboxBytes)
        return; // the reader is behind: the peer will send it again
    if (!acceptStream(QByteArrayView(frame.payload).sliced(skip))) {
        abort(ErrProtocol);
        return;
    }
    m_recvNext += length - skip;
    m_ackDue = true;
    m_gapAhead = 0;
    // Progress for a caller awaiting an answer, but not for our own retries: a peer that
    // talks while never acknowledging us still fails the link.
    m_heardSinceProgress = false;
    m_lastProgressMs = nowMs;
}

bool LinkEndpoint::acceptStream(QByteArrayView bytes)
{
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

void LinkEndpoint::retransmit(bool timedOut)
{
    if (timedOut) {
        ++m_stats.timeouts;
        m_silentTimeouts = m_heardSinceTimeout ? 0 : m_silentTimeouts + 1;
        m_heardSinceTimeout = false;
        if (m_silentTimeouts >= kSilentTimeouts) {
            abort(ErrNoAnswer);
            return;
        }
    }
    if (m_retries >= kMaxRetries) {
        abort(m_heardSinceAck ? ErrLineCorrupt : ErrNoAnswer);
        return;
    }
    ++m_retries;
    ++m_stats.goBacks;
    if (m_state == State::Connecting) {
        m_synDue = true;
        return;
    }
    // Go back to the first byte not acknowledged, and cut smaller frames from there: a
    // frame that was lost is more likely to pass when it is shorter.
    m_sendNext = m_sendBase;
    m_inFlight.clear();
    m_segment = qMax(kMinSegment, m_segment / 2);
    m_cleanFrames = 0;
}

qint64 LinkEndpoint::awaitDeadline() const
{
    const qint64 since = std::max({m_awaitSinceMs, m_lastProgressMs, m_lastHeardMs});
    return since + qint64(kSilentTimeouts) * m_timeoutMs + ceilMs(lineUs(kMaxFrameBytes));
}

qint64 LinkEndpoint::corruptDeadline() const
{
    const qint64 since = qMax(m_awaitSinceMs, m_lastProgressMs);
    return since + qint64(kMaxRetries + 2) * m_timeoutMs + ceilMs(lineUs(kMaxFrameBytes));
}

void LinkEndpoint::checkTimers(qint64 nowMs)
{
    if (m_state == State::Connecting && !m_synDue && nowMs >= m_synArrivalMs + m_timeoutMs)
        retransmit(true);
    if (m_state == State::Established && !m_inFlight.empty() &&
        nowMs >= m_inFlight.front().arrivalMs + m_timeoutMs)
        retransmit(true);
    if (m_awaiting && (m_state == State::Connecting || m_state == State::Established)) {
        if (nowMs >= awaitDeadline())
            abort(ErrNoAnswer);
        else if (nowMs >= corruptDeadline())
            abort(m_heardSinceProgress ? ErrLineCorrupt : ErrNoAnswer);
    }
}

qint64 LinkEndpoint::appendTimed(QByteArray& out, FrameType type, quint16 seq,
                                 QByteArrayView payload, qint64 nowMs)
{
    const qsizetype before = out.size();
    appendFrame(out, type, seq, low16(m_recvNext), payload);
    const qsizetype bytes = out.size() - before;
    ++m_stats.framesSent;
    m_stats.bytesSent += static_cast<quint64>(bytes);
    if (m_baud <= 0)
        return nowMs;
    m_lineFreeUs = qMax(m_lineFreeUs, nowMs * 1000) + lineUs(bytes);
    return ceilMs(m_lineFreeUs);
}

bool LinkEndpoint::dataReady() const
{
    const qsizetype unsent = unsentBytes();
    if (unsent <= 0)
        return false;
    const qint64 room = kWindowBytes - (m_sendNext - m_sendBase);
    return room >= qMin(m_segment, unsent);
}

void LinkEndpoint::sendData(QByteArray& out, qint64 nowMs)
{
    const qint64 leadUs = kPaceLeadMs * 1000;
    while (dataReady() && (m_baud <= 0 || m_lineFreeUs - nowMs * 1000 <= leadUs)) {
        const qsizetype length = qMin(m_segment, unsentBytes());
        const qsizetype at = static_cast<qsizetype>(m_sendNext - m_sendBase);
        const qint64 arrival = appendTimed(out, FrameType::Data, low16(m_sendNext),
                                           QByteArrayView(m_out).sliced(at, length), nowMs);
        ++m_stats.dataFramesSent;
        const qint64 end = m_sendNext + length;
        const qint64 fresh = qMax<qint64>(0, end - qMax(m_sendNext, m_sendMax));
        m_stats.streamBytesSent += static_cast<quint64>(fresh);
        m_stats.retransmittedBytes += static_cast<quint64>(length - fresh);
        m_inFlight.push_back({m_sendNext, end, arrival});
        m_sendNext = end;
        m_sendMax = qMax(m_sendMax, end);
        m_ackDue = false; // the frame carries the acknowledgement
    }
}

QByteArray LinkEndpoint::poll(qint64 nowMs)
{
    QByteArray out;
    checkTimers(nowMs);
    if (m_resetDue) {
        ByteWriter payload;
        payload.u32(m_resetSession);
        appendTimed(out, FrameType::Reset, 0, payload.data(), nowMs);
        m_resetDue = false;
    }
    if (m_state == State::Failed || m_state == State::Closed)
        return out;
    if (m_synAckDue) {
        appendTimed(out, FrameType::SynAck, 0, sessionPayload(kLinkVersion, m_session), nowMs);
        m_synAckDue = false;
    }
    if (m_state == State::Connecting) {
        if (m_synDue) {
            m_synArrivalMs =
                appendTimed(out, FrameType::Syn, 0, sessionPayload(kLinkVersion, m_session), nowMs);
            m_synDue = false;
        }
        return out;
    }
    if (m_nakDue) {
        appendTimed(out, FrameType::Nak, 0, {}, nowMs);
        ++m_stats.naksSent;
        m_lastNakMs = nowMs;
        m_nakDue = m_ackDue = false;
    }
    sendData(out, nowMs);
    if (m_ackDue) {
        appendTimed(out, FrameType::Ack, 0, {}, nowMs);
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
    if (m_synAckDue || m_synDue || m_nakDue || m_ackDue)
        return nowMs;
    qint64 wake = kNever;
    if (m_state == State::Connecting)
        wake = m_synArrivalMs + m_timeoutMs;
    if (m_state == State::Established) {
        if (!m_inFlight.empty())
            wake = qMin(wake, m_inFlight.front().arrivalMs + m_timeoutMs);
        if (dataReady())
            wake = qMin(wake, m_baud <= 0 ? nowMs : ceilMs(m_lineFreeUs - kPaceLeadMs * 1000));
    }
    if (m_awaiting)
        wake = std::min({wake, awaitDeadline(), corruptDeadline()});
    return qMax(wake, nowMs);
}

} // namespace devlink::protocol
