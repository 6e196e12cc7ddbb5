// Whatever bytes a drop brings: decoding never reads past them, never allocates more than
// they can hold, and what it accepts encodes back to the same bytes.

#include "messages/models/messagedrag.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<MessageDrag> drag = MessageDrag::decode(bytes);
    if (drag && drag->encode() != bytes)
        std::abort();
    return 0;
}
