// Loads any stored block with any length, then runs appends, rebuilds, stores and reloads
// chosen by the input, checking the block's invariants after each step.
#include "contacts/core/groupblock.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

struct Input
{
    const uint8_t* data;
    size_t size;

    uint8_t byte() { return size ? (--size, *data++) : 0; }
    std::string text()
    {
        size_t n = byte();
        if (n == 0xFF)
            n += byte(); // lengths past 255 too
        n = std::min(n, size);
        std::string out(reinterpret_cast<const char*>(data), n);
        data += n;
        size -= n;
        return out;
    }
};

void check(bool ok)
{
    if (!ok)
        abort();
}

void checkBlock(const GroupBlock& block)
{
    check(block.length() >= 1 && block.length() <= GROUP_BLOCK_SIZE);
    check(block.bytes().size() == size_t(block.length()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    GroupRecord group;
    qint32 length = 0;
    for (int i = 0; i < 4; ++i)
        length = qint32(quint32(length) << 8 | in.byte());
    group.nBlockLength = length;
    const size_t copied = std::min<size_t>({in.byte() * size_t(2), in.size, group.abyBlock.size()});
    std::memcpy(group.abyBlock.data(), in.data, copied);
    in.data += copied;
    in.size -= copied;

    GroupBlock block;
    block.load(group);
    checkBlock(block);

    std::vector<GroupMember> rows;
    while (in.size > 0) {
        switch (in.byte() % 4) {
        case 0: {
            const qint32 kind = in.byte() % 3;
            const std::string address = in.text();
            const int before = block.length();
            const GroupBlock::Result result = block.append(kind, address);
            check(result.ok ? block.bytes().back() == 0x70 : block.length() == before);
            if (result.ok)
                rows.push_back({kind, address});
            break;
        }
        case 1:
            if (!rows.empty())
                rows.erase(rows.begin() + in.byte() % rows.size());
            if (block.rebuild(rows).ok && rows.empty())
                check(block.length() == 1);
            break;
        case 2:
            block.store(group);
            check(group.nBlockLength == block.length());
            check(group.abyBlock[size_t(group.nBlockLength - 1)] == 0);
            break;
        default: {
            const GroupBlock before = block;
            block.load(before.stored());
            if (before.length() >= 4)
                check(std::equal(block.bytes().begin(), block.bytes().end(), before.bytes().begin(),
                                 before.bytes().end()));
            else
                check(block.length() == 1 && block.bytes()[0] == 0x15);
            break;
        }
        }
        checkBlock(block);
    }
    return 0;
}
