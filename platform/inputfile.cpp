#include "platform/inputfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace platform {

QString checkInputFile(const QString& path, qint64 maxBytes)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("it is a pipe, not a file");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("it is a device, not a file");
    if (S_ISSOCK(info.st_mode))
        return QStringLiteral("it is a socket, not a file");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is not a regular file");
    if (maxBytes >= 0 && info.st_size > maxBytes)
        return QStringLiteral("it is %1 bytes long, more than the %2 MB that are read at most")
            .arg(info.st_size)
            .arg(maxBytes >> 20);
    // Read permission is checked by opening; a folder that can be listed but a file that
    // cannot be read says "Permission denied" there.
    return {};
}

} // namespace platform
