// Every window and dialog of the program, in English, German and French: each interactive
// widget shown has an accessible name and is in its window's tab chain, mnemonics do not
// clash (in a dialog, in one menu, among the menu bar's menus), and no button or window is
// smaller than it needs to be. Every failure is listed, one line each, before the test fails.

#include "../e2e/programrun.h"
#include "../devlink/device/simpager.h"
#include "tests/support/scripteddialogs.h"

#include "contacts/core/contacthistory.h"
#include "contacts/core/contactmerge.h"
#include "contacts/core/duplicatereview.h"
#include "contacts/widgets/addressdlgs.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactdlg.h"
#include "contacts/widgets/contactshistorydlg.h"
#include "contacts/widgets/duplicatereviewdlg.h"
#include "contacts/widgets/groupdlg.h"
#include "devlink/widgets/syncprogresswnd.h"
#include "frame/aboutdlg.h"
#include "frame/carddavaccountdlg.h"
#include "frame/findpagerdlg.h"
#include "frame/mainframe.h"
#include "frame/settingsdlg.h"
#include "messages/widgets/choosefolderdialog.h"
#include "messages/widgets/exportmessages.h"
#include "messages/widgets/rightlistview.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/translation.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <set>

namespace {

// The letter after a single '&', lower-cased; none for "&&" (a plain ampersand) or no '&'.
QChar mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

bool isInteractive(const QWidget* w)
{
    // Parts of another control that the control names: a combo box's editor, a spin box's,
    // the scroll bars and headers of a view, a table's corner button.
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
        qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w) ||
        w->inherits("QTableCornerButton"))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QMenuBar*>(w);
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

class Checker
{
public:
    QStringList failures;

    void setPlace(const QString& language, const QString& window)
    {
        m_place = language + QStringLiteral(", ") + window;
    }

    void checkWindow(QWidget* top)
    {
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        std::set<QWidget*> chain;
        QWidget* link = top;
        do {
            chain.insert(link);
            link = link->nextInFocusChain();
        } while (link && link != top && chain.size() < 5000);

        QList<QPair<QChar, QString>> keys; // the window's mnemonics, with whose they are
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : std::as_const(widgets)) {
            if (!w->isVisible() || w->window() != top)
                continue;
            if (isInteractive(w) && accessibleName(w).isEmpty())
                fail(w, QStringLiteral("no accessible name"));
            QWidget* focus = w->focusProxy() ? w->focusProxy() : w;
            if (w != top && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                !chain.count(focus))
                fail(w, QStringLiteral("not in the tab chain"));
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                // The file dialog's own tool buttons have the fixed size Qt gives them.
                const bool qtFixed = qobject_cast<QToolButton*>(w) && qobject_cast<QFileDialog*>(top);
                if (!qtFixed && (w->width() < w->minimumSizeHint().width() ||
                                 w->height() < w->minimumSizeHint().height()))
                    fail(w, QStringLiteral("clipped: %1x%2, needs %3x%4")
                                .arg(w->width())
                                .arg(w->height())
                                .arg(w->minimumSizeHint().width())
                                .arg(w->minimumSizeHint().height()));
                if (!qobject_cast<QToolBar*>(w->parentWidget()))
                    keys.append({mnemonic(button->text()), describe(w)});
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                keys.append({mnemonic(box->title()), describe(w)});
            } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
                keys.append({mnemonic(label->text()), describe(w)});
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int t = 0; t < tabs->count(); ++t)
                    keys.append({mnemonic(tabs->tabText(t)), describe(w)});
            }
        }
        clashes(keys, QStringLiteral("the window"));
        if (top->width() < top->minimumSizeHint().width() ||
            top->height() < top->minimumSizeHint().height())
            fail(top, QStringLiteral("smaller than its minimum size hint"));

        if (auto* bar = top->findChild<QMenuBar*>(); bar && bar->isVisible())
            checkMenus(bar->actions(), QStringLiteral("the menu bar"));
    }

private:
    void checkMenus(const QList<QAction*>& actions, const QString& where)
    {
        QList<QPair<QChar, QString>> keys;
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            QString text = action->text();
            text.remove(QLatin1Char('&'));
            const QString who = where + QStringLiteral(" > ") + text;
            if (text.trimmed().isEmpty())
                failures << m_place + QStringLiteral(", ") + who +
                                QStringLiteral(": a menu item without a name");
            keys.append({mnemonic(action->text()), who});
            if (QMenu* menu = action->menu())
                checkMenus(menu->actions(), who);
        }
        clashes(keys, where);
    }

    void clashes(const QList<QPair<QChar, QString>>& keys, const QString& where)
    {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (qsizetype j = i + 1; j < keys.size(); ++j) {
                if (!keys[i].first.isNull() && keys[i].first == keys[j].first)
                    failures << m_place + QStringLiteral(", ") + where +
                                    QStringLiteral(": mnemonic '%1' on both %2 and %3")
                                        .arg(keys[i].first, keys[i].second, keys[j].second);
            }
        }
    }

    QString describe(QWidget* w) const
    {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            text = box->title();
        return QStringLiteral("%1/%2/\"%3\"")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                 text.isEmpty() ? accessibleName(w) : text);
    }

    void fail(QWidget* w, const QString& what)
    {
        failures << m_place + QStringLiteral(", ") + describe(w) + QStringLiteral(": ") + what;
    }

    QString m_place;
};

// Shows a dialog made here, checks it and closes it.
void checkShown(Checker& checker, QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    checker.checkWindow(&window);
    window.close();
}

// Runs open, which shows a modal dialog of type Dlg (or fails the wait), and checks it there.
template <typename Dlg> void checkModal(Checker& checker, const std::function<void()>& open)
{
    bool seen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* dlg = qobject_cast<Dlg*>(QApplication::activeModalWidget())) {
            timer.stop();
            seen = true;
            checker.checkWindow(dlg);
            dlg->reject();
        }
    });
    timer.start(20);
    QTimer::singleShot(20000, [&timer] { timer.stop(); });
    open();
    QVERIFY(seen);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowInEveryLanguage();

private:
    void checkLanguage(Checker& checker, const QString& language, SimPager& pager);
};

void TestAccessibility::checkLanguage(Checker& checker, const QString& language, SimPager& pager)
{
    e2e::wipeUserFiles();
    qputenv("QUILLBOX_COM1", QFile::encodeName(pager.path()));
    platform::ScriptedMessageBoxes boxes;
    boxes.answers = {platform::MessageAnswer::Yes};
    e2e::ProgramRun run;
    QVERIFY(run.start({QStringLiteral("--lang"), language}));
    CMainFrame& frame = run.frame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    // Both windows filled from the pager.
    frame.action(CMainFrame::ID_DOWNLOAD_MESSAGES)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(boxes.requests.size() >= 1, 30000);
    frame.action(CMainFrame::ID_DOWNLOAD_CONTACTS)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(boxes.requests.size() >= 3, 30000);
    frame.OnViewMessages();
    run.selectFolder(run.pagerFolder(QStringLiteral("Inbox")));
    run.selectRows({0});
    checker.setPlace(language, QStringLiteral("main window, Messages"));
    checker.checkWindow(&frame);
    checker.setPlace(language, QStringLiteral("Copy to Folder"));
    run.selectRows({0});
    QVERIFY(run.list().createContextMenu());
    checkModal<CChooseFolderDlg>(checker, [&] { run.list().copyToFolderAction()->trigger(); });
    frame.OnViewContacts();
    checker.setPlace(language, QStringLiteral("main window, Contacts"));
    checker.checkWindow(&frame);

    const auto place = [&](const char* window) {
        checker.setPlace(language, QString::fromLatin1(window));
    };
    place("Settings");
    qint32 port = 1;
    CSettingsDlg settings(port, &frame);
    checkShown(checker, settings);
    place("About");
    CAboutDlg about(&frame);
    checkShown(checker, about);
    place("Find the pager");
    CFindPagerDlg find(&frame, {{QStringLiteral("COM1"), QStringLiteral("/nonexistent/tty"), {}}});
    checkShown(checker, find);
    place("Group");
    CGroupDlg group(&frame);
    checkShown(checker, group);
    place("New address");
    CAddressEntryDlg entry(&frame);
    checkShown(checker, entry);
    place("Select address");
    CAddressPickerDlg picker(&run.app().book(), &frame);
    checkShown(checker, picker);
    place("Contact");
    CContactDlg contact(&frame);
    checkShown(checker, contact);
    place("CardDAV account");
    CCardDavAccountDlg account(&frame);
    checkShown(checker, account);

    std::vector<ContactRecord> book;
    for (const auto& record : run.app().book().m_AddressList)
        book.push_back(*record);
    QVERIFY(!book.empty());
    place("Contacts History");
    QTemporaryDir folder;
    contacthistory::History history(folder.path());
    QString error;
    recoverycopy::Contents kept;
    kept.contacts = book;
    history.keep(contacthistory::Event::Download, kept, &error);
    CContactsHistoryDlg historyDlg(history, {}, &frame);
    checkShown(checker, historyDlg);

    place("conflict review");
    std::vector<ContactRecord> local = book, remote = book;
    local[0].strNote = "here";
    remote[0].strNote = "there";
    const std::vector<std::string> uids(book.size(), "u");
    std::vector<std::string> ids;
    for (size_t i = 0; i < book.size(); ++i)
        ids.push_back(std::to_string(i));
    const contactmerge::Result merged =
        contactmerge::merge({book, ids, {}}, {local, ids, {}}, {remote, ids, {}});
    CConflictReviewDlg conflicts(merged, &frame);
    checkShown(checker, conflicts);

    place("duplicate review");
    std::vector<const ContactRecord*> present;
    for (const ContactRecord& record : book)
        present.push_back(&record);
    const std::vector<ContactRecord> incoming{book[0]};
    CDuplicateReviewDlg duplicates(duplicates::plan(present, incoming, 10), present, incoming,
                                   &frame);
    checkShown(checker, duplicates);

    place("Export Messages");
    checkModal<QFileDialog>(checker, [&] {
        ExportMessages(&frame, run.store().records(), {}, QStringLiteral("Inbox"));
    });

    place("progress window");
    CSyncProgressWnd progress;
    QVERIFY(progress.Create(&frame, QStringLiteral("Quillbox"), false, std::nullopt));
    progress.SetRange(0, 10, 1);
    progress.SetPos(3);
    QVERIFY(progress.window());
    QVERIFY(QTest::qWaitForWindowExposed(progress.window()));
    checker.checkWindow(progress.window());
    progress.Destroy();

    boxes.answers = {platform::MessageAnswer::No}; // the downloaded book is not exported
    QVERIFY(run.close());
}

void TestAccessibility::everyWindowInEveryLanguage()
{
    SimPager pager;
    QVERIFY(!pager.path().isEmpty());
    Checker checker;
    for (const QString& language :
         {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}) {
        checkLanguage(checker, language, pager);
        if (QTest::currentTestFailed())
            return;
    }
    platform::useLanguage(QStringLiteral("en"));
    for (const QString& failure : std::as_const(checker.failures))
        qInfo().noquote() << failure;
    QVERIFY2(checker.failures.isEmpty(),
             qPrintable(QStringLiteral("%1 failures, listed above").arg(checker.failures.size())));
}

QUILLBOX_E2E_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
