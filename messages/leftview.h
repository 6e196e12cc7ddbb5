#pragma once
// The folder tree of the Messages window: "Messages" with the pager's fourteen folders and
// their counts, and "LocalFolder" with the user's own folders at any depth. Every folder
// item carries its folder number; the children of an item are built from the folder
// records each time it is expanded, so the tree never holds state the store does not.
// Local folders are where messages dragged out of the message list are dropped.

#include <QPersistentModelIndex>
#include <QTreeWidget>

#include <memory>

class MessageViews;
class QMenu;
class QMimeData;
struct MessageRecord;

class CLeftView : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int ID_FOLDER_NEWFOLDER = 32771;
    static constexpr int ID_FOLDER_DELETE = 32772;
    static constexpr int ID_FOLDER_RENAME = 32829;
    // The folder number of a folder item; -1 on "Messages", -2 on "LocalFolder".
    static constexpr int FolderIdRole = Qt::UserRole;

    explicit CLeftView(MessageViews& doc, QWidget* parent = nullptr);
    ~CLeftView() override;

    // Once, after the folder database was read: registers with the document, adds the
    // pager's folder records and builds both branches; on a first run (no database) also
    // creates the default local folders.
    void BuildFolderTree();
    // After a message download was taken in: the pager folders with their new counts,
    // empty panes, and the user is told.
    void RefreshPagerTree();

    // The folder record of the selected item, or nullptr.
    MessageRecord* selectedFolder() const;
    // Sets the text of the first item that carries the folder number.
    void setFolderItemText(qint32 folderId, const QString& text);

    QTreeWidgetItem* pagerRoot() const;
    QTreeWidgetItem* localRoot() const;
    // The first item carrying the folder number (numbers below 1 name none).
    QTreeWidgetItem* findFolderItem(qint32 folderId) const;
    static qint32 folderIdOf(const QTreeWidgetItem* item);

    // The menu of a right-click on item ("ContextLocalFolder"), which also becomes the
    // item the three folder commands work on; nullptr when that item offers no menu.
    std::unique_ptr<QMenu> createContextMenu(QTreeWidgetItem* item);
    QTreeWidgetItem* contextItem() const;
    QAction* newFolderAction() const { return m_actNewFolder; }
    QAction* deleteAction() const { return m_actDelete; }
    QAction* reNameAction() const { return m_actReName; }

    // The end of editing a folder's label with this text in the editor. Refusals tell the
    // user and start the editing again. Returns true when the folder took the new name.
    bool endLabelEdit(QTreeWidgetItem* item, const QString& newText);

    // What dropping this data on the item would do: Qt::CopyAction, Qt::MoveAction, or
    // Qt::IgnoreAction when the item does not take it.
    Qt::DropAction dropActionFor(const QTreeWidgetItem* target, const QMimeData* mime,
                                 Qt::KeyboardModifiers modifiers) const;
    // Copies or moves the dragged messages into the target folder and selects it. Returns
    // how many messages were copied or moved.
    int dropMessages(QTreeWidgetItem* target, const QMimeData* mime,
                     Qt::KeyboardModifiers modifiers);
    QTreeWidgetItem* dropTarget() const;

public Q_SLOTS:
    void OnFolderNewFolder();
    void OnFolderDelete();
    void OnFolderReName();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    friend class FolderNameDelegate;

    enum class KeepSelection
    {
        No,
        Yes
    };

    MessageRecord* folderOfItem(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* addFolderItem(QTreeWidgetItem* parent, const QString& text, qint32 folderId,
                                   bool local);
    QTreeWidgetItem* insertFolder(QTreeWidgetItem* parent, const QString& name);
    void expandFolderItem(QTreeWidgetItem* item);
    void rebuildChildren(QTreeWidgetItem* item, KeepSelection keep);
    void onItemExpanded(QTreeWidgetItem* item);
    void onCurrentItemChanged(QTreeWidgetItem* current);
    void labelEdited(const QModelIndex& index, const QString& text);
    void restartLabelEdit(QTreeWidgetItem* item);
    void setDropTarget(QTreeWidgetItem* item);
    QTreeWidgetItem* itemOf(const QPersistentModelIndex& index) const;

    MessageViews& m_doc;
    QIcon m_pagerRootIcon;
    QIcon m_localRootIcon;
    QIcon m_folderIcon;
    QAction* m_actNewFolder;
    QAction* m_actDelete;
    QAction* m_actReName;
    QPersistentModelIndex m_contextItem;
    QPersistentModelIndex m_dropTarget;
    // While items are rebuilt, the tree's own moves of the current item are not shown.
    int m_nQuiet = 0;
    // An expansion the program asks for has rebuilt the children already.
    bool m_bProgramExpand = false;
};
