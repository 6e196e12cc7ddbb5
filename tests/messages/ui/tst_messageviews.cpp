#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/messagemodels.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/choosefolderdialog.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/rightview.h"
#include "messages/widgets/searchresultsview.h"
#include "platform/filedialogservice.h"
#include "platform/messageboxservice.h"
#include "tests/platform/widgettest.h"
#include "tests/support/scripteddialogs.h"

#include "localmessages.h"

#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

// The Messages window as the main frame puts it together.
struct Window
{
    MessageStore store;
    MessageModels models{store};
    QWidget top;
    CLeftView* tree = new CLeftView(models);
    CRightView* right = new CRightView(models);

    // A first run: no folder database was read.
    Window()
    {
        auto* layout = new QHBoxLayout(&top);
        layout->addWidget(tree);
        layout->addWidget(right);
        right->followTree(tree);
        store.SetUpFolders(true);
        tree->BuildFolderTree();
        right->initialUpdate();
        top.resize(900, 600);
        top.show();
    }
    CRightListView* list() const { return right->listView(); }
    CRightDetailView* detail() const { return right->detailView(); }
    MessageListModel* model() const { return list()->messageModel(); }
    QModelIndex item(qint32 folderId) const { return tree->folderModel().findFolder(folderId); }
    QString text(qint32 folderId) const { return item(folderId).data().toString(); }

    QStringList column(int c) const
    {
        QStringList result;
        for (int r = 0; r < model()->rowCount(); ++r)
            result.append(model()->index(r, c).data().toString());
        return result;
    }
    // The drag of these rows of the list, as the list's model makes it.
    std::unique_ptr<QMimeData> dragRows(std::initializer_list<int> rows) const
    {
        list()->clearSelection();
        for (const int r : rows)
            list()->selectionModel()->select(model()->index(r, 0), QItemSelectionModel::Select |
                                                                       QItemSelectionModel::Rows);
        return std::unique_ptr<QMimeData>(
            model()->mimeData(list()->selectionModel()->selectedRows()));
    }
    // Brings a drag of these rows to the tree's viewport as the events of a real drag.
    bool dropOn(const QModelIndex& target, std::initializer_list<int> rows,
                Qt::KeyboardModifiers keys) const
    {
        std::unique_ptr<QMimeData> data = dragRows(rows);
        const QPoint at = target.isValid() ? tree->visualRect(target).center() : QPoint(5, 590);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data.get(), Qt::LeftButton, keys);
        QDragMoveEvent move(at, actions, data.get(), Qt::LeftButton, keys);
        QDropEvent drop(QPointF(at), actions, data.get(), Qt::LeftButton, keys);
        // The list's drags offer a move unless Ctrl asks for a copy.
        const Qt::DropAction proposed =
            keys.testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
        for (QDropEvent* e :
             {static_cast<QDropEvent*>(&enter), static_cast<QDropEvent*>(&move), &drop}) {
            e->setDropAction(proposed);
            QApplication::sendEvent(tree->viewport(), e);
            if (!e->isAccepted()) {
                QDragLeaveEvent leave;
                QApplication::sendEvent(tree->viewport(), &leave);
                return false;
            }
        }
        return true;
    }
    QLineEdit* editor() const
    {
        for (QLineEdit* e : tree->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible())
                return e;
        }
        return nullptr;
    }
    void escape() const
    {
        if (QLineEdit* e = editor())
            QTest::keyClick(e, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QStringList enabled(const std::unique_ptr<QMenu>& menu)
{
    QStringList result;
    for (const QAction* a : menu->actions()) {
        if (a->isEnabled() && !a->isSeparator())
            result.append(a->text());
    }
    return result;
}

} // namespace

class TestMessageViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void treeListAndDetailFollowEachOther()
    {
        Window w;
        platform::ScriptedMessageBoxes boxes;
        QVERIFY(w.tree->isExpanded(w.tree->folderModel().pagerRoot()));
        QVERIFY(w.tree->isExpanded(w.tree->folderModel().localRoot()));
        w.store.TakeDownloadedMessages(
            {download(1, "one\r\ntwo"), download(8, "news"), download(1, "three")}, {});
        w.tree->RefreshPagerTree();

        w.tree->setCurrentIndex(w.item(1));
        QCOMPARE(w.models.GetSelectedFolder(), w.store.findFolder(PARENT_PAGER, 1));
        QCOMPARE(w.model()->rowCount(), 2);
        // The current row's message goes to the detail pane, header line first.
        w.list()->setCurrentIndex(w.model()->index(0, 0));
        QCOMPARE(w.detail()->toPlainText(), QStringLiteral("From 555\none\ntwo"));
        w.tree->setCurrentIndex(w.tree->folderModel().pagerRoot());
        QCOMPARE(w.model()->rowCount(), 0);
        QVERIFY(w.detail()->toPlainText().isEmpty());

        // A download while a pager folder is listed: new counts, empty panes, and the tree
        // no longer points at a folder the panes do not show.
        w.tree->setCurrentIndex(w.item(1));
        w.list()->setCurrentIndex(w.model()->index(1, 0));
        w.store.TakeDownloadedMessages({download(1, "only")}, {});
        w.tree->RefreshPagerTree();
        QCOMPARE(w.text(1), QStringLiteral("Inbox(1)"));
        QCOMPARE(w.model()->rowCount(), 0);
        QVERIFY(w.detail()->toPlainText().isEmpty());
        QVERIFY(!w.models.GetSelectedFolder());

        // Deleting messages: the list, the detail pane and the count follow.
        for (const char* text : {"a", "b", "c"})
            addMessage(w.store, 21, text);
        w.tree->setCurrentIndex(w.item(21));
        w.list()->setCurrentIndex(w.model()->index(0, 0));
        QVERIFY(!w.detail()->toPlainText().isEmpty());
        w.dragRows({0, 2});
        w.list()->deleteAction()->trigger();
        QCOMPARE(w.column(2), texts("b"));
        QCOMPARE(w.text(21), QStringLiteral("Outbox(1)"));
        QVERIFY(w.detail()->toPlainText().isEmpty());

        // A download, or the tree's rows built anew, while a local folder is listed: the
        // tree and the list go on showing it.
        w.store.TakeDownloadedMessages({download(1, "again")}, {});
        w.tree->RefreshPagerTree();
        QCOMPARE(w.column(2), texts("b"));
        w.tree->folderModel().reload();
        QCOMPARE(w.models.GetSelectedFolder(), w.store.findFolderById(21));
        QCOMPARE(w.column(2), texts("b"));
    }

    void contextMenus()
    {
        Window w;
        QVERIFY(!w.tree->createContextMenu(w.tree->folderModel().pagerRoot()));
        // A pager folder's messages can only be exported.
        QCOMPARE(enabled(w.tree->createContextMenu(w.item(1))), texts("Export Messages..."));
        const QModelIndex localRoot = w.tree->folderModel().localRoot();
        QCOMPARE(enabled(w.tree->createContextMenu(localRoot)), texts("New Folder"));
        QCOMPARE(enabled(w.tree->createContextMenu(w.item(20))),
                 texts("New Folder|Delete|ReName|Export Messages...|"
                       "Export Messages with Subfolders..."));

        // The list offers Delete and Move only for selected rows of a local folder (pager
        // messages are only copied), Copy and Export for any.
        w.store.TakeDownloadedMessages({download(1, "pager")}, {});
        addMessage(w.store, 20, "local");
        w.tree->setCurrentIndex(w.item(1));
        w.dragRows({0});
        QCOMPARE(enabled(w.list()->createContextMenu()),
                 texts("Copy to Folder...|Export Messages..."));
        w.tree->setCurrentIndex(w.item(20));
        QVERIFY(!w.list()->createContextMenu());
        w.dragRows({0});
        QCOMPARE(enabled(w.list()->createContextMenu()),
                 texts("Delete|Copy to Folder...|Move to Folder...|Export Messages..."));
    }

    // One path through the search and the exports; their rules are the models' and the
    // core's tests.
    void searchAndExport()
    {
        Window w;
        platform::ScriptedMessageBoxes boxes;
        platform::ScriptedFileDialogs files;
        QTemporaryDir dir;
        w.store.TakeDownloadedMessages({download(1, "Meeting at noon")}, {});
        w.tree->RefreshPagerTree();
        const qint32 local = addMessage(w.store, 22, "meeting moved");
        w.tree->setCurrentIndex(w.item(21));

        QLineEdit* field = w.right->searchField();
        w.top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        w.tree->setFocus();
        QTest::keyClick(w.tree, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("MEETING"));
        CSearchResultsView* results = w.right->searchView();
        SearchResultsModel* found = results->resultsModel();
        QVERIFY(results->isVisible() && !w.list()->isVisible());
        QCOMPARE(found->rowCount(), 2);
        results->setCurrentIndex(found->index(1, 0));
        QCOMPARE(w.detail()->toPlainText(), QStringLiteral("meeting moved\nmeeting moved"));
        QCOMPARE(enabled(results->createContextMenu()),
                 texts("Delete|Copy to Folder...|Move to Folder...|Export Messages..."));

        // A double click: the search ends on the message's folder and the message.
        const QRect at = results->visualRect(found->index(1, 1));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, at.center());
        QVERIFY(field->text().isEmpty() && w.list()->isVisible());
        QCOMPARE(w.models.GetSelectedFolder()->nFolderId, 22);
        QCOMPARE(w.model()->messageId(w.list()->currentIndex().row()), local);

        // Esc ends a search where it began.
        w.tree->setCurrentIndex(w.item(21));
        QTest::keyClicks(field, QStringLiteral("noon"));
        QCOMPARE(found->rowCount(), 1);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->text().isEmpty() && w.list()->isVisible());
        QCOMPARE(w.models.GetSelectedFolder()->nFolderId, 21);

        // Choosing a folder in the tree ends a search on that folder: a click on another
        // one, on the one shown, a right click that moves to another, or a move with the
        // keys.
        const auto choose = [&](const std::function<void()>& how, qint32 folderId) {
            QTest::keyClicks(field, QStringLiteral("noon"));
            how();
            QVERIFY(field->text().isEmpty() && w.list()->isVisible());
            QCOMPARE(w.models.GetSelectedFolder()->nFolderId, folderId);
        };
        const auto click = [&](qint32 folderId, Qt::MouseButton button) {
            return [&w, folderId, button] {
                QTest::mouseClick(w.tree->viewport(), button, {},
                                  w.tree->visualRect(w.item(folderId)).center());
            };
        };
        choose(click(1, Qt::LeftButton), 1);
        QCOMPARE(w.column(2), texts("Meeting at noon"));
        choose(click(22, Qt::LeftButton), 22);
        choose(click(22, Qt::LeftButton), 22); // without editing its name after a while
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!w.editor());
        choose(click(3, Qt::RightButton), 3);
        choose([&] { QTest::keyClick(w.tree, Qt::Key_Up); }, 2);

        // Exports: a pager folder from its menu, the list's selection as CSV, its formulas
        // guarded unless the dialog's box is ticked.
        addMessage(w.store, 22, "=1+1");
        files.answers << dir.filePath(QStringLiteral("inbox"))
                      << dir.filePath(QStringLiteral("list.csv"))
                      << dir.filePath(QStringLiteral("raw.csv"));
        files.checkBoxAnswers << false << false << true;
        w.tree->createContextMenu(w.item(1));
        w.tree->exportAction()->trigger();
        w.tree->setCurrentIndex(w.item(22));
        w.dragRows({1});
        w.list()->exportAction()->trigger();
        w.list()->exportAction()->trigger();
        QFile mbox(dir.filePath(QStringLiteral("inbox.mbox")));
        QVERIFY(mbox.open(QIODevice::ReadOnly));
        QVERIFY(mbox.readAll().contains("\nX-Quillbox-Folder: Messages/Inbox\n"));
        for (const auto& [name, row] :
             {std::pair("list.csv", "LocalFolder/Drafts,,'=1+1,'=1+1,'=1+1\r\n"),
              std::pair("raw.csv", "LocalFolder/Drafts,,=1+1,=1+1,=1+1\r\n")}) {
            QFile csv(dir.filePath(QLatin1String(name)));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            QCOMPARE(csv.readAll(), "Folder,Date,Address,Header,Text\r\n" + QByteArray(row));
        }
        QCOMPARE(boxes.texts().mid(1),
                 texts("Export Completed ! |Export Completed ! |Export Completed ! "));
    }

    void folderCommandsThroughTheTree()
    {
        Window w;
        platform::ScriptedMessageBoxes boxes;
        // A new folder under one never opened: it opens and the new name is being edited.
        const QModelIndex folders = w.item(23);
        w.tree->createContextMenu(folders);
        w.tree->newFolderAction()->trigger();
        QVERIFY(w.editor());
        QCOMPARE(w.editor()->text(), QStringLiteral("New Folder")); // without its count
        w.escape();
        QVERIFY(w.tree->isExpanded(folders));

        // A refusal tells why and starts the editing again, with the old name.
        const QModelIndex inbox = w.item(20);
        QVERIFY(!w.tree->endLabelEdit(inbox, QStringLiteral("Outbox")));
        QCOMPARE(boxes.texts(), texts("Inbox(0) - ReName Failed.\nExisted Folder Name.\n"
                                      "You Must Input the Different FolderName."));
        QTRY_VERIFY(w.editor());
        QCOMPARE(w.editor()->text(), QStringLiteral("Inbox"));
        w.escape();

        // Through the editor, as the user does it.
        w.tree->createContextMenu(inbox);
        w.tree->reNameAction()->trigger();
        QVERIFY(w.editor());
        w.editor()->setText(QStringLiteral("Mine"));
        QTest::keyClick(w.editor(), Qt::Key_Return);
        QTRY_COMPARE(w.store.findFolderById(20)->strName, std::string("Mine"));
        QCOMPARE(boxes.requests.size(), 1);

        // Deleting the folder that holds the selection: the parent takes over, and the list
        // follows it.
        addMessage(w.store, 25, "m");
        w.tree->setCurrentIndex(w.item(25));
        QCOMPARE(w.model()->rowCount(), 1);
        w.tree->createContextMenu(folders);
        w.tree->deleteAction()->trigger();
        QVERIFY(!w.item(23).isValid());
        QCOMPARE(w.tree->currentIndex(), w.tree->folderModel().localRoot());
        QCOMPARE(w.model()->rowCount(), 0);
    }

    // Drops through the events of a real drag; which drops are allowed is the model's test.
    void dropsThroughTheTree()
    {
        Window w;
        for (const char* text : {"l1", "l2", "l3"})
            addMessage(w.store, 20, text);
        w.tree->setCurrentIndex(w.item(20));

        // Refused where the model refuses, and on no row at all.
        for (const QModelIndex& target : {w.item(2), QModelIndex()})
            QVERIFY(!w.dropOn(target, {0, 2}, {}));
        // With Ctrl copied; without, moved; the list shows where they went.
        QVERIFY(w.dropOn(w.item(22), {0, 2}, Qt::ControlModifier));
        QCOMPARE(w.text(20), QStringLiteral("Inbox(3)"));
        QCOMPARE(w.tree->currentIndex(), w.item(22));
        QCOMPARE(w.column(2), texts("l1|l3"));
        QVERIFY(w.dropOn(w.item(23), {0}, {}));
        QCOMPARE(w.text(22), QStringLiteral("Drafts(1)"));
        QCOMPARE(w.text(23), QStringLiteral("Folders(1)"));
    }

    // Copy to Folder... and Move to Folder... file the selected rows as a drop of them on
    // the folder chosen does; the dialog's tree has the focus and Enter chooses.
    void fileToFolder_data()
    {
        QTest::addColumn<qint32>("source");
        QTest::addColumn<bool>("move");
        QTest::addColumn<qint32>("target"); // 0: the dialog is cancelled
        QTest::addColumn<QString>("sourceAfter");
        QTest::addColumn<QString>("targetAfter");
        QTest::newRow("copy from the pager") << 1 << false << 22 << "Inbox(2)"
                                             << "Drafts(2)";
        QTest::newRow("move from local") << 20 << true << 22 << "Inbox(0)"
                                         << "Drafts(2)";
        QTest::newRow("cancel") << 20 << true << 0 << "Inbox(2)"
                                << "Drafts(0)";
    }

    void fileToFolder()
    {
        QFETCH(qint32, source);
        QFETCH(bool, move);
        QFETCH(qint32, target);
        QFETCH(QString, sourceAfter);
        QFETCH(QString, targetAfter);
        Window w;
        w.store.TakeDownloadedMessages({download(1, "p1"), download(1, "p2")}, {});
        addMessage(w.store, 20, "l1");
        addMessage(w.store, 20, "l2");
        w.tree->setCurrentIndex(w.item(source));
        w.dragRows({0, 1});
        QVERIFY(w.list()->createContextMenu());
        QCOMPARE(w.list()->moveToFolderAction()->isEnabled(), source != 1);

        whenModal<CChooseFolderDlg>([&](CChooseFolderDlg* dialog) {
            QTreeView* folders = dialog->folderView();
            if (target == 0 || !folders->hasFocus())
                return dialog->reject();
            folders->setCurrentIndex(w.item(target));
            QTest::keyClick(folders, Qt::Key_Return);
        });
        (move ? w.list()->moveToFolderAction() : w.list()->copyToFolderAction())->trigger();
        QCOMPARE(w.text(source), sourceAfter);
        QCOMPARE(w.text(22), targetAfter);
        // The list then shows where the messages went, or still the folder they are in.
        QCOMPARE(w.tree->currentIndex(), w.item(target ? target : source));
    }

    void detailPane()
    {
        Window w;
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), &w.top);
        QSignalSpy fired(shortcut, &QShortcut::activated);
        w.top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QTest::keyClick(w.list(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(fired.count(), 1); // the shortcut works elsewhere in the window
        w.detail()->setFocus();

        MessageRecord m;
        m.strText = "line one\r\nline two";
        w.detail()->showMessage(&m);
        const QString shown = QStringLiteral("\nline one\nline two");
        QCOMPARE(w.detail()->toPlainText(), shown);

        // Keys change nothing and reach no shortcut of the window.
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClicks(w.detail(), QStringLiteral("typed"));
        QTest::keyClick(w.detail(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.detail(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(w.detail()->toPlainText(), shown);
        QCOMPARE(fired.count(), 1);

        // A menu only with a selection; Copy takes exactly the selected characters.
        QVERIFY(!w.detail()->createContextMenu());
        QTextCursor cursor = w.detail()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(14, QTextCursor::KeepAnchor);
        w.detail()->setTextCursor(cursor);
        std::unique_ptr<QMenu> menu = w.detail()->createContextMenu();
        QCOMPARE(enabled(menu), texts("Copy"));
        menu->actions().first()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("one\nline"));
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestMessageViews)
#include "tst_messageviews.moc"
