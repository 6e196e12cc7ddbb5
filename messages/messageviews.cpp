#include "messages/messageviews.h"

#include "messages/leftview.h"
#include "messages/messagestore.h"
#include "messages/rightdetailview.h"
#include "messages/rightlistview.h"
#include "platform/bytes.h"

QString folderItemText(const MessageRecord& folder)
{
    return platform::toDisplay(folder.strName) + QLatin1Char('(') + QString::number(folder.nCount) +
           QLatin1Char(')');
}

MessageViews::MessageViews(MessageStore& store) : m_store(store) {}

MessageViews::~MessageViews() = default;

void MessageViews::SetTreeView(CLeftView* view)
{
    m_pTreeView = view;
}

void MessageViews::SetListView(CRightListView* view)
{
    m_pListView = view;
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
    if (m_pListView)
        m_pListView->showFolder(folder);
    if (m_pDetailView)
        m_pDetailView->clearText();
}

void MessageViews::ClearPanes()
{
    ShowFolder(nullptr);
}

MessageRecord* MessageViews::GetSelectedFolder() const
{
    return m_pTreeView ? m_pTreeView->selectedFolder() : nullptr;
}

void MessageViews::ShowMessage(const MessageRecord* message)
{
    if (m_pDetailView)
        m_pDetailView->showMessage(message);
}

void MessageViews::SetFolderItemText(qint32 folderId, const QString& text)
{
    if (m_pTreeView)
        m_pTreeView->setFolderItemText(folderId, text);
}

void MessageViews::ShowFolderCount(qint32 folderId)
{
    if (const MessageRecord* folder = m_store.findFolderById(folderId))
        SetFolderItemText(folderId, folderItemText(*folder));
}
