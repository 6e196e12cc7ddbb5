#include "devlink/protocol/reedsolomon.h"

#include <array>
#include <cstring>

extern "C" {
#include <fec.h>
}

namespace devlink::protocol::rs {

namespace {

// One codec for each number of parity bytes, made once and kept for the life of the
// process (encoding and decoding only read them, so threads may share them).
void* codec(int roots)
{
    static const std::array<void*, kMaxRoots + 1> codecs = [] {
        std::array<void*, kMaxRoots + 1> made{};
        for (int r = 1; r <= kMaxRoots; ++r)
            made[size_t(r)] = init_rs_char(8, 0x11D, 1, 1, r, 0);
        return made;
    }();
    Q_ASSERT(roots >= 1 && roots <= kMaxRoots && codecs[size_t(roots)]);
    return codecs[size_t(roots)];
}

} // namespace

void encode(const char* data, qsizetype length, int roots, char* parity)
{
    Q_ASSERT(length >= 0 && length + roots <= kBlockBytes);
    unsigned char word[kBlockBytes] = {};
    const qsizetype pad = kBlockBytes - roots - length;
    std::memcpy(word + pad, data, size_t(length));
    encode_rs_char(codec(roots), word, reinterpret_cast<unsigned char*>(parity));
}

int decode(char* block, qsizetype length, int roots, int erasure)
{
    if (roots < 1 || roots > kMaxRoots || length < roots || length > kBlockBytes ||
        erasure >= length)
        return -1;
    unsigned char word[kBlockBytes] = {};
    const int pad = int(kBlockBytes - length);
    std::memcpy(word + pad, block, size_t(length));
    int positions[kMaxRoots] = {};
    int erasures = 0;
    if (erasure >= 0)
        positions[erasures++] = pad + erasure;
    const int corrected = decode_rs_char(codec(roots), word, positions, erasures);
    if (corrected < 0)
        return -1;
    // A "repair" in the zeros that were never sent is a wrong codeword, not a repair.
    for (int i = 0; i < corrected; ++i) {
        if (positions[i] < pad)
            return -1;
    }
    std::memcpy(block, word + pad, size_t(length));
    return corrected;
}

} // namespace devlink::protocol::rs
