#pragma once
// The item models of the Messages window over the store, and the selection models that
// couple the views: the folder tree's current row is the folder the message list shows, and
// the list's (or the search results') current row the message the detail pane shows. The
// models follow each other's changes (counts changed in the list show in the tree, a search
// lets go of records the store changes). No view is known here: each view takes its model
// and selection model, and whoever holds two views connects them.

#include <QItemSelectionModel>
#include <QObject>
#include <QtGlobal>

#include <memory>

class FolderTreeModel;
class MessageListModel;
class MessageStore;
class SearchResultsModel;
struct MessageRecord;

class MessageModels : public QObject
{
    Q_OBJECT

public:
    explicit MessageModels(MessageStore& store);
    ~MessageModels() override;
    MessageModels(const MessageModels&) = delete;
    MessageModels& operator=(const MessageModels&) = delete;

    MessageStore& store() const { return m_store; }
    FolderTreeModel& folderModel() const { return *m_pFolderModel; }
    MessageListModel& listModel() const { return *m_pListModel; }
    SearchResultsModel& searchModel() const { return *m_pSearchModel; }
    // The folder tree's selection, the message list's and the search results'.
    QItemSelectionModel& folderSelection() const { return *m_pFolderSelection; }
    QItemSelectionModel& messageSelection() const { return *m_pMessageSelection; }
    QItemSelectionModel& resultSelection() const { return *m_pResultSelection; }

    // Lists the folder's messages (none: empties the list); the list has no current message.
    void ShowFolder(const MessageRecord* folder);
    // The folder record of the tree's current row, or nullptr (a root, nothing selected).
    MessageRecord* GetSelectedFolder() const;
    // The folder's row shows its name and current count again.
    void SetFolderItemText(qint32 folderId);

private:
    MessageStore& m_store;
    std::unique_ptr<FolderTreeModel> m_pFolderModel;
    std::unique_ptr<MessageListModel> m_pListModel;
    std::unique_ptr<SearchResultsModel> m_pSearchModel;
    std::unique_ptr<QItemSelectionModel> m_pFolderSelection;
    std::unique_ptr<QItemSelectionModel> m_pMessageSelection;
    std::unique_ptr<QItemSelectionModel> m_pResultSelection;
};
