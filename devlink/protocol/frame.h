#pragma once
// Frames on the serial line and their decoder.
//
//   offset  size  field
//   0       2     start marker 0x5A 0xC3
//   2       1     type (FrameType)
//   3       2     sequence number (little-endian)
//   5       2     acknowledgement (little-endian)
//   7       2     payload length N, 0..kMaxPayload (little-endian)
//   9       1     header check: crc8 of bytes 0..8
//   10      N     payload
//   10+N    4     crc32 of bytes 2..9+N (little-endian)
//
// No byte stuffing: the length gives the end, the header check rejects a false start early,
// and after a bad frame the decoder searches the bytes it holds again, so a good frame that
// followed a damaged one is still found.
//
// A coded frame (link version 3) carries Reed-Solomon parity, so that a few spoilt or
// dropped bytes are put right where they arrive instead of being sent again:
//
//   0       2     start marker 0x5A 0xA5
//   2       1     type
//   3       2     sequence number
//   5       2     acknowledgement
//   7       2     payload length N, 0..kMaxPayload
//   9       1     parity bytes per block R: 0 or an even number up to kMaxParity
//   10      1     header check: crc8 of bytes 0..9
//   11      4     header parity: Reed-Solomon over bytes 2..10 (puts two bytes right)
//   15      ...   the body: payload and the crc32 of bytes 2..10 and the payload, cut into
//                 blocks of at most 255 - R bytes, each followed by its R parity bytes

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace devlink::protocol {

constexpr quint8 kMarker0 = 0x5A;
constexpr quint8 kMarker1 = 0xC3;
constexpr qsizetype kHeaderBytes = 10;
constexpr qsizetype kTrailerBytes = 4;
constexpr qsizetype kFrameOverhead = kHeaderBytes + kTrailerBytes;
constexpr qsizetype kMaxPayload = 1024;
// How much either end of a transfer keeps queued ahead of the line, so frames go out full
// but little is held.
constexpr qsizetype kProduceAhead = 2 * kMaxPayload;
constexpr qsizetype kMaxPlainFrameBytes = kFrameOverhead + kMaxPayload;

constexpr quint8 kCodedMarker1 = 0xA5;
constexpr qsizetype kCodedHeaderBytes = 15; // with the header's parity
constexpr qsizetype kHeaderParityBytes = 4;
constexpr int kMaxParity = 32;
// The payload and its crc32 cut into blocks, each with `parity` bytes of its own.
qsizetype codedBlockCount(qsizetype payload, int parity);
qsizetype codedFrameBytes(qsizetype payload, int parity);
// The longest frame of either form (a full payload with the most parity: 1,203 bytes).
constexpr qsizetype kMaxFrameBytes = 1203;

enum class FrameType : quint8
{
    Data = 0x01,   // stream bytes; seq = stream offset of the first byte, ack = transmission
    Ack = 0x02,    // ack = cumulative, seq = last transmission heard; payload: ranges held
    Nak = 0x03,    // as ACK, but seq names a transmission that arrived damaged
    Syn = 0x04,    // opens a session
    SynAck = 0x05, // accepts it
    Reset = 0x06,  // the session is over (payload: its id)
};

bool isKnownFrameType(quint8 type);

struct Frame
{
    FrameType type = FrameType::Data;
    quint16 seq = 0;
    quint16 ack = 0;
    QByteArray payload;

    bool operator==(const Frame&) const = default;
};

// The bytes of one frame; the payload must not exceed kMaxPayload.
QByteArray encodeFrame(FrameType type, quint16 seq, quint16 ack, QByteArrayView payload);
void appendFrame(QByteArray& out, FrameType type, quint16 seq, quint16 ack, QByteArrayView payload);
// The bytes of the frame at the start of `bytes`, as an encoder wrote it (plain or coded);
// all of them when they hold less than its header.
qsizetype writtenFrameBytes(QByteArrayView bytes);
// The same as a coded frame with `parity` bytes per block (0 or even, at most kMaxParity).
QByteArray encodeCodedFrame(FrameType type, quint16 seq, quint16 ack, QByteArrayView payload,
                            int parity);
void appendCodedFrame(QByteArray& out, FrameType type, quint16 seq, quint16 ack,
                      QByteArrayView payload, int parity);

// What the decoder found: a whole frame, or a frame whose header was sound but whose body
// failed its check (intact == false, payload empty), which the link uses to ask for it
// again at once.
struct DecodedFrame
{
    bool intact = true;
    Frame frame;
    bool coded = false;
    // Coded frames: the bytes found spoilt or dropped (for a block beyond repair, the fewest
    // it must have had), and the frame's bytes on the line; they tell the line's error rate.
    int spoiltBytes = 0;
    qsizetype lineBytes = 0;
};

struct DecoderStats
{
    quint64 frames = 0;
    quint64 damagedFrames = 0; // header sound, body check failed
    quint64 badHeaders = 0;    // marker found, header check failed
    quint64 garbageBytes = 0;  // bytes that belonged to no frame
    quint64 repairedBytes = 0; // put right by the parity (a dropped byte counts one)
};

// Turns a byte stream into frames. States: Hunt (looking for the first marker byte),
// Marker (the second), Header (the rest of the header), Body (payload and check). It holds
// at most one frame's bytes, whatever it is fed, and takes any split of the stream.
class FrameDecoder
{
public:
    using Sink = std::function<void(const DecodedFrame&)>;

    void feed(QByteArrayView bytes, const Sink& sink);
    // Drops a partial frame (a new session starts from clean state).
    void reset();

    qsizetype bufferedBytes() const { return m_buf.size(); }
    const DecoderStats& stats() const { return m_stats; }

private:
    enum class State
    {
        Hunt,
        Marker,
        Header,
        CodedHeader,
        Body,
        CodedBody
    };

    bool fill(qsizetype count, QByteArrayView input, qsizetype& pos);
    void rejectCandidate();
    struct CodedBody
    {
        bool intact = false;
        QByteArray data;   // payload and crc32
        qsizetype end = 0; // the frame's bytes (fewer than announced when some were dropped)
        int spoilt = 0;    // bytes put right
        std::vector<qsizetype> repairedBlocks; // by their parity as they stood
    };
    bool acceptCodedHeader();
    CodedBody readCodedBody(qsizetype dropAt) const;
    void takeCodedBody(const Sink& sink);

    State m_state = State::Hunt;
    int m_parity = 0;        // of the coded frame being read
    int m_headerRepairs = 0; // its header's bytes put right
    QByteArray m_buf;        // the candidate frame from its first marker byte
    qsizetype m_need = 0;
    DecoderStats m_stats;
};

} // namespace devlink::protocol
