#include "messages/core/folderdb.h"

#include "platform/atomicfile.h"
#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace folderdb {

namespace {

// Field names in file order, for error texts.
constexpr const char* kFieldNames[] = {
    "strName",    "nReserved", "strParentName", "nKind",     "nFolderId", "nParentId", "nCount",
    "nMessageId", "strText",   "strDate",       "strOrigin", "strTitle",  "strHeader", "strAddress",
};

constexpr quint8 kLongMarker = 0xFF;    // a 16-bit length follows
constexpr quint16 kWideMarker = 0xFFFE; // never written: no wide text in this file
constexpr quint16 kHugeMarker = 0xFFFF; // a 32-bit length follows
constexpr size_t kShortLimit = 0xFF;    // lengths below this take one byte
constexpr size_t kMediumLimit = 0xFFFE; // lengths below this take 0xFF and 16 bits

// --- reading ------------------------------------------------------------------------------

enum class Status
{
    Ok,
    Short,
    BadMarker,
    PastEnd // a length that reaches beyond the end of the whole file
};

// A window over the bytes of a database: the whole of them when they are in memory, or a
// buffer that refill() moves along a file. Offsets are from the start of the file.
class Reader
{
public:
    Reader(const char* data, qint64 size)
        : m_begin(reinterpret_cast<const uchar*>(data)), m_pos(m_begin),
          m_end(m_begin + (size > 0 ? size : 0)), m_fileSize(size > 0 ? size : 0)
    {
        m_texts.expect(static_cast<size_t>(m_fileSize));
    }

    explicit Reader(QIODevice* device)
        : m_device(device), m_begin(nullptr), m_pos(nullptr), m_end(nullptr),
          m_fileSize(device->isSequential() ? -1 : device->size())
    {
        if (m_fileSize >= 0)
            m_texts.expect(static_cast<size_t>(m_fileSize));
    }

    // The size of the whole file, or where the bytes read so far end when it is unknown.
    qint64 fileEnd() const { return m_fileSize >= 0 ? m_fileSize : endOffset(); }

    qint64 offset() const { return m_base + (m_pos - m_begin); }
    qint64 endOffset() const { return m_base + (m_end - m_begin); }
    bool ioFailed() const { return m_ioFailed; }
    void seek(qint64 offset) { m_pos = m_begin + (offset - m_base); }

    // Brings in more of the file, keeping what lies from keepFrom on. False at the end of
    // the file (or on a read error). The buffer grows only when one record does not fit in
    // it, and only as far as the bytes really there, so a huge length allocates nothing.
    bool refill(qint64 keepFrom)
    {
        if (!m_device || m_atEnd)
            return false;
        const qint64 position = offset();
        const size_t keep = static_cast<size_t>(endOffset() - keepFrom);
        if (m_buffer.empty() || keep * 2 > m_buffer.size()) {
            size_t grown = std::max(kReadChunk, m_buffer.size() * 2);
            const qint64 left = m_device->size() - m_device->pos();
            if (!m_device->isSequential() && left >= 0)
                grown = std::min(grown, keep + static_cast<size_t>(left) + 1);
            grown = std::max(grown, keep + 1);
            std::vector<char> bigger(grown);
            if (keep > 0)
                std::memcpy(bigger.data(), m_begin + (keepFrom - m_base), keep);
            m_buffer.swap(bigger);
        } else if (keep > 0) {
            std::memmove(m_buffer.data(), m_begin + (keepFrom - m_base), keep);
        }
        size_t filled = keep;
        while (filled < m_buffer.size()) {
            const qint64 n = m_device->read(m_buffer.data() + filled,
                                            static_cast<qint64>(m_buffer.size() - filled));
            if (n <= 0) {
                m_atEnd = true;
                m_ioFailed = n < 0;
                break;
            }
            filled += static_cast<size_t>(n);
        }
        m_base = keepFrom;
        m_begin = reinterpret_cast<const uchar*>(m_buffer.data());
        m_end = m_begin + filled;
        seek(position);
        return filled > keep;
    }

    Status u32(quint32& value)
    {
        if (m_end - m_pos < 4)
            return Status::Short;
        value = qFromLittleEndian<quint32>(m_pos);
        m_pos += 4;
        return Status::Ok;
    }

    Status i32(qint32& value)
    {
        if (m_end - m_pos < 4)
            return Status::Short;
        value = qFromLittleEndian<qint32>(m_pos);
        m_pos += 4;
        return Status::Ok;
    }

    // A length is checked against the bytes there before anything is allocated, and
    // against the rest of the file before more of it is buffered. Texts are packed into
    // blocks shared with the other texts of the load.
    Status string(RecordText& text, quint64* claimed)
    {
        const uchar* const start = m_pos;
        if (m_end - m_pos < 1)
            return Status::Short;
        quint64 length = *m_pos++;
        if (length == kLongMarker) {
            if (m_end - m_pos < 2)
                return rewind(start, Status::Short);
            length = qFromLittleEndian<quint16>(m_pos);
            m_pos += 2;
            if (length == kWideMarker)
                return rewind(start, Status::BadMarker);
            if (length == kHugeMarker) {
                if (m_end - m_pos < 4)
                    return rewind(start, Status::Short);
                length = qFromLittleEndian<quint32>(m_pos);
                m_pos += 4;
            }
        }
        *claimed = length;
        if (m_fileSize >= 0 && static_cast<quint64>(m_fileSize - offset()) < length)
            return rewind(start, Status::PastEnd);
        if (static_cast<quint64>(m_end - m_pos) < length)
            return rewind(start, Status::Short);
        text = m_texts.pack({reinterpret_cast<const char*>(m_pos), static_cast<size_t>(length)});
        m_pos += length;
        return Status::Ok;
    }

private:
    static constexpr size_t kReadChunk = size_t(4) << 20;

    Status rewind(const uchar* to, Status status)
    {
        m_pos = to;
        return status;
    }

    QIODevice* m_device = nullptr;
    std::vector<char> m_buffer;
    TextPacker m_texts;
    qint64 m_base = 0; // file offset of m_begin
    const uchar* m_begin;
    const uchar* m_pos;
    const uchar* m_end;
    qint64 m_fileSize; // -1: not known
    bool m_atEnd = false;
    bool m_ioFailed = false;
};

// Reads one record in file order. On failure, field is the index of the field that could
// not be read, and the reader stands at its first byte; claimed is the last length read.
Status readRecord(Reader& in, MessageRecord& r, int& field, quint64& claimed)
{
    Status s = Status::Ok;
    auto str = [&](RecordText& text) {
        if (s == Status::Ok) {
            s = in.string(text, &claimed);
            if (s == Status::Ok)
                ++field;
        }
    };
    auto num = [&](qint32& value) {
        if (s == Status::Ok) {
            s = in.i32(value);
            if (s == Status::Ok)
                ++field;
        }
    };
    field = 0;
    str(r.strName);
    num(r.nReserved);
    str(r.strParentName);
    num(r.nKind);
    num(r.nFolderId);
    num(r.nParentId);
    num(r.nCount);
    num(r.nMessageId);
    str(r.strText);
    str(r.strDate);
    str(r.strOrigin);
    str(r.strTitle);
    str(r.strHeader);
    str(r.strAddress);
    return s;
}

// Reads header, count and records, appending each record as soon as it is whole, so that
// damage keeps everything before it.
ReadResult readAll(Reader& in, RecordList& records)
{
    records.clear();
    ReadResult result;
    result.found = true;

    qint32 count = 0;
    for (;;) {
        in.seek(0);
        if (in.u32(result.header) == Status::Ok && in.i32(count) == Status::Ok)
            break;
        if (!in.refill(0)) {
            result.errorOffset = in.offset();
            result.error =
                QCoreApplication::translate("messages::folderdb",
                                            "The folder database is cut short: the file ends at "
                                            "byte %1, inside its header (at byte %2).")
                    .arg(in.endOffset())
                    .arg(in.offset());
            return result;
        }
    }
    // A count below 1 means no records, whatever follows.
    for (qint32 i = 0; i < count; ++i) {
        MessageRecord& record = records.emplace_back();
        const qint64 start = in.offset();
        int field = 0;
        quint64 claimed = 0;
        Status s = Status::Ok;
        for (;;) {
            s = readRecord(in, record, field, claimed);
            if (s != Status::Short || !in.refill(start))
                break;
            in.seek(start);
        }
        if (s == Status::Ok)
            continue;
        records.pop_back();
        result.errorOffset = in.offset();
        const QString where =
            QCoreApplication::translate(
                "messages::folderdb", "record %1 of %2 (starting at byte %3), field %4 at byte %5")
                .arg(i + 1)
                .arg(count)
                .arg(start)
                .arg(QLatin1String(kFieldNames[field]))
                .arg(in.offset());
        if (s == Status::Short) {
            result.error = QCoreApplication::translate(
                               "messages::folderdb",
                               "The folder database is cut short: the file ends at byte %1, "
                               "inside %2. The %n records before it were read.",
                               nullptr, i)
                               .arg(in.endOffset())
                               .arg(where);
        } else if (s == Status::PastEnd) {
            result.error = QCoreApplication::translate(
                               "messages::folderdb",
                               "The folder database is damaged or cut short: %1 claims %2 "
                               "bytes, but the file ends at byte %3. The %n records before it "
                               "were read.",
                               nullptr, i)
                               .arg(where)
                               .arg(claimed)
                               .arg(in.fileEnd());
        } else {
            result.error = QCoreApplication::translate(
                               "messages::folderdb",
                               "The folder database is damaged: %1 has a length this file "
                               "cannot hold. The %n records before it were read.",
                               nullptr, i)
                               .arg(where);
        }
        return result;
    }
    result.ok = true;
    return result;
}

// --- writing ------------------------------------------------------------------------------

size_t stringSize(const RecordText& s)
{
    const size_t prefix = s.size() < kShortLimit ? 1 : s.size() < kMediumLimit ? 3 : 7;
    return prefix + s.size();
}

// Bytes of one record in the file. A record text is always shorter than the format's
// longest string (4 GB).
size_t recordSize(const MessageRecord& r)
{
    size_t total = 6 * 4;
    for (const RecordText* s : {&r.strName, &r.strParentName, &r.strText, &r.strDate, &r.strOrigin,
                                &r.strTitle, &r.strHeader, &r.strAddress})
        total += stringSize(*s);
    return total;
}

char* putU32(char* at, quint32 value)
{
    qToLittleEndian(value, at);
    return at + 4;
}

char* putI32(char* at, qint32 value)
{
    return putU32(at, static_cast<quint32>(value));
}

char* putString(char* at, const RecordText& text)
{
    const size_t n = text.size();
    if (n < kShortLimit) {
        *at++ = static_cast<char>(n);
    } else if (n < kMediumLimit) {
        *at++ = static_cast<char>(kLongMarker);
        qToLittleEndian(static_cast<quint16>(n), at);
        at += 2;
    } else {
        *at++ = static_cast<char>(kLongMarker);
        qToLittleEndian(kHugeMarker, at);
        at = putU32(at + 2, static_cast<quint32>(n));
    }
    if (n > 0)
        std::memcpy(at, text.data(), n);
    return at + n;
}

// Writes recordSize(r) bytes.
char* putRecord(char* at, const MessageRecord& r, const RecordNumbers& numbers)
{
    at = putString(at, r.strName);
    at = putI32(at, r.nReserved);
    at = putString(at, r.strParentName);
    at = putI32(at, r.nKind);
    at = putI32(at, numbers.nFolderId);
    at = putI32(at, numbers.nParentId);
    at = putI32(at, r.nCount);
    at = putI32(at, numbers.nMessageId);
    at = putString(at, r.strText);
    at = putString(at, r.strDate);
    at = putString(at, r.strOrigin);
    at = putString(at, r.strTitle);
    at = putString(at, r.strHeader);
    return putString(at, r.strAddress);
}

RecordNumbers ownNumbers(const MessageRecord& r)
{
    return {r.nFolderId, r.nParentId, r.nMessageId};
}

char* putRecord(char* at, const MessageRecord& r)
{
    return putRecord(at, r, ownNumbers(r));
}

char* putHeader(char* at, quint32 header, size_t count)
{
    return putI32(putU32(at, header), static_cast<qint32>(count));
}

bool writeAll(QIODevice& device, const char* data, size_t n)
{
    while (n > 0) {
        const qint64 written = device.write(data, static_cast<qint64>(n));
        if (written <= 0)
            return false;
        data += written;
        n -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

QString databasePath(const QString& folder)
{
    return QDir(folder).filePath(QLatin1String(BASE_NAME) + QLatin1String(".psf"));
}

ReadResult readBytes(const char* data, qint64 size, RecordList& records)
{
    Reader in(data, size);
    return readAll(in, records);
}

ReadResult readFile(const QString& path, RecordList& records)
{
    ReadResult result;
    if (!QFileInfo::exists(path)) {
        result.ok = true; // no file is a first run, not a fault
        return result;
    }
    result.found = true;
    records.clear();
    auto unreadable = [&](const QString& why) {
        result.unreadable = true;
        result.error = QCoreApplication::translate("messages::folderdb",
                                                   "The folder database %1 cannot be read: %2")
                           .arg(QDir::toNativeSeparators(path), why);
        return result;
    };
    // A pipe or a device would be read without end: it is refused before it is opened.
    const QString refused = platform::checkInputFile(path);
    if (!refused.isEmpty())
        return unreadable(refused);
    QFile file(path);
    // Read only: a database we may not write is still worth reading.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return unreadable(file.errorString());
    // Large reads into one buffer that moves along the file: the file is never held whole
    // beside the records made from it.
    Reader in(&file);
    in.refill(0);
    result = readAll(in, records);
    if (in.ioFailed()) {
        result.ok = false;
        result.unreadable = true;
        result.error =
            QCoreApplication::translate("messages::folderdb",
                                        "The folder database %1 cannot be read past byte %2: %3")
                .arg(QDir::toNativeSeparators(path))
                .arg(in.endOffset())
                .arg(file.errorString());
    }
    return result;
}

QByteArray toBytes(quint32 header, const RecordList& records)
{
    size_t size = 8;
    for (const MessageRecord& r : records)
        size += recordSize(r);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    char* at = putHeader(bytes.data(), header, records.size());
    for (const MessageRecord& r : records)
        at = putRecord(at, r);
    return bytes;
}

bool writeFile(const QString& path, quint32 header, const RecordList& records, QString* error,
               const RecordFilter& filter)
{
    auto fail = [&](const QString& why) {
        if (error) {
            *error = QCoreApplication::translate("messages::folderdb",
                                                 "The folder database %1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        }
        return false;
    };
    size_t count = records.size();
    if (filter.keep)
        count = static_cast<size_t>(std::count_if(records.begin(), records.end(), filter.keep));
    if (count > size_t(std::numeric_limits<qint32>::max()))
        return fail(QCoreApplication::translate(
            "messages::folderdb", "there are more records than the file format allows."));

    // The old file stays whole until the new one is complete on disk.
    QString why;
    const bool written = platform::writeFileAtomically(
        path,
        [&](QIODevice& file) {
            constexpr size_t kChunk = size_t(4) << 20;
            std::vector<char> buffer(kChunk);
            char* at = putHeader(buffer.data(), header, count);
            for (const MessageRecord& r : records) {
                if (filter.keep && !filter.keep(r))
                    continue;
                RecordNumbers numbers = ownNumbers(r);
                if (filter.renumber)
                    filter.renumber(r, numbers);
                const size_t n = recordSize(r);
                const size_t used = static_cast<size_t>(at - buffer.data());
                if (n > kChunk - used) {
                    if (!writeAll(file, buffer.data(), used))
                        return false;
                    at = buffer.data();
                    if (n > kChunk) { // a record larger than the buffer goes out on its own
                        std::vector<char> big(n);
                        putRecord(big.data(), r, numbers);
                        if (!writeAll(file, big.data(), n))
                            return false;
                        continue;
                    }
                }
                at = putRecord(at, r, numbers);
            }
            return writeAll(file, buffer.data(), static_cast<size_t>(at - buffer.data()));
        },
        &why);
    return written || fail(why);
}

QString setAside(const QString& path, QString* error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString base = path + QStringLiteral(".damaged-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    QFile file(path);
    if (!file.rename(target)) {
        if (error) {
            *error = QCoreApplication::translate(
                         "messages::folderdb",
                         "The damaged folder database %1 could not be moved aside: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return {};
    }
    return target;
}

} // namespace folderdb
