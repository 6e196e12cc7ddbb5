#pragma once
// The results of a search across all folders: a view over the document's search model, in
// place of the message list while a search is on. A result's own folder decides what may be
// done with it: local messages are deleted and moved, pager messages only copied.

#include <QTreeView>

#include <memory>
#include <vector>

class MessageViews;
class QMenu;
class SearchResultsModel;
struct MessageRecord;

class CSearchResultsView : public QTreeView
{
    Q_OBJECT

public:
    explicit CSearchResultsView(MessageViews& doc, QWidget* parent = nullptr);
    ~CSearchResultsView() override;

    SearchResultsModel* resultsModel() const { return m_model; }
    // The selected rows, in row order.
    std::vector<int> selectedRows() const;

    // "Delete" (when every selected message is local) and "Export Messages..."; nullptr with
    // nothing selected.
    std::unique_ptr<QMenu> createContextMenu();
    QAction* deleteAction() const { return m_actDelete; }
    QAction* exportAction() const { return m_actExport; }

public Q_SLOTS:
    void OnMessageDelete();
    void OnMessageExport();

Q_SIGNALS:
    // A result was double-clicked: its folder and the message are to be shown.
    void messageOpened(const MessageRecord* message);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    MessageViews& m_doc;
    SearchResultsModel* m_model;
    QAction* m_actDelete;
    QAction* m_actExport;
};
