// Quillbox: the desktop companion of a two-way pager.

#include "app/quillboxapp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CQuillboxApp app;
    return app.run();
}
