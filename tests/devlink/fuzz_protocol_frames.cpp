// Outside bytes into the frame decoder and the transfer message decoders: no crash, no
// leak, no undefined behaviour, and never more held than one frame.

#include "devlink/protocol/frame.h"
#include "devlink/protocol/transfermessages.h"

#include <cstdlib>

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
