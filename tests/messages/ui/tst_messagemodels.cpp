// The two item models over the message store, without any view: rows, texts and flags,
// the folder commands, and drops, each under QAbstractItemModelTester.

#include "messages/models/foldertreemodel.h"
#include "messages/models/messagedrag.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/searchresultsmodel.h"

#include "localmessages.h"

#include <QAbstractItemModelTester>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using Tester = QAbstractItemModelTester;
constexpr auto kReport = QAbstractItemModelTester::FailureReportingMode::QtTest;

QStringList childTexts(const QAbstractItemModel& model, const QModelIndex& parent)
{
    QStringList result;
    for (int r = 0; r < model.rowCount(parent); ++r)
        result << model.index(r, 0, parent).data().toString();
    return result;
}

// The default first run (local folders 20..24) with two pager messages in the Inbox and
// three in the local Inbox.
struct Store
{
    MessageStore store;
    FolderTreeModel tree{store};
    MessageListModel list{store};
    Tester treeTester{&tree, kReport};
    Tester listTester{&list, kReport};

    Store()
    {
        store.SetUpFolders(true);
        tree.reload();
        store.TakeDownloadedMessages({download(1, "p1"), download(1, "p2")}, {});
        tree.refreshPagerFolders();
        for (const char* text : {"l1", "l2", "l3"})
            addMessage(store, 20, text);
        tree.refreshFolders({20});
    }
    QModelIndex folder(qint32 id) const { return tree.findFolder(id); }
    QString text(qint32 id) const { return folder(id).data().toString(); }
    std::unique_ptr<QMimeData> drag(qint32 folderId, std::vector<int> rows)
    {
        list.setFolder(tree.folder(folder(folderId)));
        QModelIndexList indexes;
        for (const int r : rows)
            indexes << list.index(r, 0);
        return std::unique_ptr<QMimeData>(list.mimeData(indexes));
    }
};

} // namespace

class TestMessageModels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The search's rows are the store's records: they follow every change, and a drag or a
    // delete among them goes by the rules of each message's own folder.
    void searchResults()
    {
        Store s;
        SearchResultsModel found(s.store);
        found.followChangesOf(s.tree);
        Tester tester(&found, kReport);
        auto folders = [&] {
            QStringList out;
            for (int r = 0; r < found.rowCount(); ++r)
                out << found.index(r, SearchResultsModel::ColumnFolder).data().toString();
            return out;
        };
        found.setSearchText(QStringLiteral("P"));
        QCOMPARE(folders(), texts("Messages/Inbox|Messages/Inbox"));
        found.setSearchText(QStringLiteral("\u0100"));
        QVERIFY(found.isActive() && found.rowCount() == 0);

        // "1": the pager's p1 and the local l1, dragged together onto Outbox (21): the pager
        // message is copied, the local one moved.
        found.setSearchText(QStringLiteral("1"));
        QCOMPARE(found.deleteRows({0}), 0); // p1 is the pager's
        std::unique_ptr<QMimeData> drag(found.mimeData({found.index(0, 0), found.index(1, 0)}));
        QVERIFY(s.tree.canDropMimeData(drag.get(), Qt::MoveAction, -1, -1, s.folder(21)));
        QVERIFY(s.tree.dropMimeData(drag.get(), Qt::MoveAction, -1, -1, s.folder(21)));
        QCOMPARE(found.rowCount(), 0); // let go of at once, searched again from the event loop
        QCOMPARE(texts("Inbox(2)|Inbox(2)|Outbox(2)"),
                 (QStringList{s.text(1), s.text(20), s.text(21)}));
        QTRY_COMPARE(folders(), texts("Messages/Inbox|LocalFolder/Outbox|LocalFolder/Outbox"));

        // Deleting among the results, and a folder deleted under them.
        QCOMPARE(found.deleteRows({1}), 1);
        QCOMPARE(s.text(21), QStringLiteral("Outbox(1)"));
        QTRY_COMPARE(found.rowCount(), 2);
        QVERIFY(s.tree.removeFolder(s.folder(21)));
        QCOMPARE(found.rowCount(), 0);
        QTRY_COMPARE(folders(), texts("Messages/Inbox"));
        found.setSearchText(QStringLiteral(" "));
        QVERIFY(!found.isActive());
    }

    void treeRows()
    {
        Store s;
        QCOMPARE(childTexts(s.tree, {}), texts("Messages|LocalFolder"));
        QCOMPARE(s.tree.rowCount(s.tree.pagerRoot()), PAGER_FOLDER_COUNT);
        QCOMPARE(s.text(1), QStringLiteral("Inbox(2)"));
        QCOMPARE(childTexts(s.tree, s.tree.localRoot()),
                 texts("Inbox(3)|Outbox(0)|Drafts(0)|Folders(0)|News/Info(0)"));
        QCOMPARE(s.store.findFolder(PARENT_LOCAL, 23)->strParentName, std::string("LocalFolder"));
        // Only local folders are renamed, dropped on, and offer to open.
        const QModelIndex pagerInbox = s.folder(1);
        QVERIFY(!(s.tree.flags(pagerInbox) & (Qt::ItemIsEditable | Qt::ItemIsDropEnabled)));
        QVERIFY(s.tree.flags(s.folder(20)) & Qt::ItemIsEditable);
        QVERIFY(s.tree.flags(s.folder(20)) & Qt::ItemIsDropEnabled);
        QVERIFY(!(s.tree.flags(s.tree.localRoot()) & Qt::ItemIsDropEnabled));
        QVERIFY(s.tree.hasChildren(s.folder(20)) && !s.tree.hasChildren(pagerInbox));

        // A database read: its folders only, subfolders under their parents, pager records
        // it carried give no second set, and folders naming each other as parents end.
        MessageStore db;
        db.AddPagerFolders();
        db.counters().nextFolderId = 30;
        db.InsertFolder("Work", "LocalFolder", PARENT_LOCAL);
        db.InsertFolder("Old", "Work(0)", 30);
        db.InsertFolder("Loop A", "x", 41);
        db.InsertFolder("Loop B", "x", 40);
        FolderTreeModel tree(db);
        Tester tester(&tree, kReport);
        db.SetUpFolders(false);
        tree.reload();
        QCOMPARE(childTexts(tree, tree.localRoot()), texts("Work(0)"));
        QCOMPARE(childTexts(tree, tree.findFolder(30)), texts("Old(0)"));
        QCOMPARE(tree.rowCount(tree.pagerRoot()), PAGER_FOLDER_COUNT);
    }

    void folderCommands()
    {
        Store s;
        // New folders: named against the siblings as shown, their parent's text kept.
        const QModelIndex folders = s.folder(23);
        for (int i = 0; i < 3; ++i)
            QVERIFY(s.tree.insertFolder(folders).isValid());
        QCOMPARE(childTexts(s.tree, folders),
                 texts("New Folder(0)|New Folder-1(0)|New Folder-2(0)"));
        QCOMPARE(s.store.findFolderById(25)->strParentName, std::string("Folders(0)"));
        QCOMPARE(s.store.findFolderById(25)->nParentId, 23);
        QVERIFY(!s.tree.insertFolder(s.tree.pagerRoot()).isValid());
        QVERIFY(!s.tree.insertFolder(s.folder(1)).isValid());

        // Names: the editor holds the bare name, which must differ from every sibling's
        // name; the counts the rows show are no part of either.
        using Check = FolderTreeModel::NameCheck;
        const QModelIndex inbox = s.folder(20);
        QCOMPARE(inbox.data(Qt::EditRole).toString(), QStringLiteral("Inbox"));
        const std::vector<std::pair<QString, Check>> cases{
            {QStringLiteral("Inbox"), Check::Unchanged},
            {QString(), Check::Empty},
            {QStringLiteral("Outbox"), Check::Exists},
            {QStringLiteral("Outbox(0)"), Check::Ok}};
        for (const auto& [name, expected] : cases)
            QCOMPARE(s.tree.checkName(inbox, name), expected);
        QCOMPARE(s.tree.checkName(s.folder(1), QStringLiteral("X")), Check::Unchanged);
        QVERIFY(!s.tree.setData(inbox, QStringLiteral("Outbox")));
        QVERIFY(s.tree.setData(inbox, QStringLiteral("Mine")));
        QCOMPARE(s.text(20), QStringLiteral("Mine(3)"));

        // Deleting takes the row and the rows below it (what goes with the folder is the
        // store's rule).
        QVERIFY(s.tree.insertFolder(s.folder(25)).isValid());
        QVERIFY(s.tree.removeFolder(folders));
        QVERIFY(!s.folder(25).isValid() && !s.folder(26).isValid());
        QCOMPARE(childTexts(s.tree, s.tree.localRoot()),
                 texts("Mine(3)|Outbox(0)|Drafts(0)|News/Info(0)"));
        QVERIFY(!s.tree.removeFolder(s.folder(1)));
    }

    void drops()
    {
        // Two messages of folder `from` dropped on `to` (0: the local root, -1: the pager
        // root): whether it is done, and the two folders' texts after it.
        const struct
        {
            const char* name;
            qint32 from, to;
            Qt::DropAction asked;
            bool done;
            const char* after;
        } cases[] = {{"pager message, copied", 1, 21, Qt::CopyAction, true, "Inbox(2)|Outbox(2)"},
                     {"pager message, no move", 1, 21, Qt::MoveAction, false, "Inbox(2)|Outbox(0)"},
                     {"local, moved", 20, 21, Qt::MoveAction, true, "Inbox(1)|Outbox(2)"},
                     {"local, copied", 20, 21, Qt::CopyAction, true, "Inbox(3)|Outbox(2)"},
                     {"its own folder", 20, 20, Qt::MoveAction, false, "Inbox(3)|Inbox(3)"},
                     {"a pager folder", 20, 2, Qt::CopyAction, false, "Inbox(3)|Outbox(0)"},
                     {"the local root", 20, 0, Qt::CopyAction, false, "Inbox(3)|LocalFolder"},
                     {"the pager root", 20, -1, Qt::CopyAction, false, "Inbox(3)|Messages"}};
        for (const auto& c : cases) {
            Store s;
            QSignalSpy dropped(&s.tree, &FolderTreeModel::messagesDropped);
            const QModelIndex at = c.to == 0    ? s.tree.localRoot()
                                   : c.to == -1 ? s.tree.pagerRoot()
                                                : s.folder(c.to);
            const std::unique_ptr<QMimeData> data = s.drag(c.from, {0, 1});
            const bool can = s.tree.canDropMimeData(data.get(), c.asked, -1, -1, at);
            const bool did = s.tree.dropMimeData(data.get(), c.asked, -1, -1, at);
            const QString after = s.text(c.from) + QLatin1Char('|') + at.data().toString();
            QVERIFY2(can == c.done && did == c.done && dropped.count() == (c.done ? 1 : 0) &&
                         after == QLatin1String(c.after),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.name), after)));
        }
    }

    void dropsOfOtherData()
    {
        Store s;
        // A drag of another store, whose numbers name other messages, and plain text.
        MessageStore other;
        MessageListModel foreign(other);
        foreign.setMessages(*s.store.findFolderById(20),
                            s.store.folderMessages(*s.store.findFolderById(20)));
        const std::unique_ptr<QMimeData> data(foreign.mimeData({foreign.index(0, 0)}));
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        for (QMimeData* mime : {data.get(), &text})
            QVERIFY(!s.tree.dropMimeData(mime, Qt::CopyAction, -1, -1, s.folder(22)));
        QCOMPARE(s.text(22), QStringLiteral("Drafts(0)"));
    }

    void listRowsDragsAndDeletes()
    {
        Store s;
        s.store.findMessage(4)->strTitle = "caf\xe9";
        s.list.setFolder(s.store.findFolderById(20));
        QStringList cells;
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 4; ++c)
                cells << s.list.index(r, c).data().toString();
        }
        // "No" is the row's place; texts are the record's bytes, one character each.
        QCOMPARE(cells.join(QLatin1Char('|')), QString::fromUtf8("0|l1|l1||1|l2|caf\u00e9|"));
        QCOMPARE(s.list.index(1, 0).data(MessageListModel::MessageIdRole).toInt(), 4);
        QCOMPARE(s.list.message(1), s.store.findMessage(4));
        QVERIFY(!s.list.message(9));

        // The drag: rows in row order, each once, whatever the columns and order given.
        const std::unique_ptr<QMimeData> mime(s.list.mimeData(
            {s.list.index(2, 3), s.list.index(0, 1), s.list.index(2, 0), s.list.index(0, 0)}));
        const QByteArray bytes = mime->data(MessageDrag::mimeType());
        const std::optional<MessageDrag> drag = MessageDrag::decode(bytes);
        QVERIFY(drag);
        QCOMPARE(drag->messageIds, (std::vector<qint32>{3, 5}));
        QCOMPARE(drag->sourceFolderId, 20);
        QCOMPARE(drag->storeTag, MessageDrag::storeTagOf(s.store));
        QCOMPARE(drag->encode(), bytes);
        // Damaged payloads decode to nothing: short, cut, a tail, a count beyond the bytes.
        QByteArray huge = bytes;
        huge[24] = '\x7f';
        for (const QByteArray& bad :
             {QByteArray(), bytes.left(27), bytes.chopped(1), bytes + QByteArray(1, '\0'), huge})
            QVERIFY(!MessageDrag::decode(bad));

        // Deleting rows: the folder is listed again and its count announced.
        QSignalSpy counts(&s.list, &MessageListModel::folderCountsChanged);
        QCOMPARE(s.list.deleteRows({0, 2}), 2);
        QCOMPARE(s.list.rowCount(), 1);
        QCOMPARE(s.list.messageId(0), 4);
        QCOMPARE(counts.count(), 1);
        s.tree.refreshFolders(counts.at(0).at(0).value<std::vector<qint32>>());
        QCOMPARE(s.text(20), QStringLiteral("Inbox(1)"));
        // Pager messages are not deleted here, whatever asks.
        s.list.setFolder(s.store.findFolderById(1));
        QCOMPARE(s.list.deleteRows({0}), 0);
        QCOMPARE(s.list.rowCount(), 2);
        s.list.clear();
        QVERIFY(!s.list.hasFolder() && !s.list.mimeData({}));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestMessageModels test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_messagemodels.moc"
