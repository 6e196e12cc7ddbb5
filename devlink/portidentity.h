#pragma once
// What names the pager's port across replugs. A USB serial adapter gets the next free
// ttyUSBn each time it is plugged in, so the port Find... chose is remembered by what the
// adapter says of itself (its USB vendor and product id and serial number, or its
// /dev/serial/by-id name) and followed when it comes back under another name. Also: what
// to tell a user whom the system does not let open a port, and noticing a pager plugged in
// while the program runs.

#include <QObject>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

class QTimer;

namespace devlink {

// A serial port as the system lists it.
struct PortDescription
{
    QString device;   // /dev/ttyUSB0
    QString byIdName; // its name under /dev/serial/by-id, when it has one
    bool hasUsbIds = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString serialNumber;
};

// The serial ports the system lists now, with their by-id names.
std::vector<PortDescription> systemPorts();

// The identity kept for a port: "usb:VVVV:PPPP:SERIAL" when the adapter has a serial number,
// else "by-id:NAME", else "usb:VVVV:PPPP:" (any adapter of that kind); empty for a port
// with nothing to tell it by (a built-in port, a pseudo-terminal).
QString portIdentity(const PortDescription& port);
bool matchesIdentity(const PortDescription& port, const QString& identity);

// Where the port with this identity is now, among ports: lastDevice while it still matches
// there, otherwise the one port that matches. Empty when none or several do (the caller
// keeps what it had).
QString followPort(const QString& identity, const QString& lastDevice,
                   const std::vector<PortDescription>& ports);

// COMn's device (n = 1..8) with the pager followed: QUILLBOX_COMn when set; else the port
// of the identity stored for COMn when the system lists it (the stored device is updated to
// it); else platform::serialPortDevice(n).
QString followedPortDevice(int n);

// A port that appeared between two listings and is the pager's: it matches identity, or,
// without one, it is device. nullopt when none did.
std::optional<PortDescription> pagerAppeared(const std::vector<PortDescription>& before,
                                             const std::vector<PortDescription>& after,
                                             const QString& identity, const QString& device);

// What the system says about a device the user may not open.
struct PortAccess
{
    QString group;              // the group that owns the device
    bool userInGroup = false;   // the user belongs to it (but not yet in this session)
    bool ruleInstalled = false; // the package's udev rule is on this system
};
PortAccess portAccess(const QString& device);
// Why the user may not open a device ("it belongs to the group ..."), and the whole advice:
// why, and how to mend it.
QString permissionReason(const PortAccess& access);
QString permissionAdvice(const QString& device, const PortAccess& access);
// The system refuses the user access to device (EACCES), rather than, say, it being busy.
bool permissionRefused(const QString& device);
// The advice when device cannot be opened for want of permission; empty when the user may
// open it (it is held by another program, say).
QString permissionProblem(const QString& device);

// Lists the system's ports about once a second and says when one appears.
class PortWatcher : public QObject
{
    Q_OBJECT

public:
    explicit PortWatcher(QObject* parent = nullptr);
    void start(int intervalMs = 1000);
    void stop();

Q_SIGNALS:
    // The ports before and after a change.
    void portsChanged(const std::vector<devlink::PortDescription>& before,
                      const std::vector<devlink::PortDescription>& after);

private:
    void poll();

    QTimer* m_timer;
    std::vector<PortDescription> m_ports;
    bool m_started = false;
};

} // namespace devlink
