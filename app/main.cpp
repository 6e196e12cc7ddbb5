// Quillbox: the desktop companion of a two-way pager.

#include "app/quillboxapp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    {
        // --help and --version answer before any window system is needed. Anything else
        // waits for the application object, which first takes out the options that are
        // its own (-platform, -style, ...).
        const QCoreApplication early(argc, argv);
        if (CQuillboxApp::asksForHelpOrVersion(QCoreApplication::arguments()))
            return CQuillboxApp::answerCommandLine(QCoreApplication::arguments());
    }
    QApplication application(argc, argv);
    CQuillboxApp app;
    return app.run();
}
