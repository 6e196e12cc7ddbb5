#include "platform/keyboardcontextmenu.h"

#include "tests/platform/widgettest.h"

#include <QSignalSpy>
#include <QTableWidget>

class TestKeyboardContextMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A view with a header, scrolled, the mouse elsewhere: the request comes once, from the
    // viewport, at the current item; with none, near the top-left corner.
    void requestsTheViewsMenuAtTheCurrentItem_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("row"); // -1: an empty view, with no current item
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                   << 40;
        QTest::newRow("Menu") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << 3;
        QTest::newRow("no current item") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << -1;
    }
    void requestsTheViewsMenuAtTheCurrentItem()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, row);
        platform::KeyboardContextMenu filter;
        qApp->installEventFilter(&filter);
        QTableWidget view(row >= 0 ? 60 : 0, 3);
        view.setContextMenuPolicy(Qt::CustomContextMenu);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        if (row >= 0)
            view.setCurrentCell(row, 1);
        QSignalSpy requests(&view, &QWidget::customContextMenuRequested);

        QTest::keyClick(&view, Qt::Key(key), modifiers);
        QCOMPARE(requests.size(), 1);
        const QPoint at = requests[0][0].toPoint();
        if (row >= 0)
            QCOMPARE(at, view.visualRect(view.currentIndex()).center());
        else
            QVERIFY(QRect(0, 0, 8, 8).contains(at));
        // F10 alone and Shift+Menu are other keys.
        QTest::keyClick(&view, Qt::Key_F10);
        QTest::keyClick(&view, Qt::Key_Menu, Qt::ShiftModifier);
        QCOMPARE(requests.size(), 1);
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestKeyboardContextMenu)
#include "tst_keyboardcontextmenu.moc"
