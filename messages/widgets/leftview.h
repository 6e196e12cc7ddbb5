#pragma once
// The folder tree of the Messages window: a view over the folder tree model and its
// selection model, with the folder commands of its context menu and the editing of a
// folder's name in place. Its current row is the folder the message list shows; drops of
// messages go to the model, which asks the store what they do.

#include "messages/core/messagerecord.h"

#include <QPersistentModelIndex>
#include <QTreeView>

#include <memory>

class FolderTreeModel;
class MessageModels;
class QMenu;

class CLeftView : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int ID_FOLDER_NEWFOLDER = 32771;
    static constexpr int ID_FOLDER_DELETE = 32772;
    static constexpr int ID_FOLDER_RENAME = 32829;
    static constexpr int ID_FOLDER_EXPORT = 32850;
    static constexpr int ID_FOLDER_EXPORT_SUBFOLDERS = 32851;

    explicit CLeftView(MessageModels& models, QWidget* parent = nullptr);
    ~CLeftView() override;

    FolderTreeModel& folderModel() const { return m_model; }
    using QTreeView::edit; // beside the override below

    // Once, after the folder database was read and the store's folders set up: the rows,
    // with both branches open.
    void BuildFolderTree();
    // After a message download was taken in: the pager folders with their new names and
    // counts, empty panes, and the user is told.
    void RefreshPagerTree();

    // The folder record of the current row, or nullptr.
    MessageRecord* selectedFolder() const;

    // The menu of a right-click on a row ("ContextLocalFolder"), which also becomes the row
    // the three folder commands work on; nullptr when that row offers no menu.
    std::unique_ptr<QMenu> createContextMenu(const QModelIndex& index);
    QModelIndex contextIndex() const { return m_contextIndex; }
    QAction* newFolderAction() const { return m_actNewFolder; }
    QAction* deleteAction() const { return m_actDelete; }
    QAction* reNameAction() const { return m_actReName; }
    QAction* exportAction() const { return m_actExport; }
    QAction* exportWithSubfoldersAction() const { return m_actExportSubfolders; }

    // The end of editing a folder's name with this text in the editor. Refusals tell the
    // user and start the editing again. Returns true when the folder took the new name.
    bool endLabelEdit(const QModelIndex& index, const QString& newText);

public Q_SLOTS:
    void OnFolderNewFolder();
    void OnFolderDelete();
    void OnFolderReName();
    // Writes the context folder's messages (and its subfolders') to a file the user chooses.
    void OnFolderExport();
    void OnFolderExportWithSubfolders();

Q_SIGNALS:
    // The user chose a row: clicked it (the current one too), or moved to it with the keys.
    void folderChosen();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void restartLabelEdit(const QModelIndex& index);
    void onMessagesDropped(const QModelIndex& target);
    void exportFolder(bool withSubfolders);
    void restoreCurrent();

    MessageModels& m_models;
    FolderTreeModel& m_model;
    QAction* m_actNewFolder;
    QAction* m_actDelete;
    QAction* m_actReName;
    QAction* m_actExport;
    QAction* m_actExportSubfolders;
    QPersistentModelIndex m_contextIndex;
    // The number of the current row's folder (-1 and -2 the roots, 0 none), kept apart from
    // the rows: a reset of the model loses the current row, and its records may be gone.
    qint32 m_nCurrentFolderId = 0;
};
