#pragma once
// Reed-Solomon parity over bytes (GF(256), the field polynomial 0x11D), through the system's
// codec library. A block is at most 255 bytes: its data followed by its parity bytes; a
// shorter block is the full code with leading zeros that are never sent.

#include <QtGlobal>

namespace devlink::protocol::rs {

constexpr int kMaxRoots = 32;
constexpr qsizetype kBlockBytes = 255;

// Writes the `roots` parity bytes of `data` (at most kBlockBytes - roots bytes) to `parity`.
void encode(const char* data, qsizetype length, int roots, char* parity);

// Puts right, in place, a block of `length` bytes (data, then `roots` parity bytes).
// `erasure`: the index of a byte known to be wrong, or -1. Returns the bytes put right, or
// -1 when the block is beyond repair (it is then left as it was).
int decode(char* block, qsizetype length, int roots, int erasure = -1);

} // namespace devlink::protocol::rs
