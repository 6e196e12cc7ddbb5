// Outside bytes into the frame decoder and the transfer message decoders: no crash, no
// leak, no undefined behaviour, and never more held than one frame.

#include "devlink/protocol/frame.h"
#include "devlink/protocol/linkendpoint.h"
#include "devlink/protocol/transfermessages.h"

#include <cstdlib>
#include <utility>

using namespace devlink::protocol;

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The stream in pieces whose sizes the input itself chooses.
    FrameDecoder decoder;
    const FrameDecoder::Sink sink = [](const DecodedFrame& d) {
        if (d.intact && d.frame.payload.size() > kMaxPayload)
            std::abort();
    };
    qsizetype at = 0;
    qsizetype piece = 1;
    while (at < bytes.size()) {
        const qsizetype n = qMin(piece, bytes.size() - at);
        decoder.feed(bytes.sliced(at, n), sink);
        if (decoder.bufferedBytes() > kMaxFrameBytes)
            std::abort();
        piece = 1 + static_cast<quint8>(bytes[at]) * 3;
        at += n;
    }

    // A coded frame spoilt by the same bytes: the first byte chooses the parity, the first
    // half of the rest is the payload, the other half says what becomes of each byte of the
    // frame in turn (0 it arrives, 1 it is dropped, else it is changed by that much). The
    // parity's repairs, and the search for a dropped byte, on any damage.
    if (bytes.size() > 1) {
        const int parity = (static_cast<quint8>(bytes[0]) % (kMaxParity / 2 + 1)) * 2;
        const QByteArrayView rest = bytes.sliced(1);
        const QByteArrayView payload = rest.first(qMin(rest.size() / 2, kMaxPayload));
        const QByteArrayView damage = rest.sliced(payload.size());
        const QByteArray frame = encodeCodedFrame(FrameType::Data, 1, 2, payload, parity);
        QByteArray line;
        for (qsizetype i = 0; i < frame.size(); ++i) {
            const quint8 what = i < damage.size() ? static_cast<quint8>(damage[i]) : 0;
            if (what != 1)
                line.append(static_cast<char>(frame[i] ^ static_cast<char>(what)));
        }
        FrameDecoder coded;
        coded.feed(line + encodeCodedFrame(FrameType::Ack, 0, 0, {}, 0), sink);
        if (coded.bufferedBytes() > kMaxFrameBytes)
            std::abort();
    }

    // The same bytes as what the peer sends into a session, at both ends, with plain frames
    // (link version 2) and with coded ones: acknowledgements naming ranges, NAKs, DATA
    // anywhere in the window.
    using Role = LinkEndpoint::Role;
    const std::pair<Role, quint8> ends[] = {{Role::Initiator, kPlainLinkVersion},
                                            {Role::Initiator, kCodedLinkVersion},
                                            {Role::Responder, kPlainLinkVersion},
                                            {Role::Responder, kCodedLinkVersion}};
    for (const auto& [role, version] : ends) {
        LinkEndpoint link(role);
        const QByteArray session = QByteArray(1, char(version)) + QByteArray("\x01\x00\x00\x00", 4);
        if (role == LinkEndpoint::Role::Initiator) {
            link.open(0, 1);
            link.poll(0);
            link.receiveBytes(encodeFrame(FrameType::SynAck, 0, 0, session), 1);
        } else {
            link.listen();
            link.receiveBytes(encodeFrame(FrameType::Syn, 0, 0, session), 1);
        }
        link.send(QByteArray(20'000, 'x'));
        qint64 now = 2;
        for (qsizetype pos = 0; pos < bytes.size(); pos += 64, now += 7) {
            link.poll(now);
            link.receiveBytes(bytes.sliced(pos, qMin<qsizetype>(64, bytes.size() - pos)), now);
            while (link.hasMessage())
                link.takeMessage();
        }
        link.poll(now);
    }

    // The same bytes as the body of each message.
    ContactRecord contact;
    GroupRecord group;
    DeviceMessage message;
    FolderNameSlots names;
    PagerIdentity identity;
    Counts counts;
    quint16 count = 0;
    quint32 items = 0;
    quint8 code = 0;
    decodeContact(bytes, contact);
    decodeGroup(bytes, group);
    decodeMessage(bytes, message);
    decodeFolderNames(bytes, names);
    decodeIdent(bytes, identity);
    decodeCounts(bytes, MessageType::PutAddressBook, counts);
    decodeMessageCount(bytes, count);
    decodeEnd(bytes, items);
    decodeResult(bytes, code);
    if (group.nMemberCount > MAX_GROUP_MEMBERS || group.nBlockLength > GROUP_BLOCK_SIZE)
        std::abort();
    return 0;
}
