#include "tools/pager-sim/serialline.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const QString& what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

speed_t speedOf(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B0;
    }
}

// Raw 8N1 without flow control: XON/XOFF would stop the line at bytes 0x11 and 0x13, which
// frames carry like any other value.
bool makeRaw(int fd, speed_t speed)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return false;
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

bool setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

SerialLine::~SerialLine()
{
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SerialLine::openPseudoTerminal(QString* error)
{
    m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_fd < 0) {
        *error = systemError(QStringLiteral("cannot create a pseudo-terminal"));
        return false;
    }
    char name[128] = {};
    if (::grantpt(m_fd) != 0 || ::unlockpt(m_fd) != 0 ||
        ::ptsname_r(m_fd, name, sizeof name) != 0) {
        *error = systemError(QStringLiteral("cannot set up the pseudo-terminal"));
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    m_slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveFd < 0) {
        *error = systemError(m_path);
        return false;
    }
    // The raw mode belongs to the terminal, so it holds for the program's handle as well
    // until the program sets its own.
    if (!makeRaw(m_slaveFd, B38400) || !setNonBlocking(m_fd)) {
        *error = systemError(m_path);
        return false;
    }
    ::fcntl(m_fd, F_SETFD, FD_CLOEXEC);
    return true;
}

bool SerialLine::openDevice(const QString& path, int baud, QString* error)
{
    const speed_t speed = speedOf(baud);
    if (speed == B0) {
        *error = QStringLiteral("%1: %2 baud is not a standard rate of a serial port")
                     .arg(path)
                     .arg(baud);
        return false;
    }
    m_path = path;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0 || !::isatty(m_fd)) {
        *error = m_fd < 0 ? systemError(path) : QStringLiteral("%1: not a serial device").arg(path);
        return false;
    }
    if (!makeRaw(m_fd, speed)) {
        *error = systemError(path);
        return false;
    }
    // Whatever arrived before we listened belongs to no session of ours.
    ::tcflush(m_fd, TCIOFLUSH);
    return true;
}

bool LineSymlink::create(const QString& linkPath, const QString& target, QString* error)
{
    const QByteArray link = QFile::encodeName(linkPath);
    const QByteArray to = QFile::encodeName(target);
    struct stat st
    {
    };
    if (::lstat(link.constData(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        *error =
            QStringLiteral("%1: exists and is not a symbolic link; not replaced").arg(linkPath);
        return false;
    }
    // Made under a temporary name and renamed over the old link: the name never points
    // nowhere, and a stale link is replaced in one step.
    const QByteArray temporary = link + ".tmp-" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    if (::symlink(to.constData(), temporary.constData()) != 0) {
        *error = systemError(linkPath);
        return false;
    }
    if (::rename(temporary.constData(), link.constData()) != 0) {
        *error = systemError(linkPath);
        ::unlink(temporary.constData());
        return false;
    }
    m_link = link;
    m_target = to;
    return true;
}

void LineSymlink::remove()
{
    if (m_link.isEmpty())
        return;
    // Another simulator may have taken the name since: its link stays.
    char points[4096];
    const ssize_t length = ::readlink(m_link.constData(), points, sizeof points);
    if (length >= 0 && QByteArrayView(points, length) == m_target)
        ::unlink(m_link.constData());
    m_link.clear();
}
