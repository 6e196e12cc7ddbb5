#include "messages/widgets/messageviews.h"

#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/leftview.h"
#include "messages/widgets/rightdetailview.h"
#include "messages/widgets/rightlistview.h"
#include "messages/widgets/searchresultsview.h"

MessageViews::MessageViews(MessageStore& store)
    : m_store(store), m_pFolderModel(std::make_unique<FolderTreeModel>(store)),
      m_pListModel(std::make_unique<MessageListModel>(store)),
      m_pSearchModel(std::make_unique<SearchResultsModel>(store))
{
    // The search's rows are the store's records: every change to the store lets go of them
    // (and an active search runs again).
    SearchResultsModel* search = m_pSearchModel.get();
    FolderTreeModel* tree = m_pFolderModel.get();
    search->followChangesOf(*tree);
    connect(m_pListModel.get(), &MessageListModel::folderCountsChanged, search,
            &SearchResultsModel::storeChanged);
    connect(search, &SearchResultsModel::folderCountsChanged, tree,
            &FolderTreeModel::refreshFolders);
    // The list of the folder shown may have lost messages deleted among the results.
    connect(search, &SearchResultsModel::folderCountsChanged, this,
            [this] { ShowFolder(GetSelectedFolder()); });
    connect(search, &QAbstractItemModel::modelReset, this, [this] {
        if (m_pSearchView && m_pSearchView->isVisible())
            ShowMessage(nullptr);
    });
    connect(m_pListModel.get(), &MessageListModel::folderCountsChanged, m_pFolderModel.get(),
            &FolderTreeModel::refreshFolders);
    // A list filled anew has no current message.
    connect(m_pListModel.get(), &QAbstractItemModel::modelReset, this,
            [this] { ShowMessage(nullptr); });
}

MessageViews::~MessageViews() = default;

void MessageViews::SetTreeView(CLeftView* view)
{
    if (m_pTreeView)
        disconnect(m_pTreeView, nullptr, this, nullptr);
    m_pTreeView = view;
    if (view) {
        connect(view, &CLeftView::folderSelected, this,
                [this](const MessageRecord* folder) { ShowFolder(folder); });
        connect(view, &CLeftView::folderChosen, this, &MessageViews::folderChosen);
    }
}

void MessageViews::SetListView(CRightListView* view)
{
    m_pListView = view;
    if (view) {
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    ShowMessage(current.isValid() ? m_pListModel->message(current.row()) : nullptr);
                });
    }
}

void MessageViews::SetDetailView(CRightDetailView* view)
{
    m_pDetailView = view;
}

void MessageViews::SetSearchView(CSearchResultsView* view)
{
    m_pSearchView = view;
    if (view) {
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    ShowMessage(current.isValid() ? m_pSearchModel->message(current.row())
                                                  : nullptr);
                });
    }
}

void MessageViews::OpenMessage(const MessageRecord* message)
{
    if (!message || !m_pTreeView || !m_pListView)
        return;
    const qint32 messageId = message->nMessageId;
    const QModelIndex folder = m_pFolderModel->findFolder(message->nFolderId);
    if (!folder.isValid())
        return;
    m_pTreeView->scrollTo(folder); // opens the branches above it
    m_pTreeView->setCurrentIndex(folder);
    for (int row = 0; row < m_pListModel->rowCount(); ++row) {
        if (m_pListModel->messageId(row) == messageId) {
            const QModelIndex at = m_pListModel->index(row, 0);
            m_pListView->setCurrentIndex(at);
            m_pListView->scrollTo(at);
            break;
        }
    }
}

CLeftView* MessageViews::treeView() const
{
    return m_pTreeView.data();
}

CRightListView* MessageViews::listView() const
{
    return m_pListView.data();
}

CRightDetailView* MessageViews::detailView() const
{
    return m_pDetailView.data();
}

void MessageViews::ShowFolder(const MessageRecord* folder)
{
    m_pListModel->setFolder(folder);
    ShowMessage(nullptr);
}

MessageRecord* MessageViews::GetSelectedFolder() const
{
    return m_pTreeView ? m_pFolderModel->folder(m_pTreeView->currentIndex()) : nullptr;
}

void MessageViews::ShowMessage(const MessageRecord* message)
{
    if (m_pDetailView)
        m_pDetailView->showMessage(message);
}

void MessageViews::SetFolderItemText(qint32 folderId)
{
    m_pFolderModel->refreshFolders({folderId});
}
