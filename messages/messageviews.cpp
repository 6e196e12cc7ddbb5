#include "messages/messageviews.h"

#include "messages/foldertreemodel.h"
#include "messages/leftview.h"
#include "messages/messagelistmodel.h"
#include "messages/rightdetailview.h"
#include "messages/rightlistview.h"

MessageViews::MessageViews(MessageStore& store)
    : m_store(store), m_pFolderModel(std::make_unique<FolderTreeModel>(store)),
      m_pListModel(std::make_unique<MessageListModel>(store))
{
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

void MessageViews::ClearPanes()
{
    ShowFolder(nullptr);
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
