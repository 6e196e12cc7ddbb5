#pragma once
// The device link's worker thread: it owns the serial port and drives the program's side of
// the wire protocol. Nothing here is seen by the window thread except the events the worker
// posts to the relay; a finished download travels inside its finished event, so the worker
// never touches a list the window thread reads.

#include "contacts/core/addressbook.h"
#include "devlink/protocol/framelog.h"
#include "devlink/protocol/transferclient.h"
#include "devlink/transferrate.h"

#include "contacts/core/contactrecord.h"
#include "messages/core/messagerecord.h"

#include <QEvent>
#include <QObject>
#include <QSemaphore>
#include <QSerialPort>
#include <QString>
#include <QThread>
#include <QTimer>

#include <memory>
#include <vector>

namespace devlink {

// What a successful download brought, handed from the worker to the window thread.
struct TransferOutcome
{
    int nMode = 0;
    FolderNameSlots folderNames;
    std::vector<DeviceMessage> messages;
    std::vector<ContactRecord> contacts;
    std::vector<GroupRecord> groups;
    // The model the pager named when it was greeted (any completed transfer).
    QString model;
    // Why a transfer failed, in the system's words, where there is more to say than the
    // code (the device and the reason of a port that cannot be opened).
    QString detail;
};

// One progress event of a transfer on its way from the worker to the relay; the finished
// event of a download carries its outcome.
class WorkerEvent : public QEvent
{
public:
    WorkerEvent(int code, qint32 arg, std::unique_ptr<TransferOutcome> outcome = {});

    static QEvent::Type eventType();
    // Not a device notification: the bytes moved so far (rate), a few times a second.
    static constexpr int kRateCode = 100;

    int nCode;
    qint32 nArg;
    std::unique_ptr<TransferOutcome> outcome;
    TransferRate rate;
};

class SerialWorker : public QObject
{
public:
    // Events go to relay, which outlives the worker; every frame, and each transfer's
    // start and end, go to log.
    SerialWorker(QObject* relay, std::shared_ptr<protocol::FrameLog> log);
    ~SerialWorker() override;

    // 0 when the port is open, otherwise ErrPortCannotOpen; the device and rate are kept,
    // and a transfer tries the open again. An open port is closed first (a running transfer
    // ends with "connection lost").
    int openPort(const QString& device, int baud);
    void closePort();
    // Reports every outcome as events, from started to finished or failed.
    void startTransfer(int mode, int timeoutMs, const std::shared_ptr<AddressBookCopy>& upload);

private:
    bool tryOpen();
    void service();
    void schedule(qint64 now);
    void deliverEvents();
    void reportRate(qint64 now, bool last = false);
    void post(int code, qint32 arg, std::unique_ptr<TransferOutcome> outcome = {});
    void onPortError(QSerialPort::SerialPortError error);
    // Ends a running transfer, sends what the link still has to say and closes the port.
    void shutPort(int abortCode);

    QObject* m_relay;
    std::shared_ptr<protocol::FrameLog> m_log;
    QSerialPort* m_port;
    QTimer* m_timer;
    protocol::TransferClient m_client;
    QString m_device;
    int m_baud = 38400;
    bool m_wantOpen = false;
    QString m_openError; // "<device>: <the system's reason>" of the last failed open
    bool m_closeQueued = false;
    TransferRate m_rate;
    RateMeter m_rateMeter;
    qint64 m_startMs = 0;
    qint64 m_rateReportMs = 0;
};

// The thread whose whole life the worker shares: created, run and destroyed on it.
class WorkerThread : public QThread
{
public:
    WorkerThread(QObject* relay, std::shared_ptr<protocol::FrameLog> log);
    ~WorkerThread() override;

    // Starts the thread and returns once its worker exists.
    void startAndWait();
    // The worker, valid between startAndWait() and stop().
    SerialWorker* worker() const { return m_worker; }
    // Ends the event loop (a running transfer is abandoned) and joins the thread.
    void stop();

protected:
    void run() override;

private:
    QObject* m_relay;
    std::shared_ptr<protocol::FrameLog> m_log;
    SerialWorker* m_worker = nullptr;
    QSemaphore m_ready;
};

} // namespace devlink
