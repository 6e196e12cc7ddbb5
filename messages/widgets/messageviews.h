#pragma once
// The view half of the message document: it owns the item models over the store (the
// folder tree, the message list and the search across folders) and wires the three views together
// without their knowing each other: the tree's current folder is listed, the list's current message
// is shown in the detail pane, and counts changed in the list show in the tree. Each view registers
// itself here when it is set up. The document must outlive the views' last use of it; it holds them
// weakly, so a view that is gone is simply not called.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>

class CLeftView;
class CRightDetailView;
class CRightListView;
class CSearchResultsView;
class FolderTreeModel;
class MessageListModel;
class MessageStore;
class SearchResultsModel;
struct MessageRecord;

class MessageViews : public QObject
{
    Q_OBJECT

public:
    explicit MessageViews(MessageStore& store);
    ~MessageViews() override;
    MessageViews(const MessageViews&) = delete;
    MessageViews& operator=(const MessageViews&) = delete;

    MessageStore& store() const { return m_store; }
    FolderTreeModel& folderModel() const { return *m_pFolderModel; }
    MessageListModel& listModel() const { return *m_pListModel; }
    SearchResultsModel& searchModel() const { return *m_pSearchModel; }

    // Set when the folder database was found and read; the tree creates the default local
    // folders only when it was not.
    bool folderDbLoaded() const { return m_bFolderDbLoaded; }
    void setFolderDbLoaded(bool loaded) { m_bFolderDbLoaded = loaded; }

    void SetTreeView(CLeftView* view);
    void SetListView(CRightListView* view);
    void SetDetailView(CRightDetailView* view);
    void SetSearchView(CSearchResultsView* view);
    CLeftView* treeView() const;
    CRightListView* listView() const;
    CRightDetailView* detailView() const;

    // Lists the folder's messages (none: empties the list) and empties the detail pane.
    void ShowFolder(const MessageRecord* folder);
    // The folder record of the tree's current row, or nullptr (a root, nothing selected).
    MessageRecord* GetSelectedFolder() const;
    // Shows a message in the detail pane; nullptr empties it.
    void ShowMessage(const MessageRecord* message);
    // The folder's row shows its name and current count again.
    void SetFolderItemText(qint32 folderId);
    // The folder of a search result selected in the tree, and the message in the list.
    void OpenMessage(const MessageRecord* message);

Q_SIGNALS:
    // The user chose a folder in the tree: a search on screen ends, so that the list of
    // that folder shows, as the tree does.
    void folderChosen();

private:
    MessageStore& m_store;
    std::unique_ptr<FolderTreeModel> m_pFolderModel;
    std::unique_ptr<MessageListModel> m_pListModel;
    std::unique_ptr<SearchResultsModel> m_pSearchModel;
    bool m_bFolderDbLoaded = false;
    QPointer<CLeftView> m_pTreeView;
    QPointer<CRightListView> m_pListView;
    QPointer<CRightDetailView> m_pDetailView;
    QPointer<CSearchResultsView> m_pSearchView;
};
