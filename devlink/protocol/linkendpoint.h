#pragma once
// The reliable link: messages delivered whole, once and in order over the frames, with the
// line's pace taken into account. Pure: the caller feeds the bytes it read, polls with the
// current time and writes what poll returns; nextWakeMs says when to poll again.
//
// The two directions are independent byte streams. A DATA frame carries stream bytes, its
// sequence number is the stream offset of its first byte (modulo 65536), and its
// transmission number (every send counts, resends too). Several frames are in flight (a
// window of kWindowBytes). The receiver keeps the frames that arrive beyond a missing one
// and answers with ACKs that hold the cumulative acknowledgement (the offset of the next
// byte expected), the ranges it holds beyond it, and the number of the last transmission it
// heard. A serial line keeps the order of what it carries: a transmission sent before the
// one named, whose bytes the peer has not, was lost and goes again at once; nothing else is
// sent twice. The frame size follows the error rate the link measures: full frames on a
// clean line, the size that moves the most data on a noisy one.
//
// From link version 3 on, the frames of a session carry Reed-Solomon parity (coded frames),
// so that the few bytes a noisy line spoils or drops are put right where they arrive; what
// the parity cannot put right goes again as before. Each end measures the bytes its decoder
// put right and tells the peer in its ACKs, and the peer chooses its parity from that rate.
// A peer of version 2 is answered in version 2: plain frames, no parity.
//
// Messages in the stream are a length (LEB128, 1..3 bytes) followed by that many bytes, so
// small messages share a frame and a large one spans several.

#include "devlink/protocol/frame.h"
#include "devlink/protocol/framelog.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <limits>
#include <vector>

namespace devlink::protocol {

constexpr quint8 kLinkVersion = 3;
// The first version with coded frames; the one before it is still spoken.
constexpr quint8 kCodedLinkVersion = 3;
constexpr quint8 kPlainLinkVersion = 2;
constexpr int kDefaultTimeoutMs = 300;
// Retransmissions of the same data before the link gives up (so at most eight sends).
constexpr int kMaxRetries = 7;
// Time-outs in a row with nothing at all heard from the peer: it is not there.
constexpr int kSilentTimeouts = 4;
constexpr qsizetype kMinSegment = 16;
constexpr qsizetype kWindowBytes = 8192;
// Ranges held beyond a missing frame that one ACK names (four bytes each).
constexpr int kMaxSackBlocks = 32;
// A DATA frame is handed out only when the bytes already handed out leave the line within
// this time: the port's queue stays short, so a frame's arrival can be foreseen and an
// acknowledgement never waits behind a long queue.
constexpr qint64 kPaceLeadMs = 40;
constexpr qsizetype kMaxMessageBytes = 96 * 1024;
constexpr qsizetype kMaxQueuedBytes = 1024 * 1024;
constexpr qsizetype kMaxInboxBytes = 256 * 1024;
constexpr qint64 kNever = std::numeric_limits<qint64>::max();

struct LinkStats
{
    quint64 framesSent = 0;
    quint64 bytesSent = 0; // every byte poll handed out
    quint64 dataFramesSent = 0;
    quint64 streamBytesSent = 0; // message bytes sent for the first time
    quint64 retransmittedBytes = 0;
    quint64 timeouts = 0;
    quint64 lostFrames = 0; // DATA frames sent and found lost (sent again)
    quint64 naksSent = 0;
    quint64 duplicateFrames = 0; // DATA frames whose bytes had all arrived before
    quint64 heldFrames = 0;      // DATA frames beyond a missing one, kept
};

class LinkEndpoint
{
public:
    enum class Role
    {
        Initiator,
        Responder
    };
    enum class State
    {
        Closed,
        Connecting,
        Established,
        Failed
    };

    // A range of stream offsets, [start, end).
    struct Span
    {
        qint64 start;
        qint64 end;
    };
    using Spans = std::vector<Span>; // sorted, disjoint, not touching

    explicit LinkEndpoint(Role role);

    // The time-out counts from when a frame can have reached the peer.
    void setTimeout(int ms);
    // Bits per second of the line (8N1: ten bits a byte); 0 = unpaced.
    void setBaudRate(int baud);
    // The newest link version this end speaks (kLinkVersion; kPlainLinkVersion stands in for
    // an end that has no parity).
    void setLinkVersion(quint8 version);
    int timeoutMs() const { return m_timeoutMs; }
    int baudRate() const { return m_baud; }

    // Initiator: starts a new session (SYN until answered); anything queued before is gone.
    void open(qint64 nowMs, quint32 sessionId);
    // Responder: forgets the session and waits for a SYN.
    void listen();
    // Ends the session with this error and tells the peer (RST), if there was one.
    void abort(int code);

    // Queues a message (1..kMaxMessageBytes bytes); false when it is refused: no session,
    // bad length, or more than kMaxQueuedBytes waiting.
    bool send(QByteArrayView message);
    void receiveBytes(QByteArrayView bytes, qint64 nowMs);
    QByteArray poll(qint64 nowMs);
    // The latest time by which poll should run again (nowMs when it should run at once,
    // kNever when only incoming bytes can change anything).
    qint64 nextWakeMs(qint64 nowMs) const;

    bool hasMessage() const { return !m_inbox.empty(); }
    QByteArray takeMessage();

    // While set, a peer that sends nothing useful fails the link even with nothing in
    // flight: the caller waits for an answer.
    void setAwaitingReply(bool awaiting, qint64 nowMs);

    State state() const { return m_state; }
    bool isEstablished() const { return m_state == State::Established; }
    bool failed() const { return m_state == State::Failed; }
    int errorCode() const { return m_error; }
    // Responder: true once after a session started or ended (the caller drops its state).
    bool takeSessionChanged();

    quint64 messagesQueued() const { return m_messagesQueued; }
    quint64 messagesAcknowledged() const { return m_messagesAcked; }
    // Bytes queued but not yet on the line (a producer keeps a little ahead of this).
    qsizetype unsentBytes() const;
    bool allAcknowledged() const { return m_out.isEmpty(); }
    // Stream bytes (message bytes with their lengths) of this session: all queued, those
    // the peer acknowledged, and those received in order.
    qint64 streamBytesQueued() const { return m_sendBase + m_out.size(); }
    qint64 streamBytesAcknowledged() const { return m_sendBase; }
    qint64 streamBytesReceived() const { return m_recvNext; }
    qsizetype segmentSize() const { return m_segment; }
    // The version the session speaks, and the parity bytes per block this end sends.
    quint8 sessionVersion() const { return m_version; }
    int parity() const { return m_parity; }
    const LinkStats& stats() const { return m_stats; }
    const DecoderStats& decoderStats() const { return m_decoder.stats(); }

    // Told of every frame sent and every one received (damaged ones too), for the link log.
    void setFrameObserver(std::function<void(const FrameSeen&)> observer)
    {
        m_frameObserver = std::move(observer);
    }

private:
    struct InFlight
    {
        qint64 start;
        qint64 end;
        qint64 arrivalMs;
        qint64 serial; // the transmission's number: the order of sending
    };
    struct Resend
    {
        qint64 start;
        qint64 end;
    };

    void resetSession();
    void fail(int code);
    void handleFrame(const DecodedFrame& decoded, qint64 nowMs);
    void onSyn(const Frame& frame, qint64 nowMs);
    void onSynAck(const Frame& frame, qint64 nowMs);
    void onReset(const Frame& frame);
    void onData(const Frame& frame, qint64 nowMs);
    void holdData(qint64 start, QByteArrayView bytes);
    bool drainHeld();
    void processAck(quint16 ack, QByteArrayView sack, qint64 nowMs);
    void onReport(quint16 transmission, bool damaged);
    void settleInFlight();
    // judged: the peer's report shows the frame lost (which tells the line's error rate).
    void markLost(const InFlight& frame, bool judged = true);
    void noteOutcome(qsizetype frameBytes, bool lost);
    void noteProgress(qint64 nowMs);
    bool countRetry();
    void onTimeout(qint64 nowMs);
    void checkTimers(qint64 nowMs);
    bool acceptStream(QByteArrayView bytes);
    bool takeResend(Resend& piece);
    void sendData(QByteArray& out, qint64 nowMs);
    qint64 appendTimed(QByteArray& out, FrameType type, quint16 seq, quint16 ack,
                       QByteArrayView payload, qint64 nowMs);
    QByteArray sackPayload() const;
    bool coded() const { return m_version >= kCodedLinkVersion; }
    qsizetype frameBytes(qsizetype payload) const;
    void noteSpoilt(const DecodedFrame& decoded);
    bool freshReady() const;
    bool dataReady() const;
    qint64 lineUs(qsizetype bytes) const;
    qint64 awaitDeadline() const;
    qint64 corruptDeadline() const;
    qint64 sendDeadline() const;

    Role m_role;
    State m_state = State::Closed;
    int m_error = 0;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_baud = 0;
    quint32 m_session = 0;
    quint8 m_maxVersion = kLinkVersion;
    quint8 m_version = kPlainLinkVersion; // of the session
    FrameDecoder m_decoder;
    LinkStats m_stats;

    qint64 m_lineFreeUs = 0; // when the bytes handed out so far will have left the line

    // Sending: m_out holds the stream from m_sendBase (oldest unacknowledged byte) on;
    // m_sendNext is the first byte never sent.
    QByteArray m_out;
    qint64 m_sendBase = 0;
    qint64 m_sendNext = 0;
    std::deque<InFlight> m_inFlight;
    qint64 m_serial = 0;
    qint64 m_provenSerial = 0;   // the latest transmission known to have reached the peer
    std::deque<Resend> m_resend; // lost ranges to send again, in stream order
    Spans m_peerHolds;           // ranges beyond m_sendBase the peer has
    std::deque<qint64> m_messageEnds;
    quint64 m_messagesQueued = 0;
    quint64 m_messagesAcked = 0;
    qsizetype m_segment = kMaxPayload;
    // The error rate, from the fate of recent frames (decaying counts).
    double m_outcomeFrames = 0;
    double m_outcomeLost = 0;
    double m_outcomeBytes = 0;
    // Parity: what this end sends (chosen from the rate the peer reports), and the rate of
    // bytes spoilt or dropped on the way here (decaying counts over recent coded frames).
    int m_parity = 0;
    double m_spoiltBytes = 0;
    double m_lineBytes = 0;
    int m_retries = 0;
    int m_silentTimeouts = 0;
    bool m_heardSinceTimeout = false;  // any byte since the last time-out
    bool m_heardSinceAck = false;      // any byte since our data last advanced
    bool m_heardSinceProgress = false; // any byte since either direction last advanced

    bool m_synDue = false;
    qint64 m_synArrivalMs = 0;
    bool m_ackDue = false;
    std::vector<quint16> m_naks;    // transmission numbers of damaged frames to name
    quint16 m_lastTransmission = 0; // of the last DATA frame received whole
    qint64 m_lastNakMs = std::numeric_limits<qint64>::min() / 2;
    bool m_synAckDue = false;
    bool m_resetDue = false;
    quint32 m_resetSession = 0;
    quint8 m_resetReason = 0; // the error this end gave up with, told to the peer in RST

    // Receiving: m_recvNext is the offset of the next stream byte expected.
    qint64 m_recvNext = 0;
    Spans m_held;          // ranges beyond m_recvNext kept
    QByteArray m_holdRing; // kWindowBytes, indexed by stream offset modulo its size
    quint32 m_lengthValue = 0;
    int m_lengthBytes = 0;
    bool m_inBody = false;
    QByteArray m_partial;
    qsizetype m_partialNeed = 0;
    std::deque<QByteArray> m_inbox;
    qsizetype m_inboxBytes = 0;

    bool m_awaiting = false;
    qint64 m_awaitSinceMs = 0;
    qint64 m_lastHeardMs = 0;
    qint64 m_lastProgressMs = 0;
    qint64 m_sendProgressMs = 0; // our data last advanced, or started to be sent
    qint64 m_timerFromMs = 0;    // after a time-out, the next counts from here
    bool m_sessionChanged = false;
    std::function<void(const FrameSeen&)> m_frameObserver;
};

} // namespace devlink::protocol
