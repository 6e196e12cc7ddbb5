// Feeds any bytes to the multistatus reader as a server's answer: it must end, keep no more
// than its limit, and give either responses with an href or an error, never both.
#include "carddav/multistatus.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    const carddav::Multistatus ms = carddav::parseMultistatus(body);
    if (!ms.error.isEmpty() && !ms.responses.empty())
        abort();
    if (ms.responses.size() > size_t(carddav::kMaxResponses))
        abort();
    for (const carddav::DavResponse& r : ms.responses) {
        if (r.href.isEmpty())
            abort();
    }
    carddav::davErrorCondition(body);
    return 0;
}
