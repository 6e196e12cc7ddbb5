#include "devlink/protocol/crc.h"

#include <array>

namespace devlink::protocol {

namespace {

constexpr std::array<quint8, 256> makeCrc8Table()
{
    std::array<quint8, 256> table{};
    for (unsigned n = 0; n < 256; ++n) {
        unsigned c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 0x80u) ? ((c << 1) ^ 0x07u) : (c << 1);
        table[n] = static_cast<quint8>(c & 0xFFu);
    }
    return table;
}

constexpr std::array<quint32, 256> makeCrc32Table()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? ((c >> 1) ^ 0xEDB88320u) : (c >> 1);
        table[n] = c;
    }
    return table;
}

constexpr auto kCrc8Table = makeCrc8Table();
constexpr auto kCrc32Table = makeCrc32Table();

} // namespace

quint8 crc8(QByteArrayView data)
{
    quint8 crc = 0;
    for (char ch : data)
        crc = kCrc8Table[static_cast<quint8>(crc ^ static_cast<quint8>(ch))];
    return crc;
}

quint32 crc32(QByteArrayView data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : data)
        crc = kCrc32Table[(crc ^ static_cast<quint8>(ch)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace devlink::protocol
