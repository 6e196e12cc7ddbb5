#include "devlink/widgets/syncprogresswnd.h"

#include "tests/platform/widgettest.h"

#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();

// The main window stand-in: counts the keys and posted events that reach it.
class Owner : public QWidget
{
public:
    int keys = 0;
    int posted = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void customEvent(QEvent*) override { ++posted; }
};

QProgressBar* bar(const CSyncProgressWnd& wnd)
{
    return wnd.window()->findChild<QProgressBar*>(QStringLiteral("bar"));
}

bool centredOver(const QWidget* window, const QWidget* owner)
{
    // To within the window frame, which is only known once the window is shown.
    return (window->frameGeometry().center() - owner->frameGeometry().center()).manhattanLength() <=
           6;
}

} // namespace

class TestSyncProgressWnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<Owner> m_owner;
    std::unique_ptr<CSyncProgressWnd> m_wnd;

    CSyncProgressWnd& create(std::optional<QPoint> saved = std::nullopt)
    {
        m_wnd = std::make_unique<CSyncProgressWnd>();
        if (!m_wnd->Create(m_owner.get(), QStringLiteral("Quillbox"), true, saved))
            qFatal("not created");
        return *m_wnd;
    }

private Q_SLOTS:
    void init()
    {
        m_owner = std::make_unique<Owner>();
        m_owner->setGeometry(200, 100, 400, 300);
        m_owner->show();
    }
    void cleanup()
    {
        m_wnd.reset();
        m_owner.reset();
    }

    void percentages()
    {
        CSyncProgressWnd& wnd = create();
        wnd.Hide();
        QSignalSpy titles(wnd.window(), &QWidget::windowTitleChanged);
        wnd.Reset(); // still 0 %: the caption given at creation stays
        QVERIFY(wnd.window()->isVisible());
        wnd.SetRange(0, 3, 1);
        QCOMPARE(wnd.Step(), 0);
        wnd.SetPos(1); // the same percentage again
        for (int i = 0; i < 3; ++i)
            wnd.Step(); // the last one more than announced
        QStringList seen;
        for (const QList<QVariant>& args : titles)
            seen.append(args.at(0).toString());
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("Progress [33%]"), QStringLiteral("Progress [66%]"),
                              QStringLiteral("Progress [100%]")}));

        // A total of 0 is an empty bar, not a busy one.
        wnd.SetRange(0, 0, 1);
        QCOMPARE(bar(wnd)->maximum(), 1);

        // Huge counts neither overflow nor go past the top.
        const qint32 min = std::numeric_limits<qint32>::min();
        const std::vector<std::array<qint32, 4>> cases{
            // position, lower, upper, percent
            {kMax - 1, 0, kMax, 99}, {kMax, min, kMax, 49}, {3, 5, 2, 0},
            {4, 0, 3, 100},          {5, 0, 0, 0},          {-4, 0, 10, 0}};
        for (const auto& [pos, lower, upper, percent] : cases)
            QCOMPARE(CSyncProgressWnd::PercentFor(pos, lower, upper), percent);
        wnd.SetRange(0, kMax, kMax);
        wnd.SetPos(kMax - 1);
        wnd.Step(); // no overflow past the top
        QCOMPARE(wnd.GetPos(), kMax);
        QCOMPARE(bar(wnd)->value(), kMax);
    }

    void placedFromXAndYOrCentred()
    {
        QCOMPARE(create(QPoint(30, 40)).window()->pos(), QPoint(30, 40));
        m_wnd->window()->move(50, 60); // the user drags it
        QCOMPARE(m_wnd->SavedPosition(), std::optional<QPoint>(QPoint(50, 60)));

        const QSize screen = QGuiApplication::primaryScreen()->size();
        for (const std::optional<QPoint> saved :
             {std::optional<QPoint>(), std::optional<QPoint>(QPoint(screen.width(), 0)),
              std::optional<QPoint>(QPoint(0, screen.height()))})
            QVERIFY(centredOver(create(saved).window(), m_owner.get()));

        // Never moved by the user: it follows the main window and has no place to keep.
        m_wnd->Hide();
        m_owner->move(260, 150);
        m_wnd->Show();
        QVERIFY(centredOver(m_wnd->window(), m_owner.get()));
        QVERIFY(!m_wnd->SavedPosition());
    }

    void escCancelsThePumpingUntilReset()
    {
        CSyncProgressWnd& wnd = create();
        wnd.Reset();
        wnd.SetRange(0, 10, 1);
        const auto post = [this](QEvent::Type type) {
            QCoreApplication::postEvent(m_owner.get(), type == QEvent::KeyPress
                                                           ? new QKeyEvent(type, Qt::Key_Escape, {})
                                                           : new QEvent(type));
        };
        post(QEvent::KeyPress);
        wnd.PumpMessages(false); // Esc is an ordinary key then
        QCOMPARE(m_owner->keys, 1);
        QVERIFY(!wnd.IsCancelled());

        post(QEvent::KeyPress);
        wnd.Step();
        wnd.PumpMessages(true);
        QVERIFY(wnd.IsCancelled());
        QVERIFY(!wnd.window()->isVisible());
        QCOMPARE(m_owner->keys, 1); // the Esc went to the transfer only

        post(QEvent::User);
        wnd.Step(); // still moves the bar and shows the window
        wnd.PumpMessages(true);
        QCOMPARE(m_owner->posted, 0);
        QVERIFY(wnd.window()->isVisible());
        QCOMPARE(wnd.GetPos(), 2);
        wnd.Reset();
        wnd.PumpMessages(true);
        QCOMPARE(m_owner->posted, 1);
    }

    void escInADialogOpenedInsideThePumpIsTheDialogs()
    {
        CSyncProgressWnd& wnd = create();
        wnd.Reset();
        // What the pump handles opens a modal box, as a finished transfer or an error does.
        int result = -1;
        QTimer::singleShot(0, m_owner.get(), [this, &result] {
            QDialog box(m_owner.get());
            QTimer::singleShot(0, &box, [&box] {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, {});
                QApplication::sendEvent(box.focusWidget() ? box.focusWidget() : &box, &esc);
            });
            // A box the Esc never reached is closed after a while, so the test ends.
            QTimer::singleShot(5000, &box, [&box] { box.done(42); });
            result = box.exec();
        });
        wnd.PumpMessages(true);
        QTRY_VERIFY(result != -1);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!wnd.IsCancelled());
    }

    void longTextAndAWindowThatIsGone()
    {
        // Text beyond 511 characters is cut; the window keeps its size.
        CSyncProgressWnd& wnd = create();
        auto* text = wnd.window()->findChild<QLabel*>(QStringLiteral("text"));
        const QSize size = wnd.window()->size();
        wnd.SetText(QString(600, QLatin1Char('x')));
        QCOMPARE(text->text().size(), 511);
        QCOMPARE(wnd.window()->size(), size);

        const qint32 pos = wnd.GetPos();
        m_owner.reset(); // the frame takes its window along
        QVERIFY(!wnd.Exists());
        wnd.Reset();
        QCOMPARE(wnd.Step(), pos);
        QCOMPARE(wnd.GetPos(), pos);
        wnd.PumpMessages(true);
        QVERIFY(!wnd.SavedPosition());
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestSyncProgressWnd)
#include "tst_syncprogresswnd.moc"
