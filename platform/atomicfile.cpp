#include "platform/atomicfile.h"

#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace platform {

namespace {

// The device a writer writes to. It buffers small writes itself and hands them to the
// save file unbuffered, because a buffered save file drops the error of its last flush and
// commits a cut-off file as if it were whole. The first failure is kept; every write after
// it fails too.
class CheckedSink : public QIODevice
{
public:
    explicit CheckedSink(QSaveFile& file) : m_file(file)
    {
        m_buffer.reserve(kBufferSize);
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool failed() const { return m_failed; }

    // Writes out what is buffered.
    bool drain()
    {
        if (!m_failed && !m_buffer.empty())
            writeThrough(m_buffer.data(), static_cast<qint64>(m_buffer.size()));
        m_buffer.clear();
        return !m_failed;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_failed)
            return -1;
        const auto n = static_cast<size_t>(size);
        if (m_buffer.size() + n > kBufferSize) {
            if (!drain())
                return -1;
            if (n >= kBufferSize)
                return writeThrough(data, size) ? size : -1;
        }
        m_buffer.insert(m_buffer.end(), data, data + n);
        return size;
    }

private:
    static constexpr size_t kBufferSize = size_t(64) << 10;

    bool writeThrough(const char* data, qint64 size)
    {
        while (size > 0) {
            const qint64 written = m_file.write(data, size);
            if (written <= 0) {
                m_failed = true;
                setErrorString(m_file.errorString());
                return false;
            }
            data += written;
            size -= written;
        }
        return true;
    }

    QSaveFile& m_file;
    std::vector<char> m_buffer;
    bool m_failed = false;
};

// The file a write of path lands in: path itself, or the file at the end of its chain of
// symbolic links (which need not exist yet), so that the new file takes the target's place
// and the links stay.
QString linkTarget(const QString& path)
{
    QFileInfo file(path);
    // A loop of links is left to the check, which the system tells why.
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

} // namespace

bool writeFileAtomically(const QString& path, const FileWriter& writer, QString* error)
{
    auto fail = [&](QSaveFile& file, const QString& why) {
        file.cancelWriting();
        if (error)
            *error = why;
        return false;
    };
    const QString target = linkTarget(path);
    // Only a plain file is replaced: a pipe, a device or a socket renamed over would be gone
    // for whatever else uses it, and the writer would think it had reached it.
    if (const QString why = checkOutputFile(target); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    CheckedSink sink(file);
    const bool made = writer(sink);
    if (!sink.drain())
        return fail(file, sink.errorString());
    if (!made)
        return fail(
            file, QCoreApplication::translate("platform::files", "the contents could not be made"));
    // The save file syncs too but ignores a failure; a sync that fails here (a disk that
    // could not take the data after all) must not pass for a good write. A file system
    // that cannot sync at all is not an error.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return fail(file, QString::fromLocal8Bit(std::strerror(errno)));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes, QString* error)
{
    return writeFileAtomically(
        path,
        [bytes](QIODevice& out) { return out.write(bytes.data(), bytes.size()) == bytes.size(); },
        error);
}

} // namespace platform
