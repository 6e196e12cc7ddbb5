#include "messages/widgets/searchresultsview.h"

#include "messages/core/messagestore.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/exportmessages.h"
#include "messages/widgets/messageviews.h"

#include <algorithm>

CSearchResultsView::CSearchResultsView(MessageViews& doc, QWidget* parent)
    : CMessageTableView(doc, &doc.searchModel(), parent), m_model(&doc.searchModel())
{
    setObjectName(QStringLiteral("searchResults"));
    m_model->setRowIcon(QIcon::fromTheme(QStringLiteral("mail-message"),
                                         style()->standardIcon(QStyle::SP_FileIcon)));
    // Laid out as the message list, with the folder of each message after its date.
    sizeColumns(true);
    m_doc.SetSearchView(this);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const MessageRecord* m = m_model->message(index.row()))
            Q_EMIT messageOpened(m);
    });
}

CSearchResultsView::~CSearchResultsView() = default;

bool CSearchResultsView::mayDelete(const std::vector<int>& rows) const
{
    return std::none_of(rows.begin(), rows.end(),
                        [&](int row) { return m_model->isPagerMessage(row); });
}

bool CSearchResultsView::copiesOnly(const std::vector<int>& rows) const
{
    return std::all_of(rows.begin(), rows.end(),
                       [&](int row) { return m_model->isPagerMessage(row); });
}

void CSearchResultsView::OnMessageDelete()
{
    m_model->deleteRows(selectedRows());
}

void CSearchResultsView::OnMessageExport()
{
    const std::vector<int> rows = selectedRows();
    if (!rows.empty())
        ExportMessages(this, m_doc.store().records(), m_model->messages(rows),
                       QStringLiteral("Messages"));
}
