#include "platform/inputfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace platform {

namespace {

// Why a file of this kind is not one to read or write whole; empty for a regular file.
QString kindProblem(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("platform::files", "it is a folder");
    if (S_ISFIFO(info.st_mode))
        return QCoreApplication::translate("platform::files", "it is a pipe, not a file");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QCoreApplication::translate("platform::files", "it is a device, not a file");
    if (S_ISSOCK(info.st_mode))
        return QCoreApplication::translate("platform::files", "it is a socket, not a file");
    return QCoreApplication::translate("platform::files", "it is not a regular file");
}

} // namespace

QString checkInputFile(const QString& path, qint64 maxBytes)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (QString why = kindProblem(info); !why.isEmpty())
        return why;
    if (maxBytes >= 0 && info.st_size > maxBytes)
        return QCoreApplication::translate(
                   "platform::files",
                   "it is %1 bytes long, more than the %2 MB that are read at most")
            .arg(info.st_size)
            .arg(maxBytes >> 20);
    // Read permission is checked by opening; a folder that can be listed but a file that
    // cannot be read says "Permission denied" there.
    return {};
}

QString checkOutputFile(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return kindProblem(info);
    // A file not there yet is made; a link to nowhere makes its target.
    return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

bool isSameFile(const QString& a, const QString& b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace platform
