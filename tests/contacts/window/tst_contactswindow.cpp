// The Contacts window over an address book filled directly: dialogs are answered by the
// test, message boxes and file dialogs by the scripted services. What the listings hold is
// the models', tested with them; here is what the window's commands do with them.

#include "contacts/core/contactstransfers.h"
#include "contacts/widgets/contactdlg.h"
#include "contacts/widgets/contactsdlg.h"
#include "contacts/widgets/duplicatereviewdlg.h"
#include "contacts/widgets/groupdlg.h"
#include "platform/atomicfile.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "tests/support/scripteddialogs.h"

#include "tests/contacts/bookfill.h"
#include "tests/platform/widgettest.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <functional>

#include <sys/stat.h>

using platform::ScriptedFileDialogs;
using platform::ScriptedMessageBoxes;

namespace {

// The window with its modal dialogs answered by the test.
class Window : public CContactsDlg
{
public:
    std::function<int(QDialog&)> answer;
    int dialogs = 0;

protected:
    int execDialog(QDialog& dlg) override
    {
        ++dialogs;
        return answer ? answer(dlg) : QDialog::Rejected;
    }
};

QStringList L(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromLatin1(t);
    return out;
}

QStringList column(const QTreeView* view, int c, const QModelIndex& parent = {})
{
    QStringList out;
    const QAbstractItemModel* model = view->model();
    for (int i = 0; i < model->rowCount(parent); ++i)
        out << model->index(i, c, parent).data().toString();
    return out;
}

void selectRows(QTreeView* list, const std::vector<int>& rows)
{
    list->clearSelection();
    for (const int row : rows)
        list->selectionModel()->setCurrentIndex(
            list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Which of the window's commands the menu enables.
QList<int> enabledIn(const QMenu* menu)
{
    QList<int> out;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            out << action->data().toInt();
    return out;
}

QPoint at(QTreeView* tree, const QModelIndex& item)
{
    return tree->visualRect(item).center();
}

// A Contact dialog answered with these first and last names.
std::function<int(QDialog&)> typing(const char* first, const char* last)
{
    return [first, last](QDialog& dlg) {
        auto& contact = static_cast<CContactDlg&>(dlg);
        contact.m_strFirstName = first;
        contact.m_strLastName = last;
        return int(QDialog::Accepted);
    };
}

// A Group dialog answered with this name; the name it showed first goes to shown.
std::function<int(QDialog&)> naming(const char* name, QString* shown = nullptr)
{
    return [shown, name](QDialog& dlg) {
        auto& group = static_cast<CGroupDlg&>(dlg);
        dlg.show();
        if (shown)
            *shown = group.nameEdit()->text();
        group.nameEdit()->setText(QString::fromLatin1(name));
        group.OnOK();
        dlg.hide();
        return dlg.result();
    };
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestContactsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contactCommands();
    void menusAndGroupCommands();
    void importAndExport();
    void vcardImportAndExport();
    void faultsMended();
};

// New, Edit and Delete show in the list and mark the book unsaved; an edit whose contact a
// download replaced is dropped. Where a row goes is the models' rule, tested with them.
void TestContactsWindow::contactCommands()
{
    ScriptedMessageBoxes boxes;
    AddressBook book;
    for (const char* name : {"Carl", "Anna"})
        addContact(book, {name});
    Window w;
    w.SetBook(&book);
    w.answer = typing("Bea", "Q");
    w.OnButtonAddressNewaddress();
    QCOMPARE(column(w.list(), 0), L({"Anna", "Bea", "Carl"}));
    QVERIFY(w.IsModified());
    w.SetModified(false);
    selectRows(w.list(), {0});
    w.answer = typing("Zoe", "");
    w.EditContact();
    QCOMPARE(column(w.list(), 0), L({"Bea", "Carl", "Zoe"}));
    QVERIFY(w.IsModified());

    // Several rows at once; then the Contacts root's menu deletes the whole folder.
    selectRows(w.list(), {0, 2});
    w.OnAddressDelete();
    QCOMPARE(column(w.list(), 0), L({"Carl"}));
    w.createContextMenu(w.tree()->viewport(), at(w.tree(), w.contactsRoot()));
    w.OnAddressDelete();
    QCOMPARE(w.list()->model()->rowCount(), 0);
    QVERIFY(book.m_AddressList.empty());

    // A download ends while the Contact dialog is open: the edit has nowhere to go.
    addContact(book, {"Old"});
    w.ShowList(KEY_CONTACTS);
    selectRows(w.list(), {0});
    w.answer = [&](QDialog& dlg) {
        ContactRecord other;
        other.strFirstName = "Other";
        book.replaceAll({other}, {});
        w.DownloadCompleted();
        return typing("Typed", "")(dlg);
    };
    w.EditContact();
    QCOMPARE(column(w.list(), 0), L({"Other"}));
    QVERIFY(boxes.texts().constLast().contains(QStringLiteral("not kept")));

    // A full memory refuses New Contact before the dialog.
    while (book.CheckAddressSpace())
        addContact(book, {"X", "Y"});
    const int before = w.dialogs;
    w.OnButtonAddressNewaddress();
    QCOMPARE(w.dialogs, before);
    QCOMPARE(boxes.texts().constLast(), QStringLiteral("Exceeded Contacts Limits(250)"));
}

void TestContactsWindow::menusAndGroupCommands()
{
    ScriptedMessageBoxes boxes;
    AddressBook book;
    addContact(book, {"A"});
    addGroup(book, "Team");
    Window w;
    w.resize(900, 400);
    w.SetBook(&book);
    using C = CContactsDlg;
    QTreeView* tree = w.tree();
    const QModelIndex groups = w.groupsRoot();
    const QModelIndex team = groups.model()->index(0, 0, groups);
    QCOMPARE(enabledIn(w.createContextMenu(tree->viewport(), at(tree, w.contactsRoot())).get()),
             QList<int>({C::ID_ADDRESS_DELETE, C::ID_VCARD_IMPORT, C::ID_VCARD_EXPORT}));
    QCOMPARE(enabledIn(w.createContextMenu(tree->viewport(), at(tree, groups)).get()),
             QList<int>({C::ID_GROUP_NEW, C::ID_FOLDER_NEW}));
    QCOMPARE(enabledIn(w.createContextMenu(tree->viewport(), at(tree, team)).get()),
             QList<int>({C::ID_GROUP_DELETE, C::ID_GROUP_EDIT, C::ID_GROUP_RENAME}));
    w.list()->clearSelection();
    QVERIFY(!w.createContextMenu(w.list()->viewport(), QPoint(5, 5)));
    selectRows(w.list(), {0});
    QCOMPARE(enabledIn(w.createContextMenu(w.list()->viewport(), QPoint(5, 5)).get()),
             QList<int>({C::ID_ADDRESS_DELETE, C::ID_ADDRESS_CONTACT}));

    // From the keyboard (Menu key, Shift+F10) the menu is the current item's, wherever the
    // event says it opens.
    const auto keyboardMenu = [](QWidget* view) {
        QList<int> enabled;
        QTimer::singleShot(0, [&enabled] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                enabled = enabledIn(menu);
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                view->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(view, &event);
        return enabled;
    };
    tree->setCurrentIndex(team);
    QCOMPARE(keyboardMenu(tree),
             QList<int>({C::ID_GROUP_DELETE, C::ID_GROUP_EDIT, C::ID_GROUP_RENAME}));
    tree->setCurrentIndex(w.contactsRoot());
    selectRows(w.list(), {0});

    // Every group command that changes the book marks it unsaved (a group is lost at close
    // as much as a contact is).
    const auto marked = [&w] {
        const bool was = w.IsModified();
        w.SetModified(false);
        return was;
    };

    // A rename to nothing or to another group's name is refused and changes nothing.
    w.OnEndLabelEdit(team, QString());
    w.OnEndLabelEdit(team, QStringLiteral("Team"));
    QCOMPARE(boxes.texts(), QStringList({QStringLiteral("You Must Input GropName.")}));
    QVERIFY(!marked());
    w.OnEndLabelEdit(team, QStringLiteral("Crew"));
    QCOMPARE(team.data().toString(), QStringLiteral("Crew"));
    QCOMPARE(book.m_GroupList.front()->strName, std::string("Crew"));
    QVERIFY(marked());

    // New Group starts with an empty name and lists the groups; Edit Group shows the group's
    // own name and lists its members.
    QString shownName = QStringLiteral("unset");
    w.answer = naming("Family", &shownName);
    w.createContextMenu(tree->viewport(), at(tree, groups));
    w.OnGroupNew();
    QCOMPARE(shownName, QString());
    QCOMPARE(column(tree, 0, groups), L({"Crew", "Family"}));
    QVERIFY(marked());
    QCOMPARE(column(w.list(), 1), L({"Crew", "Family"}));
    w.OnEndLabelEdit(groups.model()->index(0, 0, groups), QStringLiteral("Family"));
    QVERIFY(boxes.texts().constLast().startsWith(QStringLiteral("Crew - ReName Failed.")));
    w.createContextMenu(tree->viewport(), at(tree, groups.model()->index(1, 0, groups)));
    w.answer = naming("Kin", &shownName);
    w.OnGroupEdit();
    QCOMPARE(shownName, QStringLiteral("Family"));
    QCOMPARE(column(tree, 0, groups), L({"Crew", "Kin"}));
    QCOMPARE(w.listedKey(), book.m_GroupList.back()->nGroupId);
    QVERIFY(marked());

    // New Folder names itself apart and shows the folder pictures, as "Groups" does; at 20
    // groups in the tree New Group is refused.
    while (column(tree, 0, groups).size() < MAX_GROUPS) {
        w.createContextMenu(tree->viewport(), at(tree, groups));
        w.OnFolderNew();
    }
    QCOMPARE(column(tree, 0, groups).mid(2, 2), L({"New Folder", "New Folder-1"}));
    QVERIFY(marked());
    const auto icon = [](const QModelIndex& item) {
        return item.data(Qt::DecorationRole).value<QIcon>().cacheKey();
    };
    QCOMPARE(icon(groups.model()->index(2, 0, groups)), icon(groups));
    QVERIFY(icon(groups.model()->index(0, 0, groups)) != icon(groups));
    const int before = w.dialogs;
    w.OnGroupNew();
    QCOMPARE(w.dialogs, before);
    QCOMPARE(boxes.texts().constLast(),
             QStringLiteral("Max Group Count = 20EA\r\nCan't Add NewGroup"));

    // Delete Group takes the item and the record, and marks the book unsaved.
    const size_t count = book.m_GroupList.size();
    w.createContextMenu(tree->viewport(), at(tree, groups.model()->index(0, 0, groups)));
    w.OnGroupDelete();
    QCOMPARE(book.m_GroupList.size(), count - 1);
    QCOMPARE(column(tree, 0, groups).first(), QStringLiteral("Kin"));
    QVERIFY(w.IsModified());
    QCoreApplication::processEvents(); // the reopened editors
}

// The window's part of import and export: dialogs, messages, rows, the current file and the
// unsaved mark. What is read and written is the exchange's, tested in the core.
void TestContactsWindow::importAndExport()
{
    QTemporaryDir dir;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    AddressBook book;
    for (int i = 0; i < MAX_CONTACTS - 4; ++i)
        addContact(book, {"Kept"}, 0); // filed in a group: not listed
    QString folder;
    Window w;
    w.SetBook(&book);
    w.SetAddressPath(&folder);

    const QString path = dir.filePath(QStringLiteral("book.txt"));
    QVERIFY(
        platform::writeFileAtomically(path, "First Name\r\nCarl\r\nanna\r\nBea\tZ\r\n", nullptr));
    files.answers = {path, path};
    w.ImportContacts();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Import Completed ! ")});
    QCOMPARE(folder, dir.path());
    QCOMPARE(book.m_strAddressFile, path);
    QCOMPARE(column(w.list(), 0), L({"Bea", "Carl", "anna"}));
    QVERIFY(!w.IsModified()); // the list was empty
    // Into a list with rows: unsaved; the memory fills up.
    w.ImportContacts();
    QCOMPARE(boxes.texts().constLast(), QStringLiteral("Exceeded Contacts Limits(250)"));
    QCOMPARE(column(w.list(), 0), L({"Bea", "Carl", "Carl", "anna"}));
    QVERIFY(w.IsModified());

    // No current file: Save As, in the address folder, asking before overwriting.
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    book.m_strAddressFile.clear();
    files.answers = {out};
    w.ExportContacts();
    QCOMPARE(files.fileRequests.constLast().initialFolder, dir.path());
    QCOMPARE(boxes.texts().constLast(), QStringLiteral("Export Completed ! "));
    QVERIFY(!w.IsModified());

    // A current file is written without a question; one that cannot be made is told, and
    // the book stays unsaved.
    const qsizetype asked = files.fileRequests.size();
    book.m_strAddressFile = path;
    w.ExportContacts();
    QCOMPARE(files.fileRequests.size(), asked);
    QCOMPARE(readAll(path), readAll(out));
    w.SetModified(true);
    book.m_strAddressFile = dir.filePath(QStringLiteral("no/such/folder/book.txt"));
    w.ExportContacts();
    QVERIFY(
        boxes.texts().constLast().startsWith(QStringLiteral("Couldn't save the contacts file:")));
    QVERIFY(w.IsModified());
}

// The window's part of the vCard exchange: the review, the rows, the report, and which
// contacts an export writes. The reading, the mapping and the plan are the core's.
void TestContactsWindow::vcardImportAndExport()
{
    QTemporaryDir dir;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    AddressBook book;
    addContact(book, {"Ann", "Lee", "", "a@x"});
    Window w;
    w.SetBook(&book);
    const QString in = dir.filePath(QStringLiteral("in.vcf"));
    QVERIFY(platform::writeFileAtomically(
        in,
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann\r\nEMAIL:new@x\r\nEND:VCARD\r\nBEGIN:VCARD\r\n"
        "VERSION:3.0\r\nFN:New\r\nNOTE:nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\nMEMBER:mailto:a@x\r\nEND:VCARD\r\n",
        nullptr));
    files.answers = {in};
    w.answer = [](QDialog& dlg) {
        auto& review = dynamic_cast<CDuplicateReviewDlg&>(dlg);
        if (review.table()->rowCount() != 1 ||
            review.fitLabel()->text() != QStringLiteral("1 contact will be added."))
            return int(QDialog::Rejected);
        review.setAll(duplicates::Action::Replace);
        return int(QDialog::Accepted);
    };
    w.ImportVCard();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral(
                                "vCard Import Completed.\n1 contact added, 1 replaced, 0 "
                                "duplicates skipped.\n1 group added.\n\nNot everything fitted:\n"
                                "New: Note cut")});
    QCOMPARE(column(w.list(), 0), L({"Ann", "New"}));
    QCOMPARE(column(w.tree(), 0, w.groupsRoot()), L({"Team"}));
    QVERIFY(w.IsModified());

    // Several selected contacts go alone; otherwise the whole book with its groups.
    const QString out = dir.filePath(QStringLiteral("out.vcf"));
    selectRows(w.list(), {0, 1});
    files.answers = {out};
    w.ExportVCard();
    QCOMPARE(readAll(out).count("BEGIN:VCARD"), 2);
    QCOMPARE(boxes.texts().constLast(),
             QStringLiteral("vCard Export Completed: 2 contacts, 0 groups."));
    w.list()->clearSelection();
    files.answers = {out};
    w.ExportVCard();
    QCOMPARE(readAll(out).count("BEGIN:VCARD"), 3); // Ann, New and the group
}

// Each block once failed: a crash, a command acting on the wrong record, a lost book.
void TestContactsWindow::faultsMended()
{
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    AddressBook book;
    addContact(book, {"A"});
    addContact(book, {"B"});
    const qint32 team = addGroup(book, "Team")->nGroupId;
    Window w;
    w.resize(900, 400);
    w.SetBook(&book);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // New Folder on a collapsed "Groups": the expansion rebuilds the children, and the
    // in-place editing must start on the new item, not on a freed one.
    w.tree()->collapse(w.groupsRoot());
    w.createContextMenu(w.tree()->viewport(), at(w.tree(), w.groupsRoot()));
    w.OnFolderNew();
    QCOMPARE(column(w.tree(), 0, w.groupsRoot()), L({"Team", "New Folder"}));
    QCOMPARE(w.tree()->currentIndex(), w.contactsRoot());
    QCoreApplication::processEvents();

    // New Group refills the list with groups while "Contacts" stays selected: the list's
    // contact commands must not take the group ids there for contact keys.
    w.answer = naming("Kin");
    w.OnGroupNew();
    QCOMPARE(w.listedKey(), KEY_GROUPS);
    QVERIFY(team == 1); // the key of contact A
    selectRows(w.list(), {0});
    QVERIFY(!w.createContextMenu(w.list()->viewport(), QPoint(5, 5)));
    w.OnAddressDelete();
    w.OnAddressContact();
    w.EditContact();
    QCOMPARE(book.m_AddressList.size(), size_t(2));
    QCOMPARE(w.dialogs, 1);

    // Single-row commands act on the selected row, not on the row the focus moved to.
    w.tree()->setCurrentIndex(w.groupsRoot());
    w.tree()->setCurrentIndex(w.contactsRoot());
    selectRows(w.list(), {0});
    w.list()->setFocus();
    QTest::keyClick(w.list(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w.currentItem(), 1);
    w.answer = typing("A2", "");
    w.EditContact();
    QCOMPARE(book.m_AddressList.front()->strFirstName, std::string("A2"));
    selectRows(w.list(), {0});
    QTest::keyClick(w.list(), Qt::Key_Down, Qt::ControlModifier);
    w.OnAddressDelete();
    QCOMPARE(column(w.list(), 0), L({"B"}));

    // A double click right of the last column opens the row.
    const int dialogs = w.dialogs;
    w.answer = nullptr;
    w.resize(1200, 400);
    const QRect row = w.list()->visualRect(w.list()->model()->index(0, 0));
    QVERIFY(w.list()->header()->length() < w.list()->viewport()->width() - 10);
    QTest::mouseDClick(w.list()->viewport(), Qt::LeftButton, {},
                       QPoint(w.list()->viewport()->width() - 5, row.center().y()));
    QTRY_COMPARE(w.dialogs, dialogs + 1);

    // A download that cannot start leaves the book as it was.
    struct : ContactsTransfers
    {
        int DownloadContacts() override { return 2; }
        int UploadContacts() override { return 2; }
    } refusing;
    w.SetTransfers(&refusing);
    w.DownloadContacts();
    QCOMPARE(w.lastResult(), 2);
    QCOMPARE(book.m_AddressList.size(), size_t(1));

    // The import's Open dialog takes a name that does not exist; the open says why. A pipe
    // is refused before it is opened, which would wait for a writer.
    boxes.requests.clear();
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    files.answers = {dir.filePath(QStringLiteral("missing.txt")), pipe};
    w.ImportContacts();
    w.ImportContacts();
    QVERIFY(!files.fileRequests.constLast().mustExist);
    QCOMPARE(boxes.requests.size(), 2);
    QVERIFY(boxes.requests[0].text.startsWith(QStringLiteral("Couldn't open source file:\n")));
    QCOMPARE(boxes.requests[1].text,
             QStringLiteral("Couldn't open source file:\nit is a pipe, not a file"));
}

QUILLBOX_WIDGET_TEST_MAIN(TestContactsWindow)
#include "tst_contactswindow.moc"
