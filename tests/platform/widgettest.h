#pragma once
// main() for a widget test. Without a display (a bare terminal, test discovery at build
// time) a QApplication aborts unless it is told to draw off screen, so it is told here
// whenever no platform was chosen.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#define QUILLBOX_WIDGET_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// Acts on the next modal dialog of type Dlg once its exec() runs. Any other modal dialog,
// or none, is closed after a while: a wrong guess fails the test instead of hanging it.
template <typename Dlg> void whenModal(std::function<void(Dlg*)> act, int tries = 500)
{
    auto* timer = new QTimer;
    auto left = std::make_shared<int>(tries);
    QObject::connect(timer, &QTimer::timeout, [timer, left, act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dlg = qobject_cast<Dlg*>(modal);
        if (dlg || --*left < 0) {
            timer->stop();
            timer->deleteLater();
            if (dlg)
                act(dlg);
            else if (modal)
                modal->close();
        }
    });
    timer->start(10);
}
