// The address book end to end: the program against the pager simulator on a real
// pseudo-terminal. Download the demo address book, add and edit a contact, export, close
// with the unsaved question, start again, import, upload, and download once more: the pager
// holds what the user made. The Group dialog's members are the dialog test's.

#include "programrun.h"
#include "tests/platform/widgettest.h"

#include "contacts/contactdlg.h"
#include "contacts/contactsdlg.h"
#include "devlink/cpager.h"
#include "frame/mainframe.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"

#include "../devlink/device/simpager.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

using platform::MessageAnswer;
using platform::ScriptedFileDialogs;
using platform::ScriptedMessageBoxes;

namespace {

// Answers the Contact dialog with these names.
void typeContact(const QString& first, const QString& last)
{
    whenModal<CContactDlg>([first, last](CContactDlg* dlg) {
        qobject_cast<QLineEdit*>(dlg->fieldEdit(0))->setText(first);
        qobject_cast<QLineEdit*>(dlg->fieldEdit(1))->setText(last);
        dlg->addButton()->click();
    });
}

// Runs a transfer command (Yes to its question); whether the box that ends it says it
// completed.
bool transfer(e2e::ProgramRun& run, ScriptedMessageBoxes& boxes, int command, const char* completed)
{
    boxes.answers = {MessageAnswer::Yes};
    const qsizetype before = boxes.requests.size();
    run.frame().action(command)->trigger();
    return QTest::qWaitFor([&] { return boxes.requests.size() >= before + 2; }, 30000) &&
           boxes.requests.constLast().text == QLatin1String(completed);
}

std::vector<ContactRecord> contactsOf(const CPager& pager)
{
    std::vector<ContactRecord> out;
    for (const auto& c : pager.m_AddressList) {
        ContactRecord copy = *c;
        copy.nIndex = copy.nKey = 0;
        out.push_back(copy);
    }
    return out;
}

} // namespace

class TestContactsE2e : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void addressBookRoundTrip();

private:
    std::unique_ptr<SimPager> m_pager;
};

void TestContactsE2e::initTestCase()
{
    setApplicationIdentity();
    m_pager = std::make_unique<SimPager>();
    QVERIFY(!m_pager->path().isEmpty());
    e2e::wipeUserFiles();
    qputenv("QUILLBOX_COM1", QFile::encodeName(m_pager->path()));
}

void TestContactsE2e::addressBookRoundTrip()
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
        made = contactsOf(run.frame().pager());
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
        QVERIFY(contactsOf(run.frame().pager()) == made);

        QVERIFY(transfer(run, boxes, CMainFrame::ID_UPLOAD_CONTACTS, "Upload Completed ! "));
        QVERIFY(transfer(run, boxes, CMainFrame::ID_DOWNLOAD_CONTACTS, "Download Completed ! "));
        QVERIFY(contactsOf(run.frame().pager()) == made);

        // No saves nothing: the program ends without writing.
        boxes.answers = {MessageAnswer::No};
        QVERIFY(run.close());
    }
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(files.unexpected, 0);
}

QUILLBOX_E2E_TEST_MAIN(TestContactsE2e)
#include "tst_contacts_e2e.moc"
