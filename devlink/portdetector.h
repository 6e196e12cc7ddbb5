#pragma once
// Finding the pager: every candidate port is opened in turn on a thread of its own and
// greeted with the protocol's handshake (HELLO) under a short time-out. A port that answers
// gives the pager's identity; one that cannot be opened (held by another program, no such
// device), stays silent or answers something that is no pager is skipped with its reason.

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

class QSerialPort;

namespace devlink {

struct PortCandidate
{
    QString port;   // "COM1".."COM8", or empty for a device only the system lists
    QString device; // what is opened
    // What identifies its adapter across replugs (see portIdentity), empty when nothing does.
    QString identity;
};

struct ProbeResult
{
    PortCandidate candidate;
    bool answered = false;
    QString model;   // the pager's model ...
    QString version; // ... and version, from its identity
    QString reason;  // why it was skipped, when it did not answer
};

// COM1..COM8 with their devices (QUILLBOX_COMn, the stored mapping, /dev/ttyS<n-1>), then
// the serial devices the system lists that none of them names.
std::vector<PortCandidate> detectionCandidates();

// Whether two paths name one device (a link and its target, say).
bool sameDevice(const QString& a, const QString& b);

// The identity string a pager sends ("Quillbox Pager 2W v1.0") as model and version: the
// version is the last word when it starts with a digit or "v" and a digit.
std::pair<QString, QString> splitModelVersion(const std::string& identity);

// Opens a port to greet it: 38400 baud, 8N1, no flow control, its input emptied. Empty when
// it is open, otherwise why it could not be opened.
QString openForProbe(QSerialPort& port, const QString& device);

// The probe of one port, on the calling thread; returns within about a second, or sooner
// when `cancelled` becomes true.
ProbeResult probePort(const PortCandidate& candidate, int timeoutMs,
                      const std::atomic<bool>& cancelled);

// Probes a list of ports on its own thread, one after the other; its signals arrive on the
// thread that owns it.
class PortDetector : public QObject
{
    Q_OBJECT

public:
    explicit PortDetector(QObject* parent = nullptr);
    // Cancels a running search and waits for the port in hand (well under a second).
    ~PortDetector() override;

    // The link's time-out while probing; a silent port is given up after about four.
    static constexpr int kProbeTimeoutMs = 100;

    // Starts a search, unless one is on; a new one may start as soon as finished() is sent.
    void start(std::vector<PortCandidate> candidates);
    // The search stops after the port in hand; finished(true) follows.
    void cancel();
    // From start() until finished() is sent.
    bool isRunning() const;

Q_SIGNALS:
    // Before each port: its number from 0, of count.
    void probing(int index, int count, const QString& device);
    void probed(const devlink::ProbeResult& result);
    void finished(bool cancelled);

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    bool m_running = false; // read and written on the owner's thread only
};

} // namespace devlink
