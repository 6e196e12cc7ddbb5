#include "messages/leftview.h"
#include "messages/messagelistmodel.h"
#include "messages/messagestore.h"
#include "messages/messageviews.h"
#include "messages/rightdetailview.h"
#include "messages/rightlistview.h"
#include "messages/rightview.h"
#include "platform/messageboxservice.h"
#include "tests/platform/widgettest.h"

#include <QAction>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

using platform::MessageIcon;

namespace {

// "a|b|c" as a list, to keep the expected texts readable.
QStringList texts(const char* joined)
{
    return QString::fromLatin1(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// The Messages window as the main frame puts it together.
struct Window
{
    MessageStore store;
    MessageViews doc{store};
    QWidget top;
    CLeftView* tree = new CLeftView(doc);
    CRightView* right = new CRightView(doc);

    explicit Window(bool folderDbLoaded = false)
    {
        doc.setFolderDbLoaded(folderDbLoaded);
        auto* layout = new QHBoxLayout(&top);
        layout->addWidget(tree);
        layout->addWidget(right);
    }
    Window& open()
    {
        tree->BuildFolderTree();
        right->initialUpdate();
        top.resize(900, 600);
        top.show();
        return *this;
    }
    CRightListView* list() const { return right->listView(); }
    CRightDetailView* detail() const { return right->detailView(); }
    MessageListModel* model() const { return list()->messageModel(); }
    QTreeWidgetItem* item(qint32 folderId) const { return tree->findFolderItem(folderId); }
    QString text(qint32 folderId) const { return item(folderId)->text(0); }

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
    Qt::DropAction dropOn(QTreeWidgetItem* target, std::initializer_list<int> rows,
                          Qt::KeyboardModifiers keys) const
    {
        std::unique_ptr<QMimeData> data = dragRows(rows);
        const QPoint at = target ? tree->visualItemRect(target).center() : QPoint(5, 590);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data.get(), Qt::LeftButton, keys);
        QDragMoveEvent move(at, actions, data.get(), Qt::LeftButton, keys);
        QDropEvent drop(QPointF(at), actions, data.get(), Qt::LeftButton, keys);
        QApplication::sendEvent(tree->viewport(), &enter);
        QApplication::sendEvent(tree->viewport(), &move);
        if (!enter.isAccepted() || !move.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(tree->viewport(), &leave);
            return Qt::IgnoreAction;
        }
        QApplication::sendEvent(tree->viewport(), &drop);
        return drop.isAccepted() && drop.dropAction() == move.dropAction() ? drop.dropAction()
                                                                           : Qt::IgnoreAction;
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

QStringList childTexts(const QTreeWidgetItem* parent)
{
    QStringList result;
    for (int i = 0; i < parent->childCount(); ++i)
        result.append(parent->child(i)->text(0));
    return result;
}

// A message of a local folder with its companion, as a drop leaves one.
qint32 addMessage(MessageStore& store, qint32 folderId, const std::string& text)
{
    MessageRecord* folder = store.findFolderById(folderId);
    MessageRecord m = *folder;
    m.nKind = KIND_MESSAGE;
    m.nCount = 0;
    m.strAddress = m.strHeader = m.strText = m.strTitle = text;
    m.nMessageId = store.counters().ListItemDataCNT++;
    store.records().push_back(m);
    m.nKind = KIND_COMPANION;
    store.records().push_back(m);
    ++folder->nCount;
    return m.nMessageId;
}

int count(const MessageStore& store, qint32 kind, qint32 folderId)
{
    const RecordList& l = store.records();
    return static_cast<int>(std::count_if(l.begin(), l.end(), [&](const MessageRecord& r) {
        return r.nKind == kind && r.nFolderId == folderId;
    }));
}

DeviceMessage download(quint16 folder, std::string text)
{
    DeviceMessage m;
    m.nFolder = folder;
    m.strHeader = "From 555";
    m.strText = std::move(text);
    return m;
}

QStringList enabled(const QMenu* menu)
{
    QStringList result;
    for (const QAction* a : menu->actions()) {
        if (a->isEnabled())
            result.append(a->text());
    }
    return result;
}

} // namespace

class TestMessageViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildsTheTree()
    {
        Window w;
        w.open();
        QCOMPARE(childTexts(w.tree->invisibleRootItem()), texts("Messages|LocalFolder"));
        QTreeWidgetItem* pager = w.tree->pagerRoot();
        QTreeWidgetItem* local = w.tree->localRoot();
        QVERIFY(pager->isExpanded() && local->isExpanded());
        QCOMPARE(childTexts(pager),
                 texts("Inbox(0)|Outbox(0)|Drafts(0)|Folder1(0)|Folder2(0)|Folder3(0)|"
                       "News/Info1(0)|News/Info2(0)|News/Info3(0)|News/Info4(0)|News/Info5(0)|"
                       "News/Info6(0)|News/Info7(0)|News/Info8(0)"));
        QCOMPARE(childTexts(local), texts("Inbox(0)|Outbox(0)|Drafts(0)|Folders(0)|News/Info(0)"));
        for (int i = 0; i < 14; ++i)
            QCOMPARE(pager->child(i)->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
        QCOMPARE(local->child(4)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        QCOMPARE(w.store.findFolder(PARENT_LOCAL, 23)->strParentName, std::string("LocalFolder"));
        QCOMPARE(w.store.counters().TreeItemDataCNT, 25);
        QCOMPARE(w.store.records().size(), size_t(19));

        // A database was read: its folders only, and pager records it carried give no
        // second set. Expanding shows the subfolders of the moment with their counts.
        Window db(true);
        db.store.AddPagerFolders();
        db.store.counters().TreeItemDataCNT = 30;
        db.store.InsertFolder("Work", "LocalFolder", PARENT_LOCAL);
        db.store.InsertFolder("Old", "Work(0)", 30);
        db.open();
        QCOMPARE(childTexts(db.tree->localRoot()), texts("Work(0)"));
        QCOMPARE(db.store.childFolders(PARENT_PAGER).size(), size_t(14));
        QTreeWidgetItem* work = db.item(30);
        work->setExpanded(true);
        QCOMPARE(childTexts(work), texts("Old(0)"));
        addMessage(db.store, 31, "x");
        db.store.InsertFolder("New", "Work(0)", 30);
        work->setExpanded(false);
        work->setExpanded(true);
        QCOMPARE(childTexts(work), texts("Old(1)|New(0)"));
    }

    void showsFoldersAndMessages()
    {
        Window w;
        w.open();
        platform::ScriptedMessageBoxes boxes;
        w.store.TakeDownloadedMessages({download(1, "one\r\n12345678901234567890"),
                                        download(8, "news"), download(1, "two"),
                                        download(1, "three")},
                                       {});
        w.tree->RefreshPagerTree();
        QCOMPARE(boxes.texts(), texts("Download Completed ! "));
        QCOMPARE(boxes.requests[0].icon, MessageIcon::Information);
        QCOMPARE(w.text(1), QStringLiteral("Inbox(3)"));
        QCOMPARE(w.text(8), QStringLiteral("News/Info2(1)"));

        w.tree->setCurrentItem(w.item(1));
        QCOMPARE(w.doc.GetSelectedFolder(), w.store.findFolder(PARENT_PAGER, 1));
        QCOMPARE(w.column(0), texts("0|1|2"));
        QCOMPARE(w.column(2), texts("one12345678901234567|two|three"));
        // The current row's message goes to the detail pane, header line first.
        w.list()->setCurrentIndex(w.model()->index(0, 0));
        QCOMPARE(w.detail()->toPlainText(), QStringLiteral("From 555\none\n12345678901234567890"));
        w.tree->setCurrentItem(w.tree->pagerRoot());
        QCOMPARE(w.model()->rowCount(), 0);
        QVERIFY(w.detail()->toPlainText().isEmpty());

        // A download while a pager folder is listed: new counts, empty panes, and the tree
        // no longer points at a folder the panes do not show.
        w.tree->setCurrentItem(w.item(1));
        w.list()->setCurrentIndex(w.model()->index(1, 0));
        w.store.TakeDownloadedMessages({download(1, "only")}, {});
        w.tree->RefreshPagerTree();
        QCOMPARE(w.text(1), QStringLiteral("Inbox(1)"));
        QCOMPARE(w.text(8), QStringLiteral("News/Info2(0)"));
        QCOMPARE(w.model()->rowCount(), 0);
        QVERIFY(!w.doc.GetSelectedFolder());
    }

    void contextMenus()
    {
        Window w;
        w.open();
        QVERIFY(!w.tree->createContextMenu(w.tree->pagerRoot()));
        QVERIFY(!w.tree->createContextMenu(w.item(1)));
        std::unique_ptr<QMenu> menu = w.tree->createContextMenu(w.tree->localRoot());
        QCOMPARE(enabled(menu.get()), texts("New Folder"));
        menu = w.tree->createContextMenu(w.item(20));
        QCOMPARE(enabled(menu.get()), texts("New Folder|Delete|ReName"));

        // The list offers Delete only for selected rows of a local folder.
        w.store.TakeDownloadedMessages({download(1, "pager")}, {});
        addMessage(w.store, 20, "local");
        w.tree->setCurrentItem(w.item(1));
        w.dragRows({0});
        QVERIFY(!w.list()->createContextMenu());
        w.list()->OnMessageDelete(); // pager messages cannot be deleted, whatever asks
        QCOMPARE(count(w.store, KIND_MESSAGE, 1), 1);
        w.tree->setCurrentItem(w.item(20));
        QVERIFY(!w.list()->createContextMenu());
        w.dragRows({0});
        menu = w.list()->createContextMenu();
        QCOMPARE(enabled(menu.get()), texts("Delete"));
    }

    void newFolder()
    {
        Window w;
        w.open();
        // Under a folder never expanded: it is expanded and the new item is being edited.
        QTreeWidgetItem* folders = w.item(23);
        w.tree->createContextMenu(folders);
        for (int i = 0; i < 3; ++i) {
            w.tree->newFolderAction()->trigger();
            QVERIFY(w.editor());
            w.escape();
        }
        QVERIFY(folders->isExpanded());
        QCOMPARE(childTexts(folders), texts("New Folder|New Folder-1|New Folder-2"));
        const MessageRecord* first = w.store.findFolderById(25);
        QCOMPARE(first->strParentName, std::string("Folders(0)"));
        QCOMPARE(first->nParentId, 23);
        QCOMPARE(w.store.counters().TreeItemDataCNT, 28);

        // One pass over the children as shown: "New Folder-1" before "New Folder" gives
        // "New Folder-1" again.
        QTreeWidgetItem* local = w.tree->localRoot();
        w.tree->createContextMenu(local);
        w.tree->newFolderAction()->trigger();
        w.escape();
        w.tree->newFolderAction()->trigger();
        w.escape();
        local->child(5)->setText(0, QStringLiteral("New Folder-1"));
        local->child(6)->setText(0, QStringLiteral("New Folder"));
        w.tree->newFolderAction()->trigger();
        QCOMPARE(local->child(7)->text(0), QStringLiteral("New Folder-1"));
    }

    void renameRefusals()
    {
        Window w;
        w.open();
        platform::ScriptedMessageBoxes boxes;
        const qint32 message = addMessage(w.store, 20, "m");
        w.store.InsertFolder("Sub", "Inbox(1)", 20);
        QTreeWidgetItem* inbox = w.item(20);
        inbox->setText(0, QStringLiteral("Inbox(1)"));

        QVERIFY(!w.tree->endLabelEdit(inbox, QString()));
        QCOMPARE(boxes.requests.size(), 1);
        QCOMPARE(boxes.requests[0].text, QStringLiteral("You Must Input FolderName."));
        QCOMPARE(boxes.requests[0].caption, QStringLiteral("Folder Name"));
        QCOMPARE(boxes.requests[0].icon, MessageIcon::Stop);
        // Editing starts again, with the old name, so that Esc leaves it as it was.
        QTRY_VERIFY(w.editor());
        QCOMPARE(w.editor()->text(), QStringLiteral("Inbox(1)"));
        w.escape();

        // A sibling's text as shown is taken; its bare name is not.
        QVERIFY(!w.tree->endLabelEdit(inbox, QStringLiteral("Outbox(0)")));
        QCOMPARE(boxes.requests[1].text,
                 QStringLiteral("Inbox(1) - ReName Failed.\n"
                                "Existed Folder Name.\n"
                                "You Must Input the Different FolderName."));
        QCOMPARE(boxes.requests[1].caption, QStringLiteral("Folder ReName Failed "));
        QTRY_VERIFY(w.editor());
        w.escape();
        QCOMPARE(w.store.findFolderById(20)->strName, std::string("Inbox"));
        QVERIFY(w.tree->endLabelEdit(inbox, QStringLiteral("Outbox")));
        QCOMPARE(inbox->text(0), QStringLiteral("Outbox"));
        QCOMPARE(w.store.findMessage(message)->strName, std::string("Outbox"));
        QCOMPARE(w.store.findFolderById(25)->strParentName, std::string("Outbox"));

        // Through the editor, as the user does it.
        w.tree->createContextMenu(inbox);
        w.tree->reNameAction()->trigger();
        QVERIFY(w.editor());
        w.editor()->setText(QStringLiteral("Mine"));
        QTest::keyClick(w.editor(), Qt::Key_Return);
        QTRY_COMPARE(w.store.findFolderById(20)->strName, std::string("Mine"));
        QCOMPARE(inbox->text(0), QStringLiteral("Mine"));
        QCOMPARE(boxes.requests.size(), 2);

        QVERIFY(!w.tree->endLabelEdit(w.item(1), QStringLiteral("X"))); // a pager folder
    }

    void deletesFolderWithSubfolders()
    {
        Window w;
        w.open();
        platform::ScriptedMessageBoxes boxes;
        // Folders(23) > A(25) > B(26), each with messages; Drafts(22) keeps its own.
        w.store.InsertFolder("A", "Folders(0)", 23);
        w.store.InsertFolder("B", "A(0)", 25);
        for (const qint32 id : {23, 25, 25, 26, 22})
            addMessage(w.store, id, "m");
        w.item(23)->setExpanded(true);
        w.item(25)->setExpanded(true);
        w.tree->setCurrentItem(w.item(26));
        QCOMPARE(w.model()->rowCount(), 1);

        w.tree->createContextMenu(w.item(23));
        w.tree->deleteAction()->trigger();
        for (const qint32 id : {23, 25, 26}) {
            QVERIFY(!w.store.findFolderById(id) && !w.item(id));
            QCOMPARE(count(w.store, KIND_MESSAGE, id) + count(w.store, KIND_COMPANION, id), 0);
        }
        QCOMPARE(count(w.store, KIND_MESSAGE, 22) + count(w.store, KIND_COMPANION, 22), 2);
        QCOMPARE(childTexts(w.tree->localRoot()),
                 texts("Inbox(0)|Outbox(0)|Drafts(0)|News/Info(0)"));
        QVERIFY(boxes.requests.isEmpty());
        // The selection was inside: the parent takes over, and the list follows it.
        QCOMPARE(w.tree->currentItem(), w.tree->localRoot());
        QCOMPARE(w.model()->rowCount(), 0);
    }

    void dropsMessages()
    {
        Window w;
        w.open();
        platform::ScriptedMessageBoxes boxes;
        w.store.TakeDownloadedMessages({download(1, "p1"), download(1, "p2")}, {});
        w.tree->RefreshPagerTree();
        const qint32 l1 = addMessage(w.store, 20, "l1");
        addMessage(w.store, 20, "l2");
        addMessage(w.store, 20, "l3");

        // Called directly: a pager message is copied without Ctrl; the target is listed.
        w.tree->setCurrentItem(w.item(1));
        std::unique_ptr<QMimeData> drag = w.dragRows({1});
        QCOMPARE(w.tree->dropMessages(w.item(21), drag.get(), {}), 1);
        QCOMPARE(count(w.store, KIND_MESSAGE, 1), 2);
        QCOMPARE(count(w.store, KIND_COMPANION, 21), 1);
        QCOMPARE(w.text(21), QStringLiteral("Outbox(1)"));
        QCOMPARE(w.tree->currentItem(), w.item(21));
        QCOMPARE(w.column(2), texts("p2"));

        // Refused: the source folder, a pager folder, a root, no item; and a drag from
        // another store, whose numbers name other messages.
        w.tree->setCurrentItem(w.item(20));
        drag = w.dragRows({0, 2});
        for (QTreeWidgetItem* target :
             {w.item(20), w.item(2), w.tree->localRoot(), w.tree->pagerRoot(),
              static_cast<QTreeWidgetItem*>(nullptr)}) {
            QCOMPARE(w.tree->dropMessages(target, drag.get(), {}), 0);
            QCOMPARE(w.dropOn(target, {0, 2}, {}), Qt::IgnoreAction);
        }
        MessageListModel foreign(0x1234);
        foreign.setMessages(*w.store.findFolderById(20),
                            w.store.folderMessages(*w.store.findFolderById(20)));
        drag.reset(foreign.mimeData({foreign.index(0, 0)}));
        QCOMPARE(w.tree->dropActionFor(w.item(22), drag.get(), {}), Qt::IgnoreAction);
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        QCOMPARE(w.tree->dropActionFor(w.item(22), &text, {}), Qt::IgnoreAction);

        // Through the view: two local messages with Ctrl are copied under new numbers...
        const qint32 next = w.store.counters().ListItemDataCNT;
        QCOMPARE(w.dropOn(w.item(22), {0, 2}, Qt::ControlModifier), Qt::CopyAction);
        QCOMPARE(count(w.store, KIND_MESSAGE, 20), 3);
        QCOMPARE(w.store.findMessage(next + 1)->nFolderId, 22);
        QCOMPARE(w.text(22), QStringLiteral("Drafts(2)"));
        QVERIFY(!w.tree->dropTarget());

        // ... and without Ctrl moved, companions with them; both counts change.
        w.tree->setCurrentItem(w.item(20));
        QCOMPARE(w.dropOn(w.item(23), {0, 1}, {}), Qt::MoveAction);
        QCOMPARE(w.store.findMessage(l1)->nFolderId, 23);
        QCOMPARE(count(w.store, KIND_COMPANION, 23), 2);
        QCOMPARE(w.text(20), QStringLiteral("Inbox(1)"));
        QCOMPARE(w.text(23), QStringLiteral("Folders(2)"));
        QCOMPARE(w.column(2), texts("l1|l2"));
        QCOMPARE(w.dropOn(w.item(24), {1}, {}), Qt::MoveAction);
        QCOMPARE(w.text(24), QStringLiteral("News/Info(1)"));
    }

    void deletesMessages()
    {
        Window w;
        w.open();
        for (const char* text : {"a", "b", "c", "d"})
            addMessage(w.store, 21, text);
        w.tree->setCurrentItem(w.item(21));
        w.dragRows({0, 2});
        w.list()->deleteAction()->trigger();
        QCOMPARE(w.column(2), texts("b|d"));
        QCOMPARE(w.column(0), texts("0|1"));
        QCOMPARE(count(w.store, KIND_COMPANION, 21), 2);
        QCOMPARE(w.text(21), QStringLiteral("Outbox(2)"));

        // One row left selected after another was taken out of the selection: the
        // selected one goes, not the one that changed last.
        w.list()->setCurrentIndex(w.model()->index(1, 0));
        w.dragRows({0});
        w.list()->OnMessageDelete();
        QCOMPARE(w.column(2), texts("d"));
        QCOMPARE(w.text(21), QStringLiteral("Outbox(1)"));
    }

    void detailPane()
    {
        Window w;
        w.open();
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), &w.top);
        QSignalSpy fired(shortcut, &QShortcut::activated);
        w.top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QTest::keyClick(w.list(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(fired.count(), 1); // the shortcut works elsewhere in the window
        w.detail()->setFocus();

        MessageRecord m;
        m.strText = "line one\r\nline two";
        w.doc.ShowMessage(&m);
        const QString shown = QStringLiteral("\nline one\nline two");
        QCOMPARE(w.detail()->toPlainText(), shown);

        // Keys change nothing and reach no shortcut of the window.
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClicks(w.detail(), QStringLiteral("typed"));
        QTest::keyClick(w.detail(), Qt::Key_Delete);
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
        QCOMPARE(enabled(menu.get()), texts("Copy"));
        menu->actions().first()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("one\nline"));

        w.doc.ShowMessage(nullptr);
        QVERIFY(w.detail()->toPlainText().isEmpty());
    }
};

QUILLBOX_WIDGET_TEST_MAIN(TestMessageViews)
#include "tst_messageviews.moc"
