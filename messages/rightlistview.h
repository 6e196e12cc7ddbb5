#pragma once
// The message list: a view over the document's message list model, one row per message of
// the folder shown. It deletes messages of local folders and is where messages are
// dragged from onto the folder tree.

#include <QTreeView>

#include <memory>
#include <vector>

class MessageListModel;
class MessageViews;
class QMenu;
struct MessageRecord;

class CRightListView : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int ID_MESSAGE_DELETE = 32790;
    static constexpr int ID_MESSAGE_EXPORT = 32852;

    explicit CRightListView(MessageViews& doc, QWidget* parent = nullptr);
    ~CRightListView() override;

    // Columns and their widths, and registration with the document.
    void InitMessageList();

    MessageListModel* messageModel() const { return m_model; }
    // The selected rows, in row order.
    std::vector<int> selectedRows() const;
    // The message numbers of the selected rows, in row order.
    std::vector<qint32> selectedMessageIds() const;

    // The "ContextMessage" menu, or nullptr when no row is selected: "Delete" (not in the
    // pager's folders, whose messages cannot be deleted) and "Export Messages...".
    std::unique_ptr<QMenu> createContextMenu();
    QAction* deleteAction() const { return m_actDelete; }
    QAction* exportAction() const { return m_actExport; }

public Q_SLOTS:
    // Deletes the selected messages; the folder is then listed again.
    void OnMessageDelete();
    // Writes the selected messages to a file the user chooses.
    void OnMessageExport();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    MessageViews& m_doc;
    MessageListModel* m_model;
    QAction* m_actDelete;
    QAction* m_actExport;
};
