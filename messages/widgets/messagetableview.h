#pragma once
// What the message list and the search results have in common: a report list of messages,
// the "ContextMessage" menu of "Delete", "Copy to Folder...", "Move to Folder..." and
// "Export Messages...", and rows dragged onto the folder tree.

#include <QTreeView>

#include <memory>
#include <vector>

class MessageModels;
class QItemSelectionModel;
class QMenu;

class CMessageTableView : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int ID_MESSAGE_DELETE = 32790;
    static constexpr int ID_MESSAGE_EXPORT = 32852;
    static constexpr int ID_MESSAGE_COPY_TO_FOLDER = 32870;
    static constexpr int ID_MESSAGE_MOVE_TO_FOLDER = 32871;

    ~CMessageTableView() override;

    // The selected rows, in row order.
    std::vector<int> selectedRows() const;
    // The "ContextMessage" menu, or nullptr when no row is selected: "Delete" when the
    // selected messages may be deleted (pager messages may not), the two filing commands
    // ("Move to Folder..." greyed for messages that are only copied), "Export Messages...".
    std::unique_ptr<QMenu> createContextMenu();
    QAction* deleteAction() const { return m_actDelete; }
    QAction* copyToFolderAction() const { return m_actCopyTo; }
    QAction* moveToFolderAction() const { return m_actMoveTo; }
    QAction* exportAction() const { return m_actExport; }

public Q_SLOTS:
    // Deletes the selected messages.
    virtual void OnMessageDelete() = 0;
    // Writes the selected messages to a file the user chooses.
    virtual void OnMessageExport() = 0;
    // Files the selected messages into a local folder the user picks, as dropping them on
    // that folder's row of the tree does: copied, or moved where a drop would move them.
    void OnMessageCopyToFolder();
    void OnMessageMoveToFolder();

protected:
    CMessageTableView(MessageModels& models, QAbstractItemModel* model,
                      QItemSelectionModel* selection, QWidget* parent);

    // The four columns' widths; the last one stretches to the edge or not.
    void sizeColumns(bool stretchLast);

    // Whether rows can have a menu at all, and what may be done with these rows.
    virtual bool offersMenu() const { return true; }
    virtual bool mayDelete(const std::vector<int>& rows) const = 0;
    virtual bool copiesOnly(const std::vector<int>& rows) const = 0;

    void contextMenuEvent(QContextMenuEvent* e) override;
    void startDrag(Qt::DropActions supportedActions) override;

    MessageModels& m_models;

private:
    void fileToFolder(Qt::DropAction action);

    QAction* m_actDelete;
    QAction* m_actCopyTo;
    QAction* m_actMoveTo;
    QAction* m_actExport;
};
