// The whole program against the pager simulator on a real pseudo-terminal: a message
// download, browsing, filing messages by drop, renaming, closing and starting again; the
// address book's round trip; and the ways it can go wrong (a pager that stops answering, a
// close cancelled, a database that cannot be written, damaged or read, a second program on
// the same database, a stop signal during start-up).

#include "programrun.h"
#include "tests/support/scripteddialogs.h"

#include "contacts/core/contacthistory.h"
#include "contacts/core/contactsync.h"
#include "contacts/core/recoverycopy.h"
#include "contacts/widgets/conflictreviewdlg.h"
#include "contacts/widgets/contactdlg.h"
#include "contacts/widgets/contactsdlg.h"
#include "contacts/widgets/contactshistorydlg.h"
#include "contacts/widgets/contactshistorykeeper.h"
#include "devlink/cpager.h"
#include "devlink/protocol/errors.h"
#include "frame/findpagerdlg.h"
#include "frame/mainframe.h"
#include "frame/settingsdlg.h"
#include "messages/core/folderdb.h"
#include "messages/core/messagestore.h"
#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "platform/atomicfile.h"
#include "platform/bytes.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "platform/paths.h"
#include "tools/common/pagerimage.h"

#include "../devlink/device/simpager.h"
#include "tests/platform/widgettest.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QSettings>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <memory>
#include <set>

using platform::MessageAnswer;
using platform::MessageIcon;
using platform::ScriptedFileDialogs;
using platform::ScriptedMessageBoxes;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Drops the selected messages of the list on a folder of the tree, as a drag from the
// list does: a copy with Ctrl or when the store only copies them, otherwise a move.
bool drop(e2e::ProgramRun& run, const QModelIndex& target, Qt::KeyboardModifiers modifiers = {})
{
    MessageListModel* list = run.list().messageModel();
    const std::unique_ptr<QMimeData> data(
        list->mimeData(run.list().selectionModel()->selectedIndexes()));
    const bool copy = modifiers.testFlag(Qt::ControlModifier) || list->dragCopiesOnly();
    return run.tree().folderModel().dropMimeData(data.get(), copy ? Qt::CopyAction : Qt::MoveAction,
                                                 -1, -1, target);
}

QString text(const QModelIndex& index)
{
    return index.data().toString();
}

QString text(const std::string& bytes)
{
    return platform::toDisplay(bytes);
}

// Answers the Contact dialog with these names.
void typeContact(const QString& first, const QString& last)
{
    whenModal<CContactDlg>([first, last](CContactDlg* dlg) {
        qobject_cast<QLineEdit*>(dlg->fieldEdit(0))->setText(first);
        qobject_cast<QLineEdit*>(dlg->fieldEdit(1))->setText(last);
        dlg->addButton()->click();
    });
}

// Runs a transfer command, answering Yes to the question the contacts transfers ask first;
// whether the box that ends it says it completed.
bool transfer(e2e::ProgramRun& run, ScriptedMessageBoxes& boxes, int command, const char* completed)
{
    const int questions = command == CMainFrame::ID_DOWNLOAD_MESSAGES ? 0 : 1;
    boxes.answers = QList<MessageAnswer>(questions, MessageAnswer::Yes);
    const qsizetype before = boxes.requests.size();
    run.frame().action(command)->trigger();
    return QTest::qWaitFor([&] { return boxes.requests.size() > before + questions; }, 30000) &&
           boxes.requests.constLast().text == QLatin1String(completed);
}

std::vector<ContactRecord> contactsOf(const AddressBook& book)
{
    std::vector<ContactRecord> out;
    for (const auto& c : book.m_AddressList) {
        ContactRecord copy = *c;
        copy.nIndex = copy.nKey = 0;
        out.push_back(copy);
    }
    return out;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void downloadFilingAndRestart();
    void settingsDuringDownload();
    void addressBookRoundTrip();
    void synchronizeAndRestore();
    void cancelledCloseKeepsEverything();
    void databaseElsewhereAtClose();
    void damagedDatabaseAtStartup();
    void unreadableDatabaseAtStartup();
    void secondProgramOnOneDatabase();

private:
    std::unique_ptr<SimPager> m_pager;
    PagerImage m_demo;
};

void TestProgram::initTestCase()
{
    setApplicationIdentity();
    m_demo = PagerImage::readFile(QUILLBOX_DEMO_PAGER);
    m_pager = std::make_unique<SimPager>();
    QVERIFY(!m_pager->path().isEmpty());
}

void TestProgram::init()
{
    e2e::wipeUserFiles();
    qputenv("QUILLBOX_COM1", QFile::encodeName(m_pager->path()));
}

// One session: a download, filing, a download that fails, closing and starting again.
void TestProgram::downloadFilingAndRestart()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    run.frame().action(CMainFrame::ID_VIEW_MESSAGES)->trigger();
    QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_MESSAGES, "Download Completed ! "));

    // The pager's folder names come with its messages (how the names are chosen is the
    // store's test).
    QVERIFY(run.pagerFolder(text(m_demo.folderNames[0])).isValid());

    // Inbox lists its messages in the pager's order; one selected is shown (how the pane
    // lays a message out is the views' test).
    const QModelIndex pagerInbox = run.pagerFolder(QStringLiteral("Inbox"));
    run.selectFolder(pagerInbox);
    QStringList addresses, headers;
    for (const DeviceMessage& m : m_demo.messages) {
        if (m.nFolder == 1) {
            addresses << text(m.strAddress);
            headers << text(m.strHeader);
        }
    }
    QCOMPARE(run.column(MessageListModel::ColumnAddress), addresses);
    QCOMPARE(text(pagerInbox), QStringLiteral("Inbox(%1)").arg(addresses.size()));
    run.selectRows({2});
    QVERIFY(run.detail().toPlainText().startsWith(headers[2] + QLatin1Char('\n')));
    const QStringList titles = run.column(MessageListModel::ColumnTitle);

    // Pager messages are copied: the pager keeps them; the list shows where they went.
    run.selectRows({1, 2, 3, 4});
    QVERIFY(drop(run, run.localFolder(QStringLiteral("Inbox"))));
    QCOMPARE(text(pagerInbox), QStringLiteral("Inbox(42)"));
    QCOMPARE(run.tree().currentIndex(), run.localFolder(QStringLiteral("Inbox")));
    QCOMPARE(run.column(MessageListModel::ColumnTitle), titles.mid(1, 4));

    // Local messages move; a folder is renamed.
    run.selectRows({1, 2});
    QVERIFY(drop(run, run.localFolder(QStringLiteral("Drafts"))));
    QVERIFY(
        run.tree().endLabelEdit(run.localFolder(QStringLiteral("Drafts")), QStringLiteral("Keep")));
    const QStringList expectedLocal{QStringLiteral("Inbox(2)"), QStringLiteral("Outbox(0)"),
                                    QStringLiteral("Keep(2)"), QStringLiteral("Folders(0)"),
                                    QStringLiteral("News/Info(0)")};
    QCOMPARE(run.childTexts(run.localRoot()), expectedLocal);

    // A pager that stops answering, found through the Settings command, which reopens the
    // port on OK: the error, and the store stays as it was.
    const RecordList before = run.store().records();
    SimPager silent({QStringLiteral("--silent-after"), QStringLiteral("4")});
    qputenv("QUILLBOX_COM1", QFile::encodeName(silent.path()));
    QVERIFY(QDir().mkpath(run.app().settings().FilePath));
    bool portFree = false; // while the dialog is open, for its Find...
    whenModal<QDialog>([&](QDialog* dialog) {
        QSerialPort port(m_pager->path());
        portFree = port.open(QIODevice::ReadWrite);
        port.close();
        dialog->findChild<QPushButton*>(QStringLiteral("set"))->click();
    });
    run.frame().OnSettings();
    QVERIFY(portFree);
    boxes.requests.clear();
    run.frame().action(CMainFrame::ID_DOWNLOAD_MESSAGES)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.requests.size(), 1, 30000);
    QCOMPARE(boxes.requests[0].text, CPager::GetErrorMessage(devlink::protocol::ErrNoAnswer));
    QVERIFY(!run.frame().progressWnd().window()->isVisible());
    QVERIFY(run.store().records() == before);

    // Closing writes the local side, and where the progress window was.
    run.frame().progressWnd().window()->move(123, 45);
    QVERIFY(run.close());
    RecordList written;
    QVERIFY(folderdb::readFile(e2e::defaultDatabase(), written).ok);
    QCOMPARE(written.size(), size_t(5 + 4 * 2));
    {
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("Settings/X")).toInt(), 123);
        QCOMPARE(settings.value(QStringLiteral("Settings/Y")).toInt(), 45);
    }

    // Everything local is back in the next run; the pager side waits for a download.
    e2e::ProgramRun again;
    QVERIFY(again.start());
    QCOMPARE(again.childTexts(again.localRoot()), expectedLocal);
    QCOMPARE(text(again.pagerFolder(QStringLiteral("Inbox"))), QStringLiteral("Inbox(0)"));
    again.selectFolder(again.localFolder(QStringLiteral("Keep")));
    QCOMPARE(again.column(MessageListModel::ColumnTitle), titles.mid(2, 2));
    QCOMPARE(boxes.unexpected, 0);
}

// Settings opened during a download and cancelled: the download goes on to its end with
// every message; Find... in it leaves the transfer's port alone and says why.
void TestProgram::settingsDuringDownload()
{
    SimPager paced({QStringLiteral("--baud"), QStringLiteral("38400")});
    qputenv("QUILLBOX_COM1", QFile::encodeName(paced.path()));
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QString listed;
    whenModal<CSettingsDlg>([&listed](CSettingsDlg* settings) {
        whenModal<CFindPagerDlg>([&listed](CFindPagerDlg* find) {
            const auto* ports = find->findChild<QListWidget*>();
            QTRY_VERIFY(ports->count() > 0);
            listed = ports->item(0)->text();
            auto* cancel = find->findChild<QPushButton*>(QStringLiteral("cancel"));
            cancel->click(); // the search stops, then the dialog closes
            QTRY_COMPARE(cancel->text(), QStringLiteral("&Close"));
            cancel->click();
        });
        settings->findChild<QPushButton*>(QStringLiteral("find"))->click();
        settings->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    });
    QTimer::singleShot(0, &run.frame(), &CMainFrame::OnSettings);
    QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_MESSAGES, "Download Completed ! "));
    QCOMPARE(
        listed,
        QStringLiteral("COM1 (%1): in use by Quillbox: a transfer is running").arg(paced.path()));
    // The folders, and every message with its companion.
    QCOMPARE(run.store().records().size(), 14 + 5 + 2 * m_demo.messages.size());
    QCOMPARE(boxes.unexpected, 0);
}

// The address book end to end: download the demo address book, add and edit a contact,
// export, close with the unsaved question, start again, import, upload, and download once
// more: the pager holds what the user made. The Group dialog's members are the dialog test's.
void TestProgram::addressBookRoundTrip()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.txt"));
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    std::vector<ContactRecord> made;
    {
        e2e::ProgramRun run;
        QVERIFY(run.start());
        CContactsDlg* w = run.frame().contactsDlg();
        QTreeView* list = w->list();

        QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_CONTACTS, "Download Completed ! "));
        QVERIFY(w->IsModified());
        const int downloaded = list->model()->rowCount();
        QVERIFY(downloaded > 0);

        // Add, then edit the new one: it moves to its sorted place.
        typeContact(QStringLiteral("Aaron"), QStringLiteral("Added"));
        run.frame().action(CMainFrame::ID_NEW_CONTACT)->trigger();
        QCOMPARE(list->model()->rowCount(), downloaded + 1);
        QAbstractItemModel* rows = list->model();
        list->setCurrentIndex(
            rows->match(rows->index(0, 0), Qt::DisplayRole, QStringLiteral("Aaron")).value(0));
        typeContact(QStringLiteral("zz Edited"), QStringLiteral("Added"));
        run.frame().action(CMainFrame::ID_EDIT_CONTACT)->trigger();
        QCOMPARE(rows->index(rows->rowCount() - 1, 0).data().toString(),
                 QStringLiteral("zz Edited"));

        // Close: Yes exports to the file chosen, then the program ends.
        made = contactsOf(run.frame().book());
        boxes.answers = {MessageAnswer::Yes};
        files.answers = {file};
        QVERIFY(run.close());
        QVERIFY(QFile::exists(file));
    }
    {
        // Start again: import the file, upload it, download again.
        e2e::ProgramRun run;
        QVERIFY(run.start());
        files.answers = {file};
        run.frame().action(CMainFrame::ID_IMPORT_CONTACTS)->trigger();
        QVERIFY(contactsOf(run.frame().book()) == made);

        QVERIFY(transfer(run, boxes, CMainFrame::ID_UPLOAD_CONTACTS, "Upload Completed ! "));
        QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_CONTACTS, "Download Completed ! "));
        QVERIFY(contactsOf(run.frame().book()) == made);

        // No saves nothing: the program ends without writing.
        boxes.answers = {MessageAnswer::No};
        QVERIFY(run.close());
    }
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(files.unexpected, 0);
}

// Synchronize Contacts against the simulator with an edit on each side and one field edited
// on both: each side's edit reaches the other, the conflict takes the side chosen in the
// review, and the pager, the program and the base hold one book. Then Contacts History
// puts the book as it was before the synchronize back.
void TestProgram::synchronizeAndRestore()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    AddressBook& book = run.frame().book();
    QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_CONTACTS, "Download Completed ! "));
    const AddressBookCopy downloaded = book.snapshot();
    QVERIFY(downloaded.contacts.size() >= 3);
    const contactsync::PagerKey key{run.frame().pager().commDevice(),
                                    run.frame().pager().m_strPagerModel};
    const QString basePath = contactsync::BaseStore(contactsync::defaultBaseFolder()).path(key);
    const QByteArray base = fileBytes(basePath);
    QVERIFY(!base.isEmpty());

    // The pager's edits, uploaded; the base is put back as the download left it.
    AddressBookCopy pagerSide = downloaded;
    pagerSide.contacts[0].strCompany = "Pager Edit";
    pagerSide.contacts[2].strMobileNumber = "555-0001";
    QCOMPARE(book.replaceAll(pagerSide.contacts, pagerSide.groups), 0);
    QVERIFY(transfer(run, boxes, CMainFrame::ID_UPLOAD_CONTACTS, "Upload Completed ! "));
    QVERIFY(platform::writeFileAtomically(basePath, base, nullptr));

    // The program's edits, one of them on the field the pager changed too.
    AddressBookCopy desktopSide = downloaded;
    desktopSide.contacts[1].strCompany = "Desktop Edit";
    desktopSide.contacts[2].strMobileNumber = "555-0002";
    QCOMPARE(book.replaceAll(desktopSide.contacts, desktopSide.groups), 0);
    run.frame().contactsDlg()->SetModified(false);

    int conflicts = 0;
    whenModal<CConflictReviewDlg>([&conflicts](CConflictReviewDlg* dlg) {
        conflicts = dlg->table()->rowCount();
        dlg->setAll(contactmerge::Side::Remote);
        dlg->okButton()->click();
    });
    const qsizetype before = boxes.requests.size();
    run.frame().action(CMainFrame::ID_SYNC_CONTACTS)->trigger();
    QVERIFY(QTest::qWaitFor([&] { return boxes.requests.size() > before; }, 30000));
    QCOMPARE(conflicts, 1);
    QCOMPARE(boxes.requests.constLast().text,
             QStringLiteral("Synchronize Contacts Completed.\n"
                            "Quillbox: 0 added, 0 removed, 2 changed.\n"
                            "Pager: 0 added, 0 removed, 1 changed.\n1 conflict."));

    AddressBookCopy merged = downloaded;
    merged.contacts[0].strCompany = "Pager Edit";
    merged.contacts[1].strCompany = "Desktop Edit";
    merged.contacts[2].strMobileNumber = "555-0001";
    QVERIFY(book.snapshot().contacts == merged.contacts);
    QVERIFY(run.frame().contactsDlg()->IsModified());
    AddressBookCopy baseNow;
    bool found = false;
    QString error;
    QVERIFY(contactsync::BaseStore(contactsync::defaultBaseFolder())
                .read(key, &baseNow, &found, &error));
    QVERIFY(found && baseNow.contacts == book.snapshot().contacts);
    const AddressBookCopy synchronized = book.snapshot();
    QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_CONTACTS, "Download Completed ! "));
    QVERIFY(book.snapshot().contacts == synchronized.contacts);

    // Contacts History: the snapshot kept before the synchronize holds the program's edits.
    whenModal<CContactsHistoryDlg>([](CContactsHistoryDlg* dlg) {
        QTreeWidget* list = dlg->list();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->text(1) == QLatin1String("Synchronize Contacts")) {
                list->setCurrentItem(list->topLevelItem(row));
                break;
            }
        }
        dlg->restoreButton()->click();
    });
    run.frame().contactsDlg()->SetModified(false);
    run.frame().action(CMainFrame::ID_CONTACTS_HISTORY)->trigger();
    QVERIFY(book.snapshot().contacts == desktopSide.contacts);
    QVERIFY(run.frame().contactsDlg()->IsModified());
    const std::vector<contacthistory::Snapshot> kept = run.frame().history()->history().list();
    QVERIFY(!kept.empty() && kept.front().event == QLatin1String("restore"));

    boxes.answers = {MessageAnswer::No};
    QVERIFY(run.close());
    QCOMPARE(boxes.unexpected, 0);
}

void TestProgram::cancelledCloseKeepsEverything()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_MESSAGES, "Download Completed ! "));

    // A gap in the local folder numbers, and a pager message filed, before the close.
    QVERIFY(run.tree().createContextMenu(run.localFolder(QStringLiteral("Outbox"))));
    run.tree().OnFolderDelete();
    run.selectFolder(run.localFolder(QStringLiteral("Folders")));
    run.selectFolder(run.pagerFolder(QStringLiteral("Inbox")));
    run.selectRows({1});
    QVERIFY(drop(run, run.localFolder(QStringLiteral("Folders"))));

    run.frame().contactsDlg()->SetModified(true);
    boxes.requests.clear();
    boxes.answers = {MessageAnswer::Cancel};
    QVERIFY(!run.close());
    QCOMPARE(boxes.requests.size(), 1); // the question itself is the frame test's
    QVERIFY(run.frame().isVisible());
    // The database was written all the same.
    QVERIFY(QFile::exists(e2e::defaultDatabase()));

    // Every folder and message still names its own record: deleting "Drafts" deletes
    // Drafts, "Folders" keeps its message.
    QVERIFY(run.tree().createContextMenu(run.localFolder(QStringLiteral("Drafts"))));
    run.tree().OnFolderDelete();
    QVERIFY(!run.localFolder(QStringLiteral("Drafts")).isValid());
    QCOMPARE(text(run.localFolder(QStringLiteral("Folders"))), QStringLiteral("Folders(1)"));
    run.selectFolder(run.localFolder(QStringLiteral("Folders")));
    QCOMPARE(run.list().model()->rowCount(), 1);

    // A copy made now gets a number of its own: deleting it leaves the pager's message.
    run.selectFolder(run.pagerFolder(QStringLiteral("Inbox")));
    run.selectRows({2});
    QVERIFY(drop(run, run.localFolder(QStringLiteral("News/Info"))));
    run.selectRows({0});
    run.list().OnMessageDelete();
    QCOMPARE(text(run.localFolder(QStringLiteral("News/Info"))), QStringLiteral("News/Info(0)"));
    QCOMPARE(text(run.pagerFolder(QStringLiteral("Inbox"))), QStringLiteral("Inbox(42)"));
    std::set<qint32> numbers;
    for (const MessageRecord& r : run.store().records())
        QVERIFY(r.nKind != KIND_MESSAGE || numbers.insert(r.nMessageId).second);

    // The counters kept are those of the file written at the final close.
    boxes.answers = {MessageAnswer::No};
    QVERIFY(run.close());
    RecordList written;
    QVERIFY(folderdb::readFile(e2e::defaultDatabase(), written).ok);
    QCOMPARE(written.size(), size_t(3 + 2));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("Config/TreeItemDataCNT")).toInt(), 21 + 3);
    QCOMPARE(settings.value(QStringLiteral("Config/ListItemDataCNT")).toInt(), 3 + 1);
    QCOMPARE(boxes.unexpected, 0);
}

void TestProgram::databaseElsewhereAtClose()
{
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QVERIFY(run.tree().endLabelEdit(run.localFolder(QStringLiteral("Inbox")),
                                    QStringLiteral("Changed")));
    const RecordList records = run.store().records();

    // Another database where the Settings now point: not written over unasked.
    QTemporaryDir other;
    const QString theirs = folderdb::databasePath(other.path());
    QVERIFY(platform::writeFileAtomically(theirs, QByteArray("theirs"), nullptr));
    run.app().settings().FilePath = other.path();
    boxes.answers = {MessageAnswer::No, MessageAnswer::No};
    QVERIFY(!run.close());
    QVERIFY(boxes.requests[0].text.contains(QStringLiteral("is not the one Quillbox started")));
    QCOMPARE(fileBytes(theirs), QByteArray("theirs"));

    // A folder under a file can be written by nobody, whoever runs the test.
    QTemporaryDir scratch;
    QVERIFY(platform::writeFileAtomically(scratch.filePath(QStringLiteral("file")), "", nullptr));
    run.app().settings().FilePath = scratch.filePath(QStringLiteral("file/folder"));

    // No: the program stays, with nothing lost.
    boxes.requests.clear();
    boxes.answers = {MessageAnswer::No};
    QVERIFY(!run.close());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests[0].text.contains(QStringLiteral("could not be written")));
    QVERIFY(boxes.requests[0].text.contains(QStringLiteral("LocalFolderDb.psf")));
    QCOMPARE(boxes.requests[0].buttons, platform::MessageButtons::YesNo);
    QVERIFY(run.frame().isVisible());
    QVERIFY(run.store().records() == records);

    // Yes: it quits without saving.
    boxes.answers = {MessageAnswer::Yes};
    QVERIFY(run.close());
    QCOMPARE(boxes.unexpected, 0);
}

void TestProgram::damagedDatabaseAtStartup()
{
    // A database whose last record is cut short.
    MessageStore local;
    for (const char* name : {"Kept", "Also kept", "Lost"})
        local.InsertFolder(name, "LocalFolder", PARENT_LOCAL);
    const QString path = e2e::defaultDatabase();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QByteArray bytes = folderdb::toBytes(folderdb::DEFAULT_HEADER, local.records());
    bytes.chop(3);
    QVERIFY(platform::writeFileAtomically(path, bytes, nullptr));

    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY(boxes.requests[0].text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(boxes.requests[0].icon, MessageIcon::Warning);

    // Set aside, whole, before anything could be written over it.
    QVERIFY(!QFile::exists(path));
    const QStringList aside =
        QDir(QFileInfo(path).path()).entryList({QStringLiteral("LocalFolderDb.psf.damaged-*")});
    QCOMPARE(aside.size(), 1);
    QVERIFY(boxes.requests[0].text.contains(aside[0]));
    QCOMPARE(fileBytes(QFileInfo(path).dir().filePath(aside[0])), bytes);

    // The records before the damage, and no default folders beside them.
    QCOMPARE(run.childTexts(run.localRoot()),
             QStringList({QStringLiteral("Kept(0)"), QStringLiteral("Also kept(0)")}));
    QVERIFY(run.close());
    RecordList written;
    QVERIFY(folderdb::readFile(path, written).ok);
    QCOMPARE(written.size(), size_t(2));
    QCOMPARE(boxes.unexpected, 0);
}

void TestProgram::unreadableDatabaseAtStartup()
{
    // A folder where the database belongs cannot be read, and is not damage.
    const QString path = e2e::defaultDatabase();
    QVERIFY(QDir().mkpath(path));
    ScriptedMessageBoxes boxes;
    e2e::ProgramRun run;
    QVERIFY(run.start());
    QCOMPARE(boxes.requests.size(), 1);
    QVERIFY2(boxes.requests[0].text.contains(QStringLiteral("cannot be read: it is a folder")),
             qPrintable(boxes.requests[0].text));
    QVERIFY(QFileInfo(path).isDir()); // not moved aside
    QVERIFY(run.localFolder(QStringLiteral("Inbox")).isValid());

    // The close asks before writing over it; No keeps it, and the program may still quit.
    boxes.requests.clear();
    boxes.answers = {MessageAnswer::No, MessageAnswer::Yes};
    QVERIFY(run.close());
    QCOMPARE(boxes.requests.size(), 2);
    QVERIFY(boxes.requests[0].text.contains(QStringLiteral("could not be read when Quillbox")));
    QCOMPARE(boxes.requests[0].buttons, platform::MessageButtons::YesNo);
    QVERIFY(boxes.requests[1].text.contains(QStringLiteral("Quit Quillbox without saving")));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(boxes.unexpected, 0);
}

void TestProgram::secondProgramOnOneDatabase()
{
    const QString path = e2e::defaultDatabase();
    const QString lock = path + QStringLiteral(".lock");
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    auto lockHolder = [&] {
        QFile file(lock);
        return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
    };

    // The lock of a program that has ended is taken over.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(deadPid) + "\nquillbox\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
    }
    QProcess first;
    first.start(QStringLiteral(QUILLBOX_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), first.processId(), 60000);

    // A second start with the same database says so and leaves it alone.
    {
        ScriptedMessageBoxes boxes;
        e2e::ProgramRun second;
        QVERIFY(!second.start());
        QVERIFY(!second.app().mainFrame());
        QCOMPARE(boxes.requests.size(), 1);
        QVERIFY(boxes.requests[0].text.startsWith(
            QStringLiteral("Quillbox is already running with the folder database\n") +
            QDir::toNativeSeparators(path)));
    }
    QVERIFY(!QFile::exists(path));
    QCOMPARE(lockHolder(), first.processId());
    // A stop signal while that question is open ends the start at once.
    {
        QProcess refused;
        refused.start(QStringLiteral(QUILLBOX_PROGRAM), {});
        QByteArray said;
        QVERIFY(QTest::qWaitFor(
            [&] { return (said += refused.readAllStandardError()).contains("already running"); },
            60000));
        refused.terminate();
        QVERIFY(refused.waitForFinished(30000));
        QCOMPARE(lockHolder(), first.processId());
    }

    // Another database works beside it. It cannot be moved onto the first one's: it stays,
    // locked; moved elsewhere, its lock goes with it.
    QTemporaryDir elsewhere, third;
    QSettings().setValue(QStringLiteral("Config/FilePath"), elsewhere.path());
    {
        ScriptedMessageBoxes boxes;
        e2e::ProgramRun beside;
        QVERIFY(beside.start());
        auto moveTo = [&](const QString& folder) {
            whenModal<QDialog>([&](QDialog* dialog) {
                dialog->findChild<QLineEdit*>(QStringLiteral("path"))->setText(folder);
                dialog->findChild<QPushButton*>(QStringLiteral("set"))->click();
            });
            beside.frame().OnSettings();
            return beside.app().settings().FilePath;
        };
        const QString besideLock = elsewhere.filePath(QStringLiteral("LocalFolderDb.psf.lock"));
        QCOMPARE(moveTo(QFileInfo(path).path()), elsewhere.path());
        QVERIFY(QFile::exists(besideLock));
        QCOMPARE(moveTo(third.path()), third.path());
        QVERIFY(!QFile::exists(besideLock));
        QVERIFY(beside.close());
        QCOMPARE(boxes.requests.size(), 1);
        QVERIFY(boxes.requests[0].text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(QFile::exists(third.filePath(QStringLiteral("LocalFolderDb.psf"))));
    }

    // The first closes as the user closes it, and lets go of the lock.
    first.terminate();
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));

    // So does one while a start asks about the recovery copy: nothing is written, the copy
    // stays for the next start, and the lock this start took goes.
    QVERIFY(QFile::remove(path));
    const QString copy =
        QDir(platform::defaultDataFolder()).filePath(QLatin1String(recoverycopy::kFileName));
    const QByteArray book = recoverycopy::serialize({});
    QVERIFY(platform::writeFileAtomically(copy, book, nullptr));
    QProcess asking;
    asking.start(QStringLiteral(QUILLBOX_PROGRAM), {});
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), asking.processId(), 60000);
    asking.terminate();
    QVERIFY(asking.waitForFinished(30000));
    QCOMPARE(fileBytes(copy), book);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(lock));
}

QUILLBOX_E2E_TEST_MAIN(TestProgram)
#include "tst_program.moc"
