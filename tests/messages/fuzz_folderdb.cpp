// Any bytes must read without a crash, a hang or a huge allocation; what reads cleanly
// must write back to bytes that read to the same records.

#include "messages/core/folderdb.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RecordList records;
    const folderdb::ReadResult r = folderdb::readBytes(reinterpret_cast<const char*>(data),
                                                       static_cast<qint64>(size), records);
    if (!r.found || (!r.ok && (r.errorOffset < 0 || r.errorOffset > static_cast<qint64>(size))) ||
        (!r.ok && r.error.isEmpty()))
        std::abort();
    if (r.ok) {
        const QByteArray again = folderdb::toBytes(r.header, records);
        RecordList reread;
        const folderdb::ReadResult r2 =
            folderdb::readBytes(again.constData(), again.size(), reread);
        if (!r2.ok || r2.header != r.header || reread != records)
            std::abort();
    }
    return 0;
}
