#pragma once
// main() for a widget test. Without a display (a bare terminal, test discovery at build
// time) a QApplication aborts unless it is told to draw off screen, so it is told here
// whenever no platform was chosen.

#include <QApplication>
#include <QTest>

#define QUILLBOX_WIDGET_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
