#pragma once
// The results of a search across all folders: a view over the search results model and its
// selection model, in place of the message list while a search is on. A result's own folder decides
// what may be done with it: local messages are deleted and moved, pager messages only copied.

#include "messages/widgets/messagetableview.h"

class SearchResultsModel;
struct MessageRecord;

class CSearchResultsView : public CMessageTableView
{
    Q_OBJECT

public:
    explicit CSearchResultsView(MessageModels& models, QWidget* parent = nullptr);
    ~CSearchResultsView() override;

    SearchResultsModel* resultsModel() const { return m_model; }

public Q_SLOTS:
    void OnMessageDelete() override;
    void OnMessageExport() override;

Q_SIGNALS:
    // A result was double-clicked: its folder and the message are to be shown.
    void messageOpened(const MessageRecord* message);

protected:
    // "Delete" only when every selected message is local.
    bool mayDelete(const std::vector<int>& rows) const override;
    bool copiesOnly(const std::vector<int>& rows) const override;

private:
    SearchResultsModel* m_model;
};
