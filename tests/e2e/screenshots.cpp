// Takes the pictures of the two presentations that the README and the help show: the
// program, in a temporary home, after a download from the demo pager, with the Inbox and
// one of its messages selected, and then the demo address book, downloaded too, with its
// Contacts folder listed.
//
//   quillbox-screenshots [FOLDER]     (default: the current folder)
//
// Run it on a real X server (Xvfb will do) for the desktop's fonts and icons.

#include "programrun.h"
#include "tests/support/scripteddialogs.h"

#include "contacts/widgets/contactsdlg.h"
#include "frame/mainframe.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightlistview.h"
#include "platform/messageboxservice.h"

#include "../devlink/device/simpager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>

namespace {

bool save(QWidget& window, const QString& path)
{
    // Everything laid out and painted before the picture is taken.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(50);
    }
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    e2e::useTemporaryHome();
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    SimPager pager;
    if (pager.path().isEmpty()) {
        std::fputs("the pager simulator did not start\n", stderr);
        return 1;
    }
    qputenv("QUILLBOX_COM1", QFile::encodeName(pager.path()));

    platform::ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    if (!run.start())
        return 1;
    CMainFrame& frame = run.frame();
    frame.resize(1000, 680);
    if (!QTest::qWaitForWindowExposed(&frame))
        std::fputs("the window was not shown\n", stderr);

    frame.action(CMainFrame::ID_DOWNLOAD_MESSAGES)->trigger();
    if (!QTest::qWaitFor([&boxes] { return !boxes.requests.isEmpty(); }, 30000)) {
        std::fputs("the download did not end\n", stderr);
        return 1;
    }

    frame.OnViewMessages();
    run.selectFolder(run.pagerFolder(QStringLiteral("Inbox")));
    run.selectRows({1});
    run.list().setFocus();
    bool ok = save(frame, out.filePath(QStringLiteral("messages-window.png")));

    // The contacts transfer asks before it replaces the address book, and ends with a box of
    // its own once its finished event has been handled (the message download ended with the
    // same text, so only the boxes from here on count).
    const qsizetype before = boxes.requests.size();
    boxes.answers = {platform::MessageAnswer::Yes};
    frame.action(CMainFrame::ID_DOWNLOAD_CONTACTS)->trigger();
    if (!QTest::qWaitFor([&boxes, before] { return boxes.requests.size() >= before + 2; }, 30000) ||
        boxes.requests.constLast().text != QStringLiteral("Download Completed ! ")) {
        std::fputs("the contacts download did not end\n", stderr);
        return 1;
    }
    if (boxes.unexpected != 0) {
        std::fputs("an unexpected question came up\n", stderr);
        return 1;
    }

    frame.OnViewContacts();
    CContactsDlg* contacts = frame.contactsDlg();
    if (!contacts) {
        std::fputs("the Contacts window is missing\n", stderr);
        return 1;
    }
    contacts->tree()->setCurrentIndex(contacts->contactsRoot());
    if (contacts->list()->model()->rowCount() == 0) {
        std::fputs("the address book is empty after the download\n", stderr);
        return 1;
    }
    contacts->list()->setFocus();
    ok = save(frame, out.filePath(QStringLiteral("contacts-window.png"))) && ok;
    return ok ? 0 : 1;
}
