// Feeds any bytes to the recovery copy's reader; what it accepts must write and read back
// the same.
#include "contacts/core/recoverycopy.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    recoverycopy::Contents contents;
    QString error;
    if (!recoverycopy::parse(bytes, &contents, &error)) {
        if (error.isEmpty())
            abort();
        return 0;
    }
    recoverycopy::Contents again;
    if (!recoverycopy::parse(recoverycopy::serialize(contents), &again, &error) ||
        again.contacts != contents.contacts || again.addressFile != contents.addressFile ||
        again.groups != contents.groups)
        abort();
    return 0;
}
