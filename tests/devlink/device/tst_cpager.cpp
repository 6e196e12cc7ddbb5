// CPager against a pager on a real pseudo-terminal: the three transfers end to end, a dead
// pager, a port that cannot be opened, and what the program sees
// of the public lists while and after a transfer runs.

#include "devlink/cpager.h"
#include "devlink/protocol/errors.h"
#include "tools/common/pagerimage.h"

#include "simpager.h"

#include <QTemporaryDir>
#include <QTest>

using namespace devlink::protocol;
using recordjson::Json;

namespace {

using Event = std::pair<int, qint32>;

PagerImage demoImage()
{
    return PagerImage::readFile(QUILLBOX_DEMO_PAGER);
}

// Everything the program may read of the pager object, in one comparable form.
Json publicData(const CPager& pager)
{
    PagerImage image;
    image.folderNames = pager.m_FolderNames;
    image.messages = pager.m_DeviceMessages;
    image.contacts = pager.m_DownloadedContacts.contacts;
    image.groups = pager.m_DownloadedContacts.groups;
    return image.toJson();
}

#define COMPARE_JSON(actual, expected)                                                             \
    QCOMPARE(QString::fromStdString((actual).dump()), QString::fromStdString((expected).dump()))

// The target of the device notifications, as the main frame is.
class Recorder : public QObject
{
public:
    explicit Recorder(const CPager& pager) : m_pager(pager) { m_before = publicData(pager); }

    std::vector<Event> events;
    Json atFinish;
    bool changedEarly = false;

    bool ended() const
    {
        return !events.empty() && (events.back().first == 3 || events.back().first == 4);
    }
    void reset()
    {
        events.clear();
        m_before = publicData(m_pager);
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != static_cast<QEvent::Type>(WM_PAGER_NOTIFY))
            return QObject::event(event);
        const auto* notify = static_cast<PagerNotifyEvent*>(event);
        events.emplace_back(int(notify->code()), notify->argument());
        if (notify->code() == PagerEvent::Finished)
            atFinish = publicData(m_pager);
        else if (publicData(m_pager) != m_before)
            changedEarly = true;
        return true;
    }

private:
    const CPager& m_pager;
    Json m_before;
};

std::vector<Event> expectedEvents(int mode, int count)
{
    std::vector<Event> events{{0, mode}, {1, count}};
    events.insert(events.end(), size_t(count), Event{2, 0});
    events.emplace_back(3, mode);
    return events;
}

void startLink(CPager& pager, QObject& target, const QString& device)
{
    pager.SetLevel(0);
    pager.SetPagerMode(0);
    QVERIFY(pager.CreateThread());
    pager.InitializePager(&target, 1);
    pager.SetCommTimeOut(300);
    pager.SetCommPort(device);
    pager.OpenCommPort(38400);
}

// Runs one transfer to its end.
void transfer(CPager& pager, Recorder& recorder, int mode)
{
    recorder.reset();
    QCOMPARE(pager.PagerControl(PagerMode(mode), 0), 0);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 20000);
}

const QStringList kPaced{QStringLiteral("--baud"), QStringLiteral("38400")};

} // namespace

class TestCPager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transfers();
    void deadPager();
    void portCannotOpen();
    void refusals();
    void destroyWhileRunning();
};

void TestCPager::transfers()
{
    const PagerImage image = demoImage();
    SimPager sim;
    QVERIFY(!sim.path().isEmpty());
    AddressBook book;
    CPager pager(book);
    Recorder recorder(pager);
    startLink(pager, recorder, sim.path());

    transfer(pager, recorder, 1);
    QVERIFY(recorder.events == expectedEvents(1, int(image.messages.size())));
    QVERIFY(!recorder.changedEarly);
    COMPARE_JSON(recorder.atFinish["messages"], image.messagesToJson());

    // The download's book is there at its end.
    transfer(pager, recorder, 2);
    QVERIFY(recorder.events == expectedEvents(2, int(image.contacts.size() + image.groups.size())));
    QVERIFY(!recorder.changedEarly);
    COMPARE_JSON(recorder.atFinish["addressBook"], image.addressBookToJson());

    // An upload sends the book as it was at PagerControl: a later edit is not part of it.
    PagerImage changed = image;
    changed.contacts.resize(3);
    changed.contacts[0].strNote = "uploaded";
    changed.groups.resize(1);
    QCOMPARE(book.replaceAll(changed.contacts, changed.groups), 0);
    recorder.reset();
    QCOMPARE(pager.PagerControl(PagerMode(5), 0), 0);
    book.m_AddressList.front()->strNote = "edited later";
    QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 20000);
    QVERIFY(recorder.events == expectedEvents(5, 4));

    transfer(pager, recorder, 2);
    COMPARE_JSON(recorder.atFinish["addressBook"], changed.addressBookToJson());
}

void TestCPager::deadPager()
{
    AddressBook book;
    CPager pager(book);
    Recorder recorder(pager);
    const Json before = publicData(pager);

    // A pager unplugged under a contacts download: the line is lost at once, and nothing
    // is handed back.
    SimPager dying(kPaced);
    startLink(pager, recorder, dying.path());
    QCOMPARE(pager.PagerControl(PagerMode(2), 0), 0);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.events.size() >= 3, 10000);
    QVERIFY(!recorder.ended());
    dying.kill();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 10000);
    // Not a time-out (that would be ErrNoAnswer): the lost line itself ends it.
    QCOMPARE(recorder.events.back(), Event(4, int(ErrConnectionLost)));
    COMPARE_JSON(publicData(pager), before);
}

void TestCPager::portCannotOpen()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("pager"));
    AddressBook book;
    CPager pager(book);
    Recorder recorder(pager);
    startLink(pager, recorder, link);
    // Not reported at start: the next transfer fails with it, after its start event.
    transfer(pager, recorder, 2);
    QVERIFY(recorder.events == (std::vector<Event>{{0, 2}, {4, ErrPortCannotOpen}}));

    // The open is tried again when the next transfer starts.
    SimPager sim({QStringLiteral("--link"), link});
    transfer(pager, recorder, 1);
    QCOMPARE(recorder.events.back(), Event(3, 1));
}

void TestCPager::refusals()
{
    SimPager sim(kPaced);
    AddressBook book;
    CPager pager(book);
    Recorder recorder(pager);
    QCOMPARE(pager.PagerControl(PagerMode(1), 0), int(ErrPortCannotOpen)); // no thread yet
    startLink(pager, recorder, sim.path());

    QCOMPARE(pager.PagerControl(PagerMode(3), 0), int(ErrUnknownMode));
    recorder.reset();
    QCOMPARE(pager.PagerControl(PagerMode(1), 0), 0);
    QCOMPARE(pager.PagerControl(PagerMode(5), 0), int(ErrBusy));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.ended(), 20000);
    QCOMPARE(recorder.events.back(), Event(3, 1));
    QCOMPARE(recorder.events.front(), Event(0, 1));

    // An address book the wire cannot carry is refused before anything starts.
    ContactRecord contact;
    contact.strNote = std::string(300, 'x');
    book.m_AddressList.push_back(std::make_unique<ContactRecord>(contact));
    QCOMPARE(pager.PagerControl(PagerMode(5), 0), int(ErrUnsendableRecord));
    QVERIFY(!pager.IsTransferRunning());
}

void TestCPager::destroyWhileRunning()
{
    const PagerImage image = demoImage();
    SimPager sim(kPaced);
    QObject target;
    AddressBook book;
    QCOMPARE(book.replaceAll(image.contacts, image.groups), 0);
    for (const int mode : {1, 2, 5}) {
        auto pager = std::make_unique<CPager>(book);
        startLink(*pager, target, sim.path());
        QCOMPARE(pager->PagerControl(PagerMode(mode), 0), 0);
        QTest::qWait(200);
        pager.reset();
    }
    // The pager is unharmed: the next program's download goes through.
    CPager pager(book);
    Recorder recorder(pager);
    startLink(pager, recorder, sim.path());
    transfer(pager, recorder, 1);
    QCOMPARE(recorder.events.back(), Event(3, 1));
}

QTEST_GUILESS_MAIN(TestCPager)
#include "tst_cpager.moc"
