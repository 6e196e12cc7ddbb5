#include "messages/widgets/searchresultsview.h"

#include "messages/core/messagestore.h"
#include "messages/models/messagemodels.h"
#include "messages/models/searchresultsmodel.h"
#include "messages/widgets/exportmessages.h"
#include "platform/themeicon.h"

#include <algorithm>

CSearchResultsView::CSearchResultsView(MessageModels& models, QWidget* parent)
    : CMessageTableView(models, &models.searchModel(), &models.resultSelection(), parent),
      m_model(&models.searchModel())
{
    setObjectName(QStringLiteral("searchResults"));
    setAccessibleName(tr("Search results"));
    setAccessibleDescription(tr("The messages of every folder that hold the words searched for"));
    m_model->setRowIcon(platform::themedIcon("mail-message", QStyle::SP_FileIcon, style()));
    // Laid out as the message list, with the folder of each message after its date.
    sizeColumns(true);
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
        ExportMessages(this, m_models.store().records(), m_model->messages(rows),
                       //: The name suggested for a file of exported search results.
                       tr("Messages", "export file name"));
}
