#pragma once
// Checksums of the frames: a one-byte check of the header, so that a damaged length is
// caught before the decoder waits for its bytes, and a CRC-32 over the whole frame.

#include <QByteArrayView>
#include <QtGlobal>

namespace devlink::protocol {

// CRC-8, polynomial 0x07, initial value 0, no reflection, no final xor ("123456789" -> 0xF4).
quint8 crc8(QByteArrayView data);

// CRC-32 of IEEE 802.3: reflected polynomial 0xEDB88320, initial value and final xor
// 0xFFFFFFFF ("123456789" -> 0xCBF43926).
quint32 crc32(QByteArrayView data);

} // namespace devlink::protocol
