#pragma once
// The view half of the message document: where the folder tree, the message list and the
// detail pane meet. Each view registers itself here when it is set up and reaches the
// others only through these calls, so none of them needs to know how the others are
// built. The document of the main frame owns (or is) one of these; it must outlive the
// views' last use of it, and it holds the views weakly, so a view that is gone is simply
// not called.

#include <QPointer>
#include <QString>
#include <QtGlobal>

class CLeftView;
class CRightDetailView;
class CRightListView;
class MessageStore;
struct MessageRecord;

class MessageViews
{
public:
    explicit MessageViews(MessageStore& store);
    virtual ~MessageViews();
    MessageViews(const MessageViews&) = delete;
    MessageViews& operator=(const MessageViews&) = delete;

    MessageStore& store() const { return m_store; }

    // Set when the folder database was found and read; the tree creates the default local
    // folders only when it was not.
    bool folderDbLoaded() const { return m_bFolderDbLoaded; }
    void setFolderDbLoaded(bool loaded) { m_bFolderDbLoaded = loaded; }

    void SetTreeView(CLeftView* view);
    void SetListView(CRightListView* view);
    void SetDetailView(CRightDetailView* view);
    CLeftView* treeView() const;
    CRightListView* listView() const;
    CRightDetailView* detailView() const;

    // Fills the message list with the folder's messages (none: empties it) and empties the
    // detail pane.
    void ShowFolder(const MessageRecord* folder);
    // Empties the message list and the detail pane.
    void ClearPanes();
    // The folder record of the tree's selected item, or nullptr (a root, nothing selected).
    MessageRecord* GetSelectedFolder() const;
    // Shows a message in the detail pane; nullptr empties it.
    void ShowMessage(const MessageRecord* message);
    // Sets the text of the tree item that carries the folder number.
    void SetFolderItemText(qint32 folderId, const QString& text);
    // Shows the folder's current count on its tree item, "name(count)". The folder is the
    // first folder record with that number, as for every count change.
    void ShowFolderCount(qint32 folderId);

private:
    MessageStore& m_store;
    bool m_bFolderDbLoaded = false;
    QPointer<CLeftView> m_pTreeView;
    QPointer<CRightListView> m_pListView;
    QPointer<CRightDetailView> m_pDetailView;
};

// "name(count)": how a folder built from its record is shown in the tree.
QString folderItemText(const MessageRecord& folder);
