#include "messages/models/messagemodels.h"

#include "messages/models/foldertreemodel.h"
#include "messages/models/messagelistmodel.h"
#include "messages/models/searchresultsmodel.h"

MessageModels::MessageModels(MessageStore& store)
    : m_store(store), m_pFolderModel(std::make_unique<FolderTreeModel>(store)),
      m_pListModel(std::make_unique<MessageListModel>(store)),
      m_pSearchModel(std::make_unique<SearchResultsModel>(store)),
      m_pFolderSelection(std::make_unique<QItemSelectionModel>(m_pFolderModel.get())),
      m_pMessageSelection(std::make_unique<QItemSelectionModel>(m_pListModel.get())),
      m_pResultSelection(std::make_unique<QItemSelectionModel>(m_pSearchModel.get()))
{
    // The tree's current folder is the one listed.
    connect(m_pFolderSelection.get(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowFolder(m_pFolderModel->folder(current)); });

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
    connect(m_pListModel.get(), &MessageListModel::folderCountsChanged, tree,
            &FolderTreeModel::refreshFolders);
}

MessageModels::~MessageModels() = default;

void MessageModels::ShowFolder(const MessageRecord* folder)
{
    // A list filled anew has no current message, and the detail pane follows its current row.
    m_pListModel->setFolder(folder);
}

MessageRecord* MessageModels::GetSelectedFolder() const
{
    return m_pFolderModel->folder(m_pFolderSelection->currentIndex());
}

void MessageModels::SetFolderItemText(qint32 folderId)
{
    m_pFolderModel->refreshFolders({folderId});
}
