// Figures of the Messages window on large stores, off screen:
//   bench_views [messages in the big folder=100000]
// 1. Selecting a folder in the tree until its messages are listed (the list's model filled
//    and the view laid out and painted once), with the folder among other folders.
// 2. Dropping 1,000 selected messages onto another folder (moved, then copied) in stores
//    of growing size: the time must grow with the store, not with its square.
// Each figure is the best of five.

#include "messages/core/messagestore.h"
#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/messagemodels.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/rightview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QMimeData>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int kRuns = 5;

double bestMs(const std::function<void()>& prepare, const std::function<void()>& step)
{
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QElapsedTimer t;
        t.start();
        step();
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

void addMessages(MessageStore& store, qint32 folderId, int count)
{
    MessageRecord* folder = store.findFolderById(folderId);
    for (int i = 0; i < count; ++i) {
        MessageRecord m;
        m.strName = folder->strName;
        m.strParentName = folder->strParentName;
        m.nKind = KIND_MESSAGE;
        m.nFolderId = folder->nFolderId;
        m.nParentId = folder->nParentId;
        m.strAddress = std::string("555-").append(std::to_string(i % 10000));
        m.strHeader = std::string("From ").append(m.strAddress);
        m.strText = std::string("Message number ")
                        .append(std::to_string(i))
                        .append(" of a rather large folder.");
        m.strTitle = MessageTitle(m.strText);
        m.strDate = "2024-03-09 07:05";
        m.strOrigin = std::to_string(1);
        m.nMessageId = store.counters().nextMessageId++;
        MessageRecord companion = m;
        companion.nKind = KIND_COMPANION;
        companion.strAddress.clear();
        store.records().push_back(std::move(m));
        store.records().push_back(std::move(companion));
        ++folder->nCount;
    }
}

struct Window
{
    MessageStore store;
    MessageModels models{store};
    QWidget top;
    CLeftView* tree = nullptr;
    CRightView* right = nullptr;

    void build()
    {
        store.SetUpFolders(false);
        auto* layout = new QHBoxLayout(&top);
        tree = new CLeftView(models);
        right = new CRightView(models);
        right->followTree(tree);
        layout->addWidget(tree);
        layout->addWidget(right);
        tree->BuildFolderTree();
        right->initialUpdate();
        top.resize(1000, 700);
        top.show();
        QCoreApplication::processEvents();
    }
    CRightListView* list() const { return right->listView(); }
};

// Local folders 20.. under "LocalFolder"; the messages spread over them.
void fillStore(MessageStore& store, int folders, int messagesEach)
{
    for (int f = 0; f < folders; ++f) {
        const MessageRecord& folder =
            store.InsertFolder("Folder " + std::to_string(f), "LocalFolder", PARENT_LOCAL);
        addMessages(store, folder.nFolderId, messagesEach);
    }
}

void selectFolder(Window& w, int messages)
{
    w.store.counters().nextFolderId = FIRST_LOCAL_FOLDER_ID;
    fillStore(w.store, 10, 10000); // 100,000 other messages around the big folder
    const qint32 big = w.store.InsertFolder("Big", "LocalFolder", PARENT_LOCAL).nFolderId;
    addMessages(w.store, big, messages);
    w.build();
    const QModelIndex bigItem = w.tree->folderModel().findFolder(big);
    const QModelIndex empty = w.tree->folderModel().localRoot();

    const double filled =
        bestMs([&] { w.tree->setCurrentIndex(empty); }, [&] { w.tree->setCurrentIndex(bigItem); });
    const double painted = bestMs(
        [&] {
            w.tree->setCurrentIndex(empty);
            QCoreApplication::processEvents();
        },
        [&] {
            w.tree->setCurrentIndex(bigItem);
            QCoreApplication::processEvents();
            w.list()->viewport()->repaint();
        });
    std::printf("select a folder of %d messages (store of %zu records):\n", messages,
                w.store.records().size());
    std::printf("  list filled          %8.2f ms\n", filled);
    std::printf("  laid out and painted %8.2f ms   (goal < 100 ms)\n", painted);
    if (w.list()->messageModel()->rowCount() != messages)
        std::printf("  WRONG: %d rows listed\n", w.list()->messageModel()->rowCount());
}

void dropIn(qint64 storeMessages)
{
    constexpr int kSelected = 1000;
    Window w;
    const int folders = 20;
    fillStore(w.store, folders, static_cast<int>(storeMessages / folders));
    w.build();
    const qint32 a = FIRST_LOCAL_FOLDER_ID;
    const qint32 b = FIRST_LOCAL_FOLDER_ID + 1;
    const QModelIndex itemA = w.tree->folderModel().findFolder(a);
    const QModelIndex itemB = w.tree->folderModel().findFolder(b);

    // The first 1,000 rows of the source selected, their drag taken from the list's model.
    std::unique_ptr<QMimeData> drag;
    auto dragFrom = [&](const QModelIndex& source) {
        w.tree->setCurrentIndex(source);
        MessageListModel* model = w.list()->messageModel();
        QItemSelection rows(model->index(0, 0), model->index(kSelected - 1, 0));
        w.list()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        drag.reset(model->mimeData(w.list()->selectionModel()->selectedRows()));
    };
    bool flip = false;
    const double moved = bestMs(
        [&] {
            flip = !flip;
            dragFrom(flip ? itemA : itemB);
        },
        [&] {
            w.tree->folderModel().dropMimeData(drag.get(), Qt::MoveAction, -1, -1,
                                               flip ? itemB : itemA);
        });
    const double copied = bestMs(
        [&] { dragFrom(itemA); },
        [&] { w.tree->folderModel().dropMimeData(drag.get(), Qt::CopyAction, -1, -1, itemB); });
    std::printf("  %8lld messages (%8zu records): move %8.2f ms, copy %8.2f ms\n",
                static_cast<long long>(storeMessages), w.store.records().size(), moved, copied);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int messages = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    {
        Window w;
        selectFolder(w, messages);
    }
    std::printf("drop 1,000 selected messages onto another folder, the list refilled "
                "(linear: the time doubles with the store):\n");
    for (const qint64 size : {50000LL, 100000LL, 200000LL, 400000LL})
        dropIn(size);
    return 0;
}
