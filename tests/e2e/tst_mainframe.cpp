// The main frame of the running program, without a pager: toolbar and status bar, the
// switch between the two presentations, the close sequence, the address book's recovery
// copy at start-up, a download with no pager, Help, the command line and the language it
// chooses, and Synchronize Address Book against a CardDAV server started by the test.

#include "programrun.h"
#include "../carddav/davserver.h"

#include "carddav/passwordstore.h"
#include "contacts/core/addressbook.h"
#include "contacts/core/contacthistory.h"
#include "contacts/core/recoverycopy.h"
#include "contacts/widgets/contactsdlg.h"
#include "frame/carddavsyncdriver.h"
#include "frame/mainframe.h"
#include "messages/core/folderdb.h"
#include "messages/core/messagestore.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "platform/atomicfile.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "platform/translation.h"
#include "tests/support/scripteddialogs.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <sys/stat.h>

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::ScriptedMessageBoxes;

// Stands in for the desktop's viewer of local files.
class FileOpener : public QObject
{
    Q_OBJECT

public:
    FileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url.toLocalFile(); }
};

class TestMainFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void toolbarStatusBarAndViewSwitch();
    void closeSequence();
    void recoveryCopy();
    void downloadWithoutPager();
    void help();
    void commandLine();
    void language_data();
    void language();
    void standardButtonsInLanguage();
    void keys();
    void cardDavSync();
};

void TestMainFrame::initTestCase()
{
    setApplicationIdentity();
}

void TestMainFrame::init()
{
    e2e::wipeUserFiles();
    qputenv("QUILLBOX_COM1", "/nonexistent/quillbox-pager");
}

// The account set up through its dialog on the first Synchronize Address Book, both books
// merged into the window's book, with a history snapshot; then a password the server refuses
// leaves the book as it was.
void TestMainFrame::cardDavSync()
{
    DavServer server(DavServer::Radicale);
    if (const QString why = server.start(); !why.isEmpty())
        QSKIP(qPrintable(why));
    QCOMPARE(server.send("PUT", QStringLiteral("ann.vcf"),
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\n"
                         "EMAIL:ann@example.org\r\nEND:VCARD\r\n")
                 .status,
             201);
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    CMainFrame& frame = run.frame();
    CCardDavSyncDriver& dav = frame.cardDav();
    auto* passwords = new carddav::MemoryPasswordStore;
    dav.setPasswordStore(std::unique_ptr<carddav::PasswordStore>(passwords));
    auto bob = std::make_unique<ContactRecord>();
    bob->strFirstName = "Bob";
    bob->strLastName = "Stone";
    bob->nGroup = KEY_CONTACTS;
    QCOMPARE(frame.book().UpdatePagerAddress(bob, OP_ADD_CONTACT, KEY_CONTACTS), 0);

    QTimer::singleShot(0, &frame, [&] {
        CCardDavAccountDlg* dlg = dav.accountDlg();
        QVERIFY(dlg);
        dlg->serverEdit()->setText(server.url());
        dlg->userEdit()->setText(server.user);
        dlg->passwordEdit()->setText(server.password);
        dlg->okButton()->click();
    });
    QSignalSpy finished(&dav, &CCardDavSyncDriver::finished);
    frame.action(CMainFrame::ID_CARDDAV_SYNC)->trigger();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.takeFirst().at(0).toBool(), true);
    QVERIFY2(boxes.requests.isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
    QStringList names;
    for (const ContactRecord& c : frame.book().snapshot().contacts)
        names << QString::fromStdString(c.strFirstName + ' ' + c.strLastName + ' ' + c.strEmail1);
    names.sort();
    QCOMPARE(names, QStringList({QStringLiteral("Ann Lee ann@example.org"), QStringLiteral("Bob Stone ")}));
    QVERIFY(server.send("GET", QStringLiteral("ann.vcf")).status == 200);
    const contacthistory::History history(
        QDir(platform::defaultDataFolder()).filePath(QLatin1String(contacthistory::kFolderName)));
    const auto snapshots = history.list();
    QCOMPARE(snapshots.size(), size_t(1));
    QCOMPARE(snapshots.front().contacts, 1);
    QCOMPARE(snapshots.front().event, QStringLiteral("synchronize"));

    // An edit while the sync runs drops its result, and the next sync takes the server's
    // card all the same. The book holds no UIDs: its contacts pair with the same cards.
    QCOMPARE(server.send("PUT", QStringLiteral("cy.vcf"),
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:cy\r\nFN:Cy Moss\r\nN:Moss;Cy;;;\r\n"
                         "END:VCARD\r\n")
                 .status,
             201);
    dav.Synchronize();
    auto dee = std::make_unique<ContactRecord>();
    dee->strFirstName = "Dee";
    dee->nGroup = KEY_CONTACTS;
    QCOMPARE(frame.book().UpdatePagerAddress(dee, OP_ADD_CONTACT, KEY_CONTACTS), 0);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.takeFirst().at(0).toBool(), false);
    QCOMPARE(frame.book().snapshot().contacts.size(), size_t(3));
    boxes.requests.clear();
    dav.Synchronize();
    QVERIFY(finished.wait(60000));
    QVERIFY2(boxes.requests.isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
    QCOMPARE(finished.takeFirst().at(0).toBool(), true);
    QCOMPARE(frame.book().snapshot().contacts.size(), size_t(4));
    QCOMPARE(QDir(server.bookFolder()).entryList({QStringLiteral("*.vcf")}, QDir::Files).size(), 4);

    QString error;
    QVERIFY(passwords->write(carddav::passwordKey(server.url(), server.user),
                             QStringLiteral("wrong"), &error));
    server.send("DELETE", QStringLiteral("ann.vcf"));
    const AddressBookCopy before = frame.book().snapshot();
    dav.Synchronize();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.takeFirst().at(0).toBool(), false);
    QVERIFY(boxes.texts().join(QString()).contains(QStringLiteral("refused the login")));
    QCOMPARE(frame.book().snapshot().contacts, before.contacts);
}

void TestMainFrame::toolbarStatusBarAndViewSwitch()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    CMainFrame& frame = run.frame();
    const QList<QAction*> buttons = frame.toolBar()->actions();
    for (QAction* button : buttons)
        QVERIFY(button->isSeparator() ||
                (!button->icon().isNull() && !button->statusTip().isEmpty() &&
                 !button->toolTip().isEmpty()));

    // One pane: "Ready" when idle, a button's prompt while the pointer rests on it.
    QStatusBar* bar = frame.statusBar();
    QStatusTipEvent tip(QStringLiteral("View Messages Window"));
    QCoreApplication::sendEvent(&frame, &tip);
    QCOMPARE(bar->currentMessage(), QStringLiteral("View Messages Window"));
    QStatusTipEvent none{QString()};
    QCoreApplication::sendEvent(&frame, &none);
    QCOMPARE(bar->currentMessage(), QStringLiteral("Ready"));

    // The Contacts window shows every button, the message panes only their own.
    const auto visibleButtons = [&buttons] {
        QList<int> shown;
        for (QAction* button : buttons) {
            if (button->isVisible())
                shown << (button->isSeparator() ? 0 : button->data().toInt());
        }
        return shown;
    };
    QVERIFY(frame.contactsShown() && !frame.splitter()->isVisible());
    QCOMPARE(visibleButtons().size(), buttons.size());
    frame.action(CMainFrame::ID_VIEW_MESSAGES)->trigger();
    QCOMPARE(visibleButtons(), QList<int>({32813, 0, 32812, 32774, 0, 57665, 0, 32901}));
    QVERIFY(frame.splitter()->isVisible() && !frame.contactsDlg()->isVisible());

    // While the message panes are shown the Contacts window follows the frame's size.
    frame.resize(frame.size() + QSize(120, 80));
    frame.action(CMainFrame::ID_VIEW_CONTACTS)->trigger();
    QCOMPARE(visibleButtons().size(), buttons.size());
    QVERIFY(frame.contactsDlg()->isVisible());
    QCOMPARE(frame.contactsDlg()->geometry(), frame.splitter()->geometry());
}

void TestMainFrame::closeSequence()
{
    ScriptedMessageBoxes boxes;
    // Yes exports: with no current file it asks for one, and is cancelled here.
    platform::ScriptedFileDialogs files;
    files.answers = {QString()};
    e2e::ProgramRun run;
    QVERIFY(run.start());
    run.frame().contactsDlg()->SetModified(true);
    boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No};
    QVERIFY(!run.close());
    QCOMPARE(boxes.requests.size(), 1);
    QCOMPARE(boxes.requests[0].text, QStringLiteral("Contacts Not Saved.\nSave Contacts Now?"));
    QCOMPARE(boxes.requests[0].buttons, MessageButtons::YesNoCancel);
    QVERIFY(run.frame().isVisible());
    QVERIFY(QFile::exists(e2e::defaultDatabase()));
    // Yes, but the export's Save As is cancelled: the address book would be lost, so the
    // program stays.
    QVERIFY(!run.close());
    QVERIFY(run.frame().isVisible());
    QVERIFY(run.frame().contactsDlg()->IsModified());
    QCOMPARE(files.fileRequests.size(), 1);
    QVERIFY(run.close());
    QVERIFY(!run.frame().isVisible());
    QCOMPARE(boxes.unexpected, 0);
}

// A run that ends without closing leaves the address book's recovery copy; the next start
// offers it.
void TestMainFrame::recoveryCopy()
{
    ScriptedMessageBoxes boxes;
    auto addAnn = [](e2e::ProgramRun& run) {
        auto contact = std::make_unique<ContactRecord>();
        contact->strFirstName = "Ann";
        QCOMPARE(run.frame().pager().UpdatePagerAddress(contact, OP_ADD_CONTACT, -1), 0);
        run.frame().recovery()->check(); // what its timer does a moment later
        QVERIFY(run.frame().recovery()->exists());
    };
    {
        e2e::ProgramRun run;
        QVERIFY(run.start());
        addAnn(run);
    }
    boxes.answers = {MessageAnswer::No};
    {
        e2e::ProgramRun run;
        QVERIFY(run.start());
        QCOMPARE(boxes.requests.size(), 1);
        QVERIFY(
            boxes.requests[0].text.startsWith(QStringLiteral("Quillbox did not close normally")));
        QVERIFY(!run.frame().recovery()->exists());
        QVERIFY(run.frame().book().m_AddressList.empty());
        addAnn(run);
    }
    boxes.answers = {MessageAnswer::Yes, MessageAnswer::No};
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QCOMPARE(run.frame().contactsDlg()->list()->model()->index(0, 0).data().toString(),
             QStringLiteral("Ann"));
    QVERIFY(run.frame().contactsDlg()->IsModified());
    QVERIFY(run.close()); // No to "Contacts Not Saved."
    QVERIFY(!run.frame().recovery()->exists());

    // Bytes that are no copy are told before anything is offered, and kept aside.
    const QString copy = run.frame().recovery()->path();
    QVERIFY(platform::writeFileAtomically(copy, "\x93\x07garbage", nullptr));
    boxes.requests.clear();
    e2e::ProgramRun damaged;
    QVERIFY(damaged.start());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY2(boxes.requests[0].text.contains(QStringLiteral("damaged:\ndocument: not a JSON")),
             qPrintable(boxes.requests[0].text));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(QFile::exists(copy + QStringLiteral(".damaged")));
    QCOMPARE(boxes.unexpected, 0);
}

void TestMainFrame::downloadWithoutPager()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    const RecordList before = run.store().records();
    run.frame().action(CMainFrame::ID_DOWNLOAD_MESSAGES)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.requests.size(), 1, 20000);
    // The text of the failure, and below it the device and what the system said.
    QVERIFY2(boxes.requests[0].text.startsWith(
                 QStringLiteral("The serial port cannot be opened.\n\n") +
                 platform::serialPortDevice(run.app().settings().CommPort) + QStringLiteral(": ")),
             qPrintable(boxes.requests[0].text));
    QVERIFY(run.store().records() == before);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestMainFrame::help()
{
    ScriptedMessageBoxes boxes;
    FileOpener viewer;
    platform::ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));

    e2e::ProgramRun run;
    QVERIFY(run.start());
    Settings& settings = run.app().settings();
    QAction* help = run.frame().action(CMainFrame::ID_HELP);

    // The default name, not in the current folder: the help that comes with the program.
    help->trigger();
    QCOMPARE(viewer.opened,
             QStringList{QFileInfo(QStringLiteral(QUILLBOX_SOURCE_HELP)).absoluteFilePath()});

    // In the current folder: that file, without asking.
    const QString chm = folder.filePath(QStringLiteral("QuillboxHelp.chm"));
    QVERIFY(platform::writeFileAtomically(chm, "", nullptr));
    help->trigger();
    QCOMPARE(viewer.opened.constLast(), chm);

    // Not found: the dialog; cancelled, nothing changes.
    settings.HelpFilename = QStringLiteral("gone.chm");
    viewer.opened.clear();
    dialogs.answers = {QString()};
    help->trigger();
    QCOMPARE(dialogs.fileRequests.size(), 1);
    QVERIFY(viewer.opened.isEmpty());
    QCOMPARE(settings.HelpFilename, QStringLiteral("gone.chm"));

    // A file picked is opened now and directly from then on, in later runs too.
    const QString picked = folder.filePath(QStringLiteral("manual.html"));
    QVERIFY(platform::writeFileAtomically(picked, "", nullptr));
    dialogs.answers = {picked};
    help->trigger();
    help->trigger();
    QCOMPARE(viewer.opened, QStringList({picked, picked}));
    QCOMPARE(dialogs.fileRequests.size(), 2);
    QVERIFY(run.close());
    QVERIFY(QDir::setCurrent(previous));
    QSettings stored;
    QCOMPARE(stored.value(QStringLiteral("Config/Help Filename")).toString(), picked);
    QCOMPARE(dialogs.unexpected, 0);
}

void TestMainFrame::commandLine()
{
    ScriptedMessageBoxes boxes;
    QTemporaryDir folder;
    // A file that is not a folder database is refused and left as it is.
    const QString notes = folder.filePath(QStringLiteral("notes.txt"));
    QVERIFY(platform::writeFileAtomically(notes, "not a database", nullptr));
    {
        e2e::ProgramRun run;
        QVERIFY(!run.start({notes}));
        QVERIFY(!run.app().mainFrame());
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("notes.txt")});
    QVERIFY(!e2e::ProgramRun().start({folder.filePath(QStringLiteral("missing.psf"))}));
    // A pipe is refused before anything reads from it, which would wait for a writer.
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!e2e::ProgramRun().start({pipe}));

    // A folder database named is the one read and written in that run.
    const QString other = folder.filePath(QStringLiteral("other.psf"));
    MessageStore one;
    one.InsertFolder("Elsewhere", "LocalFolder", PARENT_LOCAL);
    QVERIFY(folderdb::writeFile(other, folderdb::DEFAULT_HEADER, one.records(), nullptr));
    e2e::ProgramRun run;
    QVERIFY(run.start({other}));
    QCOMPARE(run.childTexts(run.localRoot()), QStringList{QStringLiteral("Elsewhere(0)")});
    QVERIFY(run.close());
    QVERIFY(!QFile::exists(e2e::defaultDatabase()));
    RecordList written;
    QVERIFY(folderdb::readFile(other, written).ok);
    QCOMPARE(written.size(), size_t(1));
}

void TestMainFrame::language_data()
{
    QTest::addColumn<QByteArray>("desktop"); // LANGUAGE
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // a line of the help, or the error
    const QString lang = QStringLiteral("--lang");
    const QString english = QStringLiteral("Show this help.");
    QTest::newRow("--lang de") << QByteArray("en") << QStringList{lang, QStringLiteral("de")} << 0
                               << QStringLiteral("Diese Hilfe anzeigen.");
    QTest::newRow("desktop fr") << QByteArray("fr_CH:de") << QStringList() << 0
                                << QStringLiteral("Afficher cette aide.");
    QTest::newRow("--lang en on a German desktop")
        << QByteArray("de") << QStringList{lang, QStringLiteral("en")} << 0 << english;
    QTest::newRow("desktop not spoken") << QByteArray("pt:ja") << QStringList() << 0 << english;
    QTest::newRow("--lang unknown")
        << QByteArray("en") << QStringList{lang, QStringLiteral("es")} << 1
        << QStringLiteral("quillbox: Unknown language 'es': the languages are en, de, fr.");
}

// The desktop's language is read once per process: each case is a program of its own.
void TestMainFrame::language()
{
    QFETCH(QByteArray, desktop);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(desktop));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLBOX_PROGRAM), arguments + QStringList{QStringLiteral("--help")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromUtf8(program.readAllStandardOutput() +
                                             program.readAllStandardError());
    QVERIFY2(output.contains(says), qPrintable(output));
}

// The language chosen in the program also gives Qt's own texts, the standard buttons'.
void TestMainFrame::standardButtonsInLanguage()
{
    e2e::ProgramRun run;
    QVERIFY(run.start({QStringLiteral("--lang"), QStringLiteral("de")}));
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QVERIFY(run.close());
    platform::useLanguage(QStringLiteral("en"));
}

// The document's keys and the detail pane's: Ctrl+S writes the local folders now; Ctrl+O
// goes on with another folder database, this run's written first; Ctrl+C copies the text
// selected in the detail pane while the message panes have the focus.
void TestMainFrame::keys()
{
    ScriptedMessageBoxes boxes;
    platform::ScriptedFileDialogs files;
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("other.psf"));
    MessageStore one;
    one.InsertFolder("Elsewhere", "LocalFolder", PARENT_LOCAL);
    QVERIFY(folderdb::writeFile(other, folderdb::DEFAULT_HEADER, one.records(), nullptr));
    e2e::ProgramRun run;
    QVERIFY(run.start());
    CMainFrame& frame = run.frame();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(e2e::defaultDatabase()));

    frame.action(CMainFrame::ID_VIEW_MESSAGES)->trigger();
    run.detail().setPlainText(QStringLiteral("Lunch at noon"));
    run.detail().selectAll();
    run.tree().setFocus();
    QTest::keyClick(&run.tree(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Lunch at noon"));

    QVERIFY(
        run.tree().endLabelEdit(run.localFolder(QStringLiteral("Drafts")), QStringLiteral("Kept")));
    files.answers = {other};
    QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(run.childTexts(run.localRoot()), QStringList{QStringLiteral("Elsewhere(0)")});
    RecordList written;
    QVERIFY(folderdb::readFile(e2e::defaultDatabase(), written).ok);
    QCOMPARE(written.begin()->strName, "Inbox");
    QCOMPARE(std::next(written.begin(), 2)->strName, "Kept");
    QVERIFY(run.close());
    QCOMPARE(boxes.unexpected, 0);
}

QUILLBOX_E2E_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
