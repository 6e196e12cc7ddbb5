// The synchronisation driver: what each device event does to the progress window and what
// it hands on, and the order in which it handles events that come in while it pumps.

#include "frame/syncdriver.h"
#include "tests/support/scripteddialogs.h"

#include "devlink/protocol/errors.h"
#include "platform/messageboxservice.h"
#include "platform/settings.h"
#include "tests/platform/widgettest.h"

#include <QLabel>
#include <QSignalSpy>

using platform::ScriptedMessageBoxes;

class TestSyncDriver : public QObject
{
    Q_OBJECT

    Settings m_settings;
    QWidget m_frame;
    AddressBook m_book;
    std::unique_ptr<CPager> m_pager;
    std::unique_ptr<CSyncDriver> m_driver;

    QString text() const
    {
        return m_driver->progressWnd().window()->findChild<QLabel*>(QStringLiteral("text"))->text();
    }
    void notify(PagerEvent code, qint32 argument) { m_driver->OnPagerNotify(code, argument); }
    void notify(PagerEvent code, PagerMode mode) { notify(code, static_cast<qint32>(mode)); }

private Q_SLOTS:
    void init()
    {
        // No pager behind the port: nothing here starts a transfer.
        qputenv("QUILLBOX_COM1", "/nonexistent/quillbox-test-port");
        m_pager = std::make_unique<CPager>(m_book);
        m_driver = std::make_unique<CSyncDriver>(*m_pager, m_settings, &m_frame);
        m_driver->StartDeviceLink();
    }
    void cleanup()
    {
        m_driver.reset();
        m_pager.reset();
    }

    void eventsDriveTheProgressWindow()
    {
        ScriptedMessageBoxes boxes;
        QWidget* window = m_driver->progressWnd().window();
        QSignalSpy uploaded(m_driver.get(), &CSyncDriver::contactsUploaded);
        QSignalSpy downloaded(m_driver.get(), &CSyncDriver::messagesDownloaded);
        QSignalSpy emptied(m_driver.get(), &CSyncDriver::contactsDownloadFailed);

        // An upload of three: its texts, and the bar follows the steps (the captions are
        // the progress window's own test).
        notify(PagerEvent::Started, PagerMode::UploadContacts);
        QVERIFY(window->isVisible());
        QCOMPARE(text(), QStringLiteral("Upload Preparing..."));
        notify(PagerEvent::Count, 3);
        QCOMPARE(text(), QStringLiteral("Uploading..."));
        for (int i = 0; i < 3; ++i)
            notify(PagerEvent::Step, 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("Progress [100%]"));
        // A failed upload only tells the error; a failed contacts download also has the
        // address book shown again.
        notify(PagerEvent::Failed, devlink::protocol::ErrMemoryFull);
        QVERIFY(!window->isVisible());
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("The pager refuses: memory full.")});
        QCOMPARE(emptied.count(), 0);
        notify(PagerEvent::Started, PagerMode::DownloadContacts);
        QCOMPARE(text(), QStringLiteral("Download Preparing..."));
        notify(PagerEvent::Count, 0);
        QCOMPARE(text(), QStringLiteral("Downloading..."));
        notify(PagerEvent::Failed, devlink::protocol::ErrConnectionLost);
        QCOMPARE(emptied.count(), 1);

        // Codes outside 0..4 change nothing; a finish follows its own mode, not the one
        // announced last.
        notify(static_cast<PagerEvent>(5), 1);
        notify(static_cast<PagerEvent>(-1), 1);
        QCOMPARE(m_driver->transferMode(), qint32(PagerMode::DownloadContacts));
        notify(PagerEvent::Started, PagerMode::UploadContacts);
        notify(PagerEvent::Finished, PagerMode::DownloadMessages);
        QVERIFY(!window->isVisible());
        QCOMPARE(downloaded.count(), 1);
        QCOMPARE(uploaded.count(), 0);
        QCOMPARE(boxes.requests.size(), 2);
        QCOMPARE(boxes.unexpected, 0);
    }

    // The Contacts window's transfers start here too: one that cannot start is told at
    // once, and its code handed back.
    void contactsTransfersThatCannotStart()
    {
        ScriptedMessageBoxes boxes;
        CPager idle(m_book); // its thread never started
        CSyncDriver driver(idle, m_settings, &m_frame);
        QCOMPARE(driver.DownloadContacts(), int(devlink::protocol::ErrPortCannotOpen));
        QCOMPARE(driver.UploadContacts(), int(devlink::protocol::ErrPortCannotOpen));
        QCOMPARE(boxes.texts(),
                 QStringList(2, QStringLiteral("The serial port cannot be opened.")));
    }

    void aFinishDuringThePumpWaitsForItsEnd()
    {
        // The finish of a transfer shows a box; its loop must not run inside the pump of a
        // step, whose Esc handling would take the box's keys.
        std::vector<bool> pumpingAtFinish;
        connect(m_driver.get(), &CSyncDriver::messagesDownloaded, this,
                [&] { pumpingAtFinish.push_back(m_driver->progressWnd().IsPumping()); });
        const auto post = [this](PagerEvent code, qint32 argument) {
            QCoreApplication::postEvent(m_driver.get(), new PagerNotifyEvent(code, argument));
        };
        post(PagerEvent::Started, 1);
        post(PagerEvent::Count, 2);
        post(PagerEvent::Step, 0);
        post(PagerEvent::Step, 0);
        post(PagerEvent::Finished, 1);
        QTRY_COMPARE(pumpingAtFinish.size(), size_t(1));
        QCOMPARE(pumpingAtFinish, std::vector<bool>{false});
        QCOMPARE(m_driver->progressWnd().GetPos(), 2);
    }

    void pagerPluggedIn()
    {
        // COM1's device (from the environment, so watched for by its name) appears.
        QSignalSpy plugged(m_driver.get(), &CSyncDriver::pagerPluggedIn);
        const devlink::PortDescription port{
            QStringLiteral("/nonexistent/quillbox-test-port"), {}, false, 0, 0, {}};
        devlink::PortWatcher& watcher = m_driver->portWatcher();
        Q_EMIT watcher.portsChanged({}, {port});
        QCOMPARE(plugged.count(), 1);
        QCOMPARE(plugged.at(0).at(0).toString(), port.device);
        // Another port, or the port while the Settings dialog has let it go: nothing.
        Q_EMIT watcher.portsChanged({}, {{QStringLiteral("/dev/ttyUSB9"), {}, false, 0, 0, {}}});
        m_driver->ReleasePort();
        Q_EMIT watcher.portsChanged({}, {port});
        QCOMPARE(plugged.count(), 1);
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestSyncDriver)
#include "tst_syncdriver.moc"
