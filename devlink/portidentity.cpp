#include "devlink/portidentity.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>
#include <QTimer>

#include <algorithm>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace devlink {

namespace {

QString canonical(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

bool sameDevices(const std::vector<PortDescription>& a, const std::vector<PortDescription>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PortDescription& x, const PortDescription& y) {
                          return x.device == y.device && portIdentity(x) == portIdentity(y);
                      });
}

} // namespace

std::vector<PortDescription> systemPorts()
{
    // The by-id links, by the device they point at.
    QHash<QString, QString> byId;
    const QDir links(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files))
        byId.insert(canonical(link.absoluteFilePath()), link.fileName());

    std::vector<PortDescription> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortDescription port;
        port.device = info.systemLocation();
        port.byIdName = byId.value(canonical(port.device));
        port.hasUsbIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber();
        out.push_back(std::move(port));
    }
    std::sort(out.begin(), out.end(), [](const PortDescription& a, const PortDescription& b) {
        return a.device < b.device;
    });
    return out;
}

QString portIdentity(const PortDescription& port)
{
    const QString usb =
        port.hasUsbIds ? QStringLiteral("usb:%1:%2:").arg(hex4(port.vendorId), hex4(port.productId))
                       : QString();
    if (!usb.isEmpty() && !port.serialNumber.isEmpty())
        return usb + port.serialNumber;
    if (!port.byIdName.isEmpty())
        return QStringLiteral("by-id:") + port.byIdName;
    return usb;
}

bool matchesIdentity(const PortDescription& port, const QString& identity)
{
    return !identity.isEmpty() && portIdentity(port) == identity;
}

QString followPort(const QString& identity, const QString& lastDevice,
                   const std::vector<PortDescription>& ports)
{
    if (identity.isEmpty())
        return {};
    QString found;
    int matches = 0;
    for (const PortDescription& port : ports) {
        if (!matchesIdentity(port, identity))
            continue;
        if (port.device == lastDevice)
            return lastDevice;
        found = port.device;
        ++matches;
    }
    // Two adapters of one kind without serial numbers: which one is the pager's cannot be
    // told, and the port stays where it was.
    return matches == 1 ? found : QString();
}

QString followedPortDevice(int n)
{
    if (platform::serialPortFromEnvironment(n))
        return platform::serialPortDevice(n);
    const QString identity = platform::storedSerialPortIdentity(n);
    if (!identity.isEmpty()) {
        const QString stored = platform::storedSerialPortDevice(n);
        const QString now = followPort(identity, stored, systemPorts());
        if (!now.isEmpty()) {
            if (now != stored)
                platform::storeSerialPortDevice(n, now, identity);
            return now;
        }
    }
    return platform::serialPortDevice(n);
}

std::optional<PortDescription> pagerAppeared(const std::vector<PortDescription>& before,
                                             const std::vector<PortDescription>& after,
                                             const QString& identity, const QString& device)
{
    for (const PortDescription& port : after) {
        const bool isPager = identity.isEmpty() ? canonical(port.device) == canonical(device)
                                                : matchesIdentity(port, identity);
        if (!isPager)
            continue;
        const bool wasThere =
            std::any_of(before.begin(), before.end(), [&](const PortDescription& old) {
                return old.device == port.device && portIdentity(old) == portIdentity(port);
            });
        if (!wasThere)
            return port;
    }
    return std::nullopt;
}

PortAccess portAccess(const QString& device)
{
    PortAccess access;
    struct stat info = {};
    if (::stat(QFile::encodeName(device).constData(), &info) == 0 && (info.st_mode & S_IRWXG)) {
        if (const group* owner = ::getgrgid(info.st_gid)) {
            access.group = QString::fromLocal8Bit(owner->gr_name);
            // In the group database, though this session does not have the group yet.
            if (const passwd* user = ::getpwuid(::getuid())) {
                int count = 64;
                std::vector<gid_t> groups(static_cast<size_t>(count));
                if (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
                    groups.resize(size_t(count));
                    ::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count);
                }
                groups.resize(size_t(std::max(count, 0)));
                access.userInGroup =
                    std::find(groups.begin(), groups.end(), info.st_gid) != groups.end();
            }
        }
    }
    for (const char* rule :
         {"/usr/lib/udev/rules.d/60-quillbox.rules", "/lib/udev/rules.d/60-quillbox.rules"})
        access.ruleInstalled = access.ruleInstalled || QFileInfo::exists(QLatin1String(rule));
    return access;
}

QString permissionReason(const PortAccess& access)
{
    if (access.group.isEmpty())
        return QCoreApplication::translate("devlink::ports", "you may not open it");
    if (access.userInGroup)
        return QCoreApplication::translate("devlink::ports",
                                           "it belongs to the group \"%1\", which you joined "
                                           "after you logged in")
            .arg(access.group);
    return QCoreApplication::translate(
               "devlink::ports", "it belongs to the group \"%1\", and you are not in that group")
        .arg(access.group);
}

QString permissionAdvice(const QString& device, const PortAccess& access)
{
    QString text = QCoreApplication::translate("devlink::ports", "You may not open %1: %2.")
                       .arg(device, permissionReason(access));
    if (!access.group.isEmpty()) {
        text += access.userInGroup
                    ? QCoreApplication::translate("devlink::ports", "\nLog out and in again.")
                    : QCoreApplication::translate("devlink::ports",
                                                  "\nAdd yourself to it (sudo adduser $USER %1), "
                                                  "then log out and in again.")
                          .arg(access.group);
    }
    if (access.ruleInstalled)
        text += QCoreApplication::translate(
            "devlink::ports", "\nOr unplug the pager's adapter and plug it in again: Quillbox's "
                              "device rule lets you open it from then on, if it names the "
                              "adapter (the README says how to add one).");
    return text;
}

bool permissionRefused(const QString& device)
{
    const QByteArray path = QFile::encodeName(device);
    return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
}

QString permissionProblem(const QString& device)
{
    return permissionRefused(device) ? permissionAdvice(device, portAccess(device)) : QString();
}

PortWatcher::PortWatcher(QObject* parent) : QObject(parent), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &PortWatcher::poll);
}

void PortWatcher::start(int intervalMs)
{
    if (!m_started)
        m_ports = systemPorts();
    m_started = true;
    m_timer->start(intervalMs);
}

void PortWatcher::stop()
{
    m_timer->stop();
}

void PortWatcher::poll()
{
    std::vector<PortDescription> now = systemPorts();
    if (sameDevices(m_ports, now))
        return;
    std::vector<PortDescription> before = std::exchange(m_ports, std::move(now));
    Q_EMIT portsChanged(before, m_ports);
}

} // namespace devlink
