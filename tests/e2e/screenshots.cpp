// Takes the pictures that the README and the help show: the program, in a temporary home,
// against the demo pager: the Messages window after a download, a search, the Contacts
// window with the demo address book, and every window and dialog the help describes, each
// opened the way the user opens it wherever that can be done without a server.
//
//   quillbox-screenshots [--lang de|fr|en] [FOLDER]     (default: the current folder)
//
// Run it on a real X server (Xvfb will do) for the desktop's fonts and icons, with
// QT_QPA_PLATFORM=xcb. The pictures keep the same names in every language.

#include "programrun.h"
#include "tests/support/scripteddialogs.h"

#include "contacts/core/contactsync.h"
#include "contacts/widgets/addressdlgs.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactdlg.h"
#include "contacts/widgets/contactsdlg.h"
#include "contacts/widgets/contactshistorydlg.h"
#include "contacts/widgets/groupdlg.h"
#include "devlink/widgets/syncprogresswnd.h"
#include "frame/aboutdlg.h"
#include "frame/carddavaccountdlg.h"
#include "frame/findpagerdlg.h"
#include "frame/mainframe.h"
#include "frame/settingsdlg.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/rightview.h"
#include "messages/widgets/searchresultsview.h"
#include "platform/filedialogservice.h"
#include "platform/translation.h"

#include "../devlink/device/simpager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <functional>

namespace {

QDir g_out;
int g_failed = 0;

bool save(QWidget& window, const QString& name)
{
    // Everything laid out and painted before the picture is taken.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(50);
    }
    const QString path = g_out.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failed;
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    ++g_failed;
}

// Runs open(), which runs a modal dialog; once a dialog of type Dlg is the active modal
// one, prepare() may fill it in, its picture is taken and it is closed as by Esc. A dialog
// that does not come within the wait (or one of another type) is closed too and counted as
// a failure, so that the tool never hangs.
template <typename Dlg>
void pictureOfModal(const QString& name, const std::function<void()>& open,
                    const std::function<void(Dlg*)>& prepare = {})
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(1000);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, name, prepare] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dlg = qobject_cast<Dlg*>(modal);
        if (!dlg && --*tries >= 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (dlg) {
            if (prepare)
                prepare(dlg);
            save(*dlg, name);
            static_cast<QDialog*>(dlg)->reject(); // as Esc does; some make it protected
        } else {
            std::fprintf(stderr, "%s: the dialog did not come\n", qPrintable(name));
            ++g_failed;
            if (auto* other = qobject_cast<QDialog*>(modal))
                other->reject();
        }
    });
    timer->start(20);
    open();
}

// Shows the toolkit's file dialog the program asks for, takes its picture and cancels it.
class PictureFileDialogs : public platform::FileDialogService
{
public:
    explicit PictureFileDialogs(QString name) : m_name(std::move(name))
    {
        m_previous = platform::installFileDialogService(this);
    }
    ~PictureFileDialogs() override { platform::installFileDialogService(m_previous); }
    PictureFileDialogs(const PictureFileDialogs&) = delete;
    PictureFileDialogs& operator=(const PictureFileDialogs&) = delete;

    QString getFile(QWidget* parent, const platform::FileDialogRequest& request) override
    {
        const std::unique_ptr<QFileDialog> dlg =
            platform::QtFileDialogService::createFileDialog(parent, request);
        dlg->show();
        save(*dlg, m_name);
        dlg->reject();
        m_shown = true;
        return {};
    }
    QString getFolder(QWidget*, const platform::FolderDialogRequest&) override { return {}; }

    bool shown() const { return m_shown; }

private:
    QString m_name;
    bool m_shown = false;
    platform::FileDialogService* m_previous = nullptr;
};

// Selects rows of a view, the first one current.
void selectRows(QAbstractItemView& view, const std::vector<int>& rows)
{
    QItemSelectionModel* selection = view.selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(view.model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.empty())
        selection->setCurrentIndex(view.model()->index(rows.front(), 0),
                                   QItemSelectionModel::NoUpdate);
}

// The picture of a conflict review: the demo book as the base, one contact changed
// differently in Quillbox and on the pager, another deleted on the pager and changed in
// Quillbox. Quillbox cannot change the simulated pager's book, so the review is opened on
// such a merge instead of through a synchronize.
void pictureOfConflictReview(QWidget* parent, const AddressBookCopy& base)
{
    if (base.contacts.size() < 2) {
        fail("the demo address book has too few contacts for a conflict");
        return;
    }
    AddressBookCopy desktop = base;
    AddressBookCopy pager = base;
    desktop.contacts[0].strMobileNumber = "555-0143";
    pager.contacts[0].strMobileNumber = "555-0199";
    desktop.contacts[0].strCompany = "Harbour Supplies";
    pager.contacts[0].strCompany = "Harbour Supply Co.";
    desktop.contacts[1].strNote = "Call after six";
    pager.contacts.erase(pager.contacts.begin() + 1);
    const contactmerge::Result merged = contactsync::merge(
        base, desktop, contactsync::slotUids(desktop.contacts), pager);
    if (merged.conflicts().empty()) {
        fail("the merge for the conflict review has no conflicts");
        return;
    }
    CConflictReviewDlg dlg(merged, parent);
    dlg.resize(760, 320);
    dlg.show();
    save(dlg, QStringLiteral("conflict-review.png"));
}

} // namespace

int main(int argc, char** argv)
{
    e2e::useTemporaryHome();
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    // English unless asked otherwise, whatever the desktop speaks: the pictures of each
    // language's help are taken by name.
    QString language = QStringLiteral("en");
    if (const qsizetype lang = arguments.indexOf(QStringLiteral("--lang")); lang >= 0) {
        language = arguments.value(lang + 1);
        arguments.remove(lang, qMin<qsizetype>(2, arguments.size() - lang));
    }
    if (!platform::useLanguage(language)) {
        std::fprintf(stderr, "usage: quillbox-screenshots [--lang %s] [FOLDER]\n",
                     qPrintable(platform::availableLanguages().join(QLatin1Char('|'))));
        return 2;
    }
    g_out.setPath(arguments.isEmpty() ? QDir::currentPath() : arguments.constFirst());

    // Paced as a real line, so that the progress window is seen at work.
    SimPager pager({QStringLiteral("--baud"), QStringLiteral("38400")});
    if (pager.path().isEmpty()) {
        std::fputs("the pager simulator did not start\n", stderr);
        return 1;
    }
    qputenv("QUILLBOX_COM1", QFile::encodeName(pager.path()));

    platform::ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    if (!run.start({QStringLiteral("--lang"), language}))
        return 1;
    CMainFrame& frame = run.frame();
    frame.resize(1000, 680);
    if (!QTest::qWaitForWindowExposed(&frame))
        std::fputs("the window was not shown\n", stderr);

    // The progress window, once the download is well under way.
    bool progressTaken = false;
    QTimer progressWatch;
    QObject::connect(&progressWatch, &QTimer::timeout, [&] {
        CSyncProgressWnd& wnd = frame.progressWnd();
        QWidget* window = wnd.window();
        auto* bar = window ? window->findChild<QProgressBar*>() : nullptr;
        if (progressTaken || !window || !window->isVisible() || !bar ||
            bar->value() - bar->minimum() < (bar->maximum() - bar->minimum()) / 3)
            return;
        progressTaken = true;
        window->grab().save(g_out.filePath(QStringLiteral("progress-window.png")));
        std::printf("%s\n", qPrintable(g_out.filePath(QStringLiteral("progress-window.png"))));
    });
    progressWatch.start(30);
    frame.action(CMainFrame::ID_DOWNLOAD_MESSAGES)->trigger();
    if (!QTest::qWaitFor([&boxes] { return !boxes.requests.isEmpty(); }, 60000)) {
        std::fputs("the download did not end\n", stderr);
        return 1;
    }
    progressWatch.stop();
    if (!progressTaken)
        fail("the progress window was not seen");

    frame.OnViewMessages();
    run.selectFolder(run.pagerFolder(QStringLiteral("Inbox")));
    run.selectRows({1});
    run.list().setFocus();
    save(frame, QStringLiteral("messages-window.png"));

    {
        PictureFileDialogs dialogs(QStringLiteral("export-messages.png"));
        run.list().OnMessageExport();
        if (!dialogs.shown())
            fail("Export Messages did not ask for a file");
    }

    // A word that more than one message holds.
    CRightView& right = *frame.rightView();
    right.focusSearch();
    QTest::keyClicks(right.searchField(), QStringLiteral("tomorrow"));
    selectRows(*right.searchView(), {0});
    save(frame, QStringLiteral("messages-search.png"));
    QTest::keyClick(right.searchField(), Qt::Key_Escape);

    // The contacts transfer asks before it replaces the address book, and ends with a box of
    // its own once its finished event has been handled (the message download ended with the
    // same text, so only the boxes from here on count).
    const qsizetype before = boxes.requests.size();
    boxes.answers = {platform::MessageAnswer::Yes};
    frame.action(CMainFrame::ID_DOWNLOAD_CONTACTS)->trigger();
    if (!QTest::qWaitFor([&boxes, before] { return boxes.requests.size() >= before + 2; },
                         60000)) {
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
    save(frame, QStringLiteral("contacts-window.png"));

    selectRows(*contacts->list(), {0});
    pictureOfModal<CContactDlg>(QStringLiteral("contact-dialog.png"),
                            [&] { frame.action(CMainFrame::ID_EDIT_CONTACT)->trigger(); });

    const AddressBookCopy book = frame.book().snapshot();
    if (book.groups.empty()) {
        fail("the demo address book has no group");
    } else {
        CGroupDlg group(&frame);
        group.m_pBook = &frame.book();
        group.m_bEdit = 1;
        group.m_nGroupId = book.groups.front().nGroupId;
        group.show();
        save(group, QStringLiteral("group-dialog.png"));
        pictureOfModal<CAddressPickerDlg>(QStringLiteral("select-address.png"),
                                          [&] { group.OnSelectAddress(); });
        pictureOfModal<CAddressEntryDlg>(
            QStringLiteral("new-address.png"), [&] { group.OnNewEmail(); },
            [](CAddressEntryDlg* entry) {
                QTest::keyClicks(entry->addressEdit(), QStringLiteral("pat@example.org"));
            });
        group.reject();
    }

    pictureOfModal<CContactsHistoryDlg>(QStringLiteral("contacts-history.png"),
                            [&] { frame.action(CMainFrame::ID_CONTACTS_HISTORY)->trigger(); });
    pictureOfConflictReview(&frame, book);

    pictureOfModal<CCardDavAccountDlg>(
        QStringLiteral("carddav-account.png"),
        [&] { frame.action(CMainFrame::ID_CARDDAV_ACCOUNT)->trigger(); },
        [](CCardDavAccountDlg* dlg) {
            dlg->serverEdit()->setText(QStringLiteral("dav.example.org"));
            dlg->userEdit()->setText(QStringLiteral("pat"));
            dlg->passwordEdit()->setText(QStringLiteral("secret"));
        });

    pictureOfModal<CAboutDlg>(QStringLiteral("about-dialog.png"),
                            [&] { frame.action(CMainFrame::ID_APP_ABOUT)->trigger(); });

    // Settings, and Find... from it: the search greets every port and finds the demo pager.
    pictureOfModal<CSettingsDlg>(
        QStringLiteral("settings-dialog.png"), [&] { frame.OnSettings(); },
        [](CSettingsDlg* settings) {
            // The temporary home's folder would show; the help shows the usual one.
            if (auto* path = settings->findChild<QLineEdit*>(QStringLiteral("path")))
                path->setText(QStringLiteral("/home/pat/.local/share/Quillbox/Quillbox"));
            pictureOfModal<CFindPagerDlg>(
                QStringLiteral("find-pager.png"), [settings] { settings->OnButtonFind(); },
                [](CFindPagerDlg* find) {
                    auto* bar = find->findChild<QProgressBar*>();
                    if (!QTest::qWaitFor(
                            [bar] { return !bar || bar->value() == bar->maximum(); }, 20000))
                        fail("the search for the pager did not end");
                });
        });

    return g_failed == 0 ? 0 : 1;
}
